#include "tools/docbuild/DocumentationPage.h"

#include "tools/docbuild/MarkdownDocument.h"

#include <QFile>
#include <QTextDocument>

namespace velmora::docbuild {

QString DocumentationHtml(const QString& markdownPath, QString* error)
{
    // The reader's browser picks the size; the face only has to cover Japanese.
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSizeF(11);
    const std::unique_ptr<QTextDocument> document = LoadMarkdown(markdownPath, font, error);
    if (!document)
        return {};
    AddHeadingAnchors(*document);
    document->setMetaInformation(QTextDocument::DocumentTitle, FirstHeading(*document));
    return document->toHtml();
}

bool WriteDocumentationPage(const QString& markdownPath, const QString& htmlPath, QString* error)
{
    const QString html = DocumentationHtml(markdownPath, error);
    if (html.isEmpty())
        return false;
    QFile file(htmlPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(html.toUtf8()) < 0 ||
        !file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(htmlPath, file.errorString());
        return false;
    }
    return true;
}

} // namespace velmora::docbuild
