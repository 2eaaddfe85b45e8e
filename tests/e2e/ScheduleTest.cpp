#include "tests/e2e/ProgramRun.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

using namespace velmora::test;

namespace {

QImage Plain(int seed)
{
    QImage image(160, 100, QImage::Format_RGB32);
    image.fill(qRgb(seed * 40 % 256, 255 - seed * 30 % 256, seed * 70 % 256));
    return image;
}

void WriteList(const ProgramRun& velmora, int count)
{
    QByteArray list;
    for (int i = 0; i < count; ++i)
        list += velmora.picture(QStringLiteral("%1.png").arg(i), Plain(i)).toUtf8() + "\r\n";
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.lst")), list);
}

bool PollUntil(const std::function<bool()>& done, int timeoutMs = 30000)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

QDateTime NextChangeAt(const ProgramRun& velmora)
{
    return QDateTime::fromString(velmora.setting(QStringLiteral("NextChangeAt")), Qt::ISODate);
}

QString Stamp(const QDateTime& moment)
{
    return moment.toOffsetFromUtc(moment.offsetFromUtc()).toString(Qt::ISODate);
}

struct StoredRound {
    QList<QByteArray> order;
    int position = -1;
};

// "key=" lines of a file by key; empty when it cannot be read.
QHash<QByteArray, QByteArray> KeyLines(const QString& path)
{
    QHash<QByteArray, QByteArray> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (const qsizetype equals = line.indexOf('='); equals > 0 && !values.contains(line.left(equals)))
            values.insert(line.left(equals), line.mid(equals + 1));
    return values;
}

// The round as the program keeps it: the order in "shuffle.dat", the position in "shuffle.pos"
// when that file belongs to the same round.
StoredRound ReadRound(const ProgramRun& velmora)
{
    StoredRound round;
    const QHash<QByteArray, QByteArray> body =
        KeyLines(velmora.program().file(QStringLiteral("shuffle.dat")));
    if (body.isEmpty())
        return round; // none before the first change
    round.order = body.value("order").split(' ');
    round.position = body.value("position").toInt();
    const QHash<QByteArray, QByteArray> step =
        KeyLines(velmora.program().file(QStringLiteral("shuffle.pos")));
    if (step.value("round") == body.value("round"))
        round.position = step.value("position").toInt();
    return round;
}

} // namespace

TEST(ScheduleEndToEnd, AMissedChangeComesOnceAtStartAndItsNextMomentSurvivesAKill)
{
    ProgramRun velmora;
    WriteList(velmora, 2);
    const QDateTime started = QDateTime::currentDateTime();
    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 0\r\nTimerOnMode= 1\r\nChangeTimer= 3600\r\n"
                          "ChangeSchedule= 1\r\nNextChangeAt=" +
                          Stamp(started.addDays(-1)).toUtf8() + "\r\n");
    const QString wallpaper = velmora.program().file(QStringLiteral("$$WALL$$.BMP"));

    velmora.start({QStringLiteral("-ng")});
    EXPECT_TRUE(PollUntil([&] { return QFileInfo::exists(wallpaper); }))
        << "a day overdue: a change at start";
    EXPECT_TRUE(PollUntil([&] { return NextChangeAt(velmora) > started; }))
        << "the next moment is written while the program runs";
    velmora.signal(SIGKILL);
    ASSERT_TRUE(velmora.waitForEnd());
    const QDateTime next = NextChangeAt(velmora);
    EXPECT_GE(started.secsTo(next), 3600 - 1);
    EXPECT_LE(QDateTime::currentDateTime().secsTo(next), 3600 + 1);

    // Started again half an hour before the moment: it waits.
    QFile::remove(wallpaper);
    const QString waiting = Stamp(QDateTime::currentDateTime().addSecs(1800));
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.INI")),
               velmora.settingsFile().replace("NextChangeAt=" +
                                                  velmora.setting(QStringLiteral("NextChangeAt")).toUtf8(),
                                              "NextChangeAt=" + waiting.toUtf8()));
    velmora.start({QStringLiteral("-ng")});
    QThread::sleep(3); // a few of the timer's checks
    EXPECT_EQ(velmora.stop(), 0);
    EXPECT_FALSE(QFileInfo::exists(wallpaper)) << "no change before the moment";
    EXPECT_EQ(velmora.setting(QStringLiteral("NextChangeAt")), waiting);
    EXPECT_EQ(velmora.setting(QStringLiteral("ChangeSchedule")), QStringLiteral(" 1"));
}

TEST(ScheduleEndToEnd, AShuffledRoundGoesOnAfterAKill)
{
    ProgramRun velmora;
    WriteList(velmora, 6);
    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 0\r\nTimerOnMode= 1\r\nChangeTimer= 1\r\n"
                          "ChangeMode= 0\r\nRandomMode= 1\r\nPreviewPauseMode= 0\r\n");
    velmora.start({QStringLiteral("-ng")});
    ASSERT_TRUE(PollUntil([&] { return ReadRound(velmora).position >= 2; }))
        << "the timer's changes step the round";
    velmora.signal(SIGKILL);
    ASSERT_TRUE(velmora.waitForEnd());
    const StoredRound killed = ReadRound(velmora);
    ASSERT_EQ(killed.order.size(), 6);

    velmora.start({QStringLiteral("-ng")});
    StoredRound now;
    EXPECT_TRUE(PollUntil([&] {
        now = ReadRound(velmora);
        return now.position != killed.position;
    }));
    EXPECT_EQ(velmora.stop(), 0);
    if (killed.position < 6) {
        EXPECT_EQ(now.order, killed.order) << "the same round";
        EXPECT_EQ(now.position, killed.position + 1);
    } else {
        EXPECT_EQ(now.position, 1);
        EXPECT_NE(now.order.first(), killed.order.last()) << "a new round never starts with the last one";
    }
}
