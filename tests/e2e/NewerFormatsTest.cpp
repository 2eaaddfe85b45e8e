// A list of one picture of each newer format, each installed by the one-shot change: upright, with
// its colours, on the root window.
#include "tests/e2e/ProgramRun.h"
#include "tests/support/TestImages.h"
#include "tests/support/ToolArguments.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include <QTransform>

#include <gtest/gtest.h>

using namespace velmora::test;

namespace {

const QRgb Red = qRgb(220, 30, 30);
const QRgb Green = qRgb(30, 200, 30);
const QRgb Blue = qRgb(30, 30, 220);

// 320 x 200, as it must be seen: red top left, green top right, blue below.
QImage Quadrants()
{
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(Blue);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 320; ++x)
            image.setPixel(x, y, x < 160 ? Red : Green);
    return image;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

// A JPEG stored a quarter turn anticlockwise with the Exif orientation (6) that turns it back.
QByteArray SidewaysJpeg(const QImage& upright)
{
    const QByteArray jpeg = Encoded(upright.transformed(QTransform().rotate(270)), "JPEG");
    const QByteArray body = QByteArrayLiteral("Exif\0\0") + ExifTiffBlock("II", 6);
    const int length = int(body.size()) + 2;
    return jpeg.left(2) + QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + body +
           jpeg.mid(2);
}

struct Made {
    const char* name;
    const char* tool;
    QStringList arguments; // IN and OUT stand for the files
    QByteArray input;      // what the encoder reads
    const char* inputSuffix;
};

bool NearColour(QRgb got, QRgb expected)
{
    return std::abs(qRed(got) - qRed(expected)) < 40 && std::abs(qGreen(got) - qGreen(expected)) < 40 &&
           std::abs(qBlue(got) - qBlue(expected)) < 40;
}

} // namespace

TEST(EndToEnd, EachNewerFormatInAListBecomesTheWallpaperUprightWithItsColours)
{
    const QImage upright = Quadrants();
    // The AVIF is stored turned a quarter clockwise and says so by its container's turn.
    const std::vector<Made> made = {
        {"web.webp", "cwebp", {"-quiet", "-q", "90", "IN", "-o", "OUT"}, Encoded(upright, "PNG"), ".png"},
        {"phone.heic", "heif-enc", {"-q", "90", "IN", "-o", "OUT"}, Encoded(upright, "PNG"), ".png"},
        {"turned.avif",
         "avifenc",
         {"-s", "8", "--irot", "1", "IN", "OUT"},
         Encoded(upright.transformed(QTransform().rotate(90)), "PNG"),
         ".png"},
        {"sideways.jxl", "cjxl", {"--quiet", "IN", "OUT"}, SidewaysJpeg(upright), ".jpg"},
    };
    ProgramRun velmora;
    QStringList pictures;
    for (const Made& file : made) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(file.tool)).isEmpty())
            GTEST_SKIP() << file.tool << " is not installed";
        const QString out = velmora.home() + QStringLiteral("Pictures/") + QString::fromLatin1(file.name);
        const QString in = out + QString::fromLatin1(file.inputSuffix);
        WriteBytes(in, file.input);
        ASSERT_EQ(QProcess::execute(QString::fromLatin1(file.tool), WithFiles(file.arguments, in, out)), 0)
            << file.tool;
        pictures << out;
    }
    QByteArray list;
    for (const QString& path : pictures)
        list += path.toUtf8() + "\r\n";
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.lst")), list);
    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 3\r\n");

    for (int i = 0; i < int(pictures.size()); ++i) {
        SCOPED_TRACE(pictures[i].toStdString());
        ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
        EXPECT_EQ(velmora.setting(QStringLiteral("FileIndex2")), QStringLiteral(" %1").arg(i));
        // Centred on the 640 x 400 root: the quadrants' middles.
        const QImage root = velmora.rootWindow();
        ASSERT_EQ(root.size(), QSize(640, 400));
        EXPECT_TRUE(NearColour(root.pixel(160 + 80, 100 + 50), Red)) << "top left";
        EXPECT_TRUE(NearColour(root.pixel(160 + 240, 100 + 50), Green)) << "top right";
        EXPECT_TRUE(NearColour(root.pixel(160 + 160, 100 + 150), Blue)) << "below";
        EXPECT_TRUE(NearColour(root.pixel(20, 20), qRgb(0, 0, 0))) << "outside the picture";
    }
}
