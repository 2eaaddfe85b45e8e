#include "tests/mainwindow/MainWindowRig.h"
#include "tests/support/TestImages.h"

#include "core/ChangeSchedule.h"
#include "core/SettingsFile.h"
#include "mainwindow/change/SingleChange.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <set>

using namespace velmora;
using namespace velmora::test;

namespace {

Settings Stored(const TempFolder& program)
{
    Settings stored;
    ResetSettings(stored, CurrentSettingsEnvironment());
    ReadSettingsFile(stored, program.file(QStringLiteral("Velmora.INI")));
    return stored;
}

QStringList Pictures(const TempFolder& folder, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i) {
        entries << folder.file(QStringLiteral("p%1.png").arg(i));
        PhotoLikeImage(64, 48, quint32(i)).save(entries.last());
    }
    return entries;
}

TEST(OneShotRounds, EachRunIsOneStepOfTheRoundAndMovesTheNextChange)
{
    TempFolder pictures;
    TempFolder program;
    WriteProgramFolder(
        program, Pictures(pictures, 4),
        "ListMode= 2\r\nChangeMode= 0\r\nRandomMode= 1\r\nChangeSchedule= 1\r\nChangeTimer= 600\r\n");
    std::set<int> shown;
    for (int run = 0; run < 4; ++run) {
        SettingsStore store;
        ScriptedPrompter prompter;
        PrompterScope scope(prompter);
        const std::optional<Settings> stored = SingleChange::StoredSettings(program.path());
        ASSERT_TRUE(stored.has_value());
        SingleChange change(store, program.path(), std::make_unique<RecordingBackend>());
        change.load(*stored);
        const QDateTime before = QDateTime::currentDateTime();
        change.RestoreSelection();
        change.AutoChange();
        ASSERT_TRUE(WaitUntil([&] { return !change.working(); }));
        const QDateTime after = QDateTime::currentDateTime();
        change.ExitRoutine();
        const Settings written = Stored(program);
        shown.insert(written.FileIndex2);
        const QDateTime next = ChangeSchedule::Parse(written.NextChangeAt);
        // Set when the change ended, to the whole second.
        EXPECT_LE(next.secsTo(before.addSecs(600)), 1) << written.NextChangeAt.toStdString();
        EXPECT_GE(next.secsTo(after.addSecs(600)), 0) << written.NextChangeAt.toStdString();
    }
    EXPECT_EQ(shown.size(), 4u) << "four runs of \"-s\" show the four pictures of one round";
}

TEST(OneShotRounds, TheWindowWritesTheMovedScheduleAtOnceAndKeepsItsRound)
{
    TempFolder pictures;
    Rig rig(Pictures(pictures, 3), "ListMode= 2\r\nChangeMode= 0\r\nRandomMode= 1\r\nChangeSchedule= 1\r\n"
                                   "ChangeTimer= 900\r\nPreviewPauseMode= 0\r\n");
    rig.window->AutoChange();
    rig.settle();
    EXPECT_TRUE(QFileInfo::exists(rig.program.file(QStringLiteral("shuffle.dat"))));
    // Not yet at the exit: a killed program still knows when the next change is.
    const Settings written = Stored(rig.program);
    EXPECT_FALSE(written.NextChangeAt.isEmpty());
    EXPECT_EQ(written.NextChangeAt, rig.settings.NextChangeAt);
    rig.window->mnuFileExit_Click();
}

} // namespace
