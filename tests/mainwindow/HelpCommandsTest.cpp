// The Help menu's documents: found in the program folder or the installed documentation folder,
// opened through the desktop, the message when missing and the donation notice.
#include "mainwindow/HelpCommands.h"

#include "core/Prompt.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WidgetTexts.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

// Stands in for the desktop's viewers: records what would have been opened.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

struct HelpRig {
    TempFolder program;
    TempFolder installed;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    OpenedUrls opened;
    HelpCommands help{{program.path(), installed.path()}};
};

} // namespace

TEST(HelpCommands, TheGuideIsFoundBesideTheProgramOrInstalled)
{
    HelpRig rig;
    WriteBytes(rig.installed.file(QStringLiteral("guide.pdf")), "%PDF-1.4");
    rig.help.mnuHelpDoc();
    ASSERT_EQ(rig.opened.urls.size(), 1);
    EXPECT_EQ(rig.opened.urls[0].toLocalFile(), rig.installed.file(QStringLiteral("guide.pdf")));

    WriteBytes(rig.program.file(QStringLiteral("guide.pdf")), "%PDF-1.4");
    rig.help.mnuHelpDoc();
    ASSERT_EQ(rig.opened.urls.size(), 2);
    EXPECT_EQ(rig.opened.urls[1].toLocalFile(), rig.program.file(QStringLiteral("guide.pdf")))
        << "the program folder comes first";
    EXPECT_EQ(rig.prompter.count(), 0);
}

TEST(HelpCommands, TheGuideSpeaksTheLanguageShownWhenItCan)
{
    HelpRig rig;
    WriteBytes(rig.installed.file(QStringLiteral("guide.pdf")), "%PDF-1.4");
    {
        LanguageScope english(QStringLiteral("en"));
        rig.help.mnuHelpDoc();
        ASSERT_EQ(rig.opened.urls.size(), 1);
        EXPECT_EQ(rig.opened.urls[0].toLocalFile(), rig.installed.file(QStringLiteral("guide.pdf")))
            << "without an English guide, the Japanese one";

        WriteBytes(rig.installed.file(QStringLiteral("guide.en.pdf")), "%PDF-1.4");
        rig.help.mnuHelpDoc();
        ASSERT_EQ(rig.opened.urls.size(), 2);
        EXPECT_EQ(rig.opened.urls[1].toLocalFile(), rig.installed.file(QStringLiteral("guide.en.pdf")));

        // The English guide wherever it is, before a Japanese one beside the program.
        WriteBytes(rig.program.file(QStringLiteral("guide.pdf")), "%PDF-1.4");
        rig.help.mnuHelpDoc();
        ASSERT_EQ(rig.opened.urls.size(), 3);
        EXPECT_EQ(rig.opened.urls[2].toLocalFile(), rig.installed.file(QStringLiteral("guide.en.pdf")));
    }
    rig.help.mnuHelpDoc();
    ASSERT_EQ(rig.opened.urls.size(), 4);
    EXPECT_EQ(rig.opened.urls[3].toLocalFile(), rig.program.file(QStringLiteral("guide.pdf")))
        << "in Japanese, the Japanese guide";
    EXPECT_EQ(rig.prompter.count(), 0);
}

TEST(HelpCommands, AMissingDocumentIsSaidAndNothingOpens)
{
    HelpRig rig;
    QDir(rig.program.path()).mkdir(QStringLiteral("guide.pdf")); // a folder is not the guide
    rig.help.mnuHelpDoc();
    rig.help.mnuHelpHomepage();
    EXPECT_TRUE(rig.opened.urls.isEmpty());
    ASSERT_EQ(rig.prompter.count(), 2);
    for (const PromptRequest& request : rig.prompter.requests()) {
        EXPECT_EQ(request.kind, PromptKind::Warning);
        EXPECT_EQ(request.text, QStringLiteral("ドキュメントファイルが見つかりません"));
    }
}

TEST(HelpCommands, TheHomePageIsTheInstalledDocumentationPage)
{
    HelpRig rig;
    WriteBytes(rig.installed.file(QStringLiteral("index.html")), "<html></html>");
    WriteBytes(rig.installed.file(QStringLiteral("index.html")), "<html></html>");
    rig.help.mnuHelpHomepage();
    ASSERT_EQ(rig.opened.urls.size(), 1);
    EXPECT_EQ(rig.opened.urls[0].toLocalFile(), rig.installed.file(QStringLiteral("index.html")));
    EXPECT_TRUE(rig.opened.urls[0].fragment().isEmpty());
}

TEST(HelpCommands, DonationsSayTheTwoLinesThenOpenTheSupportSection)
{
    HelpRig rig;
    WriteBytes(rig.installed.file(QStringLiteral("index.html")), "<html></html>");
    rig.prompter.push(Answer::Ok);
    rig.help.mnuHelpDonation();
    ASSERT_EQ(rig.prompter.count(), 1);
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::Notice);
    EXPECT_EQ(rig.prompter.texts()[0],
              QStringLiteral("本ソフトはフリーウェアですのでご自由にお使いいただけます。\n"
                             "開発にご支援いただける場合には次に表示されるリンクからオンラインショッピング等をお願いします。"));
    ASSERT_EQ(rig.opened.urls.size(), 1);
    EXPECT_EQ(rig.opened.urls[0].toLocalFile(), rig.installed.file(QStringLiteral("index.html")));
    EXPECT_EQ(rig.opened.urls[0].fragment(), QStringLiteral("supporting-velmora"));
}

TEST(HelpCommands, PathsWithSpacesAndMarksSurviveTheWayToTheViewer)
{
    HelpRig rig;
    const QString folder = rig.program.file(QStringLiteral("My Docs #2 100% 説明"));
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteBytes(folder + QStringLiteral("/index.html"), "<html></html>");
    HelpCommands help({folder});
    help.mnuHelpDonation();
    ASSERT_EQ(rig.opened.urls.size(), 1);
    EXPECT_EQ(rig.opened.urls[0].toLocalFile(), folder + QStringLiteral("/index.html"));
    EXPECT_EQ(rig.opened.urls[0].fragment(), QStringLiteral("supporting-velmora"));
}

#include "HelpCommandsTest.moc"
