// The thumbnail, search and patrol windows in English: built in it, and switched to it and back
// while they are open; and their messages.
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WidgetTexts.h"
#include "tests/windows/FakeCurrentList.h"
#include "tests/windows/TreeMaker.h"

#include "core/FileKinds.h"
#include "core/Language.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "windows/patrol/PatrolWindow.h"
#include "windows/search/SearchWindow.h"
#include "windows/thumbnails/ThumbnailWindow.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>

using namespace velmora;
using namespace velmora::test;
using namespace Qt::StringLiterals;

namespace {

// The three windows on an empty folder; the thumbnail window can be held "loading".
struct Rig {
    TempFolder program;
    TempFolder pictures;
    TempFolder cacheHome;
    ScopedEnv cache{"XDG_CACHE_HOME", cacheHome.path()};
    FakeCurrentList list;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    Settings settings;

    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;

    Rig()
    {
        BuildFileKindTable();
        MakeTree(pictures.path(), {"a.jpg"});
    }
    ~Rig() { openGate(); }

    std::unique_ptr<SearchWindow> search() { return std::make_unique<SearchWindow>(pictures.path(), list); }
    std::unique_ptr<PatrolWindow> patrol()
    {
        return std::make_unique<PatrolWindow>(program.path(), TreeStart{pictures.path(), 1}, list);
    }
    std::unique_ptr<ThumbnailWindow> thumbnails()
    {
        auto window = std::make_unique<ThumbnailWindow>(
            settings, ThumbnailHost{[this] { return pictures.path(); }, {}, {}});
        // The one picture waits until the gate opens, so the window stays "loading" meanwhile.
        window->setThumbnailMaker([this](const ThumbnailSource&, const ThumbnailCache*, int) {
            std::unique_lock lock(mutex);
            opened.wait(lock, [this] { return open; });
            return QImage(8, 8, QImage::Format_RGB32);
        });
        return window;
    }
    void openGate()
    {
        {
            const std::lock_guard lock(mutex);
            open = true;
        }
        opened.notify_all();
    }
};

// The language change reaches the application, which hands it to every window and each to its
// children: posted events in two rounds.
void Switch(const QString& language)
{
    InstallLanguage(language);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
}

std::string Listed(const QStringList& texts)
{
    return texts.join(u'\n').toStdString();
}

} // namespace

TEST(WindowLanguage, BuiltInEnglishTheWindowsShowNoJapanese)
{
    LanguageScope english(u"en"_s);
    Rig rig;
    const auto search = rig.search();
    const auto patrol = rig.patrol();
    const auto thumbnails = rig.thumbnails();
    thumbnails->Form_Load();
    thumbnails->ThumbReset();

    EXPECT_TRUE(JapaneseTexts(*search).isEmpty()) << Listed(JapaneseTexts(*search));
    EXPECT_TRUE(JapaneseTexts(*patrol).isEmpty()) << Listed(JapaneseTexts(*patrol));
    EXPECT_TRUE(JapaneseTexts(*thumbnails).isEmpty()) << Listed(JapaneseTexts(*thumbnails));
    // The folder is data and stays as it is, after the caption.
    EXPECT_EQ(search->lblFolderName()->text(), u"Folder to search: "_s + rig.pictures.path().chopped(1));
    EXPECT_EQ(thumbnails->windowTitle(), u"Loading…"_s);
    rig.openGate();
    ASSERT_TRUE(WaitUntil([&] { return !thumbnails->filling(); }));
    EXPECT_EQ(thumbnails->windowTitle(), rig.pictures.path()) << "the folder, in any language";
}

TEST(WindowLanguage, OpenWindowsFollowASwitchToEnglishAndBack)
{
    Rig rig;
    const auto search = rig.search();
    const auto patrol = rig.patrol();
    const auto thumbnails = rig.thumbnails();
    thumbnails->Form_Load();
    thumbnails->ThumbReset();
    ASSERT_EQ(patrol->windowTitle(), u"自動巡回"_s);

    Switch(u"en"_s);
    EXPECT_TRUE(JapaneseTexts(*search).isEmpty()) << Listed(JapaneseTexts(*search));
    EXPECT_TRUE(JapaneseTexts(*patrol).isEmpty()) << Listed(JapaneseTexts(*patrol));
    EXPECT_TRUE(JapaneseTexts(*thumbnails).isEmpty()) << Listed(JapaneseTexts(*thumbnails));
    EXPECT_EQ(search->cmdSearch()->text(), u"Search"_s);
    EXPECT_EQ(patrol->cmdSaveFolder()->toolTip(), u"Save the list of folders to patrol"_s);
    EXPECT_EQ(thumbnails->optClickMode(1)->text(), u"Add to list"_s);
    EXPECT_EQ(thumbnails->windowTitle(), u"Loading…"_s);

    Switch(u"ja"_s);
    EXPECT_EQ(patrol->windowTitle(), u"自動巡回"_s);
    EXPECT_EQ(search->lblFolderName()->text(), u"検索対象フォルダ："_s + rig.pictures.path().chopped(1));
    EXPECT_EQ(search->cmdSearchStop()->text(), u"検索中断"_s);
    EXPECT_EQ(thumbnails->cmdReset()->text(), u"再読込"_s);
    EXPECT_EQ(thumbnails->windowTitle(), u"読込中"_s);

    // A finished fill's title is the folder, and a switch leaves it so.
    rig.openGate();
    ASSERT_TRUE(WaitUntil([&] { return !thumbnails->filling(); }));
    Switch(u"en"_s);
    EXPECT_EQ(thumbnails->windowTitle(), rig.pictures.path());
    Switch(u"ja"_s);
}

TEST(WindowLanguage, TheWindowsMessagesComeInEnglishWithItsPlurals)
{
    LanguageScope english(u"en"_s);
    EXPECT_EQ(UnreadableFoldersText({{u"/gone"_s, ENOENT}}),
              u"1 folder could not be read and was left out of the search.\n/gone (not found)"_s);
    QList<UnreadableFolder> seven;
    for (int i = 0; i < 7; ++i)
        seven.append({u"/f%1"_s.arg(i), EACCES});
    const QString text = UnreadableFoldersText(seven);
    EXPECT_TRUE(text.startsWith(u"7 folders could not be read"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"/f4 (access denied)"_s)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u"\nand 2 more"_s)) << text.toStdString();

    Rig rig;
    const auto search = rig.search();
    QSignalSpy searched(search.get(), &SearchWindow::searchFinished);
    search->cmdSearch_Click();
    ASSERT_TRUE(WaitUntil([&] { return !searched.isEmpty(); }));
    const auto patrol = rig.patrol();
    patrol->cmdSaveFolder_Click();
    EXPECT_EQ(rig.prompter.texts(), (QStringList{u"Search finished."_s, u"Saved."_s}));
}
