#pragma once
// The user's guide: a Markdown source printed to an A4 PDF with the Japanese font embedded.
#include <QString>

namespace velmora::docbuild {

// The text face of the guide; the build fails rather than print Japanese in a substitute.
inline constexpr char16_t GuideFontFamily[] = u"Noto Sans CJK JP";

// Prints markdownPath to pdfPath. On failure returns false and fills *error.
bool WriteGuidePdf(const QString& markdownPath, const QString& pdfPath, QString* error);

} // namespace velmora::docbuild
