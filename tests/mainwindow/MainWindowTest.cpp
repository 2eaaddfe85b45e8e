#include "tests/support/DesktopTestSupport.h"
#include "tests/support/RecordingBackend.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/change/WallpaperService.h"
#include "mainwindow/lists/ListPage.h"
#include "platform/Screen.h"
#include "windows/thumbnails/ThumbnailGridModel.h"
#include "windows/thumbnails/ThumbnailWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    TempFolder program;
    SettingsStore store;
    Settings& settings = store.values();
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    RecordingBackend* backend = nullptr;
    std::unique_ptr<MainWindow> window;

    Rig(const QStringList& entries, const QByteArray& settingsLines)
    {
        QByteArray list;
        for (const QString& entry : entries)
            list += entry.toUtf8() + "\r\n";
        WriteBytes(program.file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
        WriteBytes(program.file(QStringLiteral("Velmora.lst")), list);
        WriteBytes(program.file(QStringLiteral("Velmora.INI")), "[Velmora]\r\n" + settingsLines);
        auto recording = std::make_unique<RecordingBackend>();
        backend = recording.get();
        window = std::make_unique<MainWindow>(store, program.path(), std::move(recording));
        window->load();
        settle();
    }
    // Lets the background work of the window (loads, changes, the placement read) finish.
    void settle() { ASSERT_TRUE(WaitUntil([this] { return !window->working(); })); }
};

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
    EXPECT_EQ(rig.window->listPage().lstFileList()->item(0)->text(), picture);

    thumbnails->setGeometry(60, 45, 420, 300);
    rig.window->mnuFileExit_Click();
    EXPECT_FALSE(thumbnails->isVisible());
    const QByteArray written = ReadBytes(rig.program.file(QStringLiteral("Velmora.INI")));
    const Long width = Long(std::lround(420 * platform::TwipsPerPixel()));
    EXPECT_TRUE(written.contains("\r\nThumbWidth= " + QByteArray::number(width) + "\r\n")) << written.constData();
}
