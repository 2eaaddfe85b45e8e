#include "core/ShuffleRounds.h"
#include "core/RandomSource.h"
#include "tests/support/TestSupport.h"

#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <set>

using namespace velmora;
using velmora::test::ReadBytes;
using velmora::test::TempFolder;
using velmora::test::WriteBytes;

namespace {

struct Source {
    QStringList paths;
    bool folder = false;
    QString name = QStringLiteral("Velmora.lst");

    ShuffleSource view() const
    {
        return {folder, name, int(paths.size()), [this](int i) { return paths[i]; }};
    }
    static Source numbered(int count, const QString& prefix = QStringLiteral("/p/"))
    {
        Source source;
        for (int i = 0; i < count; ++i)
            source.paths << prefix + QString::number(i) + QStringLiteral(".jpg");
        return source;
    }
};

ShuffledRound::Draw seeded(quint32 seed)
{
    auto random = std::make_shared<SeededRandom>(seed);
    return [random] { return random->draw(); };
}

QString nextPath(ShuffleRounds& rounds, const Source& source)
{
    const int index = rounds.Next(source.view());
    return index < 0 ? QString() : source.paths[index];
}

TEST(ShuffleRounds, TenRoundsOfSevenShowEachOncePerRoundAndNeverTwiceInARow)
{
    for (quint32 seed = 1; seed <= 20; ++seed) {
        const Source source = Source::numbered(7);
        ShuffleRounds rounds(seeded(seed));
        QString previous;
        for (int round = 0; round < 10; ++round) {
            std::set<QString> seen;
            for (int step = 0; step < 7; ++step) {
                const QString path = nextPath(rounds, source);
                EXPECT_TRUE(seen.insert(path).second) << "seed " << seed << " round " << round;
                EXPECT_NE(path, previous) << "seed " << seed << " round " << round << " step " << step;
                previous = path;
            }
            EXPECT_EQ(seen.size(), 7u);
        }
    }
}

TEST(ShuffleRounds, RestartInTheMiddleContinuesTheSameRound)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("shuffle.dat"));
    const Source source = Source::numbered(7);
    for (quint32 seed = 1; seed <= 10; ++seed) {
        QFile::remove(file);
        QString previous;
        std::set<QString> seen;
        {
            ShuffleRounds first(seeded(seed));
            first.setFile(file);
            for (int step = 0; step < 3; ++step)
                seen.insert(previous = nextPath(first, source));
        }
        ShuffleRounds restarted(seeded(seed + 100));
        restarted.setFile(file);
        for (int step = 0; step < 4; ++step) {
            const QString path = nextPath(restarted, source);
            EXPECT_TRUE(seen.insert(path).second) << "seed " << seed << ": " << path.toStdString();
        }
        EXPECT_EQ(seen.size(), 7u);
        previous = nextPath(restarted, source); // the next round's first
        EXPECT_FALSE(previous.isEmpty());
    }
}

TEST(ShuffleRounds, EveryRunOfTheOneShotIsOneStep)
{
    // "-s" makes a new process each time: each one reads the round, steps once and writes it.
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("shuffle.dat"));
    const Source source = Source::numbered(5);
    std::set<QString> seen;
    for (int run = 0; run < 5; ++run) {
        ShuffleRounds rounds(seeded(quint32(run)));
        rounds.setFile(file);
        seen.insert(nextPath(rounds, source));
    }
    EXPECT_EQ(seen.size(), 5u);
}

TEST(ShuffleRounds, AddingAndRemovingMidRoundKeepsWhatWasShownAndFitsTheNewInTheRest)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("shuffle.dat"));
    for (quint32 seed = 1; seed <= 20; ++seed) {
        QFile::remove(file);
        Source source = Source::numbered(7);
        ShuffleRounds rounds(seeded(seed));
        rounds.setFile(file);
        std::set<QString> shown;
        for (int step = 0; step < 3; ++step)
            shown.insert(nextPath(rounds, source));
        // One shown and one waiting picture go; two arrive, one of them at the front of the list.
        const QString goneShown = *shown.begin();
        QString goneWaiting;
        for (const QString& path : source.paths)
            if (!shown.count(path))
                goneWaiting = path;
        source.paths.removeOne(goneShown);
        source.paths.removeOne(goneWaiting);
        source.paths.prepend(QStringLiteral("/p/new-a.jpg"));
        source.paths.append(QStringLiteral("/p/new-b.jpg"));

        shown.erase(goneShown);
        // Two shown pictures remain, so five of the seven are left for this round.
        std::set<QString> rest;
        for (int step = 0; step < 5; ++step) {
            const QString path = nextPath(rounds, source);
            EXPECT_FALSE(shown.count(path)) << "seed " << seed << ": shown again " << path.toStdString();
            EXPECT_TRUE(rest.insert(path).second) << "seed " << seed;
        }
        EXPECT_TRUE(rest.count(QStringLiteral("/p/new-a.jpg")) && rest.count(QStringLiteral("/p/new-b.jpg")))
            << "seed " << seed;
        EXPECT_FALSE(rest.count(goneWaiting));
        std::set<QString> next;
        for (int step = 0; step < 7; ++step)
            next.insert(nextPath(rounds, source));
        EXPECT_EQ(next.size(), 7u) << "the next round has every picture of the source as it is now";
    }
}

TEST(ShuffleRounds, AnotherFolderStartsItsOwnRound)
{
    TempFolder folder;
    ShuffleRounds rounds(seeded(3));
    rounds.setFile(folder.file(QStringLiteral("shuffle.dat")));
    Source first = Source::numbered(4, QStringLiteral("/a/"));
    first.folder = true;
    first.name = QStringLiteral("/a/");
    nextPath(rounds, first);
    Source second = Source::numbered(4, QStringLiteral("/b/"));
    second.folder = true;
    second.name = QStringLiteral("/b/");
    std::set<QString> seen;
    for (int step = 0; step < 4; ++step)
        seen.insert(nextPath(rounds, second));
    EXPECT_EQ(seen.size(), 4u) << "same file names in another folder are other pictures";
}

TEST(ShuffleRounds, UnreadableStoredRoundsStartAFreshOne)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("shuffle.dat"));
    const Source source = Source::numbered(3);
    const QByteArray names = "/p/0.jpg\n/p/1.jpg\n/p/2.jpg\n";
    const QByteArray start = "VelmoraShuffle 1\nfolder=0\nname=Velmora.lst\n";
    for (const QByteArray& bytes :
         {QByteArray("garbage"), start + "position=1\nlast=0\norder=0 0 1\n" + names,
          start + "position=9\nlast=0\norder=0 1 2\n" + names,
          start + "position=1\nlast=0\norder=0 1 7\n" + names,
          start + "position=1\nlast=0\norder=0 1\n" + names,
          start + "position=x\nlast=0\norder=0 1 2\n" + names}) {
        WriteBytes(file, bytes);
        ShuffleRounds rounds(seeded(1));
        rounds.setFile(file);
        std::set<QString> seen;
        for (int step = 0; step < 3; ++step)
            seen.insert(nextPath(rounds, source));
        EXPECT_EQ(seen.size(), 3u) << bytes.toStdString();
    }
}

TEST(ShuffleRounds, PathsWithLineBreaksAndBackslashesReadBackAsTheyWere)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("shuffle.dat"));
    Source source;
    source.paths = {QStringLiteral("/p/a\nb.jpg"), QStringLiteral("/p/c\\nd.jpg"),
                    QStringLiteral("/p/壁紙\r.png")};
    ShuffledRound round;
    round.Begin(3, seeded(5));
    round.Next(seeded(5));
    ASSERT_TRUE(WriteShuffleFile(file, source.view(), round));
    ShuffledRound read;
    ASSERT_TRUE(ReadShuffleFile(file, source.view(), read, seeded(6)));
    EXPECT_EQ(read.order(), round.order()) << "the same paths: the round as stored, not fitted";
    EXPECT_EQ(read.position(), 1);
    EXPECT_EQ(read.last(), round.last());
}

TEST(ShuffleRounds, AStepWritesOnlyThePositionUntilARoundEndsAndAPositionOfAnotherRoundIsIgnored)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("shuffle.dat"));
    const QString positionFile = folder.file(QStringLiteral("shuffle.pos"));
    const Source source = Source::numbered(5);
    ShuffleRounds rounds(seeded(4));
    rounds.setFile(file);
    std::set<QString> round;
    round.insert(nextPath(rounds, source));
    const QByteArray firstRound = ReadBytes(file);
    QByteArray position = ReadBytes(positionFile);
    for (int step = 1; step < 5; ++step) {
        round.insert(nextPath(rounds, source));
        EXPECT_EQ(ReadBytes(file), firstRound) << "the round file stays as it was within a round";
        EXPECT_NE(ReadBytes(positionFile), position);
        position = ReadBytes(positionFile);
    }
    EXPECT_EQ(round.size(), 5u);
    nextPath(rounds, source);
    EXPECT_NE(ReadBytes(file), firstRound) << "a new round has a new order";

    // Two steps into that round, a restart continues after them; a position file of another round
    // (left by a kill between the two writes) is not taken for this one.
    nextPath(rounds, source);
    const QByteArray twoIn = ReadBytes(positionFile);
    ShuffledRound read;
    ASSERT_TRUE(ReadShuffleFile(file, source.view(), read, seeded(5)));
    EXPECT_EQ(read.position(), 2);
    WriteBytes(positionFile, QByteArray(twoIn).replace("round=", "round=9"));
    ASSERT_TRUE(ReadShuffleFile(file, source.view(), read, seeded(5)));
    EXPECT_EQ(read.position(), 1) << "the round file's own position";
}

TEST(ShuffleRounds, HundredThousandEntries)
{
    constexpr int count = 100000;
    // In memory: one whole round shows every entry once.
    ShuffledRound round;
    const ShuffledRound::Draw draw = seeded(9);
    std::vector<bool> seen(count);
    round.Begin(count, draw);
    for (int step = 0; step < count; ++step) {
        const int index = round.Next(draw);
        ASSERT_FALSE(seen[index]);
        seen[index] = true;
    }
    EXPECT_NE(round.Next(draw), round.order()[count - 1]) << "a new round, not the old last";

    // Through the file: a restart continues, and an entry added at the front shifts every index.
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("shuffle.dat"));
    Source source = Source::numbered(count);
    std::set<QString> shown;
    {
        ShuffleRounds rounds(seeded(1));
        rounds.setFile(file);
        for (int step = 0; step < 3; ++step)
            shown.insert(nextPath(rounds, source));
    }
    source.paths.prepend(QStringLiteral("/p/first.jpg"));
    ShuffledRound read;
    ASSERT_TRUE(ReadShuffleFile(file, source.view(), read, seeded(2)));
    EXPECT_EQ(read.size(), count + 1);
    EXPECT_EQ(read.position(), 3);
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(shown.count(source.paths[read.order()[k]]))
            << "shown entries found again after the shift";
}

TEST(ShuffleRounds, AStoredRoundPastSixtyFourMegabytesReadsBack)
{
    // 300,000 long paths: a list file of its own would pass 64 MB, and so does the stored round.
    constexpr int count = 300000;
    const QString stem = QStringLiteral("/home/ann/Pictures/") + QString(220, u'x') + u'/';
    const ShuffleSource source{false, QStringLiteral("big.lst"), count,
                               [&stem](int i) { return stem + QString::number(i) + QStringLiteral(".jpg"); }};
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("shuffle.dat"));
    ShuffledRound round;
    round.Begin(count, seeded(3));
    round.Next(seeded(3));
    ASSERT_TRUE(WriteShuffleFile(file, source, round));
    ASSERT_GT(QFileInfo(file).size(), qint64(64) << 20);
    ShuffledRound read;
    ASSERT_TRUE(ReadShuffleFile(file, source, read, seeded(4)));
    EXPECT_EQ(read.order(), round.order());
    EXPECT_EQ(read.position(), 1);
}

} // namespace
