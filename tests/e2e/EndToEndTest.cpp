#include "tests/e2e/ProgramRun.h"
#include "tests/e2e/X11Desktop.h"
#include "tests/support/TestImages.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

using namespace velmora::test;

namespace {

// A picture whose every pixel tells where it came from.
QImage Pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgb((x * 7 + seed * 50) % 256, (y * 5 + seed * 90) % 256, ((x + y) * 3) % 256));
    return image;
}

// Counts the pixels of the root window that differ from the picture placed at offset, repeated
// over the whole screen when tiled.
int Mismatches(const QImage& root, const QImage& picture, QPoint offset, bool tiled)
{
    int wrong = 0;
    for (int y = 0; y < root.height(); ++y) {
        for (int x = 0; x < root.width(); ++x) {
            int px = x - offset.x();
            int py = y - offset.y();
            if (tiled) {
                px %= picture.width();
                py %= picture.height();
            } else if (px < 0 || py < 0 || px >= picture.width() || py >= picture.height()) {
                continue;
            }
            wrong += root.pixel(x, y) != picture.pixel(px, py);
        }
    }
    return wrong;
}

QByteArray ListLines(const QStringList& paths)
{
    QByteArray bytes;
    for (const QString& path : paths)
        bytes += path.toUtf8() + "\r\n";
    return bytes;
}

} // namespace

TEST(EndToEnd, FirstStartCreatesTheCatalogueAndTheDefaultList)
{
    ProgramRun velmora;
    ASSERT_FALSE(velmora.display().isEmpty());
    const QString a = velmora.picture(QStringLiteral("a.png"), Pattern(80, 60, 1));
    const QString b = velmora.picture(QStringLiteral("b.png"), Pattern(80, 60, 2));
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(ReadBytes(velmora.program().file(QStringLiteral("lfname.dat"))), QByteArray("Velmora.lst\r\n"));
    EXPECT_EQ(ReadBytes(velmora.program().file(QStringLiteral("Velmora.lst"))), ListLines({a, b}));
    // The folder page is the source by default: its first item was selected, so the second is installed.
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex1")), QStringLiteral(" 2"));
    EXPECT_TRUE(QFileInfo::exists(velmora.program().file(QStringLiteral("$$WALL$$.BMP"))));
    EXPECT_EQ(velmora.setting(QStringLiteral("CurrentDirectory")),
              velmora.home() + QStringLiteral("Pictures/"));
}

TEST(EndToEnd, OneShotInstallsTheNextListEntryOnTheRootWindowAndExits)
{
    ProgramRun velmora;
    const QStringList pictures = {velmora.picture(QStringLiteral("1.png"), Pattern(320, 200, 1)),
                                  velmora.picture(QStringLiteral("2.png"), Pattern(320, 200, 2)),
                                  velmora.picture(QStringLiteral("3.png"), Pattern(320, 200, 3))};
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "mine.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("mine.lst")), ListLines(pictures));
    velmora.writeSettings("ListMode= 2\r\nListFileName=mine.lst\r\nFileIndex2= 0\r\n");

    ASSERT_EQ(velmora.run({QStringLiteral("-ng -s")}), 0);
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex2")), QStringLiteral(" 1"));
    EXPECT_EQ(velmora.setting(QStringLiteral("ListFileName")), QStringLiteral("mine.lst"));
    const QImage wallpaper(velmora.program().file(QStringLiteral("$$WALL$$.BMP")));
    ASSERT_EQ(wallpaper.size(), QSize(320, 200));
    EXPECT_EQ(wallpaper.convertToFormat(QImage::Format_RGB32), Pattern(320, 200, 2));

    // The process has ended; the desktop still shows its picture, centred.
    const QImage root = velmora.rootWindow();
    ASSERT_EQ(root.size(), QSize(640, 400));
    EXPECT_EQ(Mismatches(root, Pattern(320, 200, 2), QPoint(160, 100), false), 0);
    EXPECT_EQ(ReadBytes(velmora.program().file(QStringLiteral("mine.lst"))), ListLines(pictures))
        << "lists are never saved on exit";
}

TEST(EndToEnd, OneShotOnAHundredThousandEntriesChangesToTheEntryAfterTheStoredPosition)
{
    ProgramRun velmora;
    velmora.captureErrors();
    QStringList entries;
    for (int i = 0; i < 100000; ++i)
        entries << QStringLiteral("/nowhere/%1.png").arg(i);
    entries[40001] = velmora.picture(QStringLiteral("40001.png"), Pattern(320, 200, 4));
    const QByteArray list = ListLines(entries);
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "big.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("big.lst")), list);
    velmora.writeSettings("ListMode= 2\r\nListFileName=big.lst\r\nFileIndex2= 40000\r\n");

    // A box would hold the run until the 60 s are up: nobody answers it.
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_TRUE(velmora.errors().isEmpty());
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex2")), QStringLiteral(" 40001"));
    const QImage wallpaper(velmora.program().file(QStringLiteral("$$WALL$$.BMP")));
    EXPECT_EQ(wallpaper.convertToFormat(QImage::Format_RGB32), Pattern(320, 200, 4));
    EXPECT_EQ(ReadBytes(velmora.program().file(QStringLiteral("big.lst"))), list);
}

TEST(EndToEnd, OneShotOnARefusedListReportsOnStandardErrorAndEndsNonZero)
{
    ProgramRun velmora;
    velmora.captureErrors();
    // One line past the bound of ten million.
    const QByteArray list(10'000'001, '\n');
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "huge.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("huge.lst")), list);
    velmora.writeSettings("ListMode= 2\r\nListFileName=huge.lst\r\nFileIndex2= 7\r\n");

    const int code = velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")});
    EXPECT_NE(code, 0);
    EXPECT_NE(code, -1) << "the run ended by itself, waiting on no box";
    EXPECT_TRUE(QString::fromUtf8(velmora.errors()).contains(QStringLiteral("リストの項目が多すぎます")));
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex2")), QStringLiteral(" 7"));
    EXPECT_EQ(QFileInfo(velmora.program().file(QStringLiteral("huge.lst"))).size(), list.size());
}

TEST(EndToEnd, OneShotFitsALargeJpegToTheScreenWithTheCalendarOn)
{
    // Read straight at the fitted size: the result must still be the picture, fitted and centred.
    ProgramRun velmora;
    const QImage photo = PhotoLikeImage(1280, 960, 6);
    const QString path = velmora.picture(QStringLiteral("large.jpg"), photo);
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.lst")), ListLines({path}));
    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 0\r\nSizeChangeMode= 1\r\nCalendarOnMode= 1\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);

    const QImage wallpaper(velmora.program().file(QStringLiteral("$$WALL$$.BMP")));
    ASSERT_EQ(wallpaper.size(), QSize(533, 400));
    const QImage fitted = QImage(path).scaled(533, 400, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The calendar covers part of it; the rest is the photo.
    EXPECT_LT(MeanChannelDifference(wallpaper, fitted), 12.0);
    const QImage root = velmora.rootWindow().copy(53, 0, 533, 400);
    EXPECT_LT(MeanChannelDifference(root, wallpaper), 1.0);
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex2")), QStringLiteral(" 0"));
}

TEST(EndToEnd, SmallPicturesAreTiledOverTheScreen)
{
    ProgramRun velmora;
    const QString small = velmora.picture(QStringLiteral("small.png"), Pattern(50, 40, 4));
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.lst")), ListLines({small, small}));
    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 0\r\nAutoTileMode= 1\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(Mismatches(velmora.rootWindow(), Pattern(50, 40, 4), QPoint(0, 0), true), 0);
}

TEST(EndToEnd, TheTimerChangesTheWallpaperOnItsOwnAndSigtermSavesTheSettings)
{
    ProgramRun velmora;
    const QStringList pictures = {velmora.picture(QStringLiteral("1.png"), Pattern(320, 200, 5)),
                                  velmora.picture(QStringLiteral("2.png"), Pattern(320, 200, 6))};
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.lst")), ListLines(pictures));
    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 0\r\nTimerOnMode= 1\r\nChangeTimer= 1\r\n");

    velmora.start({QStringLiteral("-ng")});
    const QString wallpaper = velmora.program().file(QStringLiteral("$$WALL$$.BMP"));
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(wallpaper) && waited.elapsed() < 20000)
        QThread::msleep(100);
    EXPECT_TRUE(QFileInfo::exists(wallpaper)) << "no change within 20 s with a one-second timer";
    // A change still running at SIGTERM ends before the program does.
    EXPECT_EQ(velmora.stop(), 0);
    const QString index = velmora.setting(QStringLiteral("FileIndex2"));
    EXPECT_TRUE(index == QStringLiteral(" 0") || index == QStringLiteral(" 1")) << index.toStdString();
    EXPECT_FALSE(velmora.settingsFile().isEmpty());
    // The minimised window covers part of the screen while the program runs.
    const QImage root = velmora.rootWindow();
    EXPECT_TRUE(Mismatches(root, Pattern(320, 200, 5), QPoint(160, 100), false) == 0 ||
                Mismatches(root, Pattern(320, 200, 6), QPoint(160, 100), false) == 0);
}

TEST(EndToEnd, TheOptionsOpenedFromTheKeyboardSwitchTheTimerOnForGood)
{
    ProgramRun velmora;
    const QStringList pictures = {velmora.picture(QStringLiteral("1.png"), Pattern(320, 200, 7)),
                                  velmora.picture(QStringLiteral("2.png"), Pattern(320, 200, 8))};
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.lst")), ListLines(pictures));
    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 0\r\nTimerOnMode= 0\r\nChangeTimer= 3600\r\n");
    ASSERT_TRUE(velmora.startWindowManager()) << "openbox did not answer within 20 s";
    velmora.start({});

    const std::optional<QString> main = velmora.waitForMainWindow();
    ASSERT_TRUE(main) << "the main window did not appear; visible windows: "
                      << velmora.visibleWindows().toStdString() << "; the program "
                      << (velmora.running() ? "still runs" : "has ended");
    // ツール(&T), then オプション(&O) once the menu is there; the dialog then has the keyboard.
    ASSERT_TRUE(velmora.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), *main}));
    ASSERT_TRUE(velmora.xdotool({QStringLiteral("key"), QStringLiteral("alt+t")}));
    ASSERT_TRUE(velmora.waitForOtherWindow(*main)) << "the tools menu did not open";
    ASSERT_TRUE(velmora.xdotool({QStringLiteral("key"), QStringLiteral("o")}));
    std::optional<QString> active;
    PollUntil([&] {
        active = velmora.xdotool({QStringLiteral("getactivewindow")});
        return active && *active != *main &&
               velmora.xdotool({QStringLiteral("getwindowname"), *active}).value_or(QString()) != u"Velmora";
    });
    ASSERT_TRUE(active && *active != *main)
        << "the options dialog did not take the keyboard; visible windows: "
        << velmora.visibleWindows().toStdString();

    // The dialog opens on "Timer ON"; the interval follows it.
    velmora.xdotool({QStringLiteral("key"), QStringLiteral("space"), QStringLiteral("Tab"),
                     QStringLiteral("3"), QStringLiteral("Return")});

    const QString wallpaper = velmora.program().file(QStringLiteral("$$WALL$$.BMP"));
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(wallpaper) && waited.elapsed() < 30000)
        QThread::msleep(100);
    ASSERT_TRUE(QFileInfo::exists(wallpaper)) << "the timer changed nothing within 30 s";
    EXPECT_EQ(velmora.stop(), 0);
    // The windows cover the desktop; the installed bitmap tells which picture the timer chose.
    const QImage installed = QImage(wallpaper).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(installed == Pattern(320, 200, 7) || installed == Pattern(320, 200, 8));
    EXPECT_EQ(velmora.setting(QStringLiteral("TimerOnMode")), QStringLiteral(" 1"));
    EXPECT_EQ(velmora.setting(QStringLiteral("ChangeTimer")), QStringLiteral(" 3"));
}

namespace {

// Pixels of the root window that are one of the colours (within a JPEG's error), per colour.
std::vector<int> ColourCounts(const QImage& root, const std::vector<QRgb>& colours)
{
    std::vector<int> counts(colours.size(), 0);
    for (int y = 0; y < root.height(); y += 2)
        for (int x = 0; x < root.width(); x += 2)
            for (size_t i = 0; i < colours.size(); ++i) {
                const QRgb p = root.pixel(x, y);
                const QRgb c = colours[i];
                if (std::abs(qRed(p) - qRed(c)) + std::abs(qGreen(p) - qGreen(c)) +
                        std::abs(qBlue(p) - qBlue(c)) <
                    24)
                    ++counts[i];
            }
    return counts;
}

const std::vector<QRgb> PieceColours = {qRgb(230, 30, 30), qRgb(30, 200, 40), qRgb(40, 60, 220),
                                        qRgb(240, 220, 20)};

} // namespace

TEST(EndToEnd, OneShotWithTheCollageOnPutsACollageOfTheListOnTheRoot)
{
    ProgramRun velmora;
    QStringList pictures;
    for (size_t i = 0; i < PieceColours.size(); ++i) {
        QImage flat(200, 150, QImage::Format_RGB32);
        flat.fill(PieceColours[i]);
        pictures << velmora.picture(QStringLiteral("piece%1.jpg").arg(i), flat);
    }
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.lst")), ListLines(pictures));
    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 0\r\nCollageOnMode= 1\r\nCollageCount= 12\r\n"
                          "CollageChangeMode= 0\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng -s")}), 0);
    // The change picked entry 1; the collage's twelve pieces went on from there: 2, 3, 0, 1, ... 1.
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex2")), QStringLiteral(" 1"));
    const QImage wallpaper(velmora.program().file(QStringLiteral("$$WALL$$.BMP")));
    EXPECT_EQ(wallpaper.size(), QSize(640, 400)) << "a canvas the size of the screen";
    const QImage root = velmora.rootWindow();
    ASSERT_EQ(root.size(), QSize(640, 400));
    int shown = 0;
    for (int count : ColourCounts(root, PieceColours))
        shown += count > 200;
    EXPECT_GE(shown, 3) << "pieces of several pictures on the desktop";
}

TEST(EndToEnd, OneShotWithTheTiledCollageFillsTheRootWithRowsFromTheFolder)
{
    ProgramRun velmora;
    for (size_t i = 0; i < PieceColours.size(); ++i) {
        QImage flat(200, 150, QImage::Format_RGB32);
        flat.fill(PieceColours[i]);
        velmora.picture(QStringLiteral("piece%1.jpg").arg(i), flat);
    }
    velmora.writeSettings("ListMode= 1\r\nFileIndex1= 1\r\nCollageOnMode= 1\r\nCollageTileMode= 1\r\n"
                          "CollageTileLines= 2\r\nCollageChangeMode= 0\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    // Rows 200 high of pieces 267 wide: three a row, rows 0 to 2: nine pieces after item 2.
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex1")), QStringLiteral(" 3"));
    const QImage root = velmora.rootWindow();
    int covered = 0;
    for (int count : ColourCounts(root, PieceColours))
        covered += count;
    EXPECT_EQ(covered, 320 * 200) << "every pixel belongs to a piece";
}

TEST(EndToEnd, TheThumbnailMenuFillsTheDesktopThumbnailCache)
{
    ProgramRun velmora;
    const QStringList pictures = {velmora.picture(QStringLiteral("a.png"), Pattern(320, 200, 1)),
                                  velmora.picture(QStringLiteral("b.jpg"), Pattern(900, 600, 2)),
                                  velmora.picture(QStringLiteral("c.png"), Pattern(40, 300, 3))};
    velmora.start({});
    ASSERT_TRUE(velmora.xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                                 QStringLiteral("^Velmora$"), QStringLiteral("windowfocus"),
                                 QStringLiteral("--sync")}));
    // View menu (Alt+V), then its item "サムネイル表示(&N)".
    ASSERT_TRUE(velmora.xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("200"),
                                 QStringLiteral("alt+v"), QStringLiteral("n")}));

    const QDir large(velmora.home() + QStringLiteral(".cache/thumbnails/large"));
    QElapsedTimer waited;
    waited.start();
    while (large.entryList(QDir::Files).size() < pictures.size() && waited.elapsed() < 30000)
        QThread::msleep(100);
    EXPECT_EQ(large.entryList(QDir::Files).size(), pictures.size());
    for (const QString& path : pictures) {
        // The temporary paths hold no character a file URI escapes.
        const QString uri = QStringLiteral("file://") + path;
        const QString entry =
            QString::fromLatin1(QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex());
        const QImage thumbnail(large.filePath(entry + QStringLiteral(".png")), "PNG");
        ASSERT_FALSE(thumbnail.isNull()) << path.toStdString();
        EXPECT_EQ(thumbnail.text(QStringLiteral("Thumb::URI")), uri);
        EXPECT_EQ(thumbnail.text(QStringLiteral("Thumb::MTime")),
                  QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
        EXPECT_LE(std::max(thumbnail.width(), thumbnail.height()), 256);
    }
    EXPECT_EQ(velmora.stop(), 0);
}

// At login the session starts the window manager and the program at the same moment; a window
// manager still starting may leave the window's first map request unanswered.
TEST(EndToEnd, TheMainWindowComesWhenTheWindowManagerLeavesItsFirstMapUnanswered)
{
    ProgramRun velmora;
    velmora.startForgetfulWindowManager();
    velmora.start({});
    EXPECT_TRUE(velmora.waitForMainWindow(20000))
        << "the main window was never mapped again; visible windows: "
        << velmora.visibleWindows().toStdString();
    EXPECT_EQ(velmora.stop(), 0);
}

TEST(EndToEnd, TheMainWindowComesWhenTheWindowManagerStartsAtTheSameMoment)
{
    // The race is lost now and then; a few logins give it its chances.
    for (int login = 1; login <= 3; ++login) {
        ProgramRun velmora;
        velmora.startWindowManagerNow();
        velmora.start({});
        const std::optional<QString> main = velmora.waitForMainWindow(20000);
        ASSERT_TRUE(main) << "login " << login
                          << ": no main window; visible windows: " << velmora.visibleWindows().toStdString();
        // Closed by the window manager (its close button's request), the program ends normally.
        ASSERT_TRUE(velmora.closeWithWindowManager(*main));
        EXPECT_EQ(velmora.wait(20000), 0) << "login " << login;
    }
}
