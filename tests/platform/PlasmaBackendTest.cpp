#include "platform/wallpaper/PlasmaBackend.h"
#include "tests/support/DesktopTestSupport.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

// A stand-in plasmashell on a private session bus; the backend talks to it over real D-Bus.
class PlasmaShell : public testing::Test {
protected:
    test::TempFolder folder;
    std::unique_ptr<test::PrivateSessionBus> bus;
    QProcess shell;
    QString log = folder.file(QStringLiteral("scripts.log"));
    QString wallpaper;

    void SetUp() override
    {
        bus = std::make_unique<test::PrivateSessionBus>(QProcessEnvironment());
        ASSERT_FALSE(bus->address().isEmpty()) << "dbus-daemon did not start";
        const QString program = folder.file(QStringLiteral("it's \"here\"; \\ ok"));
        ASSERT_TRUE(QDir().mkpath(program));
        wallpaper = program + QStringLiteral("/$$WALL$$.BMP");
        test::WriteBytes(wallpaper, "BM picture");
    }

    void TearDown() override
    {
        shell.kill();
        shell.waitForFinished(5000);
        QDBusConnection::disconnectFromBus(QStringLiteral("plasma-test"));
        bus.reset();
    }

    void startShell(const QString& reply, bool locked = false)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus->address());
        shell.setProcessEnvironment(environment);
        QStringList arguments{log, reply};
        if (locked)
            arguments << QStringLiteral("locked");
        shell.start(QStringLiteral(VELMORA_FAKE_PLASMASHELL), arguments);
        ASSERT_TRUE(shell.waitForReadyRead(20000)) << "the stand-in plasmashell did not start";
        ASSERT_EQ(shell.readLine().trimmed(), "ready");
    }

    PlasmaBackend backend() const
    {
        return PlasmaBackend(QDBusConnection::connectToBus(bus->address(), QStringLiteral("plasma-test")));
    }

    QStringList scripts() const
    {
        QString text = QString::fromUtf8(test::ReadBytes(log));
        QStringList all = text.split(QStringLiteral("\n----\n"));
        all.removeLast();
        return all;
    }

    QString fresh(int number) const
    {
        return QFileInfo(wallpaper).absolutePath() + QStringLiteral("/$$WALL$$-%1.BMP").arg(number);
    }
};

TEST_F(PlasmaShell, FillModeFirstThenTheImageOnEveryDesktop)
{
    startShell(QString());
    PlasmaBackend plasma = backend();
    ASSERT_TRUE(plasma.WriteTileWallpaper(QStringLiteral("1")));
    ASSERT_TRUE(plasma.WriteTileWallpaper(QStringLiteral("0")));
    const WallpaperResult set = plasma.SetWallpaper({wallpaper, QStringLiteral("0")});
    ASSERT_TRUE(set) << set.error.toStdString();

    const QStringList sent = scripts();
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent[0], PlasmaBackend::WriteFillModeScript(3));
    EXPECT_EQ(sent[1], PlasmaBackend::WriteFillModeScript(6));
    EXPECT_TRUE(sent[0].contains(QStringLiteral("desktops()")));
    EXPECT_TRUE(sent[0].contains(QStringLiteral("d.writeConfig(\"FillMode\", 3)")));
    EXPECT_TRUE(sent[1].contains(QStringLiteral("d.writeConfig(\"FillMode\", 6)")));

    // The file reaches the script as one JSON string literal holding the fresh file's URL.
    const QRegularExpressionMatch image =
        QRegularExpression(QStringLiteral("d\\.writeConfig\\(\"Image\", (\".*\")\\);")).match(sent[2]);
    ASSERT_TRUE(image.hasMatch()) << sent[2].toStdString();
    const QJsonArray literal = QJsonDocument::fromJson(u'[' + image.captured(1).toUtf8() + u']').array();
    ASSERT_EQ(literal.size(), 1);
    EXPECT_EQ(QUrl(literal[0].toString()).toLocalFile(), fresh(1));
    EXPECT_EQ(test::ReadBytes(fresh(1)), "BM picture");
}

TEST_F(PlasmaShell, ReadsTheFillModeOfTheFirstDesktop)
{
    for (const auto& [reply, choice] :
         {std::pair{"3\n", "1"}, std::pair{"6", "0"}, std::pair{"2", ""}, std::pair{"", ""}}) {
        startShell(QString::fromLatin1(reply));
        EXPECT_EQ(backend().ReadTileWallpaper(), QString::fromLatin1(choice)) << reply;
        shell.kill();
        shell.waitForFinished(5000);
    }
    EXPECT_EQ(scripts().front(), PlasmaBackend::ReadFillModeScript());
}

TEST_F(PlasmaShell, LockedWidgetsAreReportedNotIgnored)
{
    startShell(QString(), true);
    PlasmaBackend plasma = backend();
    const WallpaperResult placement = plasma.WriteTileWallpaper(QStringLiteral("1"));
    EXPECT_FALSE(placement.ok);
    EXPECT_TRUE(placement.error.contains(QStringLiteral("ロック"))) << placement.error.toStdString();
    EXPECT_TRUE(placement.error.contains(QStringLiteral("Widgets are locked")))
        << placement.error.toStdString();
    const WallpaperResult set = plasma.SetWallpaper({wallpaper, QStringLiteral("1")});
    EXPECT_FALSE(set.ok);
    EXPECT_FALSE(QFile::exists(fresh(1))) << "the refused copy is removed";
    EXPECT_EQ(plasma.ReadTileWallpaper(), "");
}

TEST_F(PlasmaShell, NoPlasmaShellOnTheBus)
{
    const WallpaperResult set = backend().SetWallpaper({wallpaper, QStringLiteral("0")});
    EXPECT_FALSE(set.ok);
    EXPECT_TRUE(set.error.contains(QStringLiteral("plasmashell"))) << set.error.toStdString();
}

} // namespace

TEST_F(PlasmaShell, EachDesktopGetsThePictureOfItsScreensCorner)
{
    startShell(QString());
    PlasmaBackend plasma = backend();
    QImage other(4, 2, QImage::Format_RGB32);
    other.fill(qRgb(9, 99, 199));
    WallpaperPicture picture(wallpaper, QStringLiteral("0"), QImage(2, 2, QImage::Format_RGB32));
    picture.monitors = {{QStringLiteral("A"), QRect(0, 0, 1920, 1080), picture.image, QStringLiteral("0")},
                        {QStringLiteral("B"), QRect(1920, 200, 1280, 1024), other, QStringLiteral("0")}};
    const WallpaperResult set = plasma.SetWallpaper(picture);
    ASSERT_TRUE(set) << set.error.toStdString();

    const QString folder = QFileInfo(wallpaper).absolutePath();
    const QString first = folder + QStringLiteral("/$$WALL$$-0x0-1.BMP");
    const QString second = folder + QStringLiteral("/$$WALL$$-1920x200-1.BMP");
    const QStringList sent = scripts();
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0],
              PlasmaBackend::SetMonitorImagesScript(
                  {{QStringLiteral("0,0"), QUrl::fromLocalFile(first).toString(QUrl::FullyEncoded)},
                   {QStringLiteral("1920,200"), QUrl::fromLocalFile(second).toString(QUrl::FullyEncoded)}}));
    EXPECT_TRUE(sent[0].contains(QStringLiteral("screenGeometry(d.screen)")));
    EXPECT_EQ(test::ReadBytes(first), "BM picture");
    EXPECT_EQ(QImage(second).convertToFormat(QImage::Format_RGB32), other);
}
