#pragma once
// A Markdown source read into a rich-text document, ready to be printed or exported: headings
// carry anchors and pictures are scaled to fit the page.
#include <QFont>
#include <QString>

#include <memory>

class QTextDocument;

namespace velmora::docbuild {

// The anchor a heading gets, as the usual Markdown renderers form it: lower case, spaces to "-",
// punctuation dropped, letters of any script kept ("Supporting Velmora" -> "supporting-velmora").
QString HeadingAnchor(const QString& heading);

// Reads a UTF-8 Markdown file; pictures are looked up beside it. Returns nothing and fills *error
// when the file cannot be read.
std::unique_ptr<QTextDocument> LoadMarkdown(const QString& path, const QFont& font, QString* error);

// Gives every heading an anchor named by HeadingAnchor; a repeated name gets "-1", "-2", ...
void AddHeadingAnchors(QTextDocument& document);

// Scales every picture wider than maxWidth (in the document's pixels) down to that width, and
// makes every picture that can be loaded part of the document, so that a printed copy shows it.
void FitPictures(QTextDocument& document, double maxWidth);

// The text of the first heading, or an empty text.
QString FirstHeading(const QTextDocument& document);

} // namespace velmora::docbuild
