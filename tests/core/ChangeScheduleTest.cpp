#include "core/ChangeSchedule.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// A wall clock the test moves by hand, at a fixed offset of +09:00.
struct TestClock {
    QDateTime now = QDateTime(QDate(2026, 3, 1), QTime(9, 0), QTimeZone(9 * 3600));
    ChangeSchedule::Clock clock()
    {
        return [this] { return now; };
    }
};

struct Scheduled {
    TestClock time;
    Settings settings;
    int moves = 0;
    ChangeSchedule schedule{time.clock()};

    explicit Scheduled(int interval = 3600)
    {
        settings.ChangeSchedule = 1;
        settings.ChangeTimer = static_cast<Integer>(interval);
        schedule.moved = [this] { ++moves; };
    }
    // Checks once a second for `seconds`, making a change whenever one is due; the count of changes.
    int run(int seconds)
    {
        int changes = 0;
        for (int second = 0; second < seconds; ++second) {
            time.now = time.now.addSecs(1);
            if (schedule.Due(settings)) {
                ++changes;
                schedule.ChangeMade(settings);
            }
        }
        return changes;
    }
    QDateTime next() const { return ChangeSchedule::Parse(settings.NextChangeAt); }
};

TEST(ChangeSchedule, FirstCheckSetsTheNextChangeOneIntervalAheadInLocalTimeWithItsOffset)
{
    Scheduled s;
    EXPECT_FALSE(s.schedule.Due(s.settings));
    EXPECT_EQ(s.next(), s.time.now.addSecs(3600));
    static const QRegularExpression form(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$"));
    EXPECT_TRUE(form.match(s.settings.NextChangeAt).hasMatch()) << s.settings.NextChangeAt.toStdString();
    EXPECT_EQ(s.moves, 1);
    EXPECT_FALSE(s.schedule.Due(s.settings));
    EXPECT_EQ(s.moves, 1) << "a check that moves nothing writes nothing";
}

TEST(ChangeSchedule, RestartAfterTheDueTimeChangesOnceAtStart)
{
    Scheduled before;
    before.settings.NextChangeAt = ChangeSchedule::Text(before.time.now.addSecs(-5 * 3600));
    // A fresh schedule is what a restarted program has: only the stored moment.
    Scheduled restarted;
    restarted.time.now = before.time.now;
    restarted.settings.NextChangeAt = before.settings.NextChangeAt;
    EXPECT_EQ(restarted.run(1), 1) << "five missed intervals make one change";
    EXPECT_EQ(restarted.run(3598), 0);
    EXPECT_EQ(restarted.run(2), 1) << "then the rhythm goes on from that change";
}

TEST(ChangeSchedule, RestartBeforeTheDueTimeWaitsForTheRemainder)
{
    Scheduled s;
    s.settings.NextChangeAt = ChangeSchedule::Text(s.time.now.addSecs(600));
    EXPECT_EQ(s.run(599), 0);
    EXPECT_EQ(s.run(1), 1);
}

TEST(ChangeSchedule, ClockJumpsForwardByADayChangesOnce)
{
    Scheduled s;
    EXPECT_EQ(s.run(10), 0);
    s.time.now = s.time.now.addDays(1);
    EXPECT_EQ(s.run(5), 1);
    EXPECT_EQ(s.next(), s.time.now.addSecs(3600 - 4));
}

TEST(ChangeSchedule, ClockSetBackKeepsTheNextChangeWithinOneInterval)
{
    Scheduled s;
    EXPECT_EQ(s.run(10), 0);
    s.time.now = s.time.now.addDays(-1);
    EXPECT_EQ(s.run(3600), 0);
    EXPECT_EQ(s.run(1), 1) << "not a day and an hour later";
}

TEST(ChangeSchedule, SleepThroughTheMomentChangesOnceOnWaking)
{
    Scheduled s(600);
    EXPECT_EQ(s.run(100), 0);
    // Asleep: no checks run while the clock goes on; the wake is one check.
    s.time.now = s.time.now.addSecs(4 * 3600);
    EXPECT_TRUE(s.schedule.Due(s.settings));
    s.schedule.ChangeMade(s.settings);
    EXPECT_FALSE(s.schedule.Due(s.settings));
    EXPECT_EQ(s.run(599), 0);
}

TEST(ChangeSchedule, ChangedIntervalCountsFromTheLastChange)
{
    Scheduled s(3600);
    EXPECT_FALSE(s.schedule.Due(s.settings));
    EXPECT_EQ(s.run(3600), 1);
    EXPECT_EQ(s.run(600), 0);
    s.settings.ChangeTimer = 1800; // ten minutes after the last change
    EXPECT_EQ(s.run(1199), 0);
    EXPECT_EQ(s.run(1), 1);
    s.settings.ChangeTimer = 60;
    EXPECT_EQ(s.run(120), 2);
    s.run(30);
    s.settings.ChangeTimer = 10; // already past: at once
    EXPECT_EQ(s.run(1), 1);
}

TEST(ChangeSchedule, UnreadableOrOddStoredValuesGiveOneIntervalFromNow)
{
    for (const char* stored : {"", "tomorrow", "2026-13-45T99:00:00+09:00"}) {
        Scheduled s;
        s.settings.NextChangeAt = QString::fromLatin1(stored);
        EXPECT_FALSE(s.schedule.Due(s.settings)) << stored;
        EXPECT_EQ(s.next(), s.time.now.addSecs(3600)) << stored;
    }
    Scheduled zero(0);
    EXPECT_EQ(zero.run(3), 2) << "an interval below a second counts as one second";
}

TEST(ChangeSchedule, StoredMomentReadsBackAcrossOffsets)
{
    const QDateTime utc(QDate(2026, 7, 1), QTime(23, 30), QTimeZone::utc());
    const QString text = ChangeSchedule::Text(utc);
    EXPECT_EQ(ChangeSchedule::Parse(text), utc) << text.toStdString();
    EXPECT_EQ(ChangeSchedule::Parse(QStringLiteral("2026-07-02T08:30:00+09:00")), utc);
}

} // namespace
