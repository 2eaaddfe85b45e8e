#pragma once
// A Markdown source read into a rich-text document, ready to be printed or exported: headings
// carry anchors and pictures are scaled to fit the page.
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

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

// The language a translated document names before its extension ("guide.en.md" -> "en"), or an
// empty text for the original ("guide.md").
QString DocumentLanguage(const QString& path);

// The original picture of a translated one: "shot-en.png" -> "shot.png" for language "en"; an
// empty address when the name has no such suffix.
QUrl UntranslatedPicture(const QUrl& picture, const QString& language);

// Scales every picture wider than maxWidth (in the document's pixels) down to that width, and
// makes every picture that can be loaded part of the document, so that a printed copy shows it.
// With a language, a translated picture not there yet is replaced by the original (a translation
// may be written before its screenshots are taken); the replaced names go to *replaced.
void FitPictures(QTextDocument& document, double maxWidth, const QString& language = {},
                 QStringList* replaced = nullptr);

// The text of the first heading, or an empty text.
QString FirstHeading(const QTextDocument& document);

} // namespace velmora::docbuild
