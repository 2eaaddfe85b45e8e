#include "tests/support/TestSupport.h"
#include "tools/docbuild/DocumentationPage.h"
#include "tools/docbuild/GuidePdf.h"
#include "tools/docbuild/IconRender.h"
#include "tools/docbuild/MarkdownDocument.h"
#include "tools/docbuild/PdfTextMap.h"

#include <QImage>
#include <QProcess>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::docbuild;

namespace {

std::unique_ptr<QTextDocument> Markdown(const test::TempFolder& folder, const QByteArray& text)
{
    test::WriteBytes(folder.file(QStringLiteral("doc.md")), text);
    QString error;
    auto document = LoadMarkdown(folder.file(QStringLiteral("doc.md")), QFont(), &error);
    EXPECT_TRUE(document) << error.toStdString();
    return document;
}

QStringList AnchorNames(const QTextDocument& document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names += it.fragment().charFormat().anchorNames();
    return names;
}

QList<QTextImageFormat> Pictures(const QTextDocument& document)
{
    QList<QTextImageFormat> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                pictures += it.fragment().charFormat().toImageFormat();
    return pictures;
}

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(DocBuild, HeadingAnchorsFollowTheUsualMarkdownForm)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Supporting Velmora", "supporting-velmora"},
        {"Quick start (Debian 12, as root or with sudo)", "quick-start-debian-12-as-root-or-with-sudo"},
        {"1. インストールと起動", "1-インストールと起動"},
        {"Branchwise, the folder tree library", "branchwise-the-folder-tree-library"},
        {"`-s` and `-ng`", "-s-and--ng"},
    };
    for (const auto& [heading, anchor] : cases)
        EXPECT_EQ(HeadingAnchor(QString::fromUtf8(heading)), QString::fromUtf8(anchor)) << heading;
}

TEST(DocBuild, EveryHeadingGetsOneAnchorAndRepeatsAreNumbered)
{
    test::TempFolder folder;
    const auto document =
        Markdown(folder, "# Notes\n\ntext\n\n## Notes\n\n## The `-s` switch and `-ng`\n\nmore\n");
    AddHeadingAnchors(*document);
    EXPECT_EQ(AnchorNames(*document), (QStringList{QStringLiteral("notes"), QStringLiteral("notes-1"),
                                                   QStringLiteral("the--s-switch-and--ng")}));
    EXPECT_EQ(FirstHeading(*document), QStringLiteral("Notes"));
}

TEST(DocBuild, WidePicturesAreScaledToThePageAndNarrowOnesKept)
{
    test::TempFolder folder;
    QImage wide(1200, 700, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    ASSERT_TRUE(wide.save(folder.file(QStringLiteral("wide.png"))));
    QImage narrow(100, 50, QImage::Format_RGB32);
    narrow.fill(Qt::yellow);
    ASSERT_TRUE(narrow.save(folder.file(QStringLiteral("narrow.png"))));
    const auto document = Markdown(folder, "![a](wide.png)\n\n![b](narrow.png)\n\n![c](missing.png)\n");
    FitPictures(*document, 600);
    const QList<QTextImageFormat> pictures = Pictures(*document);
    ASSERT_EQ(pictures.size(), 3);
    EXPECT_DOUBLE_EQ(pictures[0].width(), 600);
    EXPECT_DOUBLE_EQ(pictures[0].height(), 350);
    EXPECT_FALSE(pictures[1].hasProperty(QTextFormat::ImageWidth)) << "a narrow picture keeps its own size";
    EXPECT_FALSE(pictures[2].hasProperty(QTextFormat::ImageWidth));
}

TEST(DocBuild, ATranslationIsNamedBeforeTheExtensionAndItsPicturesByASuffix)
{
    EXPECT_EQ(DocumentLanguage(QStringLiteral("/src/docs/guide/guide.en.md")), QStringLiteral("en"));
    EXPECT_EQ(DocumentLanguage(QStringLiteral("guide.md")), QString());
    EXPECT_EQ(DocumentLanguage(QStringLiteral("/src/v1.2/guide.md")), QString()) << "a folder's dot";
    EXPECT_EQ(DocumentLanguage(QStringLiteral("notes.Draft.md")), QString()) << "not a language code";

    const auto original = [](const char* url) {
        return UntranslatedPicture(QUrl(QString::fromLatin1(url)), QStringLiteral("en")).toString();
    };
    EXPECT_EQ(original("file:///src/docs/main-window-en.png"), QStringLiteral("file:///src/docs/main-window.png"));
    EXPECT_EQ(original("file:///src/docs/main-window.png"), QString());
    EXPECT_EQ(original("file:///src/docs-en/main-window.png"), QString()) << "a folder's suffix";
    EXPECT_EQ(original("file:///src/docs/screen.png"), QString()) << "\"-en\" must be a suffix of its own";
    EXPECT_EQ(UntranslatedPicture(QUrl(QStringLiteral("file:///a/shot-en.png")), QString()), QUrl());
}

TEST(DocBuild, ATranslatedPictureNotTakenYetIsReplacedByTheOriginalAndReported)
{
    test::TempFolder folder;
    QImage wide(1200, 700, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    ASSERT_TRUE(wide.save(folder.file(QStringLiteral("missing.png"))));
    ASSERT_TRUE(wide.save(folder.file(QStringLiteral("taken.png"))));
    QImage english(300, 200, QImage::Format_RGB32);
    english.fill(Qt::yellow);
    ASSERT_TRUE(english.save(folder.file(QStringLiteral("taken-en.png"))));
    const auto document = Markdown(folder, "![a](missing-en.png)\n\n![b](taken-en.png)\n\n![c](none-en.png)\n");
    QStringList replaced;
    FitPictures(*document, 600, QStringLiteral("en"), &replaced);
    EXPECT_EQ(replaced, QStringList{QStringLiteral("missing-en.png")});
    const QList<QTextImageFormat> pictures = Pictures(*document);
    ASSERT_EQ(pictures.size(), 3);
    EXPECT_TRUE(pictures[0].name().endsWith(QStringLiteral("/missing.png"))) << pictures[0].name().toStdString();
    EXPECT_DOUBLE_EQ(pictures[0].width(), 600) << "the original is fitted like any picture";
    EXPECT_TRUE(pictures[1].name().endsWith(QStringLiteral("/taken-en.png"))) << "a taken picture is its own";
    EXPECT_FALSE(pictures[1].hasProperty(QTextFormat::ImageWidth));
    EXPECT_FALSE(pictures[2].hasProperty(QTextFormat::ImageWidth)) << "nothing to fall back on";

    // The original document has no language: its missing pictures stay missing.
    const auto japanese = Markdown(folder, "![a](missing-en.png)\n");
    FitPictures(*japanese, 600);
    EXPECT_FALSE(Pictures(*japanese).at(0).hasProperty(QTextFormat::ImageWidth));
}

TEST(DocBuild, TheDocumentationPageHasTheSupportAnchorAndATitle)
{
    test::TempFolder folder;
    test::WriteBytes(
        folder.file(QStringLiteral("README.md")),
        "# Velmora\n\nChanges the wallpaper.\n\n## Supporting Velmora\n\n本ソフトはフリーウェアです。\n");
    QString error;
    ASSERT_TRUE(WriteDocumentationPage(folder.file(QStringLiteral("README.md")),
                                       folder.file(QStringLiteral("index.html")), &error))
        << error.toStdString();
    const QString html = QString::fromUtf8(test::ReadBytes(folder.file(QStringLiteral("index.html"))));
    EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"supporting-velmora\"></a>"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<title>Velmora</title>")));
    EXPECT_TRUE(html.contains(QStringLiteral("本ソフトはフリーウェアです。")));
}

TEST(DocBuild, MissingSourcesAreReportedNotWritten)
{
    test::TempFolder folder;
    QString error;
    EXPECT_FALSE(
        WriteGuidePdf(folder.file(QStringLiteral("none.md")), folder.file(QStringLiteral("g.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.md")));
    EXPECT_FALSE(WriteDocumentationPage(folder.file(QStringLiteral("none.md")),
                                        folder.file(QStringLiteral("i.html")), &error));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("g.pdf"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("i.html"))));
}

TEST(DocBuild, TheGuideIsAPdfWithTheJapaneseFontEmbeddedAndItsTextReadable)
{
    test::TempFolder folder;
    QImage screenshot(1200, 700, QImage::Format_RGB32);
    screenshot.fill(Qt::darkCyan);
    ASSERT_TRUE(screenshot.save(folder.file(QStringLiteral("shot.png"))));
    test::WriteBytes(
        folder.file(QStringLiteral("guide.md")),
        "# Velmora ユーザーズガイド\n\n壁紙を自動で切り替えるプログラムです。\n\n![画面](shot.png)\n\n"
        "## コマンドライン\n\n| 書き方 | 働き |\n|---|---|\n| `velmora -s` | 壁紙を一度だけ替える |\n");
    QString error;
    const QString pdf = folder.file(QStringLiteral("guide.pdf"));
    ASSERT_TRUE(WriteGuidePdf(folder.file(QStringLiteral("guide.md")), pdf, &error)) << error.toStdString();
    EXPECT_TRUE(test::ReadBytes(pdf).startsWith("%PDF-"));

    const QString fonts = RunTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QStringLiteral("NotoSansCJK"))) << fonts.toStdString();
    const QString text = RunTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    // "自" and "一" share their glyphs with radicals: the text must still read as ideographs.
    EXPECT_TRUE(text.contains(QStringLiteral("壁紙を自動で切り替えるプログラムです。")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("壁紙を一度だけ替える"))) << text.toStdString();
    const QString pictures = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_EQ(pictures.count(QStringLiteral(" image ")), 1)
        << "the screenshot is printed: " << pictures.toStdString();
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("Velmora ユーザーズガイド")))
        << "the title: " << info.toStdString();
}

TEST(DocBuild, TheEnglishGuideReadsAsWrittenAndShowsTheJapanesePictureUntilItsOwnIsTaken)
{
    test::TempFolder folder;
    QImage screenshot(1200, 700, QImage::Format_RGB32);
    screenshot.fill(Qt::darkCyan);
    ASSERT_TRUE(screenshot.save(folder.file(QStringLiteral("shot.png"))));
    // Letter pairs a font may join into ligatures ("fi", "ffl"), an apostrophe, digits with commas
    // and a Japanese caption in the English text.
    test::WriteBytes(folder.file(QStringLiteral("guide.en.md")),
                     "# Velmora User's Guide\n\nThe wallpaper changes every 1 to 32,767 "
                     "seconds; the file list shuffles.\n\n![The main window](shot-en.png)\n\n"
                     "## The command line\n\nUse the \"言語 / Language\" submenu of the \"Tools\" menu.\n");
    QString error;
    QStringList notes;
    const QString pdf = folder.file(QStringLiteral("guide.en.pdf"));
    ASSERT_TRUE(WriteGuidePdf(folder.file(QStringLiteral("guide.en.md")), pdf, &error, &notes))
        << error.toStdString();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains(QStringLiteral("shot-en.png"))) << notes[0].toStdString();

    const QString text = RunTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    for (const char* line : {"Velmora User's Guide",
                             "The wallpaper changes every 1 to 32,767 seconds; the file list shuffles.",
                             "The command line", "Use the \"言語 / Language\" submenu of the \"Tools\" menu."})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << " in:\n" << text.toStdString();
    const QString pictures = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_EQ(pictures.count(QStringLiteral(" image ")), 1) << pictures.toStdString();
    EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("Velmora User's Guide")));
}

TEST(DocBuild, RadicalsInTextMapsBecomeIdeographsAndNothingElseMoves)
{
    const QByteArray before = "1 0 obj\n<2F83> stays outside a map\nbegincmap\n"
                              "2 beginbfchar\n<0005> <2F00>\n<2F83> <0041>\nendbfchar\n"
                              "3 beginbfrange\n<0001> <0003> [<2F83> <3042> <2F45>]\n"
                              "<0010> <0010> <2F29>\n<0020> <0022> <2F00>\nendbfrange\nendcmap\n";
    QByteArray pdf = before;
    EXPECT_EQ(MapRadicalsToIdeographs(pdf), 4);
    EXPECT_EQ(pdf.size(), before.size()) << "offsets in the file stay valid";
    EXPECT_TRUE(pdf.contains("<2F83> stays outside a map"));
    EXPECT_TRUE(pdf.contains("<0005> <4E00>\n<2F83> <0041>\n")) << "a glyph code is not a character";
    EXPECT_TRUE(pdf.contains("[<81EA> <3042> <65B9>]"));
    EXPECT_TRUE(pdf.contains("<0010> <0010> <5C0F>"));
    EXPECT_TRUE(pdf.contains("<0020> <0022> <2F00>")) << "a range of three would map on from the radical";
}

TEST(DocBuild, TheIconIsDrawnAtEachSizeOnATransparentGround)
{
    const QString svg = test::TestDataPath(QStringLiteral("../ui/resources/icon.svg"));
    for (const int size : {16, 48, 256}) {
        const QImage icon = RenderIcon(svg, size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the corners stay clear at " << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size * 3 / 4)), 255) << "the picture is opaque at " << size;
    }
    test::TempFolder folder;
    test::WriteBytes(folder.file(QStringLiteral("broken.svg")), "<svg");
    QString error;
    EXPECT_TRUE(RenderIcon(folder.file(QStringLiteral("broken.svg")), 32).isNull());
    EXPECT_FALSE(WriteIconPng(folder.file(QStringLiteral("broken.svg")), 32,
                              folder.file(QStringLiteral("x.png")), &error));
}
