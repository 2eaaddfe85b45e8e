#include "tests/mainwindow/MainWindowRig.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"

#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "dialogs/OptionDialog.h"
#include "dialogs/OptionWindow.h"
#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/change/WallpaperService.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/lists/ListPage.h"
#include "platform/Monitors.h"
#include "platform/Screen.h"
#include "ui/ListBox.h"
#include "windows/patrol/PatrolWindow.h"
#include "windows/search/SearchWindow.h"
#include "windows/thumbnails/ThumbnailGridModel.h"
#include "windows/thumbnails/ThumbnailWindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

// Acts on the options dialog once the options command has shown it.
void WhenOptionsShow(const std::function<void(OptionDialog&)>& act)
{
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<OptionDialog*>(QApplication::activeModalWidget()))
            act(*dialog);
        else
            ADD_FAILURE() << "the options dialog is not shown";
    });
}

} // namespace

TEST(MainWindow, LoadRestoresTheListAndThePlacement)
{
    TempFolder pictures;
    const QString a = pictures.file(QStringLiteral("a.png"));
    QImage(8, 8, QImage::Format_RGB32).save(a);
    Rig rig({a, a, a}, "ListMode= 2\r\nFileIndex2= 2\r\nTimerOnMode= 1\r\nChangeTimer= 7\r\n");
    EXPECT_EQ(rig.prompter.count(), 0) << rig.prompter.texts().join(u'|').toStdString();
    EXPECT_EQ(rig.window->listPage().lstFileList()->count(), 3);
    EXPECT_EQ(rig.window->listPage().lstFileList()->currentRow(), 2);
    EXPECT_TRUE(rig.window->Timer1().isActive());
    EXPECT_EQ(rig.window->wallpaper().state().TileWallpaper, QStringLiteral("0"));
    EXPECT_TRUE(rig.backend->calls.isEmpty()) << "restoring a selection installs nothing";
}

TEST(MainWindow, PositionsPastTheOldLimitAreRestoredAndStored)
{
    TempFolder pictures;
    QStringList entries;
    for (int i = 0; i < 100000; ++i)
        entries << QStringLiteral("/nowhere/%1.png").arg(i);
    entries[70001] = pictures.file(QStringLiteral("next.png"));
    ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(entries[70001]));
    Rig rig(entries, "ListMode= 2\r\nChangeMode= 1\r\nFileIndex2= 70000\r\nPreviewPauseMode= 0\r\n");
    ListBox* list = rig.window->listPage().lstFileList();
    ASSERT_EQ(list->count(), 100000);
    EXPECT_EQ(list->currentRow(), 70000);

    rig.window->AutoChange();
    rig.settle();
    EXPECT_EQ(rig.prompter.count(), 0) << rig.prompter.texts().join(u'|').toStdString();
    EXPECT_EQ(list->currentRow(), 70001);
    EXPECT_EQ(rig.backend->calls.filter(QStringLiteral("set ")).size(), 1);
    rig.window->mnuFileExit_Click();
    EXPECT_TRUE(ReadBytes(rig.program.file(QStringLiteral("Velmora.INI"))).contains("\r\nFileIndex2= 70001\r\n"));
}

TEST(MainWindow, AMissingOrCorruptEntryGetsThePromptAndLosesNothing)
{
    TempFolder pictures;
    const QString good = pictures.file(QStringLiteral("good.png"));
    const QString corrupt = pictures.file(QStringLiteral("corrupt.jpg"));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(good);
    WriteBytes(corrupt, QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG"));
    const QString missing = pictures.file(QStringLiteral("gone.png"));
    Rig rig({good, missing, corrupt}, "ListMode= 2\r\nFileIndex2= 0\r\nPreviewPauseMode= 0\r\n");
    const QByteArray listBefore = ReadBytes(rig.program.file(QStringLiteral("Velmora.lst")));

    rig.prompter.push(Answer::Ignore);
    rig.window->AutoChange(); // to the missing entry
    rig.settle();
    ASSERT_EQ(rig.prompter.count(), 1);
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::AbortRetryIgnore);
    EXPECT_TRUE(rig.prompter.texts()[0].contains(missing));

    rig.prompter.push(Answer::Ignore);
    rig.window->AutoChange(); // to the corrupt entry
    rig.settle();
    ASSERT_EQ(rig.prompter.count(), 2);
    EXPECT_TRUE(rig.prompter.texts()[1].contains(corrupt));

    EXPECT_EQ(rig.window->listPage().lstFileList()->count(), 3);
    EXPECT_EQ(ReadBytes(rig.program.file(QStringLiteral("Velmora.lst"))), listBefore);
    EXPECT_EQ(rig.settings.FileIndex2, 2);
}

TEST(MainWindow, ExitWritesTheSettingsOnce)
{
    Rig rig({}, "MainTop= 0\r\n");
    int done = 0;
    QObject::connect(rig.window.get(), &MainWindow::exitRoutineDone, [&] { ++done; });
    rig.settings.ChangeTimer = 123;
    rig.window->mnuFileExit_Click();
    rig.window->close();
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(
        ReadBytes(rig.program.file(QStringLiteral("Velmora.INI"))).contains("\r\nChangeTimer= 123\r\n"));
}

TEST(MainWindow, ExitSaysSoWhenTheSettingsCannotBeWritten)
{
    Rig rig({}, "MainTop= 0\r\n");
    QFile::remove(rig.program.file(QStringLiteral("Velmora.INI")));
    QDir(rig.program.path()).mkdir(QStringLiteral("Velmora.INI"));
    rig.window->show();
    rig.window->mnuFileExit_Click();
    ASSERT_EQ(rig.prompter.count(), 1);
    EXPECT_TRUE(rig.prompter.texts()[0].startsWith(QStringLiteral("設定ファイルを保存できませんでした。")));
}

// The reading stops at the first bad value; the save at exit would write defaults over every later
// setting, so the file as it was is kept beside it first, and the status bar says so. The same for
// a one-shot run, which goes through the window whenever the file does not read cleanly.
TEST(MainWindow, ASettingsFileThatDidNotReadCleanlyIsKeptBeforeTheSave)
{
    for (const bool oneShot : {false, true}) {
        SCOPED_TRACE(oneShot);
        TempFolder program;
        const QByteArray lines = "MainTop= 0\r\nTimerOnMode= 70000\r\nChangeTimer= 42\r\n";
        WriteProgramFolder(program, {}, lines);
        const QString ini = program.file(QStringLiteral("Velmora.INI"));
        const QByteArray original = ReadBytes(ini);
        SettingsStore store;
        ScriptedPrompter prompter;
        PrompterScope scope(prompter);
        MainWindow window(store, program.path(), std::make_unique<RecordingBackend>());
        if (oneShot)
            window.setSingleChange();
        window.load();
        EXPECT_EQ(prompter.count(), 1) << "the bad value";
        EXPECT_EQ(window.statusBar()->currentMessage(),
                  QStringLiteral("設定ファイルを最後まで読み込めなかったため、元のファイルを Velmora.INI.bad "
                                 "として残しました。"));
        ASSERT_TRUE(WaitUntil([&] { return !window.working(); }));
        window.mnuFileExit_Click();
        EXPECT_EQ(ReadBytes(ini + ".bad"), original);
        EXPECT_FALSE(ReadBytes(ini).contains("ChangeTimer= 42")) << "the save still happens";
    }
}

TEST(MainWindow, ClosingTheOptionsRunsTheTimerAndTheEffectEditorAsTheyNowSay)
{
    Rig rig({}, "TimerOnMode= 0\r\n");
    QAction* option = rig.window->findChild<QAction*>(QStringLiteral("mnuOption"));
    ASSERT_TRUE(option && option->isEnabled());
    WhenOptionsShow([](OptionDialog& dialog) {
        dialog.form().chkTimer->click();
        dialog.form().cmdOk->click();
    });
    option->trigger();
    EXPECT_EQ(rig.settings.TimerOnMode, 1);
    EXPECT_TRUE(rig.window->Timer1().isActive());
    ASSERT_TRUE(rig.window->options().isLoaded()) << "EnableOff refers to the options window";
    EXPECT_FALSE(rig.window->options().load().form().cmdEffectEdit->isEnabled());

    WhenOptionsShow([](OptionDialog& dialog) {
        EXPECT_FALSE(dialog.form().cmdEffectEdit->isEnabled()) << "shown as it was loaded";
        dialog.form().chkTimer->click();
        dialog.form().cmdOk->click();
    });
    option->trigger();
    EXPECT_FALSE(rig.window->Timer1().isActive());
    EXPECT_TRUE(rig.window->options().load().form().cmdEffectEdit->isEnabled());
}

TEST(MainWindow, TheNextChangeFollowsTheOptionsAndALoadedDialogShowsTheTiling)
{
    TempFolder pictures;
    const QString small = pictures.file(QStringLiteral("small.png"));
    QImage(8, 8, QImage::Format_RGB32).save(small);
    Rig rig({small, small}, "ListMode= 2\r\nFileIndex2= 0\r\nPreviewPauseMode= 0\r\n");
    rig.window->AutoChange();
    rig.settle();
    ASSERT_FALSE(rig.backend->calls.isEmpty());
    EXPECT_EQ(rig.backend->calls.first(), QStringLiteral("tile 0"));

    WhenOptionsShow([](OptionDialog& dialog) {
        dialog.form().chkAutoTile->click();
        dialog.form().cmdOk->click();
    });
    rig.window->mnuOption_Click();
    QButtonGroup* placement = rig.window->options().load().form().optTileMode;
    EXPECT_EQ(placement->checkedId(), 0);
    rig.backend->calls.clear();
    rig.window->AutoChange();
    rig.settle();
    ASSERT_FALSE(rig.backend->calls.isEmpty());
    EXPECT_EQ(rig.backend->calls.first(), QStringLiteral("tile 1")) << "a tiny picture is tiled";
    EXPECT_EQ(placement->checkedId(), 1);
}

TEST(MainWindow, ACollageTakesItsPiecesFromTheListAsksInPieceOrderAndRestoresTheSelection)
{
    TempFolder pictures;
    QStringList entries;
    for (const char* name : {"a.png", "b.png", "c.png"}) {
        entries << pictures.file(QString::fromLatin1(name));
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        image.save(entries.back());
    }
    entries << pictures.file(QStringLiteral("corrupt.jpg"));
    WriteBytes(entries.back(), QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG"));
    platform::OverridePrimaryScreen(platform::ScreenPixels{QSize(320, 200), 96.0});
    Rig rig(entries, "ListMode= 2\r\nFileIndex2= 0\r\nCollageOnMode= 1\r\nCollageCount= 5\r\n"
                     "CollageChangeMode= 0\r\n");
    QList<bool> enabled;
    QObject::connect(rig.window.get(), &MainWindow::effectEditEnabledChanged,
                     [&](bool on) { enabled << on; });
    int maximum = 0;
    QObject::connect(&rig.window->wallpaper(), &WallpaperService::progressRangeChanged,
                     [&](int, int max) { maximum = max; });
    rig.prompter.push(Answer::Abort);  // the corrupt file met by piece 2: another file
    rig.prompter.push(Answer::Ignore); // and met again by piece 5: the piece in hand

    rig.window->AutoChange(); // entry 1, then pieces from entry 2 on
    rig.settle();
    platform::OverridePrimaryScreen(std::nullopt);

    ASSERT_EQ(rig.prompter.count(), 2);
    for (const QString& text : rig.prompter.texts())
        EXPECT_TRUE(text.contains(QStringLiteral("corrupt.jpg")));
    // Attempts 2, 3 (corrupt), 0, 1, 2, 3 (corrupt): the position stays on the last file tried.
    EXPECT_EQ(rig.settings.FileIndex2, 3);
    EXPECT_EQ(rig.window->listPage().lstFileList()->currentRow(), 3);
    EXPECT_EQ(enabled, (QList<bool>{false, true}))
        << "EnableOff while the collage is composed, then EnableOn";
    EXPECT_TRUE(rig.window->effectEditEnabled());
    EXPECT_EQ(maximum, 5);
    EXPECT_EQ(rig.window->wallpaper().state().shownSize, QSize(320, 200)) << "the preview shows the canvas";
    EXPECT_EQ(QImage(rig.program.file(QStringLiteral("$$WALL$$.BMP"))).size(), QSize(320, 200));
    EXPECT_EQ(rig.backend->calls.filter(QStringLiteral("set ")).size(), 1) << "one change, one wallpaper";
}

TEST(MainWindow, PatrolAndSearchWorkOnTheCurrentList)
{
    TempFolder pictures;
    for (const char* name : {"p1.jpg", "p2.png", "sub/s.gif"}) {
        QDir().mkpath(QFileInfo(pictures.file(QString::fromLatin1(name))).path());
        WriteBytes(pictures.file(QString::fromLatin1(name)), "x");
    }
    Rig rig({"/old1.jpg", "/old2.jpg"},
            "ListMode= 1\r\nCurrentDirectory=" + pictures.path().toUtf8() + "\r\nTimerOnMode= 0\r\n");
    WriteBytes(rig.program.file(QStringLiteral("lfolder.dat")), pictures.path().toUtf8() + "\r\n");
    ListBox* list = rig.window->listPage().lstFileList();
    ASSERT_TRUE(rig.window->listPage().cmdAutoPilot()->isEnabled());
    ASSERT_TRUE(rig.window->folderPage().cmdSearch()->isEnabled());

    // The patrol: its window is modal; the test works it from inside.
    QTimer::singleShot(0, [&] {
        auto* patrol = qobject_cast<PatrolWindow*>(QApplication::activeModalWidget());
        ASSERT_TRUE(patrol);
        QSignalSpy finished(patrol, &PatrolWindow::patrolFinished);
        patrol->cmdRefresh_Click();
        EXPECT_TRUE(WaitUntil([&] { return !finished.isEmpty(); }));
        patrol->accept();
    });
    rig.window->listPage().cmdAutoPilot()->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->text(0), pictures.path() + "p1.jpg");
    EXPECT_EQ(list->text(1), pictures.path() + "p2.png");

    // The search: the list page comes forward, and the finds go in front of the selected entry.
    rig.window->changer().SelectListEntryQuietly(1);
    QTimer::singleShot(0, [&] {
        auto* search = qobject_cast<SearchWindow*>(QApplication::activeModalWidget());
        ASSERT_TRUE(search);
        EXPECT_FALSE(rig.window->folderPage().isVisibleTo(rig.window.get()));
        QSignalSpy finished(search, &SearchWindow::searchFinished);
        search->cmdSearch_Click();
        EXPECT_TRUE(WaitUntil([&] { return !finished.isEmpty(); }));
        search->cmdAllAddFound_Click();
        search->accept();
    });
    rig.window->folderPage().cmdSearch()->click();
    EXPECT_EQ(rig.window->fileSelectTabs().tabFileSelect()->currentIndex(), 1);
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->text(1), pictures.path() + "sub/s.gif");
    EXPECT_EQ(list->text(3), pictures.path() + "p2.png");
    EXPECT_EQ(list->text(4), pictures.path() + "p2.png");
    EXPECT_EQ(list->currentRow(), 4) << "the selected entry stays selected";
    EXPECT_EQ(rig.prompter.texts(), (QStringList{QStringLiteral("巡回完了"), QStringLiteral("検索完了!")}));
}

TEST(MainWindow, TheThumbnailMenuShowsTheTreeFolderAndTheExitClosesItFirst)
{
    TempFolder pictures;
    TempFolder cacheHome;
    ScopedEnv cache("XDG_CACHE_HOME", cacheHome.path());
    const QString picture = pictures.file(QStringLiteral("a.png"));
    FlatImage(120, 90, 0xff3060c0).save(picture);
    Rig rig({}, "ListMode= 2\r\nCurrentDirectory=" + pictures.path().toUtf8() + "\r\n");
    auto* menu = rig.window->findChild<QAction*>(QStringLiteral("mnuThumbnail"));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isEnabled());
    menu->trigger();
    ThumbnailWindow* thumbnails = rig.window->thumbnailWindow();
    ASSERT_NE(thumbnails, nullptr);
    EXPECT_TRUE(thumbnails->isVisible());
    ASSERT_TRUE(WaitUntil([&] { return !thumbnails->filling(); }));
    EXPECT_EQ(thumbnails->ThumbFolder(), pictures.path());
    EXPECT_EQ(thumbnails->model().caption(0), QStringLiteral("a.png"));

    // A preview click loads the picture into the main window; nothing is installed.
    thumbnails->LEADImgList1_Click(0);
    rig.settle();
    EXPECT_EQ(rig.window->wallpaper().state().LoadedImageWidth, 120);
    EXPECT_TRUE(rig.backend->calls.isEmpty());
    rig.settings.ThumbClickMode = 1;
    thumbnails->LEADImgList1_Click(0);
    ASSERT_EQ(rig.window->listPage().lstFileList()->count(), 1);
    EXPECT_EQ(rig.window->listPage().lstFileList()->text(0), picture);

    thumbnails->setGeometry(60, 45, 420, 300);
    rig.window->mnuFileExit_Click();
    EXPECT_FALSE(thumbnails->isVisible());
    const QByteArray written = ReadBytes(rig.program.file(QStringLiteral("Velmora.INI")));
    const Long width = Long(std::lround(420 * platform::TwipsPerPixel()));
    EXPECT_TRUE(written.contains("\r\nThumbWidth= " + QByteArray::number(width) + "\r\n"))
        << written.constData();
}

TEST(MainWindow, AcrossMonitorsThePreviewShowsThePrimarysPartAndADesktopThatCannotSpanIsNotedOnce)
{
    TempFolder pictures;
    const QString wide = pictures.file(QStringLiteral("wide.png"));
    QImage image(640, 200, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(wide);
    platform::OverrideMonitors(
        platform::MonitorList{{QStringLiteral("L"), QRect(0, 0, 320, 200), 96.0, true},
                              {QStringLiteral("R"), QRect(320, 0, 320, 200), 96.0, false}});
    Rig rig({wide}, "ListMode= 2\r\nFileIndex2= 0\r\nMonitorMode= 2\r\n");
    QSignalSpy notes(&rig.window->wallpaper(), &WallpaperService::monitorNote);
    rig.window->AutoChange();
    rig.settle();
    rig.window->AutoChange();
    rig.settle();
    EXPECT_EQ(notes.count(), 1) << "the recording desktop cannot span: said once, not at every change";
    EXPECT_EQ(rig.window->statusBar()->currentMessage(),
              MonitorModeNote(QStringLiteral("recording"), platform::MonitorMode::Across));

    rig.backend->everyMonitorMode = true;
    rig.window->AutoChange();
    rig.settle();
    platform::OverrideMonitors(std::nullopt);
    EXPECT_EQ(QImage(rig.program.file(QStringLiteral("$$WALL$$.BMP"))).size(), QSize(640, 200))
        << "the bitmap holds the whole canvas";
    EXPECT_EQ(rig.window->wallpaper().state().shownSize, QSize(320, 200)) << "the preview the primary's part";
}
