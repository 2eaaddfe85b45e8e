// Pictures come from anywhere: each is decoded only as the format its name says (or as one of the
// plain raster formats, whatever the picture name), and no decode runs a program or reads other files.
#include "core/Failure.h"
#include "core/FileKinds.h"
#include "engine/ImageDecoder.h"
#include "engine/TiffHandlerGuard.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <magick/api.h>

namespace velmora {
namespace {

using test::PhotoLikeImage;

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

TEST_F(NamedFormatTest, AGraphicsMagickDecodeThatCannotReachLibtiffWaitsForNoTiffRead)
{
    const QString pcx = write(QStringLiteral("photo.pcx"), test::EncodeWithMagick(photo, "PCX"));
    // As while Qt reads a TIFF on another thread.
    const TiffHandlerGuard tiffRead(TiffHandlerGuard::User::QtTiffReader);
    EXPECT_EQ(DecodeImage(pcx).size(), photo.size());
}

} // namespace
} // namespace velmora
