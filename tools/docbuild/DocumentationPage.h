#pragma once
// The documentation page: the README as one HTML file, every heading an anchor that the program
// (and a reader) can open directly, such as "#supporting-velmora".
#include <QString>

namespace velmora::docbuild {

// The HTML text of the Markdown source, titled by its first heading.
QString DocumentationHtml(const QString& markdownPath, QString* error);

// Writes DocumentationHtml to htmlPath. On failure returns false and fills *error.
bool WriteDocumentationPage(const QString& markdownPath, const QString& htmlPath, QString* error);

} // namespace velmora::docbuild
