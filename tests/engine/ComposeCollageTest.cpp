#include "core/FileKinds.h"
#include "core/Prompt.h"
#include "engine/collage/CollagePlanner.h"
#include "engine/collage/ComposeCollage.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>

namespace velmora {
namespace {

using test::FlatImage;
using test::PhotoLikeImage;
using test::TempFolder;
using test::WriteBytes;

const QSize Screen(320, 180);

QByteArray jpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

bool near(QRgb a, QRgb b, int tolerance = 8)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class ComposeCollageTest : public testing::Test {
protected:
    void SetUp() override { BuildFileKindTable(); }

    // Flat pictures of distinct colours, as JPEG files (and one PNG) in a list.
    QStringList flatPictures(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            const QRgb colour = qRgb((i * 97) % 256, (i * 53 + 80) % 256, (i * 181 + 40) % 256);
            const bool png = i == 3;
            const QString path = m_folder.file(QStringLiteral("flat%1.%2").arg(i).arg(png ? u"png" : u"jpg"));
            const QImage image = FlatImage(80 + 10 * (i % 3), 60, colour);
            if (png)
                image.save(path, "PNG");
            else
                WriteBytes(path, jpeg(image));
            m_colours[path] = colour;
            paths << path;
        }
        return paths;
    }

    CollageRequest request(const QStringList& paths, quint32 seed)
    {
        CollageRequest request;
        request.source.paths = paths;
        request.source.listSelected = 0;
        request.options.count = 12;
        request.screen = Screen;
        m_random = std::make_unique<SeededRandom>(seed);
        request.random = m_random.get();
        return request;
    }

    TempFolder m_folder;
    std::map<QString, QRgb> m_colours;
    std::unique_ptr<SeededRandom> m_random;
};

QRect onCanvas(const PlacedPiece& placed)
{
    return QRect(int(placed.x), int(placed.y), placed.size.width(), placed.size.height()) &
           QRect(QPoint(0, 0), Screen);
}

// Checks every placed piece's colour wherever no later piece covers it; returns the pixels checked.
int ExpectPiecesWhereThePlanPutThem(const QImage& canvas, const std::vector<PlacedPiece>& placements,
                                    const std::map<QString, QRgb>& colours)
{
    int checked = 0;
    for (size_t i = 0; i < placements.size(); ++i) {
        const PlacedPiece& placed = placements[i];
        const QRgb colour = colours.at(placed.path);
        const QRect area = placed.background ? QRect(QPoint(0, 0), Screen) : onCanvas(placed);
        // Any pixel of it that no later piece covers (a pixel in from the edges).
        for (int y = area.top() + 1; y < area.bottom(); y += 3) {
            for (int x = area.left() + 1; x < area.right(); x += 3) {
                bool covered = false;
                for (size_t later = i + 1; later < placements.size() && !covered; ++later)
                    covered = onCanvas(placements[later]).adjusted(-1, -1, 1, 1).contains(x, y);
                if (covered)
                    continue;
                EXPECT_TRUE(near(canvas.pixel(x, y), colour)) << "piece " << placed.number << " at " << x << "," << y;
                if (!near(canvas.pixel(x, y), colour))
                    return checked;
                ++checked;
            }
        }
    }
    return checked;
}

TEST_F(ComposeCollageTest, EveryPlacedPieceShowsItsColourWhereThePlanPutIt)
{
    for (const bool randomOrder : {true, false}) {
        ScriptedPrompter prompter;
        PrompterScope scope(prompter);
        CollageRequest collage = request(flatPictures(7), randomOrder ? 11 : 12);
        collage.options.randomOrder = randomOrder;
        EngineState state;
        const CollageResult result = ComposeCollage(state, collage);
        EXPECT_EQ(prompter.count(), 0);
        const QImage canvas = state.leadWallPaper.image();
        ASSERT_EQ(canvas.size(), Screen);
        ASSERT_EQ(result.placements.size(), 12u);
        EXPECT_GT(ExpectPiecesWhereThePlanPutThem(canvas, result.placements, m_colours), 100);
    }
}

TEST_F(ComposeCollageTest, PiecesShrinkFromTheFirstToTheLast)
{
    CollageRequest collage = request(flatPictures(4), 5);
    collage.options.count = 70;
    collage.screen = QSize(3840, 2160);
    EngineState state;
    const CollageResult result = ComposeCollage(state, collage);
    ASSERT_EQ(result.placements.size(), 70u);
    const int second = result.placements[1].size.width();
    const int last = result.placements[69].size.width();
    EXPECT_GE(second, int(3840 * 1.2 * 0.5) - 1);
    EXPECT_LE(second, int(3840 * 2.3 * 0.5) + 1);
    EXPECT_GE(last, int(3840 * 0.3 * 0.5) - 1);
    EXPECT_LE(last, int(3840 * 0.5 * 0.5) + 1);
}

TEST_F(ComposeCollageTest, WithoutPicturesTheCanvasKeepsItsColourAndNothingIsAsked)
{
    QStringList notes;
    for (int i = 0; i < 3; ++i) {
        notes << m_folder.file(QStringLiteral("note%1.txt").arg(i));
        WriteBytes(notes.back(), "text");
    }
    for (const QStringList& paths : {notes, QStringList()}) {
        ScriptedPrompter prompter;
        PrompterScope scope(prompter);
        CollageRequest collage = request(paths, 3);
        collage.options.randomOrder = false;
        collage.source.fileIndex2 = 1;
        for (const bool tiled : {false, true}) {
            collage.options.tiled = tiled;
            EngineState state;
            const CollageResult result = ComposeCollage(state, collage);
            EXPECT_EQ(prompter.count(), 0);
            const QImage canvas = state.leadWallPaper.image();
            ASSERT_EQ(canvas.size(), Screen);
            EXPECT_EQ(canvas.pixel(0, 0), canvas.pixel(319, 179));
            EXPECT_EQ(canvas.pixel(0, 0), canvas.pixel(160, 90));
            EXPECT_TRUE(result.inHand.empty());
            if (paths.isEmpty()) {
                EXPECT_EQ(result.fileIndex2, 1) << "an empty source moves nothing";
            }
        }
    }
}

TEST_F(ComposeCollageTest, ThePieceLeftByTheLastCollageServesWhenNoFileReads)
{
    CollageRequest first = request(flatPictures(1), 4);
    first.options.count = 3;
    EngineState state;
    const CollageResult previous = ComposeCollage(state, first);
    ASSERT_FALSE(previous.inHand.empty());
    CollageRequest second = request({m_folder.file(QStringLiteral("readme.txt"))}, 5);
    second.inHand = previous.inHand;
    const CollageResult result = ComposeCollage(state, second);
    ASSERT_EQ(result.placements.size(), 12u);
    EXPECT_EQ(result.placements[5].path, previous.inHand.picture->path()) << "scaled again and placed";
    EXPECT_TRUE(near(state.leadWallPaper.image().pixel(0, 0), m_colours.begin()->second));
}

// The plan a one-piece-at-a-time composition makes when the given files fail and every failure is
// answered the same way.
std::vector<CollagePlacement> oneByOne(const CollageRequest& request, const QStringList& failing,
                                       CollagePlanner::Loaded answer, SeededRandom& random)
{
    CollagePlanner planner(request.options, request.screen,
                           CollageSequence(request.source, request.options.randomOrder), RandomTape(random), {});
    std::vector<CollagePlacement> placements;
    while (!planner.finished()) {
        const QString path = planner.nextFile();
        std::optional<CollagePlacement> placed;
        if (failing.contains(path))
            placed = planner.loaded(answer);
        else
            placed = planner.loaded(CollagePlanner::Loaded::Picture, CollagePicture::Read(path));
        if (placed)
            placements.push_back(*placed);
    }
    return placements;
}

TEST_F(ComposeCollageTest, AFileThatDoesNotReadIsAskedAboutInItsTurnAndThePlanGoesOnAsIfOneByOne)
{
    QStringList paths = flatPictures(6);
    // Its header reads, its data is cut short: it fails only when decoded, well after later pieces
    // were planned and decoded ahead.
    const QByteArray whole = jpeg(PhotoLikeImage(200, 150, 2));
    const QString cut = m_folder.file(QStringLiteral("cut.jpg"));
    WriteBytes(cut, whole.left(whole.size() / 2));
    // Not even its header reads.
    const QString broken = m_folder.file(QStringLiteral("broken.jpg"));
    WriteBytes(broken, QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10));
    paths.insert(2, cut);
    paths.insert(5, broken);

    struct Case {
        Answer answer;
        CollagePlanner::Loaded loaded;
        bool randomOrder;
    };
    for (const Case& c : {Case{Answer::Abort, CollagePlanner::Loaded::Failed, false},
                          Case{Answer::Ignore, CollagePlanner::Loaded::Kept, false},
                          Case{Answer::Abort, CollagePlanner::Loaded::Failed, true},
                          Case{Answer::Ignore, CollagePlanner::Loaded::Kept, true}}) {
        ScriptedPrompter prompter;
        for (int i = 0; i < 40; ++i)
            prompter.push(c.answer);
        PrompterScope scope(prompter);
        CollageRequest collage = request(paths, 21);
        collage.options.count = 20;
        collage.options.randomOrder = c.randomOrder;
        EngineState state;
        const CollageResult result = ComposeCollage(state, collage);

        SeededRandom same(21);
        const std::vector<CollagePlacement> expected = oneByOne(collage, {cut, broken}, c.loaded, same);
        ASSERT_EQ(result.placements.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(result.placements[i].x, expected[i].x) << i;
            EXPECT_EQ(result.placements[i].y, expected[i].y) << i;
            EXPECT_EQ(result.placements[i].size, expected[i].piece.size) << i;
            EXPECT_EQ(result.placements[i].path, expected[i].piece.picture->path()) << i;
        }
        // Pieces drawn before the failure was found were drawn again where the new plan shows them.
        EXPECT_GT(ExpectPiecesWhereThePlanPutThem(state.leadWallPaper.image(), result.placements, m_colours), 50);
        ASSERT_GT(prompter.count(), 0);
        // In piece order: going round the list, the cut file comes first, then the broken one.
        if (!c.randomOrder) {
            for (qsizetype k = 0; k < prompter.count(); ++k)
                EXPECT_TRUE(prompter.texts()[k].contains(k % 2 ? QStringLiteral("broken.jpg") : QStringLiteral("cut.jpg")))
                    << k;
        }
        for (const PromptRequest& asked : prompter.requests())
            EXPECT_EQ(asked.kind, PromptKind::AbortRetryIgnore);
    }
}

TEST_F(ComposeCollageTest, RetryReadsTheFileAgain)
{
    const QStringList paths = flatPictures(3);
    const QString late = m_folder.file(QStringLiteral("late.jpg"));
    WriteBytes(late, "not yet");
    QStringList withLate = paths;
    withLate.insert(1, late);
    // The first answer repairs the file before Retry reads it again.
    class Repairing final : public Prompter {
    public:
        QString path;
        QByteArray bytes;
        int asked = 0;
        Answer ask(const PromptRequest&) override
        {
            ++asked;
            WriteBytes(path, bytes);
            return Answer::Retry;
        }
        std::optional<QString> askText(const TextRequest&) override { return {}; }
    } prompter;
    prompter.path = late;
    prompter.bytes = jpeg(FlatImage(90, 60, qRgb(1, 2, 3)));
    PrompterScope scope(prompter);
    CollageRequest collage = request(withLate, 8);
    collage.options.randomOrder = false;
    collage.options.count = 3;
    EngineState state;
    const CollageResult result = ComposeCollage(state, collage);
    EXPECT_EQ(prompter.asked, 1);
    ASSERT_EQ(result.placements.size(), 3u);
    EXPECT_EQ(result.placements[0].path, late) << "read again, then placed";
    EXPECT_EQ(result.fileIndex2, 3);
}

TEST_F(ComposeCollageTest, InOrderThePositionEndsPastTheLastFileTried)
{
    const QStringList paths = flatPictures(5);
    CollageRequest collage = request(paths, 1);
    collage.options.randomOrder = false;
    collage.options.count = 7;
    collage.source.fileIndex2 = 3;
    EngineState state;
    const CollageResult result = ComposeCollage(state, collage);
    EXPECT_EQ(result.fileIndex2, (3 + 7) % 5);
    collage.source.folder = true;
    collage.source.fileIndex1 = 2;
    const CollageResult fromFolder = ComposeCollage(state, collage);
    EXPECT_EQ(fromFolder.fileIndex1, 4) << "2 + 7 = 9: 5, then 1 to 4";
    EXPECT_EQ(fromFolder.placements[0].path, paths[2]);
}

TEST_F(ComposeCollageTest, TiledRowsCoverTheCanvasDownToTheLastStrip)
{
    CollageRequest collage = request(flatPictures(5), 6);
    collage.options.tiled = true;
    collage.options.tileLines = 7; // R = 25: rows at 0 .. 150, the last one 5 rows high
    std::vector<int> progress;
    collage.progressRange = [](int minimum, int maximum) {
        EXPECT_EQ(minimum, 0);
        EXPECT_EQ(maximum, 7);
    };
    collage.progressValue = [&](int value) { progress.push_back(value); };
    EngineState state;
    const CollageResult result = ComposeCollage(state, collage);
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(result.placements.back().y, 175);
    const QImage canvas = state.leadWallPaper.image();
    // Every pixel is some piece's colour: no background shows.
    for (int y = 0; y < Screen.height(); y += 4) {
        for (int x = 0; x < Screen.width(); x += 4) {
            bool known = false;
            for (const auto& [path, colour] : m_colours)
                known = known || near(canvas.pixel(x, y), colour, 12);
            ASSERT_TRUE(known) << x << "," << y;
        }
    }
}

TEST_F(ComposeCollageTest, ProgressAndPreviewFollowThePieces)
{
    CollageRequest collage = request(flatPictures(3), 2);
    std::vector<int> progress;
    int shown = 0;
    collage.progressValue = [&](int value) { progress.push_back(value); };
    collage.previewBound = QSize(64, 64);
    collage.showCanvas = [&](const QImage& reduced) {
        EXPECT_EQ(reduced.size(), QSize(64, 36));
        ++shown;
    };
    EngineState state;
    ComposeCollage(state, collage);
    ASSERT_EQ(progress.size(), 12u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(progress[size_t(i)], i + 1);
    EXPECT_GE(shown, 1);
}

TEST_F(ComposeCollageTest, ACancelledCollageLeavesTheWallpaperImageAlone)
{
    CollageRequest collage = request(flatPictures(3), 2);
    int pieces = 0;
    collage.progressValue = [&](int) { ++pieces; };
    collage.canceled = [&] { return pieces >= 4; };
    EngineState state;
    state.leadWallPaper.assignPicture(FlatImage(10, 10, qRgb(9, 9, 9)));
    const CollageResult result = ComposeCollage(state, collage);
    EXPECT_TRUE(result.canceled);
    EXPECT_EQ(state.leadWallPaper.image().size(), QSize(10, 10));
}

} // namespace
} // namespace velmora
