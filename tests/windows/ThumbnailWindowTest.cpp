#include "windows/thumbnails/ThumbnailWindow.h"
#include "core/FileKinds.h"
#include "core/Settings.h"
#include "platform/Screen.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"
#include "windows/thumbnails/ThumbnailGridModel.h"
#include "windows/thumbnails/ThumbnailGridView.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace velmora;
using namespace velmora::test;

namespace {

// Holds the stand-in's work on one file until the test opens it.
class Gate {
public:
    void wait()
    {
        std::unique_lock lock(m_mutex);
        m_opened.wait(lock, [this] { return m_open; });
    }
    void open()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_opened.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_opened;
    bool m_open = false;
};

struct Rig {
    TempFolder folder;
    TempFolder cacheHome;
    ScopedEnv cache{"XDG_CACHE_HOME", cacheHome.path()};
    Settings settings;
    QString current;
    QStringList previewed;
    QList<QStringList> inserted;
    Gate gate;
    ThumbnailWindow window{settings, ThumbnailHost{[this] { return current; },
                                                   [this](const QString& path) { previewed << path; },
                                                   [this](const QStringList& paths) { inserted << paths; }}};

    explicit Rig(const QStringList& names)
    {
        BuildFileKindTable();
        current = folder.path();
        for (const QString& name : names)
            WriteBytes(folder.file(name), "x");
    }
    ~Rig() { gate.open(); }

    // Pictures made at once, except the file named "gate", which waits for the gate.
    void useGatedStandIn()
    {
        window.setThumbnailMaker([this](const ThumbnailSource& source, const ThumbnailCache*, int) {
            if (source.path.endsWith(QStringLiteral("/gate.jpg")))
                gate.wait();
            return FlatImage(30, 20, 0xff808080);
        });
    }
    QStringList captions() const
    {
        QStringList names;
        for (int row = 0; row < window.findChild<ThumbnailGridView*>()->model()->rowCount(); ++row)
            names << static_cast<ThumbnailGridModel*>(window.LEADImgList1()->model())->caption(row);
        return names;
    }
    bool waitForFill()
    {
        return WaitUntil([this] { return !window.filling(); });
    }
};

} // namespace

TEST(ThumbnailWindow, FillsWithTheFolderPicturesInNameOrderThenShowsTheFolder)
{
    Rig rig({});
    FlatImage(300, 200, 0xff2040a0).save(rig.folder.file(QStringLiteral("b.png")));
    PhotoLikeImage(400, 300, 1).save(rig.folder.file(QStringLiteral("a.jpg")), "JPG", 90);
    WriteBytes(rig.folder.file(QStringLiteral("c.gif")),
               EncodeWithMagick(FlatImage(90, 120, 0xffc0c000), "GIF"));
    WriteBytes(rig.folder.file(QStringLiteral("broken.jpg")), "\xff\xd8\xff");
    WriteBytes(rig.folder.file(QStringLiteral("empty.png")), "");
    WriteBytes(rig.folder.file(QStringLiteral("drawing.psp")), "x");
    rig.window.Form_Load();
    rig.window.show();
    rig.window.ThumbReset();
    EXPECT_EQ(rig.window.windowTitle(), QStringLiteral("読込中"));
    ASSERT_TRUE(rig.waitForFill());
    EXPECT_EQ(rig.captions(), (QStringList{"a.jpg", "b.png", "c.gif"}));
    EXPECT_EQ(rig.window.windowTitle(), rig.folder.path());
    EXPECT_EQ(rig.window.ThumbFolder(), rig.folder.path());
    const ThumbnailGridModel& model = rig.window.model();
    EXPECT_EQ(model.picture(0).deviceIndependentSize().toSize(), QSize(150, 113));
    EXPECT_EQ(model.picture(1).deviceIndependentSize().toSize(), QSize(150, 100));
    EXPECT_EQ(model.picture(2).deviceIndependentSize().toSize(), QSize(90, 120));
    EXPECT_EQ(QDir(rig.cacheHome.path() + QStringLiteral("thumbnails/large")).entryList(QDir::Files).size(),
              3);
    const QDir fail(rig.cacheHome.path() + QStringLiteral("thumbnails/fail"));
    const QStringList creators = fail.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(creators.size(), 1);
    EXPECT_TRUE(creators[0].startsWith(QStringLiteral("velmora-"))) << creators[0].toStdString();
    EXPECT_EQ(QDir(fail.filePath(creators[0])).entryList(QDir::Files).size(), 2);

    // A folder without pictures: an empty grid with the folder as caption.
    TempFolder empty;
    rig.current = empty.path();
    rig.window.cmdReset()->click();
    ASSERT_TRUE(rig.waitForFill());
    EXPECT_TRUE(rig.captions().isEmpty());
    EXPECT_EQ(rig.window.windowTitle(), empty.path());
}

TEST(ThumbnailWindow, ClicksPreviewOrAddWhileTheGridFills)
{
    Rig rig({"a.jpg", "b.png", "gate.jpg", "z.jpg"});
    rig.useGatedStandIn();
    rig.window.Form_Load();
    rig.window.show();
    rig.window.ThumbReset();
    ASSERT_TRUE(WaitUntil([&] { return rig.window.model().rowCount() == 2; }));
    ASSERT_TRUE(rig.window.filling());

    rig.window.optClickMode(0)->click();
    EXPECT_EQ(rig.settings.ThumbClickMode, 0);
    ThumbnailGridView* grid = rig.window.LEADImgList1();
    const QRect second = grid->visualRect(rig.window.model().index(1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(rig.previewed, QStringList{rig.folder.file(QStringLiteral("b.png"))});

    rig.window.optClickMode(1)->click();
    EXPECT_EQ(rig.settings.ThumbClickMode, 1) << "written at once";
    const QRect first = grid->visualRect(rig.window.model().index(0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(rig.inserted, QList<QStringList>{{rig.folder.file(QStringLiteral("a.jpg"))}});
    EXPECT_EQ(rig.previewed.size(), 1);
    EXPECT_TRUE(rig.window.filling());

    rig.gate.open();
    ASSERT_TRUE(rig.waitForFill());
    EXPECT_EQ(rig.captions(), (QStringList{"a.jpg", "b.png", "gate.jpg", "z.jpg"}));
}

TEST(ThumbnailWindow, AReloadDuringAFillCancelsItAndStartsAgain)
{
    Rig rig({"a.jpg", "gate.jpg", "z.jpg"});
    rig.useGatedStandIn();
    int finished = 0;
    QObject::connect(&rig.window, &ThumbnailWindow::fillFinished, [&] { ++finished; });
    rig.window.ThumbReset();
    ASSERT_TRUE(WaitUntil([&] { return rig.window.model().rowCount() == 1; }));

    TempFolder other;
    for (const char* name : {"x.png", "y.png"})
        WriteBytes(other.file(QString::fromLatin1(name)), "x");
    rig.current = other.path();
    rig.window.ThumbReset();
    EXPECT_EQ(rig.window.model().rowCount(), 0);
    EXPECT_EQ(rig.window.windowTitle(), QStringLiteral("読込中"));
    rig.gate.open();
    ASSERT_TRUE(rig.waitForFill());
    // Whatever the first fill had in hand is dropped, now and later.
    QTest::qWait(100);
    EXPECT_EQ(rig.captions(), (QStringList{"x.png", "y.png"}));
    EXPECT_EQ(rig.window.windowTitle(), other.path());
    EXPECT_EQ(finished, 1);
}

TEST(ThumbnailWindow, GeometryComesFromTheSettingsAndGoesBackUnlessMinimised)
{
    Rig rig({});
    const double twips = platform::TwipsPerPixel();
    rig.settings.ThumbLeft = Long(std::lround(100 * twips));
    rig.settings.ThumbTop = Long(std::lround(80 * twips));
    rig.settings.ThumbWidth = Long(std::lround(640 * twips));
    rig.settings.ThumbHeight = Long(std::lround(480 * twips));
    rig.settings.ThumbClickMode = 1;
    rig.window.Form_Load();
    rig.window.show();
    EXPECT_TRUE(rig.window.optClickMode(1)->isChecked());
    // Left and Top are the frame's corner (offscreen windows have a frame too), the size the client's.
    EXPECT_EQ(rig.window.pos(), QPoint(100, 80));
    EXPECT_EQ(rig.window.size(), QSize(640, 480));
    const int top = int(std::lround(600 / twips));
    EXPECT_EQ(rig.window.LEADImgList1()->geometry(), QRect(0, top, 640, 480 - top));

    rig.window.move(130, 90);
    rig.window.resize(500, 400);
    rig.window.close();
    EXPECT_EQ(rig.settings.ThumbLeft, Long(std::lround(130 * twips)));
    EXPECT_EQ(rig.settings.ThumbTop, Long(std::lround(90 * twips)));
    EXPECT_EQ(rig.settings.ThumbWidth, Long(std::lround(500 * twips)));
    EXPECT_EQ(rig.settings.ThumbHeight, Long(std::lround(400 * twips)));

    rig.window.Form_Load();
    rig.window.show();
    EXPECT_EQ(QRect(rig.window.pos(), rig.window.size()), QRect(130, 90, 500, 400))
        << "the stored place comes back";
    rig.window.setWindowState(Qt::WindowMinimized);
    rig.window.close();
    EXPECT_EQ(rig.settings.ThumbWidth, Long(std::lround(500 * twips))) << "minimised: nothing is stored";
}

TEST(ThumbnailWindow, HoldsOnlyThePicturesNearTheRowsInSightAndReadsThemAgainWhenScrolledBack)
{
    QStringList names;
    for (int i = 0; i < 600; ++i)
        names << QStringLiteral("p%1.jpg").arg(i, 4, 10, QChar(u'0'));
    Rig rig(names);
    std::mutex mutex;
    QMap<QString, int> made;
    QMap<QString, bool> fromCache;
    rig.window.setThumbnailMaker([&](const ThumbnailSource& source, const ThumbnailCache* cache, int) {
        const std::lock_guard lock(mutex);
        const QString name = QFileInfo(source.path).fileName();
        ++made[name];
        fromCache[name] = cache != nullptr;
        return FlatImage(30, 20, 0xff808080);
    });
    rig.window.resize(420, 500);
    rig.window.show();
    rig.window.ThumbReset();
    ASSERT_TRUE(rig.waitForFill());
    const ThumbnailGridModel& model = rig.window.model();
    ASSERT_EQ(model.rowCount(), 600);
    // Every picture was made once; only those near the top are still held.
    EXPECT_EQ(made.size(), 600);
    EXPECT_FALSE(model.picture(0).isNull());
    EXPECT_TRUE(model.picture(599).isNull());
    EXPECT_GT(model.heldPictures(), 0);
    EXPECT_LT(model.heldPictures(), 100);

    const auto waitForPicture = [&](int row) {
        return WaitUntil([&] { return !rig.window.reloading() && !model.picture(row).isNull(); });
    };
    QScrollBar* bar = rig.window.LEADImgList1()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    ASSERT_TRUE(waitForPicture(599));
    EXPECT_TRUE(model.picture(0).isNull());
    EXPECT_LT(model.heldPictures(), 100);
    EXPECT_GE(made.value(QStringLiteral("p0599.jpg")), 2);

    // Back at the top, the first pictures are read again, through the shared cache.
    bar->setValue(0);
    ASSERT_TRUE(waitForPicture(0));
    EXPECT_TRUE(model.picture(599).isNull());
    EXPECT_LT(model.heldPictures(), 100);
    EXPECT_GE(made.value(QStringLiteral("p0000.jpg")), 2);
    EXPECT_TRUE(fromCache.value(QStringLiteral("p0000.jpg")));
    // The middle was never in sight: nothing of it was made again.
    EXPECT_EQ(made.value(QStringLiteral("p0300.jpg")), 1);
}
