#pragma once
// The program's own documents: the user's guide and the documentation page, found in the program
// folder or where the package installed them.
#include <QString>
#include <QStringList>
#include <QUrl>

namespace velmora::platform {

inline constexpr char16_t GuideFileName[] = u"guide.pdf";
// The guide in English, shown instead while the program speaks English.
inline constexpr char16_t GuideEnglishFileName[] = u"guide.en.pdf";
inline constexpr char16_t DocumentationPageFileName[] = u"index.html";
// The documentation page's section on supporting the project.
inline constexpr char16_t SupportSectionAnchor[] = u"supporting-velmora";

// The full path of the file `name` in the first of the folders that holds it; empty when none does.
QString FindDocumentIn(const QStringList& folders, const QString& name);
// FindDocumentIn over DocumentationFolders().
QString FindDocument(const QString& name);

// The documentation page, opened at the section `anchor` when one is given; an empty address
// when the page is not installed.
QUrl DocumentationPageUrl(const QString& anchor = {});

} // namespace velmora::platform
