#include "platform/Autostart.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

QString Validate(const QString& entry)
{
    QProcess validator;
    validator.start(QStringLiteral("desktop-file-validate"), {entry});
    validator.waitForFinished(30000);
    return QString::fromUtf8(validator.readAllStandardOutput() + validator.readAllStandardError());
}

} // namespace

TEST(Autostart, EntryLivesInTheConfigFolderOrItsDefault)
{
    EXPECT_EQ(platform::AutostartEntryPathFor(QStringLiteral("/cfg"), QStringLiteral("/home/ann")),
              QStringLiteral("/cfg/autostart/velmora.desktop"));
    // Empty or relative values are not a config folder.
    for (const QString& unset : {QString(), QStringLiteral("relative/cfg")})
        EXPECT_EQ(platform::AutostartEntryPathFor(unset, QStringLiteral("/home/ann")),
                  QStringLiteral("/home/ann/.config/autostart/velmora.desktop"));
}

TEST(Autostart, ExecArgumentsAreQuotedAndEscapedAsDesktopEntriesRequire)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/velmora", "/usr/bin/velmora"},
        {"/home/ann/My Programs/velmora", "\"/home/ann/My Programs/velmora\""},
        {"/opt/$HOME/velmora", "\"/opt/\\\\$HOME/velmora\""},
        {"/opt/a\"b/velmora", "\"/opt/a\\\\\"b/velmora\""},
        {"/opt/back\\slash/velmora", "\"/opt/back\\\\\\\\slash/velmora\""},
        {"/opt/100%/velmora", "/opt/100%%/velmora"},
    };
    for (const auto& [argument, value] : cases)
        EXPECT_EQ(platform::DesktopExecArgument(QString::fromUtf8(argument)), QString::fromUtf8(value))
            << argument;
}

TEST(Autostart, InstalledProgramIsStartedByNameAPortableCopyByItsPath)
{
    test::TempFolder bin;
    const QString program = bin.file(QStringLiteral("velmora"));
    test::WriteBytes(program, "");
    EXPECT_EQ(platform::AutostartCommand(program, program), QStringLiteral("velmora"));
    QFile::link(program, bin.file(QStringLiteral("link")));
    EXPECT_EQ(platform::AutostartCommand(program, bin.file(QStringLiteral("link"))),
              QStringLiteral("velmora"))
        << "the name on PATH may be a link to this program";

    test::TempFolder other;
    test::WriteBytes(other.file(QStringLiteral("velmora")), "");
    EXPECT_EQ(platform::AutostartCommand(program, other.file(QStringLiteral("velmora"))), program);
    EXPECT_EQ(platform::AutostartCommand(program, QString()), program);
}

TEST(Autostart, SwitchingOnWritesAValidEntryAndOffRemovesIt)
{
    test::TempFolder config;
    const QString entry = config.file(QStringLiteral("deep/autostart/velmora.desktop"));
    QString error;
    EXPECT_FALSE(platform::AutostartEnabled(entry));

    ASSERT_TRUE(platform::SetAutostart(entry, true, QStringLiteral("\"/a b/velmora\""), &error))
        << error.toStdString();
    EXPECT_TRUE(platform::AutostartEnabled(entry));
    const QByteArray text = test::ReadBytes(entry);
    EXPECT_TRUE(text.contains("\nExec=\"/a b/velmora\" -ng\n")) << text.constData();
    EXPECT_EQ(Validate(entry), QString());
    EXPECT_EQ(QDir(config.file(QStringLiteral("deep/autostart"))).entryList(QDir::Files),
              QStringList{QStringLiteral("velmora.desktop")})
        << "no temporary file is left behind";

    // Switching on again rewrites the entry with the current command.
    ASSERT_TRUE(platform::SetAutostart(entry, true, QStringLiteral("velmora"), &error));
    EXPECT_TRUE(test::ReadBytes(entry).contains("\nExec=velmora -ng\n"));

    ASSERT_TRUE(platform::SetAutostart(entry, false, QString(), &error));
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(platform::AutostartEnabled(entry));
    EXPECT_TRUE(platform::SetAutostart(entry, false, QString(), &error)) << "nothing to remove is no failure";
}

TEST(Autostart, AnEntrySwitchedOffByTheDesktopCountsAsOff)
{
    test::TempFolder config;
    const QString entry = config.file(QStringLiteral("velmora.desktop"));
    for (const QByteArray& line :
         {QByteArray("Hidden=true"), QByteArray("X-GNOME-Autostart-enabled=false")}) {
        test::WriteBytes(entry, platform::AutostartEntryText(QStringLiteral("velmora")) + line + '\n');
        EXPECT_FALSE(platform::AutostartEnabled(entry)) << line.constData();
    }
    test::WriteBytes(entry, "[Desktop Entry]\nExec=velmora -ng\nHidden=false\n");
    EXPECT_TRUE(platform::AutostartEnabled(entry));

    // A pipe in the entry's place is no entry; the window asking about it must not wait on it.
    const QString pipe = config.file(QStringLiteral("pipe.desktop"));
    test::FifoTrap trap(pipe, "[Desktop Entry]\nExec=velmora -ng\n");
    ASSERT_TRUE(trap.made());
    EXPECT_FALSE(platform::AutostartEnabled(pipe));
}

TEST(Autostart, AFolderThatCannotBeMadeIsReportedWithItsReason)
{
    test::TempFolder config;
    // A file where the autostart folder should be.
    test::WriteBytes(config.file(QStringLiteral("autostart")), "not a folder");
    const QString entry = config.file(QStringLiteral("autostart/velmora.desktop"));
    QString error;
    EXPECT_FALSE(platform::SetAutostart(entry, true, QStringLiteral("velmora"), &error));
    EXPECT_TRUE(error.startsWith(config.file(QStringLiteral("autostart")))) << error.toStdString();
    EXPECT_TRUE(error.contains(u'(')) << "the system's reason follows the path";
    EXPECT_EQ(test::ReadBytes(config.file(QStringLiteral("autostart"))), QByteArray("not a folder"));
}
