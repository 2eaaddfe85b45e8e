#pragma once
// The user's guide: a Markdown source printed to an A4 PDF with the Japanese font embedded (its
// Latin letters serve the English guide too).
#include <QString>
#include <QStringList>

namespace velmora::docbuild {

// The text face of the guide; the build fails rather than print Japanese in a substitute.
inline constexpr char16_t GuideFontFamily[] = u"Noto Sans CJK JP";

// Prints markdownPath to pdfPath. On failure returns false and fills *error. A translation
// ("guide.en.md") shows the original pictures where its own are missing, and says which in *notes.
bool WriteGuidePdf(const QString& markdownPath, const QString& pdfPath, QString* error,
                   QStringList* notes = nullptr);

} // namespace velmora::docbuild
