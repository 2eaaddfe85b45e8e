#include "tools/docbuild/GuidePdf.h"

#include "tools/docbuild/MarkdownDocument.h"
#include "tools/docbuild/PdfTextMap.h"

#include <QFile>
#include <QFontInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace velmora::docbuild {
namespace {

// QTextDocument lays a page out at 96 pixels per inch inside its own 2 cm margins: A4 leaves
// 170 mm, about 640 pixels, for the text.
constexpr double PageTextWidth = 600.0;

// Air above the headings and inside the tables: the Markdown import packs both tight, which reads
// well on a screen and crowded on paper.
void setForPrint(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(block.blockFormat().headingLevel() <= 2 ? 14 : 8);
        format.setBottomMargin(4);
        QTextCursor(block).setBlockFormat(format);
    }
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat format = table->format();
            format.setCellPadding(3);
            format.setBorderCollapse(true);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            table->setFormat(format);
        }
    }
}

// Lets viewers copy and search the text as it reads (see PdfTextMap.h).
bool repairTextMap(const QString& pdfPath, QString* error)
{
    QFile written(pdfPath);
    QByteArray pdf;
    if (written.open(QIODevice::ReadOnly))
        pdf = written.readAll();
    if (!pdf.startsWith("%PDF-")) {
        *error = QStringLiteral("cannot write %1").arg(pdfPath);
        return false;
    }
    written.close();
    if (MapRadicalsToIdeographs(pdf) == 0)
        return true;
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool WriteGuidePdf(const QString& markdownPath, const QString& pdfPath, QString* error, QStringList* notes)
{
    QFont font(QString::fromUtf16(GuideFontFamily));
    font.setPointSizeF(10.5);
    // Without shaping the font joins no letters into ligatures, whose glyphs the PDF writer maps
    // back to "ﬁ" and "ﬀ": a reader searching the guide for "file" or "Effect" would not find them.
    // Neither Japanese nor English needs shaping to read right.
    font.setStyleStrategy(QFont::PreferNoShaping);
    if (QFontInfo(font).family() != font.family()) {
        *error = QStringLiteral("the font \"%1\" is not installed (fonts-noto-cjk)").arg(font.family());
        return false;
    }
    const std::unique_ptr<QTextDocument> document = LoadMarkdown(markdownPath, font, error);
    if (!document)
        return false;
    AddHeadingAnchors(*document);
    QStringList replaced;
    FitPictures(*document, PageTextWidth, DocumentLanguage(markdownPath), &replaced);
    if (notes)
        for (const QString& picture : std::as_const(replaced))
            notes->append(QStringLiteral("%1 is missing: the original picture is printed").arg(picture));
    setForPrint(*document);

    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setTitle(FirstHeading(*document));
    writer.setCreator(QStringLiteral("Velmora"));
    document->print(&writer);
    return repairTextMap(pdfPath, error);
}

} // namespace velmora::docbuild
