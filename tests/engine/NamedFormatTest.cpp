// Pictures come from anywhere: each is decoded only as the format its name says (or as one of the
// plain raster formats, whatever the picture name), and no decode runs a program or reads other files.
#include "core/Failure.h"
#include "core/FileKinds.h"
#include "engine/ImageDecoder.h"
#include "engine/MagickDecoder.h"
#include "engine/TiffHandlerGuard.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>

#include <gtest/gtest.h>
#include <magick/api.h>

namespace velmora {
namespace {

using test::PhotoLikeImage;

QByteArray encodeWithQt(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

// A WordPerfect picture whose only record is PostScript.
QByteArray wordPerfectHolding(const QByteArray& postscript)
{
    QByteArray bytes("\xffWPC\x10\0\0\0\x01\x16\x01\0\0\0\0\0", 16);
    bytes += QByteArray("\x0f\x06\x01\0\0\0\0\0", 8);
    const QByteArray record = QByteArray(8, '\0') + postscript;
    bytes += char(0x11);
    bytes += char(record.size());
    bytes += record + QByteArray("\x10\0", 2);
    return bytes;
}

// The size every drawing below declares: a decoded picture of this size was interpreted.
constexpr QSize DrawnSize(37, 23);

class NamedFormatTest : public ::testing::Test {
protected:
    void SetUp() override { BuildFileKindTable(); }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.file(name);
        test::WriteBytes(path, bytes);
        return path;
    }

    // Refused with a message naming the file.
    void expectRefused(const QString& name, const QByteArray& bytes)
    {
        SCOPED_TRACE(name.toStdString());
        const QString path = write(name, bytes);
        try {
            DecodeImage(path);
            ADD_FAILURE() << "decoded";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.code(), ErrorCode::InvalidPicture) << failure.text().toStdString();
            EXPECT_TRUE(failure.text().contains(path)) << failure.text().toStdString();
        }
    }

    test::TempFolder folder;
    const QImage photo = PhotoLikeImage(120, 80, 7);
};

TEST_F(NamedFormatTest, DrawingsAndProgramsUnderAGraphicsMagickNameRunNothingAndDrawNothing)
{
    test::StandInTools tools;
    tools.install(QStringLiteral("gs"));
    const QString picture =
        write(QStringLiteral("picture.png"), encodeWithQt(PhotoLikeImage(37, 23, 1), "PNG"));
    const QByteArray postscript = "%!PS-Adobe-3.0\n%%BoundingBox: 0 0 37 23\n"
                                  "newpath 0 0 moveto 37 23 lineto stroke showpage\n";
    const std::vector<std::pair<const char*, QByteArray>> contents = {
        {"postscript", postscript},
        {"pdf",
         "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
         "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
         "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 37 23]>>endobj\ntrailer<</Root 1 0 R>>\n%%EOF\n"},
        {"svg", "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"37\" height=\"23\">"
                "<image xlink:href=\"" +
                    picture.toUtf8() + "\" width=\"37\" height=\"23\"/></svg>\n"},
        {"mvg", "viewbox 0 0 37 23\nimage over 0,0 37,23 '" + picture.toUtf8() + "'\n"},
        {"msl",
         "<?xml version=\"1.0\"?>\n<image>\n<read filename=\"" + picture.toUtf8() + "\"/>\n</image>\n"},
        {"text", "A letter, not a picture.\n"},
        {"wordperfect-with-postscript", wordPerfectHolding(postscript)},
    };
    QStringList extensions = MagickReadableExtensions();
    extensions << QStringLiteral("TGA"); // Qt's reader first, GraphicsMagick for the rest
    ASSERT_TRUE(extensions.contains(QStringLiteral("PCX")));
    for (const QString& extension : extensions) {
        for (const auto& [what, bytes] : contents) {
            const QString name = QLatin1String(what) + u'.' + extension.toLower();
            SCOPED_TRACE(name.toStdString());
            const QString path = write(name, bytes);
            // Headerless formats (FAX, MacPaint...) may take any bytes as their pixels; that is
            // reading the named format, not interpreting the content.
            try {
                EXPECT_NE(DecodeImage(path).size(), DrawnSize);
            } catch (const Failure& failure) {
                EXPECT_TRUE(failure.text().contains(path)) << failure.text().toStdString();
            }
        }
    }
    EXPECT_TRUE(tools.calls().isEmpty()) << tools.calls().first().join(u' ').toStdString();
}

TEST_F(NamedFormatTest, GraphicsMagickMayRunNoProgramNorFetchNorOpenOtherFiles)
{
    // Loads and sets up the library as the program does.
    ASSERT_FALSE(
        DecodeImage(write(QStringLiteral("photo.pcx"), test::EncodeWithMagick(photo, "PCX"))).isNull());

    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    EXPECT_EQ(MagickConfirmAccess(FileExecuteConfirmAccessMode, "gs", &exception), MagickFail);
    EXPECT_EQ(MagickConfirmAccess(URLGetHTTPConfirmAccessMode, "http://127.0.0.1/a.png", &exception),
              MagickFail);
    EXPECT_EQ(MagickConfirmAccess(URLGetFileConfirmAccessMode, "file:///etc/passwd", &exception), MagickFail);
    EXPECT_EQ(MagickConfirmAccess(FileReadConfirmAccessMode, "/etc/passwd", &exception), MagickFail);
    EXPECT_EQ(MagickConfirmAccess(FileReadConfirmAccessMode, "/tmp/../etc/gmAbC123", &exception), MagickFail);
    EXPECT_EQ(MagickConfirmAccess(FileWriteConfirmAccessMode,
                                  qPrintable(folder.file(QStringLiteral("gmAbC123"))), &exception),
              MagickFail);
    // Its own temporary files, which its CALS reader needs, stay open to it.
    QByteArray temporaryFolder = qgetenv("MAGICK_TMPDIR");
    if (temporaryFolder.isEmpty())
        temporaryFolder = qgetenv("TMPDIR");
    if (temporaryFolder.isEmpty())
        temporaryFolder = "/tmp";
    while (temporaryFolder.endsWith('/'))
        temporaryFolder.chop(1);
    EXPECT_EQ(MagickConfirmAccess(FileReadConfirmAccessMode, temporaryFolder + "/gmAbC123", &exception),
              MagickPass);
    EXPECT_EQ(MagickConfirmAccess(FileReadConfirmAccessMode, temporaryFolder + "/gmAbC12", &exception),
              MagickFail);

    // The interpreters are gone; the picture coders stay.
    for (const char* coder : {"PS", "EPS", "PDF", "SVG", "MVG", "MSL", "TXT", "HTTP", "FILE"})
        EXPECT_EQ(GetMagickInfo(coder, &exception), nullptr) << coder;
    for (const char* coder : {"PCX", "SUN", "PICT", "CALS", "TIFF", "JPEG"})
        EXPECT_NE(GetMagickInfo(coder, &exception), nullptr) << coder;
    DestroyExceptionInfo(&exception);
}

TEST_F(NamedFormatTest, AGraphicsMagickFormatIsReadOnlyAsTheFormatItsNameSays)
{
    expectRefused(QStringLiteral("sun-raster.pcx"), test::EncodeWithMagick(photo, "SUN"));
    expectRefused(QStringLiteral("pcx.ras"), test::EncodeWithMagick(photo, "PCX"));
    expectRefused(QStringLiteral("pict.sgi"), test::EncodeWithMagick(photo, "PICT"));
}

TEST_F(NamedFormatTest, QtReadsOtherFormatsOnlyUnderTheirOwnNames)
{
    const QByteArray svg = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"37\" "
                           "height=\"23\"><rect width=\"37\" height=\"23\" fill=\"red\"/></svg>\n";
    for (const char* extension : {"png", "jpg", "gif", "bmp", "tif", "tga", "pbm", "xpm", "pcx", "ras"})
        expectRefused(QStringLiteral("drawing.") + QLatin1String(extension), svg);
    expectRefused(QStringLiteral("tiff.png"), encodeWithQt(photo, "TIFF"));
    expectRefused(QStringLiteral("webp.jpg"), encodeWithQt(photo, "WEBP"));
    expectRefused(QStringLiteral("xpm.bmp"),
                  encodeWithQt(photo.convertToFormat(QImage::Format_Indexed8), "XPM"));
}

TEST_F(NamedFormatTest, APlainRasterPictureLoadsUnderAnyPictureName)
{
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"png.jpg", encodeWithQt(photo, "PNG")},           {"jpeg.png", encodeWithQt(photo, "JPG")},
        {"gif.bmp", test::EncodeWithMagick(photo, "GIF")}, {"bmp.pcx", encodeWithQt(photo, "BMP")},
        {"png.tga", encodeWithQt(photo, "PNG")},           {"png.tif", encodeWithQt(photo, "PNG")},
        {"jpeg.ras", encodeWithQt(photo, "JPG")},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(DecodeImage(write(QLatin1String(name), bytes)).size(), photo.size());
    }
}

TEST_F(NamedFormatTest, EachQtFormatLoadsUnderItsOwnName)
{
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"colour.pbm", encodeWithQt(photo, "PPM")},
        {"grey.pbm", encodeWithQt(photo.convertToFormat(QImage::Format_Grayscale8), "PGM")},
        {"mono.pbm", encodeWithQt(photo, "PBM")},
        {"photo.xpm", encodeWithQt(photo.convertToFormat(QImage::Format_Indexed8), "XPM")},
        {"photo.xbm", encodeWithQt(photo, "XBM")},
        {"photo.wbmp", encodeWithQt(photo, "WBMP")},
        {"photo.tiff", encodeWithQt(photo, "TIFF")},
        {"photo.tga", test::EncodeWithMagick(photo, "TGA")},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(DecodeImage(write(QLatin1String(name), bytes)).size(), photo.size());
    }
}

TEST_F(NamedFormatTest, AGraphicsMagickDecodeThatCannotReachLibtiffWaitsForNoTiffRead)
{
    const QString pcx = write(QStringLiteral("photo.pcx"), test::EncodeWithMagick(photo, "PCX"));
    // Loading GraphicsMagick and listing its coders, once in a run, waits for TIFF reads; this
    // thread would wait for itself below.
    ASSERT_FALSE(MagickFormatFor(QStringLiteral("PCX")).isEmpty());
    // As while Qt reads a TIFF on another thread.
    const TiffHandlerGuard tiffRead(TiffHandlerGuard::User::QtTiffReader);
    EXPECT_EQ(DecodeImage(pcx).size(), photo.size());
}

} // namespace
} // namespace velmora
