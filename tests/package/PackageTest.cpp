// The Debian packages of this build, made once by the velmora_package_build fixture and unpacked
// into a root of their own (see BuildPackage.cmake).
#include "platform/Documents.h"
#include "platform/ProgramFolder.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

const QString Work = QStringLiteral(VELMORA_PACKAGE_WORK "/");
const QString Root = Work + QStringLiteral("root/");
const QString Version = QStringLiteral(VELMORA_VERSION);

struct Result {
    int code = -1;
    QString output;
};

Result RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("%1 did not finish").arg(program)};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QString Deb(const QString& package)
{
    const QStringList found =
        QDir(Work + QStringLiteral("debs")).entryList({package + u'_' + Version + QStringLiteral("_*.deb")});
    return found.size() == 1 ? Work + QStringLiteral("debs/") + found.first() : QString();
}

QString Field(const QString& package, const QString& field)
{
    return RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), Deb(package), field}).output.trimmed();
}

// The files and links of a package, with the library folder (multiarch or not) and the build
// configuration written as LIB and CONFIG.
QSet<QString> Contents(const QString& package)
{
    static const QRegularExpression libFolder(QStringLiteral("^usr/lib/([a-z0-9_]+-linux-gnu[a-z0-9_]*/)?"));
    static const QRegularExpression config(QStringLiteral("BranchwiseTargets-[a-z]+\\.cmake$"));
    QSet<QString> files;
    const QString listing = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), Deb(package)}).output;
    for (const QString& line : listing.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'd'))
            continue;
        QString path = line.section(QStringLiteral(" ./"), 1).section(QStringLiteral(" -> "), 0, 0);
        path.replace(libFolder, QStringLiteral("LIB/"));
        path.replace(config, QStringLiteral("BranchwiseTargets-CONFIG.cmake"));
        files.insert(path);
    }
    return files;
}

QSet<QString> DebianDocs(const QString& package)
{
    return {QStringLiteral("usr/share/doc/%1/copyright").arg(package),
            QStringLiteral("usr/share/doc/%1/changelog.gz").arg(package)};
}

} // namespace

TEST(Package, ThreePackagesHoldExactlyTheirFiles)
{
    QSet<QString> program = {
        QStringLiteral("usr/bin/velmora"),
        QStringLiteral("usr/share/applications/velmora.desktop"),
        QStringLiteral("usr/share/metainfo/invalid.velmora.Velmora.metainfo.xml"),
        QStringLiteral("usr/share/icons/hicolor/scalable/apps/velmora.svg"),
        QStringLiteral("usr/share/man/man1/velmora.1.gz"),
        QStringLiteral("usr/share/man/ja/man1/velmora.1.gz"),
        QStringLiteral("usr/share/doc/velmora/guide.pdf"),
        QStringLiteral("usr/share/doc/velmora/guide.en.pdf"),
        QStringLiteral("usr/share/doc/velmora/index.html"),
        QStringLiteral("usr/share/doc/velmora/docs/main-window.png"),
        QStringLiteral("usr/share/doc/velmora/docs/folder-browser.png"),
        QStringLiteral("usr/share/doc-base/velmora"),
        QStringLiteral("usr/share/doc-base/velmora-guide"),
        QStringLiteral("usr/share/doc-base/velmora-guide-en"),
    };
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        program.insert(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/velmora.png").arg(size));
    EXPECT_EQ(Contents(QStringLiteral("velmora")), program + DebianDocs(QStringLiteral("velmora")));

    EXPECT_EQ(Contents(QStringLiteral("libbranchwise1")),
              QSet<QString>(
                  {QStringLiteral("LIB/libbranchwise.so.1.0.0"), QStringLiteral("LIB/libbranchwise.so.1")}) +
                  DebianDocs(QStringLiteral("libbranchwise1")));

    QSet<QString> development = {
        QStringLiteral("LIB/libbranchwise.so"),
        QStringLiteral("LIB/cmake/Branchwise/BranchwiseConfig.cmake"),
        QStringLiteral("LIB/cmake/Branchwise/BranchwiseConfigVersion.cmake"),
        QStringLiteral("LIB/cmake/Branchwise/BranchwiseTargets.cmake"),
        QStringLiteral("LIB/cmake/Branchwise/BranchwiseTargets-CONFIG.cmake"),
    };
    for (const char* header : {"BranchwiseBase.h", "ControlFactory.h", "FilePropertyBag.h", "PropertyBag.h",
                               "PropertyPage.h", "branchwise_export.h"})
        development.insert(QStringLiteral("usr/include/branchwise/") + QString::fromLatin1(header));
    EXPECT_EQ(Contents(QStringLiteral("libbranchwise-dev")),
              development + DebianDocs(QStringLiteral("libbranchwise-dev")));
}

TEST(Package, DependenciesComeFromTheBinariesAndTheRunTimeNeeds)
{
    const QString depends = Field(QStringLiteral("velmora"), QStringLiteral("Depends"));
    for (const QString& needed :
         {QStringLiteral("libbranchwise1 (= %1)").arg(Version), QStringLiteral("fonts-noto-cjk"),
          QStringLiteral("qt6-image-formats-plugins"), QStringLiteral("qt6-qpa-plugins"),
          // found by dpkg-shlibdeps in the binary
          QStringLiteral("libqt6widgets6"), QStringLiteral("libgraphicsmagick"), QStringLiteral("libc6")})
        EXPECT_TRUE(depends.contains(needed))
            << needed.toStdString() << " missing from " << depends.toStdString();
    EXPECT_TRUE(Field(QStringLiteral("libbranchwise1"), QStringLiteral("Depends"))
                    .contains(QStringLiteral("libqt6widgets6")));
    EXPECT_TRUE(Field(QStringLiteral("libbranchwise-dev"), QStringLiteral("Depends"))
                    .contains(QStringLiteral("libbranchwise1 (= %1)").arg(Version)));
    EXPECT_EQ(Field(QStringLiteral("velmora"), QStringLiteral("Version")), Version);
}

TEST(Package, DesktopEntryAndMetadataPassTheRealValidators)
{
    const Result desktop = RunTool(QStringLiteral("desktop-file-validate"),
                                   {Root + QStringLiteral("usr/share/applications/velmora.desktop")});
    EXPECT_EQ(desktop.code, 0) << desktop.output.toStdString();
    EXPECT_EQ(desktop.output, QString()) << "no hints either";
    // English by default, Japanese for Japanese sessions.
    const QString entry = QString::fromUtf8(test::ReadBytes(Root + QStringLiteral("usr/share/applications/velmora.desktop")));
    for (const char* key : {"\nName=Velmora\n", "\nName[ja]=Velmora\n", "\nComment=Change the desktop wallpaper",
                            "\nComment[ja]=", "\nKeywords[ja]=壁紙;"})
        EXPECT_TRUE(entry.contains(QString::fromUtf8(key))) << key << " missing from:\n" << entry.toStdString();

    const Result metainfo =
        RunTool(QStringLiteral("appstreamcli"),
                {QStringLiteral("validate"), QStringLiteral("--no-net"),
                 Root + QStringLiteral("usr/share/metainfo/invalid.velmora.Velmora.metainfo.xml")});
    EXPECT_EQ(metainfo.code, 0) << metainfo.output.toStdString();
    EXPECT_FALSE(metainfo.output.contains(
        QRegularExpression(QStringLiteral("^[EW]:"), QRegularExpression::MultilineOption)))
        << metainfo.output.toStdString();
}

TEST(Package, LintianFindsNoErrors)
{
    const Result lintian =
        RunTool(QStringLiteral("lintian"),
                {QStringLiteral("--fail-on"), QStringLiteral("error"), Deb(QStringLiteral("velmora")),
                 Deb(QStringLiteral("libbranchwise1")), Deb(QStringLiteral("libbranchwise-dev"))},
                540000);
    EXPECT_EQ(lintian.code, 0) << lintian.output.toStdString();
    // The remaining warnings, for the log.
    std::cout << lintian.output.toStdString();
}

TEST(Package, DocumentsIconsAndManualPageAreWhatTheyClaim)
{
    const QString doc = Root + QStringLiteral("usr/share/doc/velmora/");
    EXPECT_TRUE(test::ReadBytes(doc + QStringLiteral("guide.pdf")).startsWith("%PDF-"));
    const Result english = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                                 doc + QStringLiteral("guide.en.pdf"), QStringLiteral("-")});
    EXPECT_EQ(english.code, 0) << english.output.toStdString();
    EXPECT_TRUE(english.output.contains(QStringLiteral("Velmora User's Guide")) &&
                english.output.contains(QStringLiteral("13. Supported desktops")))
        << "the English guide: " << english.output.left(2000).toStdString();
    const Result japanese = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                                  doc + QStringLiteral("guide.pdf"), QStringLiteral("-")});
    EXPECT_TRUE(japanese.output.contains(QStringLiteral("13. 対応しているデスクトップ")))
        << "the Japanese guide: " << japanese.output.left(2000).toStdString();
    const QString page = QString::fromUtf8(test::ReadBytes(doc + QStringLiteral("index.html")));
    EXPECT_TRUE(page.contains(
        QStringLiteral("<a name=\"%1\"></a>").arg(QString::fromUtf16(platform::SupportSectionAnchor))))
        << "the donation command opens this section";
    for (const int size : {16, 48, 256}) {
        const QImage icon(Root + QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/velmora.png").arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size));
    }
    const Result man =
        RunTool(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"),
                                        Root + QStringLiteral("usr/share/man/man1/velmora.1.gz")});
    EXPECT_EQ(man.code, 0);
    EXPECT_TRUE(man.output.contains(QStringLiteral("velmora - change the desktop wallpaper")))
        << man.output.toStdString();
    EXPECT_FALSE(man.output.contains(QStringLiteral("warning"))) << man.output.toStdString();

    // The Japanese page, as man shows it in a UTF-8 session: its lines break between clauses.
    const Result japaneseMan = RunTool(QStringLiteral("env"),
                                       {QStringLiteral("MANWIDTH=80"), QStringLiteral("man"), QStringLiteral("--warnings"),
                                        QStringLiteral("-E"), QStringLiteral("UTF-8"), QStringLiteral("-l"),
                                        Root + QStringLiteral("usr/share/man/ja/man1/velmora.1.gz")});
    EXPECT_EQ(japaneseMan.code, 0);
    EXPECT_TRUE(japaneseMan.output.contains(QStringLiteral("velmora - リストやフォルダの画像でデスクトップの壁紙を切り替える")))
        << japaneseMan.output.toStdString();
    EXPECT_FALSE(japaneseMan.output.contains(QStringLiteral("warning"))) << japaneseMan.output.toStdString();
}

TEST(Package, TheUnpackedProgramChangesTheWallpaperAndFindsTheInstalledGuide)
{
    test::PrivateXServer xServer(640, 400);
    ASSERT_FALSE(xServer.display().isEmpty());
    test::TempFolder home;
    QDir(home.path()).mkpath(QStringLiteral("Pictures"));
    ASSERT_TRUE(test::NoiseImage(320, 200, 1).save(home.file(QStringLiteral("Pictures/a.png"))));
    ASSERT_TRUE(test::NoiseImage(320, 200, 2).save(home.file(QStringLiteral("Pictures/b.png"))));

    // A copy of the unpacked root, so that the run's files stay out of the shared one.
    test::TempFolder copy;
    ASSERT_EQ(RunTool(QStringLiteral("cp"), {QStringLiteral("-a"), Root + u'.', copy.path()}).code, 0);
    const QString bin = copy.file(QStringLiteral("usr/bin"));
    // Installed, the program keeps the user's files in the data folder, even where it could write
    // beside itself (as root can).
    const QString programFolder = home.file(QStringLiteral("data/velmora/"));

    QStringList libraryPath;
    QDirIterator libs(copy.file(QStringLiteral("usr/lib")), {QStringLiteral("libbranchwise.so.1")},
                      QDir::Files, QDirIterator::Subdirectories);
    while (libs.hasNext())
        libraryPath << QFileInfo(libs.next()).absolutePath();
    ASSERT_EQ(libraryPath.size(), 1);

    // A list of the two pictures whose first entry was shown last: the change installs the second.
    QDir().mkpath(programFolder);
    test::WriteBytes(programFolder + QStringLiteral("lfname.dat"), "mine.lst\r\n");
    test::WriteBytes(programFolder + QStringLiteral("mine.lst"),
                     (home.file(QStringLiteral("Pictures/a.png")) + QStringLiteral("\r\n") +
                      home.file(QStringLiteral("Pictures/b.png")) + QStringLiteral("\r\n"))
                         .toUtf8());
    test::WriteBytes(programFolder + QStringLiteral("Velmora.INI"),
                     "[Velmora]\r\nListMode= 2\r\nListFileName=mine.lst\r\nFileIndex2= 0\r\n");
    test::WriteBytes(programFolder + QStringLiteral("NOSPLASH"), "");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
                             "WAYLAND_DISPLAY", "SWAYSOCK", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                             "MATE_DESKTOP_SESSION_ID", "XDG_CONFIG_HOME", "XDG_PICTURES_DIR"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("DISPLAY"), xServer.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.file(QStringLiteral("data")));
    env.insert(QStringLiteral("LD_LIBRARY_PATH"), libraryPath.first());
    QProcess velmora;
    velmora.setProcessEnvironment(env);
    velmora.setProcessChannelMode(QProcess::ForwardedChannels);
    velmora.start(bin + QStringLiteral("/velmora"), {QStringLiteral("-ng"), QStringLiteral("-s")});
    ASSERT_TRUE(velmora.waitForFinished(60000));
    EXPECT_EQ(velmora.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(velmora.exitCode(), 0);

    EXPECT_TRUE(
        test::ReadBytes(programFolder + QStringLiteral("Velmora.INI")).contains("\r\nFileIndex2= 1\r\n"))
        << "the settings are saved in " << programFolder.toStdString();
    EXPECT_TRUE(QFile::exists(programFolder + QStringLiteral("$$WALL$$.BMP")));
    QProcess import;
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-display"), xServer.display(), QStringLiteral("-window"),
                  QStringLiteral("root"), QStringLiteral("png:-")});
    ASSERT_TRUE(import.waitForFinished(30000));
    const QImage root =
        QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(root.size(), QSize(640, 400));
    const QImage second = test::NoiseImage(320, 200, 2);
    int wrong = 0;
    for (int y = 0; y < second.height(); ++y)
        for (int x = 0; x < second.width(); ++x)
            wrong += root.pixel(160 + x, 100 + y) != second.pixel(x, y);
    EXPECT_EQ(wrong, 0) << "the second picture, centred";

    // The guide command looks in the program folder, then beside the installed program.
    EXPECT_EQ(platform::FindDocumentIn(platform::DocumentationFoldersFor(programFolder, bin),
                                       QString::fromUtf16(platform::GuideFileName)),
              copy.file(QStringLiteral("usr/share/doc/velmora/guide.pdf")));
}
