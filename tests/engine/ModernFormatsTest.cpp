#include "core/Failure.h"
#include "core/FileKinds.h"
#include "core/ImageFilePattern.h"
#include "engine/DecodeBudget.h"
#include "engine/ImageDecoder.h"
#include "engine/thumbnails/ThumbnailPicture.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ToolArguments.h"

#include <QBuffer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::TempFolder;

const QRgb Red = qRgb(220, 30, 30);
const QRgb Blue = qRgb(30, 30, 220);

// Red on the left half, blue on the right; with `transparentTop`, the top quarter is clear.
QImage halves(QImage::Format format, bool transparentTop = false)
{
    QImage image(64, 48, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = x < image.width() / 2 ? Red : Blue;
            image.setPixel(x, y,
                           transparentTop && y < 12 ? qRgba(qRed(colour), qGreen(colour), qBlue(colour), 0)
                                                    : colour);
        }
    return image.convertToFormat(format);
}

void expectNear(QRgb got, QRgb expected, const char* where)
{
    EXPECT_NEAR(qRed(got), qRed(expected), 30) << where;
    EXPECT_NEAR(qGreen(got), qGreen(expected), 30) << where;
    EXPECT_NEAR(qBlue(got), qBlue(expected), 30) << where;
}

class ModernFormatsTest : public ::testing::Test {
protected:
    void SetUp() override { BuildFileKindTable(); }

    // The picture written as PNG and turned into `name` by Debian's encoder `tool`; empty (with the
    // test skipped by the caller) when the encoder is not installed.
    QString encode(const QImage& image, const QString& name, const QString& tool,
                   const QStringList& arguments)
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, "PNG"));
        return encodeFile(png, QStringLiteral(".png"), name, tool, arguments);
    }

    QString encodeFile(const QByteArray& input, const QString& suffix, const QString& name,
                       const QString& tool, QStringList arguments)
    {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return {};
        const QString source = folder.file(name + suffix);
        test::WriteBytes(source, input);
        const QString output = folder.file(name);
        QProcess process;
        process.start(tool, test::WithFiles(arguments, source, output));
        EXPECT_TRUE(process.waitForFinished(60000)) << tool.toStdString();
        EXPECT_EQ(process.exitCode(), 0)
            << tool.toStdString() << process.readAllStandardError().toStdString();
        return output;
    }

    struct Encoder {
        const char* name;
        const char* tool;
        QStringList arguments;
    };
    const std::vector<Encoder> encoders = {
        {"photo.webp", "cwebp", {"-quiet", "-q", "95", "IN", "-o", "OUT"}},
        {"photo.heic", "heif-enc", {"-q", "95", "IN", "-o", "OUT"}},
        {"photo.HEIF", "heif-enc", {"-q", "95", "IN", "-o", "OUT"}},
        {"photo.avif", "avifenc", {"-s", "8", "IN", "OUT"}},
        {"photo.jxl", "cjxl", {"--quiet", "IN", "OUT"}},
    };

    TempFolder folder;
};

TEST_F(ModernFormatsTest, EachFormatLoadsWithItsColoursWhereTheyBelong)
{
    for (const Encoder& encoder : encoders) {
        SCOPED_TRACE(encoder.name);
        const QString path = encode(halves(QImage::Format_RGB32), QString::fromLatin1(encoder.name),
                                    encoder.tool, encoder.arguments);
        if (path.isEmpty())
            GTEST_SKIP() << encoder.tool << " is not installed";
        QImage image;
        ASSERT_NO_THROW(image = DecodeImage(path));
        ASSERT_EQ(image.size(), QSize(64, 48));
        expectNear(image.pixel(12, 24), Red, "left");
        expectNear(image.pixel(52, 24), Blue, "right");
        EXPECT_EQ(DecodeImage(path, QSize(32, 32)).size(), QSize(32, 24));
    }
}

TEST_F(ModernFormatsTest, TenBitPicturesComeDownToTheSameEightBitColours)
{
    const QImage deep = halves(QImage::Format_RGBA64);
    const std::vector<Encoder> deepEncoders = {
        {"deep.heic", "heif-enc", {"-q", "95", "-b", "10", "IN", "-o", "OUT"}},
        {"deep.avif", "avifenc", {"-s", "8", "-d", "10", "IN", "OUT"}},
    };
    for (const Encoder& encoder : deepEncoders) {
        SCOPED_TRACE(encoder.name);
        const QString path = encode(deep, QString::fromLatin1(encoder.name), encoder.tool, encoder.arguments);
        if (path.isEmpty())
            GTEST_SKIP() << encoder.tool << " is not installed";
        const QImage image = DecodeImage(path);
        expectNear(image.pixel(12, 24), Red, "left");
        expectNear(image.pixel(52, 24), Blue, "right");
    }
}

TEST_F(ModernFormatsTest, TransparencyIsKeptForTheCompositionAsWithPng)
{
    const std::vector<Encoder> alphaEncoders = {
        {"clear.webp", "cwebp", {"-quiet", "-lossless", "IN", "-o", "OUT"}},
        {"clear.avif", "avifenc", {"-s", "8", "IN", "OUT"}},
        {"clear.heic", "heif-enc", {"-q", "95", "IN", "-o", "OUT"}},
        {"clear.jxl", "cjxl", {"--quiet", "IN", "OUT"}},
    };
    for (const Encoder& encoder : alphaEncoders) {
        SCOPED_TRACE(encoder.name);
        const QString path = encode(halves(QImage::Format_ARGB32, true), QString::fromLatin1(encoder.name),
                                    encoder.tool, encoder.arguments);
        if (path.isEmpty())
            GTEST_SKIP() << encoder.tool << " is not installed";
        const QImage image = DecodeImage(path).convertToFormat(QImage::Format_ARGB32);
        EXPECT_LT(qAlpha(image.pixel(12, 4)), 16);
        EXPECT_GT(qAlpha(image.pixel(12, 30)), 240);
        expectNear(image.pixel(52, 30), Blue, "opaque");
    }
}

TEST_F(ModernFormatsTest, AnAnimatedWebPShowsItsFirstFrame)
{
    QImage second(64, 48, QImage::Format_RGB32);
    second.fill(qRgb(30, 200, 30));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(second.save(&buffer, "PNG"));
    const QString secondPath = folder.file(QStringLiteral("second.png"));
    test::WriteBytes(secondPath, png);
    const QString path = encode(halves(QImage::Format_RGB32), QStringLiteral("moving.webp"),
                                QStringLiteral("img2webp"), {"-lossless", "IN", secondPath, "-o", "OUT"});
    if (path.isEmpty())
        GTEST_SKIP() << "img2webp is not installed";
    const QImage image = DecodeImage(path);
    ASSERT_EQ(image.size(), QSize(64, 48));
    expectNear(image.pixel(12, 24), Red, "left");
    expectNear(image.pixel(52, 24), Blue, "right");
}

TEST_F(ModernFormatsTest, AnAvifSequenceShowsItsFirstPicture)
{
    QImage second(64, 48, QImage::Format_RGB32);
    second.fill(qRgb(30, 200, 30));
    const QString secondPath = folder.file(QStringLiteral("second.png"));
    ASSERT_TRUE(second.save(secondPath, "PNG"));
    const QString path = encode(halves(QImage::Format_RGB32), QStringLiteral("moving.avif"),
                                QStringLiteral("avifenc"), {"-s", "10", "IN", secondPath, "OUT"});
    if (path.isEmpty())
        GTEST_SKIP() << "avifenc is not installed";
    const QImage image = DecodeImage(path);
    ASSERT_EQ(image.size(), QSize(64, 48));
    expectNear(image.pixel(12, 24), Red, "left");
    expectNear(image.pixel(52, 24), Blue, "right");
}

TEST_F(ModernFormatsTest, AnAnimatedJpegXlShowsItsFirstFrame)
{
    // cjxl keeps the frames of an animated GIF, which ImageMagick makes of two pictures.
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(Red);
    QImage blue = red;
    blue.fill(Blue);
    const QString first = folder.file(QStringLiteral("first.png"));
    const QString second = folder.file(QStringLiteral("second.png"));
    ASSERT_TRUE(red.save(first, "PNG") && blue.save(second, "PNG"));
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("cjxl")).isEmpty())
        GTEST_SKIP() << "convert or cjxl is not installed";
    const QString gif = folder.file(QStringLiteral("moving.gif"));
    ASSERT_EQ(QProcess::execute(convert, {"-delay", "10", first, second, gif}), 0);
    const QString path =
        encodeFile(test::ReadBytes(gif), QStringLiteral(".gif"), QStringLiteral("moving.jxl"),
                   QStringLiteral("cjxl"), {"--quiet", "IN", "OUT"});
    const QImage image = DecodeImage(path);
    ASSERT_EQ(image.size(), QSize(64, 48));
    expectNear(image.pixel(32, 24), Red, "first frame");
}

// A 64 x 32 picture, red in its top-left corner, blue elsewhere.
QImage cornered()
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Blue);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, Red);
    return image;
}

// A 64 x 32 JPEG, red in its top-left corner, stored sideways: Exif orientation 6 turns it a quarter
// clockwise, so that the red corner shows at the top right of a 32 x 64 picture.
QByteArray sidewaysJpeg()
{
    const QImage image = cornered();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 100);
    const QByteArray body = QByteArrayLiteral("Exif\0\0") + test::ExifTiffBlock("II", 6);
    const int length = int(body.size()) + 2;
    const QByteArray app1 = QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + body;
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

TEST_F(ModernFormatsTest, SidewaysPhotosComeOutUpright)
{
    const std::vector<Encoder> sideways = {
        {"turned.avif", "avifenc", {"-s", "8", "IN", "OUT"}},
        {"turned.jxl", "cjxl", {"--quiet", "IN", "OUT"}},
    };
    for (const Encoder& encoder : sideways) {
        SCOPED_TRACE(encoder.name);
        const QString path = encodeFile(sidewaysJpeg(), QStringLiteral(".jpg"),
                                        QString::fromLatin1(encoder.name), encoder.tool, encoder.arguments);
        if (path.isEmpty())
            GTEST_SKIP() << encoder.tool << " is not installed";
        const QImage image = DecodeImage(path);
        ASSERT_EQ(image.size(), QSize(32, 64));
        expectNear(image.pixel(24, 8), Red, "top right");
        expectNear(image.pixel(8, 8), Blue, "top left");
    }
}

TEST_F(ModernFormatsTest, TruncatedOrEmptyFilesAreReportedNotLoaded)
{
    for (const Encoder& encoder : encoders) {
        SCOPED_TRACE(encoder.name);
        const QString path = encode(halves(QImage::Format_RGB32), QString::fromLatin1(encoder.name),
                                    encoder.tool, encoder.arguments);
        if (path.isEmpty())
            GTEST_SKIP() << encoder.tool << " is not installed";
        const QByteArray whole = test::ReadBytes(path);
        for (const qsizetype kept : {whole.size() / 2, qsizetype(40), qsizetype(12)}) {
            const QString cut =
                folder.file(QStringLiteral("cut-%1-").arg(kept) + QString::fromLatin1(encoder.name));
            test::WriteBytes(cut, whole.left(kept));
            EXPECT_THROW(DecodeImage(cut), Failure) << kept;
        }
    }
}

TEST_F(ModernFormatsTest, APictureWiderThanTheSideCapIsRefusedOneAtTheCapLoads)
{
    const std::vector<Encoder> wideEncoders = {
        {"wide.jxl", "cjxl", {"--quiet", "IN", "OUT"}},
        {"wide.avif", "avifenc", {"-s", "10", "IN", "OUT"}},
    };
    for (const Encoder& encoder : wideEncoders) {
        SCOPED_TRACE(encoder.name);
        for (const int width : {MaxDecodedSide, MaxDecodedSide + 8}) {
            QImage image(width, 2, QImage::Format_RGB32);
            image.fill(Blue);
            const QString name = QStringLiteral("%1-").arg(width) + QString::fromLatin1(encoder.name);
            const QString path = encode(image, name, encoder.tool, encoder.arguments);
            if (path.isEmpty())
                GTEST_SKIP() << encoder.tool << " is not installed";
            if (width == MaxDecodedSide) {
                EXPECT_EQ(DecodeImage(path).size(), image.size());
                continue;
            }
            try {
                DecodeImage(path);
                ADD_FAILURE() << "loaded";
            } catch (const Failure& failure) {
                // GraphicsMagick's own side limit may answer first, from the header as well.
                EXPECT_TRUE(failure.code() == ErrorCode::OutOfMemory ||
                            failure.code() == ErrorCode::InvalidPicture);
                EXPECT_TRUE(failure.text().contains(path));
            }
        }
    }
}

TEST_F(ModernFormatsTest, ContentOfAnotherModernFormatIsRefusedUnderTheWrongName)
{
    const QString avif = encode(halves(QImage::Format_RGB32), QStringLiteral("real.avif"),
                                QStringLiteral("avifenc"), {"-s", "8", "IN", "OUT"});
    if (avif.isEmpty())
        GTEST_SKIP() << "avifenc is not installed";
    const QString misnamed = folder.file(QStringLiteral("misnamed.jxl"));
    test::WriteBytes(misnamed, test::ReadBytes(avif));
    EXPECT_THROW(DecodeImage(misnamed), Failure);
}

TEST_F(ModernFormatsTest, AnAvifIsTurnedAndMirroredAsItsContainerSays)
{
    struct Case {
        const char* name;
        QStringList options;
        QSize size;
        QPoint red; // where the red corner shows
    };
    const std::vector<Case> cases = {
        {"quarter.avif", {"--irot", "1"}, {32, 64}, {8, 56}}, // a quarter anticlockwise
        {"half.avif", {"--irot", "2"}, {64, 32}, {56, 24}},
        {"leftright.avif", {"--imir", "1"}, {64, 32}, {56, 8}},
        {"topbottom.avif", {"--imir", "0"}, {64, 32}, {8, 24}},
    };
    for (const Case& turn : cases) {
        SCOPED_TRACE(turn.name);
        const QString path = encode(cornered(), QString::fromLatin1(turn.name), QStringLiteral("avifenc"),
                                    QStringList{"-s", "8"} + turn.options + QStringList{"IN", "OUT"});
        if (path.isEmpty())
            GTEST_SKIP() << "avifenc is not installed";
        const QImage image = DecodeImage(path);
        ASSERT_EQ(image.size(), turn.size);
        expectNear(image.pixel(turn.red), Red, "red corner");
        expectNear(image.pixel(turn.size.width() - 1 - turn.red.x(), turn.size.height() - 1 - turn.red.y()),
                   Blue, "opposite corner");
    }
}

TEST_F(ModernFormatsTest, HeadersTellTheSizeAsShownSoThatNoPictureIsDecodedJustToMeasureIt)
{
    std::vector<Encoder> all = encoders;
    all.push_back({"turned.avif", "avifenc", {"-s", "8", "--irot", "1", "IN", "OUT"}});
    all.push_back({"turned.jxl", "cjxl", {"--quiet", "IN", "OUT"}});
    for (const Encoder& encoder : all) {
        SCOPED_TRACE(encoder.name);
        const bool turned = QByteArray(encoder.name).startsWith("turned");
        const QString path =
            turned && QByteArray(encoder.name).endsWith("jxl")
                ? encodeFile(sidewaysJpeg(), QStringLiteral(".jpg"), QString::fromLatin1(encoder.name),
                             encoder.tool, encoder.arguments)
                : encode(halves(QImage::Format_RGB32), QString::fromLatin1(encoder.name), encoder.tool,
                         encoder.arguments);
        if (path.isEmpty())
            GTEST_SKIP() << encoder.tool << " is not installed";
        const QByteArray bytes = test::ReadBytes(path);
        const QSize header = PictureHeaderSize(bytes, QFileInfo(path).suffix());
        EXPECT_EQ(header, DecodeImage(path).size());
        const QSize shown = !turned                                    ? QSize(64, 48)
                            : QByteArray(encoder.name).endsWith("jxl") ? QSize(32, 64)
                                                                       : QSize(48, 64);
        EXPECT_EQ(header, shown) << "as shown";
        EXPECT_FALSE(PictureHeaderSize(bytes.left(2), QFileInfo(path).suffix()).isValid());
    }
}

TEST_F(ModernFormatsTest, AHeaderClaimingAHundredThousandPixelsASideIsRefusedBeforeDecoding)
{
    const std::vector<Encoder> claimed = {
        {"claim.heic", "heif-enc", {"-q", "50", "IN", "-o", "OUT"}},
        {"claim.avif", "avifenc", {"-s", "10", "IN", "OUT"}},
    };
    for (const Encoder& encoder : claimed) {
        SCOPED_TRACE(encoder.name);
        const QString path = encode(halves(QImage::Format_RGB32), QString::fromLatin1(encoder.name),
                                    encoder.tool, encoder.arguments);
        if (path.isEmpty())
            GTEST_SKIP() << encoder.tool << " is not installed";
        // The container's spatial extent property: version and flags, then width and height.
        QByteArray bytes = test::ReadBytes(path);
        const qsizetype ispe = bytes.indexOf("ispe");
        ASSERT_GT(ispe, 0);
        qToBigEndian<quint32>(100000, bytes.data() + ispe + 8);
        qToBigEndian<quint32>(100000, bytes.data() + ispe + 12);
        test::WriteBytes(path, bytes);
        // Allocating the claim (40 GB) would fail differently, and under the address sanitizer loudly.
        for (const bool thumbnail : {false, true}) {
            SCOPED_TRACE(thumbnail ? "thumbnail" : "picture");
            DecodeBudget budget(64 << 20);
            try {
                if (thumbnail)
                    DecodeThumbnailPicture(bytes, QFileInfo(path).suffix(), 150, path, &budget);
                else
                    DecodeImage(path);
                ADD_FAILURE() << "loaded";
            } catch (const Failure& failure) {
                EXPECT_TRUE(failure.text().contains(path));
            }
        }
    }
}

TEST_F(ModernFormatsTest, AThumbnailUsesTheSmallPictureAHeifOrAvifCarriesWhenItIsLargeEnough)
{
    const QImage photo = halves(QImage::Format_RGB32).scaled(1600, 1200);
    struct Case {
        const char* name;
        QStringList options;
        qint64 mostBytes; // what the decode may take
    };
    const std::vector<Case> cases = {
        {"carried.heic", {"-t", "320"}, 320 * 240 * 4},
        {"carried.avif", {"-A", "-t", "320"}, 320 * 240 * 4},
        {"tooSmall.heic", {"-t", "100"}, 1600 * 1200 * 4},
        {"none.heic", {}, 1600 * 1200 * 4},
    };
    for (const Case& file : cases) {
        SCOPED_TRACE(file.name);
        const QString path = encode(photo, QString::fromLatin1(file.name), QStringLiteral("heif-enc"),
                                    QStringList{"-q", "80"} + file.options + QStringList{"IN", "-o", "OUT"});
        if (path.isEmpty())
            GTEST_SKIP() << "heif-enc is not installed";
        DecodeBudget budget(64 << 20);
        const QImage thumbnail =
            DecodeThumbnailPicture(test::ReadBytes(path), QFileInfo(path).suffix(), 150, path, &budget);
        // 112.5 rows, rounded either way by the way it was made.
        ASSERT_EQ(thumbnail.width(), 150);
        ASSERT_NEAR(thumbnail.height(), 112.5, 0.5);
        expectNear(thumbnail.pixel(20, 56), Red, "left");
        expectNear(thumbnail.pixel(130, 56), Blue, "right");
        EXPECT_EQ(budget.peakBytes(), file.mostBytes);
    }
}

TEST_F(ModernFormatsTest, AWebPThumbnailIsDecodedStraightToItsSize)
{
    const QImage photo = halves(QImage::Format_ARGB32, true).scaled(1600, 1200);
    const std::vector<Encoder> webps = {
        {"opaque.webp", "cwebp", {"-quiet", "-q", "90", "-noalpha", "IN", "-o", "OUT"}},
        {"clear.webp", "cwebp", {"-quiet", "-q", "90", "IN", "-o", "OUT"}},
    };
    for (const Encoder& encoder : webps) {
        SCOPED_TRACE(encoder.name);
        const QString path =
            encode(photo, QString::fromLatin1(encoder.name), encoder.tool, encoder.arguments);
        if (path.isEmpty())
            GTEST_SKIP() << encoder.tool << " is not installed";
        DecodeBudget budget(64 << 20);
        const QImage thumbnail =
            DecodeThumbnailPicture(test::ReadBytes(path), QStringLiteral("webp"), 150, path, &budget);
        ASSERT_EQ(thumbnail.size(), QSize(150, 113));
        EXPECT_EQ(budget.peakBytes(), 150 * 113 * 4) << "never the whole picture";
        const QImage argb = thumbnail.convertToFormat(QImage::Format_ARGB32);
        expectNear(argb.pixel(20, 80), Red, "left");
        expectNear(argb.pixel(130, 80), Blue, "right");
        if (QByteArray(encoder.name) == "clear.webp")
            EXPECT_LT(qAlpha(argb.pixel(20, 5)), 16);
        else
            EXPECT_EQ(qAlpha(argb.pixel(20, 5)), 255);
    }
}

TEST(ModernFormatNames, AreOfferedToTheDecodersAndMatchedAsPictures)
{
    BuildFileKindTable();
    const QStringList qt = QtReadableExtensions();
    const QStringList magick = MagickReadableExtensions();
    EXPECT_TRUE(qt.contains(QStringLiteral("WEBP")));
    for (const char* extension : {"HEIC", "HEIF", "AVIF", "JXL"}) {
        EXPECT_TRUE(magick.contains(QString::fromLatin1(extension))) << extension;
        const QString name = QStringLiteral("IMG_0001.") + QString::fromLatin1(extension).toLower();
        EXPECT_EQ(FileKind(name), Kind::Image) << extension;
        EXPECT_TRUE(MatchesImageFilePattern(name)) << extension;
    }
}

} // namespace
} // namespace velmora
