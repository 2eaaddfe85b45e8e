#include "tests/mainwindow/FakeSources.h"
#include "tests/support/TestSupport.h"

#include "core/RandomSource.h"
#include "mainwindow/change/WallpaperChanger.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <set>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    Settings settings;
    FakeFolder folder;
    FakeList list;
    FakeInstaller installer;
    SeededRandom random{7};
    QDateTime now{QDate(2026, 12, 10), QTime(8, 0), QTimeZone::utc()};
    int moves = 0;
    WallpaperChanger changer{
        settings, folder, list, installer, [this] { return random.draw(); }, [this] { return now; }};

    Rig()
    {
        settings.ListMode = 2;
        settings.PreviewPauseMode = 0;
        settings.TimerOnMode = 1;
        settings.ChangeTimer = 60;
        list.entries = {"/a.jpg", "/b.jpg", "/c.jpg"};
        list.onSelection = [this] { changer.ListSelectionChanged(); };
        changer.setScheduleMoved([this] { ++moves; });
    }
    int timerChanges() const { return int(installer.calls.filter(QStringLiteral("timer-apply")).size()); }
    // One tick a second, as Timer1 gives them; each change ends at once.
    void tick(int seconds)
    {
        for (int second = 0; second < seconds; ++second) {
            now = now.addSecs(1);
            const int before = timerChanges();
            changer.Tick();
            if (timerChanges() != before)
                changer.ChangeEnded();
        }
    }
};

TEST(ScheduledChange, ByTheClockTheTickCountPlaysNoPart)
{
    Rig rig;
    rig.settings.ChangeSchedule = 1;
    rig.settings.NextChangeAt = QStringLiteral("2026-12-10T08:00:30Z");
    rig.tick(29);
    EXPECT_EQ(rig.timerChanges(), 0);
    EXPECT_EQ(rig.changer.TickCount, 0);
    rig.tick(1);
    EXPECT_EQ(rig.timerChanges(), 1);
    EXPECT_EQ(ChangeSchedule::Parse(rig.settings.NextChangeAt), rig.now.addSecs(60));
    EXPECT_GE(rig.moves, 1) << "the moved moment is handed on to be written";
    rig.tick(59);
    EXPECT_EQ(rig.timerChanges(), 1);
    rig.tick(1);
    EXPECT_EQ(rig.timerChanges(), 2);
}

TEST(ScheduledChange, DueWhileAChangeRunsWaitsForItAndThenCountsFromItsEnd)
{
    Rig rig;
    rig.settings.ChangeSchedule = 1;
    rig.settings.NextChangeAt = QStringLiteral("2026-12-10T07:00:00Z");
    rig.installer.working = true;
    rig.tick(5);
    EXPECT_EQ(rig.timerChanges(), 0);
    rig.installer.working = false;
    rig.tick(1);
    EXPECT_EQ(rig.timerChanges(), 1) << "an hour overdue: one change, not sixty";
    rig.tick(120);
    EXPECT_EQ(rig.timerChanges(), 3);
}

TEST(ScheduledChange, WakingFromSleepChangesOnceWithoutATick)
{
    Rig rig;
    rig.settings.ChangeSchedule = 1;
    rig.tick(10);
    rig.now = rig.now.addSecs(8 * 3600);
    rig.changer.CheckSchedule();
    rig.changer.ChangeEnded();
    rig.changer.CheckSchedule();
    EXPECT_EQ(rig.timerChanges(), 1);
}

TEST(ScheduledChange, AsSpecifiedTheStoredMomentIsIgnored)
{
    Rig rig;
    rig.settings.NextChangeAt = QStringLiteral("2026-12-10T07:00:00Z");
    rig.changer.CheckSchedule();
    rig.tick(59);
    EXPECT_EQ(rig.timerChanges(), 0);
    rig.tick(1);
    EXPECT_EQ(rig.timerChanges(), 1);
    EXPECT_EQ(rig.settings.NextChangeAt, QStringLiteral("2026-12-10T07:00:00Z"));
    EXPECT_EQ(rig.moves, 0);
}

TEST(ScheduledChange, ShuffledRoundsInListAndFolderMode)
{
    for (const Integer listMode : {Integer(1), Integer(2)}) {
        Rig rig;
        rig.settings.ChangeMode = 0;
        rig.settings.RandomMode = 1;
        rig.settings.ListMode = listMode;
        rig.settings.CurrentDirectory = QStringLiteral("/pics/");
        rig.folder.items = {"1.jpg", "2.jpg", "3.jpg", "4.jpg"};
        rig.list.entries = {"/a.jpg", "/b.jpg", "/c.jpg", "/d.jpg"};
        QString previous;
        for (int round = 0; round < 5; ++round) {
            std::set<QString> seen;
            for (int step = 0; step < 4; ++step) {
                rig.installer.calls.clear();
                rig.changer.AutoChange();
                ASSERT_EQ(rig.installer.calls.size(), 2);
                const QString path = rig.installer.calls[1];
                EXPECT_TRUE(seen.insert(path).second) << "mode " << listMode << " round " << round;
                EXPECT_NE(path, previous);
                previous = path;
            }
        }
        if (listMode == 1) {
            EXPECT_TRUE(previous.startsWith(QStringLiteral("apply /pics/"))) << previous.toStdString();
        }
    }
}

TEST(ScheduledChange, ShuffledRoundContinuesInTheNextProgram)
{
    TempFolder folder;
    std::set<QString> seen;
    for (int run = 0; run < 4; ++run) {
        Rig rig;
        rig.random = SeededRandom(quint32(run));
        rig.settings.ChangeMode = 0;
        rig.settings.RandomMode = 1;
        rig.list.entries = {"/a.jpg", "/b.jpg", "/c.jpg", "/d.jpg"};
        rig.changer.setShuffleFile(folder.file(QStringLiteral("shuffle.dat")));
        rig.changer.AutoChange();
        seen.insert(rig.installer.calls.value(1));
    }
    EXPECT_EQ(seen.size(), 4u);
}

} // namespace
