#include "platform/wallpaper/GSettingsBackend.h"
#include "tests/support/DesktopTestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QUrl>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

// A program folder whose name a shell or a GVariant parser would misread.
const QString AwkwardFolder = QStringLiteral("壁紙 it's \"mine\"; rm -rf ~ \\ $HOME");

// The real gsettings with its key-file backend in a temporary configuration folder.
class RealGSettings : public testing::Test {
protected:
    test::TempFolder config;
    test::ScopedEnv backend{"GSETTINGS_BACKEND", QStringLiteral("keyfile")};
    test::ScopedEnv home{"XDG_CONFIG_HOME", config.path()};
    test::TempFolder root;
    QString program;
    QString wallpaper;

    void SetUp() override
    {
        program = root.file(AwkwardFolder);
        ASSERT_TRUE(QDir().mkpath(program));
        wallpaper = program + QStringLiteral("/$$WALL$$.BMP");
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(qRgb(200, 100, 50));
        picture.setPixel(0, 0, qRgb(1, 2, 3));
        ASSERT_TRUE(picture.save(wallpaper, "BMP"));
    }

    static QString get(const QString& schema, const QString& key)
    {
        QProcess gsettings;
        gsettings.start(QStringLiteral("gsettings"), {QStringLiteral("get"), schema, key});
        EXPECT_TRUE(gsettings.waitForFinished(20000));
        return unquote(QString::fromUtf8(gsettings.readAllStandardOutput()).trimmed());
    }

    // gsettings prints a string in single quotes, or double quotes when it holds a single quote.
    static QString unquote(const QString& literal)
    {
        QString text;
        for (qsizetype i = 1; i + 1 < literal.size(); ++i) {
            if (literal[i] == u'\\')
                ++i;
            text += literal[i];
        }
        return text;
    }

    QString fresh(int number) const { return program + QStringLiteral("/$$WALL$$-%1.BMP").arg(number); }
};

struct FlavourCase {
    GSettingsFlavour (*flavour)();
    QStringList keys;
    bool uri;
};

void PrintTo(const FlavourCase& c, std::ostream* os)
{
    *os << c.flavour().desktop.toStdString();
}

class GSettingsDesktops : public RealGSettings, public testing::WithParamInterface<FlavourCase> {};

TEST_P(GSettingsDesktops, StoresThePlacementAndAFreshPictureEveryTime)
{
    const FlavourCase& c = GetParam();
    const GSettingsFlavour flavour = c.flavour();
    GSettingsBackend backend(flavour, [] { return QSize(8, 6); });

    for (const auto& [choice, option] : {std::pair{"1", "wallpaper"}, std::pair{"0", "centered"}}) {
        ASSERT_TRUE(backend.WriteTileWallpaper(QString::fromLatin1(choice)));
        EXPECT_EQ(get(flavour.schema, QStringLiteral("picture-options")), QString::fromLatin1(option));
        EXPECT_EQ(backend.ReadTileWallpaper(), QString::fromLatin1(choice));
    }
    // Empty: the desktop's own placement stays.
    ASSERT_TRUE(backend.WriteTileWallpaper(QString()));
    EXPECT_EQ(get(flavour.schema, QStringLiteral("picture-options")), "centered");

    for (int number : {1, 2, 1}) {
        const WallpaperResult set = backend.SetWallpaper({wallpaper, QStringLiteral("0")});
        ASSERT_TRUE(set) << set.error.toStdString();
        const QString handed = fresh(number);
        const QString expected = c.uri ? QUrl::fromLocalFile(handed).toString(QUrl::FullyEncoded) : handed;
        for (const QString& key : c.keys)
            EXPECT_EQ(get(flavour.schema, key), expected) << key.toStdString();
        EXPECT_EQ(test::ReadBytes(handed), test::ReadBytes(wallpaper));
        EXPECT_FALSE(QFile::exists(fresh(3 - number))) << "the stale copy is removed";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, GSettingsDesktops,
    testing::Values(FlavourCase{&GSettingsFlavour::gnome,
                                {QStringLiteral("picture-uri"), QStringLiteral("picture-uri-dark")},
                                true},
                    FlavourCase{&GSettingsFlavour::cinnamon, {QStringLiteral("picture-uri")}, true},
                    FlavourCase{&GSettingsFlavour::mate, {QStringLiteral("picture-filename")}, false}),
    [](const testing::TestParamInfo<FlavourCase>& info) {
        return info.param.flavour().desktop.toStdString();
    });

TEST_F(RealGSettings, GnomeGetsAScreenTiledByUsWhileTheChoiceStaysTiled)
{
    const QSize screen(8, 5);
    GSettingsBackend backend(GSettingsFlavour::gnome(), [screen] { return screen; });
    ASSERT_TRUE(backend.WriteTileWallpaper(QStringLiteral("1")));
    ASSERT_TRUE(backend.SetWallpaper({wallpaper, QStringLiteral("1")}));

    EXPECT_EQ(get(QStringLiteral("org.gnome.desktop.background"), QStringLiteral("picture-options")),
              "wallpaper");
    EXPECT_EQ(backend.ReadTileWallpaper(), "1");
    const QString uri = get(QStringLiteral("org.gnome.desktop.background"), QStringLiteral("picture-uri"));
    const QImage handed(QUrl(uri).toLocalFile());
    const QImage picture(wallpaper);
    ASSERT_EQ(handed.size(), screen);
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            ASSERT_EQ(handed.pixel(x, y), picture.pixel(x % 3, y % 2)) << x << "," << y;
    EXPECT_EQ(QImage(wallpaper).size(), QSize(3, 2)) << "the kept wallpaper file is untouched";
}

TEST_F(RealGSettings, MateTilesByItselfAndGetsThePictureAsItIs)
{
    GSettingsBackend backend(GSettingsFlavour::mate(), [] { return QSize(8, 5); });
    ASSERT_TRUE(backend.SetWallpaper({wallpaper, QStringLiteral("1")}));
    EXPECT_EQ(test::ReadBytes(fresh(1)), test::ReadBytes(wallpaper));
}

TEST_F(RealGSettings, AMissingSchemaIsReported)
{
    GSettingsFlavour flavour = GSettingsFlavour::gnome();
    flavour.schema = QStringLiteral("org.example.not.installed");
    GSettingsBackend backend(flavour);
    EXPECT_EQ(backend.ReadTileWallpaper(), "");
    const WallpaperResult result = backend.SetWallpaper({wallpaper, QStringLiteral("0")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("org.example.not.installed")))
        << result.error.toStdString();
    EXPECT_FALSE(backend.WriteTileWallpaper(QStringLiteral("1")).ok);
    EXPECT_FALSE(QFile::exists(fresh(1)));
}

TEST(GVariantStringLiteral, QuotesAndEscapes)
{
    EXPECT_EQ(GVariantStringLiteral(QStringLiteral("plain")), "'plain'");
    EXPECT_EQ(GVariantStringLiteral(QStringLiteral("it's a\\b")), "'it\\'s a\\\\b'");
    EXPECT_EQ(GVariantStringLiteral(QStringLiteral("line\nend")), "'line\\u000aend'");
    EXPECT_EQ(GVariantStringLiteral(QStringLiteral("'quoted'")), "'\\'quoted\\''");
}

// Stand-in gsettings: which calls, in which order.
class GSettingsCalls : public testing::Test {
protected:
    test::StandInTools tools;
    test::TempFolder folder;
    QString wallpaper = folder.file(QStringLiteral("$$WALL$$.BMP"));

    void SetUp() override
    {
        tools.install(QStringLiteral("gsettings"));
        test::WriteBytes(wallpaper, "BM picture");
    }
};

TEST_F(GSettingsCalls, PlacementFirstThenBothPictureKeys)
{
    tools.reply(QStringLiteral("color-shading-type\npicture-options\npicture-uri\npicture-uri-dark\n"));
    GSettingsBackend backend(GSettingsFlavour::gnome());
    ASSERT_TRUE(backend.WriteTileWallpaper(QStringLiteral("0")));
    ASSERT_TRUE(backend.SetWallpaper({wallpaper, QStringLiteral("0")}));
    const QString uri =
        QStringLiteral("'") +
        QUrl::fromLocalFile(folder.file(QStringLiteral("$$WALL$$-1.BMP"))).toString(QUrl::FullyEncoded) +
        u'\'';
    const QString schema = QStringLiteral("org.gnome.desktop.background");
    const QList<QStringList> expected{
        {"gsettings", "set", schema, "picture-options", "'centered'"},
        {"gsettings", "list-keys", schema},
        {"gsettings", "set", schema, "picture-uri", uri},
        {"gsettings", "set", schema, "picture-uri-dark", uri},
    };
    EXPECT_EQ(tools.calls(), expected);
}

TEST_F(GSettingsCalls, GnomeBefore42HasNoDarkKey)
{
    tools.reply(QStringLiteral("picture-options\npicture-uri\n"));
    GSettingsBackend backend(GSettingsFlavour::gnome());
    ASSERT_TRUE(backend.SetWallpaper({wallpaper, QStringLiteral("0")}));
    ASSERT_EQ(tools.calls().size(), 2);
    EXPECT_EQ(tools.calls().back().at(3), "picture-uri");
}

TEST_F(GSettingsCalls, ARefusedKeyIsReportedAndTheFreshFileRemoved)
{
    tools.reply(QStringLiteral("picture-options\npicture-uri\npicture-uri-dark\n"));
    tools.failOn(QStringLiteral("picture-uri"));
    GSettingsBackend backend(GSettingsFlavour::gnome());
    const WallpaperResult result = backend.SetWallpaper({wallpaper, QStringLiteral("0")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("picture-uri"))) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("refused by the stand-in")))
        << result.error.toStdString();
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("$$WALL$$-1.BMP"))));
}

TEST(GSettingsTool, AMissingToolIsReported)
{
    test::TempFolder folder;
    test::WriteBytes(folder.file(QStringLiteral("$$WALL$$.BMP")), "BM");
    GSettingsBackend backend(GSettingsFlavour::gnome(), {}, folder.file(QStringLiteral("no-such-gsettings")));
    const WallpaperResult result =
        backend.SetWallpaper({folder.file(QStringLiteral("$$WALL$$.BMP")), QStringLiteral("0")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("起動できません"))) << result.error.toStdString();
}

} // namespace

TEST_F(GSettingsCalls, SeveralMonitorsGetOneSpannedPictureWithEachMonitorsPart)
{
    tools.reply(QStringLiteral("picture-options\npicture-uri\npicture-uri-dark\n"));
    GSettingsBackend backend(GSettingsFlavour::gnome());
    QImage left(2, 2, QImage::Format_RGB32);
    left.fill(qRgb(255, 0, 0));
    QImage right(3, 3, QImage::Format_RGB32);
    right.fill(qRgb(0, 0, 255));
    WallpaperPicture picture(wallpaper, QStringLiteral("0"), left);
    // The right monitor lower than the left one; the box starts at the left one's corner.
    picture.monitors = {{QStringLiteral("L"), QRect(-4, 0, 4, 4), left, QStringLiteral("0")},
                        {QStringLiteral("R"), QRect(0, 2, 3, 3), right, QStringLiteral("1")}};
    const WallpaperResult set = backend.SetWallpaper(picture);
    ASSERT_TRUE(set) << set.error.toStdString();
    const QString file = folder.file(QStringLiteral("$$WALL$$-1.BMP"));
    const QString uri = u'\'' + QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) + u'\'';
    const QString schema = QStringLiteral("org.gnome.desktop.background");
    const QList<QStringList> expected{
        {"gsettings", "list-keys", schema},
        {"gsettings", "set", schema, "picture-options", "'spanned'"},
        {"gsettings", "set", schema, "picture-uri", uri},
        {"gsettings", "set", schema, "picture-uri-dark", uri},
    };
    EXPECT_EQ(tools.calls(), expected);

    const QImage spanned = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(spanned.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            QRgb expectedPixel = qRgb(0, 0, 0);
            if (x >= 1 && x < 3 && y >= 1 && y < 3)
                expectedPixel = qRgb(255, 0, 0); // centred in L
            if (x >= 4 && y >= 2)
                expectedPixel = qRgb(0, 0, 255); // R, filled
            EXPECT_EQ(spanned.pixel(x, y), expectedPixel) << x << "," << y;
        }
    }
}
