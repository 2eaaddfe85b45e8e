#include "platform/wallpaper/XfceBackend.h"
#include "tests/support/DesktopTestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

// The real xfconf daemon, started by D-Bus activation on a bus of the test's own, keeping its
// files in a temporary folder.
class RealXfconf : public testing::Test {
protected:
    test::TempFolder config;
    std::unique_ptr<test::PrivateSessionBus> bus;
    std::unique_ptr<test::ScopedEnv> address;
    test::TempFolder root;
    QString wallpaper;

    void SetUp() override
    {
        QProcessEnvironment services;
        services.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        services.insert(QStringLiteral("HOME"), config.path());
        bus = std::make_unique<test::PrivateSessionBus>(services);
        ASSERT_FALSE(bus->address().isEmpty()) << "dbus-daemon did not start";
        address = std::make_unique<test::ScopedEnv>("DBUS_SESSION_BUS_ADDRESS", bus->address());
        const QString program = root.file(QStringLiteral("my \"walls\"; it's here"));
        ASSERT_TRUE(QDir().mkpath(program));
        wallpaper = program + QStringLiteral("/$$WALL$$.BMP");
        test::WriteBytes(wallpaper, "BM picture");
    }

    void TearDown() override
    {
        address.reset();
        bus.reset();
    }

    static QString query(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral("xfconf-query"),
                   QStringList{QStringLiteral("-c"), QStringLiteral("xfce4-desktop")} + arguments);
        EXPECT_TRUE(tool.waitForFinished(20000));
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
    static void create(const QString& property, const QString& type, const QString& value)
    {
        query({QStringLiteral("-p"), property, QStringLiteral("-n"), QStringLiteral("-t"), type,
               QStringLiteral("-s"), value});
    }
    static QString get(const QString& property) { return query({QStringLiteral("-p"), property}); }

    QString fresh(int number) const
    {
        return QFileInfo(wallpaper).absolutePath() + QStringLiteral("/$$WALL$$-%1.BMP").arg(number);
    }
};

TEST_F(RealXfconf, EveryMonitorAndWorkspaceAsXfdesktopNamesThem)
{
    const QStringList backdrops{
        QStringLiteral("/backdrop/screen0/monitorHDMI-1/workspace0"),
        QStringLiteral("/backdrop/screen0/monitorHDMI-1/workspace1"),
        QStringLiteral("/backdrop/screen0/monitoreDP-1/workspace0"),
        QStringLiteral("/backdrop/screen0/monitoreDP-1/workspace1"),
    };
    for (const QString& backdrop : backdrops) {
        create(backdrop + QStringLiteral("/last-image"), QStringLiteral("string"),
               QStringLiteral("/usr/share/backgrounds/old.png"));
        create(backdrop + QStringLiteral("/image-style"), QStringLiteral("int"), QStringLiteral("5"));
        create(backdrop + QStringLiteral("/color-style"), QStringLiteral("int"), QStringLiteral("0"));
    }
    create(QStringLiteral("/backdrop/single-workspace-mode"), QStringLiteral("bool"), QStringLiteral("true"));

    XfceBackend backend({QStringLiteral("never-used")});
    EXPECT_EQ(backend.ReadTileWallpaper(), "") << "style 5 (zoomed) is neither tiled nor centred";
    ASSERT_TRUE(backend.WriteTileWallpaper(QStringLiteral("1")));
    for (const QString& backdrop : backdrops)
        EXPECT_EQ(get(backdrop + QStringLiteral("/image-style")), "2") << backdrop.toStdString();
    EXPECT_EQ(backend.ReadTileWallpaper(), "1");

    for (int number : {1, 2}) {
        const WallpaperResult set = backend.SetWallpaper({wallpaper, QStringLiteral("1")});
        ASSERT_TRUE(set) << set.error.toStdString();
        for (const QString& backdrop : backdrops)
            EXPECT_EQ(get(backdrop + QStringLiteral("/last-image")), fresh(number)) << backdrop.toStdString();
        EXPECT_EQ(test::ReadBytes(fresh(number)), "BM picture");
        EXPECT_FALSE(QFile::exists(fresh(3 - number)));
    }

    ASSERT_TRUE(backend.WriteTileWallpaper(QStringLiteral("0")));
    for (const QString& backdrop : backdrops) {
        EXPECT_EQ(get(backdrop + QStringLiteral("/image-style")), "1");
        EXPECT_EQ(get(backdrop + QStringLiteral("/color-style")), "0") << "other properties are left alone";
    }
    EXPECT_EQ(backend.ReadTileWallpaper(), "0");
    EXPECT_FALSE(query({QStringLiteral("-p"), QStringLiteral("/backdrop"), QStringLiteral("-l")})
                     .contains(u"monitor0"))
        << "no property of an invented monitor";
}

TEST_F(RealXfconf, BeforeXfdesktopWroteAnythingTheScreensAreNamed)
{
    XfceBackend backend({QStringLiteral("DP-2"), QStringLiteral("HDMI-A-1")});
    ASSERT_TRUE(backend.WriteTileWallpaper(QStringLiteral("0")));
    ASSERT_TRUE(backend.SetWallpaper({wallpaper, QStringLiteral("0")}));
    for (const QString& monitor : {QStringLiteral("DP-2"), QStringLiteral("HDMI-A-1")}) {
        const QString backdrop = QStringLiteral("/backdrop/screen0/monitor%1/workspace0").arg(monitor);
        EXPECT_EQ(get(backdrop + QStringLiteral("/image-style")), "1");
        EXPECT_EQ(get(backdrop + QStringLiteral("/last-image")), fresh(1));
    }
}

TEST(XfceTool, AMissingToolIsReported)
{
    test::TempFolder folder;
    test::WriteBytes(folder.file(QStringLiteral("$$WALL$$.BMP")), "BM");
    XfceBackend backend({QStringLiteral("HDMI-1")}, folder.file(QStringLiteral("no-such-xfconf-query")));
    EXPECT_FALSE(backend.WriteTileWallpaper(QStringLiteral("1")).ok);
    const WallpaperResult result =
        backend.SetWallpaper({folder.file(QStringLiteral("$$WALL$$.BMP")), QStringLiteral("1")});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("$$WALL$$-1.BMP"))));
}

} // namespace

TEST_F(RealXfconf, EachMonitorsPropertiesGetThatMonitorsPicture)
{
    const QStringList hdmi{QStringLiteral("/backdrop/screen0/monitorHDMI-1/workspace0/last-image"),
                           QStringLiteral("/backdrop/screen0/monitorHDMI-1/workspace1/last-image")};
    const QString gone = QStringLiteral("/backdrop/screen0/monitorVGA-1/workspace0/last-image");
    for (const QString& property : hdmi + QStringList{gone})
        create(property, QStringLiteral("string"), QStringLiteral("/usr/share/backgrounds/old.png"));

    QImage other(5, 4, QImage::Format_RGB32);
    other.fill(qRgb(0, 200, 0));
    WallpaperPicture picture(wallpaper, QStringLiteral("0"), QImage(3, 3, QImage::Format_RGB32));
    picture.monitors = {{QStringLiteral("HDMI-1"), QRect(0, 0, 800, 600), picture.image, QStringLiteral("0")},
                        {QStringLiteral("DP-1"), QRect(800, 0, 800, 600), other, QStringLiteral("0")}};
    XfceBackend backend({QStringLiteral("never-used")});
    const WallpaperResult set = backend.SetWallpaper(picture);
    ASSERT_TRUE(set) << set.error.toStdString();

    const QString folder = QFileInfo(wallpaper).absolutePath();
    const QString hdmiFile = folder + QStringLiteral("/$$WALL$$-HDMI-1-1.BMP");
    const QString dpFile = folder + QStringLiteral("/$$WALL$$-DP-1-1.BMP");
    for (const QString& property : hdmi)
        EXPECT_EQ(get(property), hdmiFile) << property.toStdString();
    EXPECT_EQ(get(QStringLiteral("/backdrop/screen0/monitorDP-1/workspace0/last-image")), dpFile)
        << "a monitor xfdesktop has not written yet";
    EXPECT_EQ(get(gone), "/usr/share/backgrounds/old.png") << "a monitor not connected is left alone";
    EXPECT_EQ(test::ReadBytes(hdmiFile), "BM picture");
    EXPECT_EQ(QImage(dpFile).convertToFormat(QImage::Format_RGB32), other);

    picture.monitors.pop_back();
    ASSERT_TRUE(backend.SetWallpaper(picture));
    EXPECT_FALSE(QFile::exists(dpFile)) << "the file of a monitor gone is removed";
    EXPECT_FALSE(QFile::exists(hdmiFile)) << "the file handed over before";
    EXPECT_EQ(get(hdmi.front()), folder + QStringLiteral("/$$WALL$$-HDMI-1-2.BMP"));
}
