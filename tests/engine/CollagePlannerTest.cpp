#include "engine/collage/CollagePlanner.h"
#include "engine/collage/CollageRules.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Loaded = CollagePlanner::Loaded;
using test::ScriptedRandom;

const QSize Canvas(1000, 600);

std::shared_ptr<const CollagePicture> picture(int width, int height)
{
    return CollagePicture::FromImage(QImage(width, height, QImage::Format_RGB32));
}

CollageSource listOf(int entries, int fileIndex2 = 0, int selected = 0)
{
    CollageSource source;
    for (int i = 0; i < entries; ++i)
        source.paths << QStringLiteral("/p/%1.jpg").arg(i);
    source.fileIndex2 = fileIndex2;
    source.listSelected = selected;
    return source;
}

CollageSource folderOf(int items, int fileIndex1)
{
    CollageSource source = listOf(items);
    source.folder = true;
    source.fileIndex1 = fileIndex1;
    return source;
}

CollageOptions inOrder(int count = 70)
{
    CollageOptions options;
    options.count = count;
    options.randomOrder = false;
    return options;
}

TEST(CollagePlanner, TheBackgroundColourComesFromTheFirstThreeDraws)
{
    ScriptedRandom random{0.5, 0.25, 0.9999};
    CollagePlanner planner(CollageOptions{}, Canvas, CollageSequence(listOf(3), true), RandomTape(random), {});
    EXPECT_EQ(planner.backgroundColour(), QColor(128, 64, 255));
    EXPECT_EQ(random.used(), 3);
    EXPECT_EQ(planner.progressMaximum(), 70);
}

TEST(CollagePlanner, InOrderEveryAttemptMovesThePositionOnAndWrapsAround)
{
    ScriptedRandom random{};
    CollageSequence folder(folderOf(3, 2), false);
    RandomTape tape(random);
    EXPECT_EQ(folder.next(tape), QStringLiteral("/p/2.jpg"));
    EXPECT_EQ(folder.next(tape), QStringLiteral("/p/0.jpg"));
    EXPECT_EQ(folder.fileIndex1(), 1);
    CollageSequence list(listOf(3, 1), false);
    EXPECT_EQ(list.next(tape), QStringLiteral("/p/2.jpg"));
    EXPECT_EQ(list.next(tape), QStringLiteral("/p/0.jpg"));
    EXPECT_EQ(list.fileIndex2(), 0);
    EXPECT_EQ(random.used(), 0) << "no draws in order";
    // A remembered position beyond the source (a shorter list than last time) starts again.
    CollageSequence beyond(folderOf(3, 9), false);
    EXPECT_EQ(beyond.next(tape), QStringLiteral("/p/0.jpg"));
}

TEST(CollagePlanner, AListWithoutSelectionSelectsItsFirstEntryFirst)
{
    ScriptedRandom random{};
    RandomTape tape(random);
    CollageSequence list(listOf(4, 2, -1), false);
    EXPECT_EQ(list.next(tape), QStringLiteral("/p/1.jpg")) << "entry 0 selected, then the one after it";
    EXPECT_EQ(list.listSelected(), 0);
    CollageSequence empty(listOf(0, 2, -1), false);
    EXPECT_EQ(empty.next(tape), QString());
    EXPECT_EQ(empty.fileIndex2(), 2);
}

TEST(CollagePlanner, AtRandomTheDrawPicksTheItem)
{
    ScriptedRandom random{0.5, 0.99, 0.0};
    RandomTape tape(random);
    CollageSequence folder(folderOf(4, 1), true);
    EXPECT_EQ(folder.next(tape), QStringLiteral("/p/2.jpg")); // item Int(0.5 x 4) + 1 = 3
    EXPECT_EQ(folder.next(tape), QStringLiteral("/p/3.jpg"));
    EXPECT_EQ(folder.next(tape), QStringLiteral("/p/0.jpg"));
    EXPECT_EQ(folder.fileIndex1(), 1) << "random picks leave the position alone";
}

TEST(CollagePlanner, ElevenFailedAttemptsPlaceThePieceInHandUnscaled)
{
    ScriptedRandom random{};
    CollagePlanner planner(inOrder(), Canvas, CollageSequence(listOf(20), false), RandomTape(random), {});
    // Piece 1 loads; piece 2 fails eleven times.
    planner.nextFile();
    const auto first = planner.loaded(Loaded::Picture, picture(400, 300));
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->background);
    EXPECT_TRUE(first->freshPicture);
    for (int attempt = 1; attempt < CollagePlanner::Attempts; ++attempt) {
        planner.nextFile();
        EXPECT_FALSE(planner.loaded(Loaded::Failed)) << "attempt " << attempt;
    }
    planner.nextFile();
    const auto second = planner.loaded(Loaded::Failed);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->number, 2);
    EXPECT_EQ(second->piece.size, QSize(400, 300)) << "not scaled again";
    EXPECT_FALSE(second->freshPicture);
    EXPECT_EQ(planner.sequence().fileIndex2(), 12) << "one position a attempt: 1 + 11";
    // The count starts again for the next piece.
    planner.nextFile();
    EXPECT_FALSE(planner.loaded(Loaded::Failed));
}

TEST(CollagePlanner, AKeptPieceIsScaledAgainFromItsCurrentSize)
{
    ScriptedRandom random{0, 0, 0, /*piece 1*/ 0, 0, /*piece 2 scale*/ 0};
    CollageOptions options = inOrder();
    options.basis = 0;
    CollagePlanner planner(options, Canvas, CollageSequence(listOf(5), false), RandomTape(random), {});
    planner.nextFile();
    planner.loaded(Loaded::Picture, picture(1000, 500));
    planner.nextFile();
    const auto second = planner.loaded(Loaded::Kept);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->piece.size, QSize(1200, 600)); // s = 1.2 at the lowest draw
    planner.nextFile();
    const auto third = planner.loaded(Loaded::Kept); // piece 3: M = 17.3, m = 9, s = 1.0 at draw 0
    ASSERT_TRUE(third);
    EXPECT_EQ(third->piece.size, QSize(1200, 600));
}

TEST(CollagePlanner, PiecesGoToTheirQuadrantsInTurn)
{
    // Draws of 0 put each piece's centre at the near end of its quadrant's range.
    ScriptedRandom random{0.1, 0.1, 0.1};
    CollagePlanner planner(CollageOptions{}, Canvas, CollageSequence(listOf(10), false), RandomTape(random), {});
    for (int i = 1; i <= 5; ++i) {
        planner.nextFile();
        const auto placed = planner.loaded(Loaded::Picture, picture(200, 100));
        ASSERT_TRUE(placed);
        const QSize size = placed->piece.size;
        const int quadrant = i % 5;
        const CentreRange vertical = PieceCentreRange(quadrant, true, size.height(), Canvas.height());
        const CentreRange across = PieceCentreRange(quadrant, false, size.width(), Canvas.width());
        EXPECT_EQ(placed->y, PieceEdge(vertical, size.height(), 0)) << "piece " << i;
        EXPECT_EQ(placed->x, PieceEdge(across, size.width(), 0)) << "piece " << i;
        EXPECT_EQ(placed->progress, i);
    }
}

TEST(CollagePlanner, TiledRowsRunFromZeroToNTheLastAStripAtTheBottom)
{
    ScriptedRandom random{};
    CollageOptions options;
    options.tiled = true;
    options.tileLines = 4;
    const QSize canvas(1000, 1003); // R = 250, leaving a strip of 3 rows
    CollagePlanner planner(options, canvas, CollageSequence(listOf(7), false), RandomTape(random), {});
    EXPECT_EQ(planner.rowHeight(), 250);
    EXPECT_EQ(planner.progressMaximum(), 4);
    std::vector<CollagePlacement> placements;
    while (!planner.finished()) {
        planner.nextFile();
        if (auto placed = planner.loaded(Loaded::Picture, picture(100, 100)))
            placements.push_back(*placed);
        ASSERT_LT(placements.size(), 100u);
    }
    // Five 250-wide pieces a row: the fifth starts at x = 1000, the canvas's width, which does not
    // end the row; rows 0 to 4.
    ASSERT_EQ(placements.size(), 25u);
    EXPECT_EQ(placements[4].x, 1000);
    EXPECT_EQ(placements.back().y, 1000) << "the last row starts at n x R";
    EXPECT_EQ(placements.back().piece.size, QSize(250, 250));
    std::vector<int> progress;
    for (const CollagePlacement& placed : placements)
        if (placed.progress >= 0)
            progress.push_back(placed.progress);
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4}));
}

TEST(CollagePlanner, TiledWithoutAnyPieceEndsEveryRowAtOnce)
{
    ScriptedRandom random{};
    CollageOptions options;
    options.tiled = true;
    options.tileLines = 3;
    CollagePlanner planner(options, Canvas, CollageSequence(listOf(0), false), RandomTape(random), {});
    int attempts = 0;
    while (!planner.finished() && attempts < 100) {
        ++attempts;
        EXPECT_EQ(planner.nextFile(), QString());
        planner.loaded(Loaded::Kept);
    }
    EXPECT_EQ(attempts, 4) << "rows 0 to 3, one empty attempt each";
}

TEST(CollagePlanner, ACopyTakenBeforeALoadReplaysTheSameDecisions)
{
    SeededRandom random(77);
    CollagePlanner planner(CollageOptions{}, Canvas, CollageSequence(listOf(30), true), RandomTape(random), {});
    for (int i = 0; i < 5; ++i) {
        planner.nextFile();
        planner.loaded(Loaded::Picture, picture(300 + i, 200));
    }
    const QString path = planner.nextFile();
    const CollagePlanner atLoad = planner;
    std::vector<CollagePlacement> first;
    auto run = [&](CollagePlanner plan, QString file) {
        std::vector<CollagePlacement> placements;
        for (int i = 0; i < 10; ++i) {
            if (i > 0)
                file = plan.nextFile();
            placements.push_back(*plan.loaded(Loaded::Picture, picture(500, 250 + file.size())));
        }
        return placements;
    };
    first = run(planner, path);
    const std::vector<CollagePlacement> again = run(atLoad, path);
    ASSERT_EQ(first.size(), again.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].x, again[i].x);
        EXPECT_EQ(first[i].y, again[i].y);
        EXPECT_EQ(first[i].piece.size, again[i].piece.size);
    }
}

TEST(CollagePlanner, ACountOfOneIsTheBackgroundAlone)
{
    ScriptedRandom random{};
    CollagePlanner planner(inOrder(1), Canvas, CollageSequence(listOf(3), false), RandomTape(random), {});
    planner.nextFile();
    const auto placed = planner.loaded(Loaded::Picture, picture(50, 40));
    ASSERT_TRUE(placed);
    EXPECT_TRUE(placed->background);
    EXPECT_TRUE(planner.finished());
}

} // namespace
} // namespace velmora
