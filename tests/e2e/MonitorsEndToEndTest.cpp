#include "tests/e2e/ProgramRun.h"
#include "tests/support/TestImages.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace velmora::test;

namespace {

QImage Pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y, qRgb((x * 7 + seed * 50) % 256, (y * 5 + seed * 90) % 256, ((x + y) * 3 + seed) % 256));
    return image;
}

QByteArray ListLines(const QStringList& paths)
{
    QByteArray bytes;
    for (const QString& path : paths)
        bytes += path.toUtf8() + "\r\n";
    return bytes;
}

struct Placed {
    QRect monitor;
    QImage picture;
};

// The root (640 x 400) as it should look: black, each monitor's picture centred inside it.
QImage ExpectedRoot(const std::vector<Placed>& placed)
{
    QImage root(640, 400, QImage::Format_RGB32);
    root.fill(Qt::black);
    QPainter painter(&root);
    for (const Placed& part : placed) {
        painter.setClipRect(part.monitor);
        painter.drawImage(part.monitor.x() + (part.monitor.width() - part.picture.width()) / 2,
                          part.monitor.y() + (part.monitor.height() - part.picture.height()) / 2,
                          part.picture);
    }
    return root;
}

int Mismatches(const QImage& got, const QImage& expected)
{
    if (got.size() != expected.size())
        return -1;
    int wrong = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            wrong += got.pixel(x, y) != expected.pixel(x, y);
    return wrong;
}

// A list of the given pictures, the first one to come next.
void UseList(ProgramRun& velmora, const QStringList& pictures, const QByteArray& settings)
{
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "mine.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("mine.lst")), ListLines(pictures));
    velmora.writeSettings("ListMode= 2\r\nListFileName=mine.lst\r\nFileIndex2= " +
                          QByteArray::number(pictures.size() - 1) + "\r\n" + settings);
}

const QRect Left(0, 0, 320, 400);
const QRect Right(320, 0, 320, 400);

} // namespace

TEST(MonitorsEndToEnd, TwoMonitorsEachShowThePictureCentredOnThemselves)
{
    ProgramRun velmora;
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("L"), Left, QStringLiteral("screen")));
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("R"), Right));
    const QImage picture = Pattern(200, 150, 1);
    UseList(velmora, {velmora.picture(QStringLiteral("1.png"), picture)}, "MonitorMode= 0\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(Mismatches(velmora.rootWindow(), ExpectedRoot({{Left, picture}, {Right, picture}})), 0)
        << "nothing across the seam";
    EXPECT_EQ(
        QImage(velmora.program().file(QStringLiteral("$$WALL$$.BMP"))).convertToFormat(QImage::Format_RGB32),
        picture)
        << "the bitmap holds the primary monitor's picture";
}

TEST(MonitorsEndToEnd, APicturePerMonitorTakesTheNextPicturesAndMovesOnOncePerMonitor)
{
    ProgramRun velmora;
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("L"), Left, QStringLiteral("screen")));
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("R"), Right));
    const QImage a = Pattern(200, 150, 1), b = Pattern(120, 300, 2), c = Pattern(300, 100, 3);
    UseList(velmora,
            {velmora.picture(QStringLiteral("a.png"), a), velmora.picture(QStringLiteral("b.png"), b),
             velmora.picture(QStringLiteral("c.png"), c)},
            "MonitorMode= 1\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(Mismatches(velmora.rootWindow(), ExpectedRoot({{Left, a}, {Right, b}})), 0);
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex2")), QStringLiteral(" 1"));

    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(Mismatches(velmora.rootWindow(), ExpectedRoot({{Left, c}, {Right, a}})), 0);
    EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex2")), QStringLiteral(" 0"));
}

TEST(MonitorsEndToEnd, AcrossTwoMonitorsOnePictureSpansTheSeam)
{
    ProgramRun velmora;
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("L"), Left, QStringLiteral("screen")));
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("R"), Right));
    const QImage picture = Pattern(600, 300, 2);
    UseList(velmora, {velmora.picture(QStringLiteral("wide.png"), picture)}, "MonitorMode= 2\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(Mismatches(velmora.rootWindow(), ExpectedRoot({{QRect(0, 0, 640, 400), picture}})), 0);
    EXPECT_EQ(QImage(velmora.program().file(QStringLiteral("$$WALL$$.BMP"))).size(), QSize(640, 400))
        << "the bitmap holds the whole canvas";
}

TEST(MonitorsEndToEnd, ThreeMonitorsOfTheirOwnSizesAndAMonitorRemovedBetweenTwoChanges)
{
    ProgramRun velmora;
    // The middle one lower than the others, the right one shorter.
    const QRect a(0, 0, 200, 300), b(200, 100, 240, 300), c(440, 0, 200, 250);
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("A"), a, QStringLiteral("screen")));
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("B"), b));
    ASSERT_TRUE(velmora.setMonitor(QStringLiteral("C"), c));
    const QImage first = Pattern(220, 120, 3);
    const QImage second = Pattern(90, 280, 4);
    UseList(
        velmora,
        {velmora.picture(QStringLiteral("1.png"), first), velmora.picture(QStringLiteral("2.png"), second)},
        "MonitorMode= 0\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(Mismatches(velmora.rootWindow(), ExpectedRoot({{a, first}, {b, first}, {c, first}})), 0)
        << "wider than A and C: cut at their edges";

    ASSERT_TRUE(velmora.deleteMonitor(QStringLiteral("B")));
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    EXPECT_EQ(Mismatches(velmora.rootWindow(), ExpectedRoot({{a, second}, {c, second}})), 0)
        << "where B was is black";
}

TEST(MonitorsEndToEnd, OneMonitorGivesTheSameBitmapInEveryMode)
{
    ProgramRun velmora;
    const QImage photo = PhotoLikeImage(900, 700, 5);
    const QString path = velmora.picture(QStringLiteral("photo.jpg"), photo);
    QByteArray bitmaps[3];
    for (int mode = 0; mode < 3; ++mode) {
        UseList(velmora, {path},
                "SizeChangeMode= 1\r\nCalendarOnMode= 1\r\nMonitorMode= " + QByteArray::number(mode) +
                    "\r\n");
        ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
        bitmaps[mode] = ReadBytes(velmora.program().file(QStringLiteral("$$WALL$$.BMP")));
    }
    ASSERT_FALSE(bitmaps[0].isEmpty());
    EXPECT_TRUE(bitmaps[1] == bitmaps[0]);
    EXPECT_TRUE(bitmaps[2] == bitmaps[0]);
}
