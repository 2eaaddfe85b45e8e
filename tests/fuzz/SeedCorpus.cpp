// Writes the seed corpora of the harnesses: small valid files of each kind the program reads and the
// hostile cases the tests make. Usage: velmora-fuzz-seeds <corpus folder>
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/TextLines.h"
#include "tests/fuzz/ImageSelector.h"
#include "tests/support/TestImages.h"
#include "tests/support/ToolArguments.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdio>
#include <cstring>

#include <magick/api.h>

using namespace velmora;

namespace {

QString g_root;
int g_written = 0;

void seed(const char* harness, const QString& name, const QByteArray& bytes)
{
    const QString folder = g_root + u'/' + QLatin1String(harness);
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "skipped %s/%s\n", harness, qPrintable(name));
        return;
    }
    ++g_written;
}

QByteArray shiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toUtf8();
}

// ---- settings

void settingsSeeds()
{
    const QByteArray defaults = SettingsFileBytes(Settings{});
    seed("settings", "defaults.ini", defaults);
    seed("settings", "defaults-lf.ini", QByteArray(defaults).replace("\r\n", "\n"));
    seed("settings", "defaults-cr.ini", QByteArray(defaults).replace("\r\n", "\r"));
    seed("settings", "bom.ini", "\xEF\xBB\xBF[Velmora]\r\nChangeTimer= 60\r\nTimerOnMode= 1\r\n");
    seed("settings", "lenient-numbers.ini",
         "[Velmora]\r\nChangeTimer=&H3C\r\nMainTop= 1 2 3\r\nMainLeft=-1.5e2\r\nSizeChangeLimit=2.5D1x\r\n"
         "CollageBairitu=&O17\r\nCalendarTextAngle=\t-45\r\nFileIndex1=\r\nFileIndex2=abc\r\n");
    seed("settings", "out-of-range.ini", "[Velmora]\r\nChangeTimer= 99999\r\nMainTop= 1E+300\r\n");
    seed("settings", "bad-boolean.ini", "[Velmora]\r\nTBDispMode=Maybe\r\nMinBoot=TRUE\r\n");
    seed("settings", "strict-long.ini", "[Velmora]\r\nDirImageType= 12 x\r\n");
    seed("settings", "effects.ini",
         "[Velmora]\r\nEffectEmbossOn 1= 1\r\nEffectGammaOn 3= 1\r\nEffectType= 4\r\n");
    seed("settings", "shift-jis.ini",
         "[Velmora]\r\nCalendarFontName=" + shiftJis(QStringLiteral("ＭＳ 明朝")) +
             "\r\nListFileName=" + shiftJis(QStringLiteral("壁紙.lst")) + "\r\n");
    seed("settings", "folder.ini", "[Velmora]\r\nCurrentDirectory=/tmp/\r\nCurrentDirectory=/nowhere/\r\n");
    seed("settings", "duplicate-and-unknown.ini",
         "[Velmora]\r\nChangeTimer= 5\r\nChangeTimer= 6\r\nNoSuchKey= 1\r\n=\r\nChangeTimer\r\n");
}

// ---- list and catalogue lines

void lineSeeds()
{
    const QString japanese = QStringLiteral("/home/ann/写真/富士山.jpg");
    seed("lines", "list-utf8.lst", EncodeLines({QStringLiteral("/home/ann/Pictures/a.jpg"), japanese}));
    seed("lines", "list-shift-jis.lst", shiftJis(QStringLiteral("C:\\写真\\表.jpg\r\nC:\\ソ\\能.bmp\r\n")));
    seed("lines", "catalogue.dat", "Velmora.lst\r\nholiday.lst\r\n");
    seed("lines", "line-ends.lst", "a.jpg\rb.jpg\nc.jpg\r\n\r\nd.jpg");
    seed("lines", "bom.lst", "\xEF\xBB\xBF" + japanese.toUtf8() + "\r\n");
    seed("lines", "broken-utf8.lst", "a\xC3\r\n\xE3\x81\r\n\xFF\xFE\r\n");
    seed("lines", "nul-bytes.lst", QByteArray("a\0b\r\nc\0\r\n", 10));
    // More lines than a 16-bit position reaches, all loaded (a file past MaxListEntries lines would
    // pass the seeds' 64 KiB; the list file tests refuse one).
    seed("lines", "many-lines.lst", QByteArray(40000, '\r'));

    // The folder patrol's "lfolder.dat".
    seed("folders", "lfolder-utf8.dat", EncodeLines({QStringLiteral("/home/ann/Pictures/"), japanese}));
    seed("folders", "lfolder-shift-jis.dat", shiftJis(QStringLiteral("C:\\写真\\\r\nD:\\壁紙\\\r\n")));
    seed("folders", "lfolder-lf.dat", "/srv/photos/\n/home/ann/\n\n");
}

// ---- Exif blocks

QByteArray encodeWithQt(const QImage& image, const char* format, int quality = 75, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        return {};
    return bytes;
}

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 + 200 * x / width, 60 + 150 * y / height, 200 - 8 * ((x + y) % 16)));
    QPainter painter(&image);
    painter.setBrush(Qt::yellow);
    painter.drawEllipse(QRect(width / 4, height / 4, width / 2, height / 2));
    return image;
}

QByteArray exifJpeg(const QByteArray& jpeg, const QByteArray& tiff)
{
    const QByteArray body = QByteArrayLiteral("Exif\0\0") + tiff;
    const int length = int(body.size()) + 2;
    return jpeg.left(2) + QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + body +
           jpeg.mid(2);
}

void exifSeeds()
{
    const QByteArray jpeg = encodeWithQt(photo(16, 8), "JPEG", 50);
    for (int orientation : {1, 3, 6, 8}) {
        for (const char* order : {"MM", "II"}) {
            const QString name = QStringLiteral("%1-%2").arg(QLatin1String(order)).arg(orientation);
            seed("exif", name + QStringLiteral(".tiff"), '\0' + test::ExifTiffBlock(order, orientation));
            seed("exif", name + QStringLiteral(".jpg"),
                 '\1' + exifJpeg(jpeg, test::ExifTiffBlock(order, orientation)));
        }
    }
    QByteArray farOffset = test::ExifTiffBlock("MM", 6);
    farOffset[4] = char(0x7F);
    seed("exif", "far-offset.tiff", '\0' + farOffset);
    seed("exif", "cut.tiff", '\0' + test::ExifTiffBlock("II", 6).left(13));
    QByteArray badLength = exifJpeg(jpeg, test::ExifTiffBlock("MM", 6));
    badLength[4] = char(0xFF);
    seed("exif", "length-past-end.jpg", '\1' + badLength);
    seed("exif", "no-exif.jpg", '\1' + jpeg);
}

// ---- pictures

QByteArray jpegBomb(const QByteArray& jpeg, quint16 width, quint16 height)
{
    QByteArray bomb = jpeg;
    const qsizetype sof = bomb.indexOf(QByteArray("\xff\xc0", 2));
    if (sof < 0)
        return {};
    bomb[sof + 5] = static_cast<char>(height >> 8);
    bomb[sof + 6] = static_cast<char>(height);
    bomb[sof + 7] = static_cast<char>(width >> 8);
    bomb[sof + 8] = static_cast<char>(width);
    return bomb;
}

void picture(const QString& name, const char* extension, const QByteArray& bytes, int box = 0)
{
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "no encoder for %s\n", qPrintable(name));
        return;
    }
    seed("image", name, char(fuzz::ImageSelectorFor(extension, box)) + bytes);
}

// The picture turned into another format by one of Debian's encoders (IN and OUT in its arguments
// stand for the files); empty when the encoder is not installed.
QByteArray encodeWithTool(const QImage& image, const char* tool, QStringList arguments, const char* suffix)
{
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
        return {};
    QTemporaryDir folder;
    const QString in = folder.filePath(QStringLiteral("in.png"));
    const QString out = folder.filePath(QStringLiteral("out.") + QLatin1String(suffix));
    if (!image.save(in, "PNG"))
        return {};
    QProcess process;
    process.start(QString::fromLatin1(tool), velmora::test::WithFiles(arguments, in, out));
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QFile file(out);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes with the HEIF container's first spatial extent claiming width x height.
QByteArray claimingExtent(QByteArray heif, quint32 width, quint32 height)
{
    const qsizetype ispe = heif.indexOf("ispe");
    if (ispe < 0 || ispe + 16 > heif.size())
        return {};
    qToBigEndian(width, heif.data() + ispe + 8);
    qToBigEndian(height, heif.data() + ispe + 12);
    return heif;
}

void newerFormatSeeds(const QImage& image)
{
    QImage clear = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < clear.height() / 4; ++y)
        for (int x = 0; x < clear.width(); ++x)
            clear.setPixel(x, y, qRgba(200, 40, 40, 0));
    const QByteArray webp = encodeWithQt(image, "WEBP");
    picture("photo.webp", "WEBP", webp);
    picture("truncated.webp", "WEBP", webp.left(webp.size() / 2));
    picture("alpha.webp", "WEBP", encodeWithQt(clear, "WEBP"), 2);
    const QByteArray heic = encodeWithTool(image, "heif-enc", {"-q", "50", "IN", "-o", "OUT"}, "heic");
    picture("photo.heic", "HEIC", heic);
    picture("truncated.heic", "HEIC", heic.left(heic.size() / 2));
    picture("claims-100000.heic", "HEIC", claimingExtent(heic, 100000, 100000), 2);
    picture("thumbnail.heic", "HEIC",
            encodeWithTool(photo(96, 64), "heif-enc", {"-q", "30", "-t", "40", "IN", "-o", "OUT"}, "heic"),
            2);
    picture("alpha.heif", "HEIF", encodeWithTool(clear, "heif-enc", {"-q", "50", "IN", "-o", "OUT"}, "heif"));
    const QByteArray avif = encodeWithTool(image, "avifenc", {"-s", "10", "IN", "OUT"}, "avif");
    picture("photo.avif", "AVIF", avif);
    picture("photo-screen-box.avif", "AVIF", avif, 1);
    picture("truncated.avif", "AVIF", avif.left(avif.size() / 2));
    picture("claims-100000.avif", "AVIF", claimingExtent(avif, 100000, 100000));
    picture("turned.avif", "AVIF",
            encodeWithTool(image, "avifenc", {"-s", "10", "--irot", "1", "--imir", "1", "IN", "OUT"}, "avif"),
            2);
    picture("deep-alpha.avif", "AVIF",
            encodeWithTool(clear.convertToFormat(QImage::Format_RGBA64), "avifenc",
                           {"-s", "10", "-d", "10", "IN", "OUT"}, "avif"));
    const QByteArray jxl = encodeWithTool(image, "cjxl", {"--quiet", "-e", "3", "IN", "OUT"}, "jxl");
    picture("photo.jxl", "JXL", jxl);
    picture("truncated.jxl", "JXL", jxl.left(jxl.size() / 2));
    picture("alpha.jxl", "JXL", encodeWithTool(clear, "cjxl", {"--quiet", "IN", "OUT"}, "jxl"), 2);
    picture("avif-named.jxl", "JXL", avif);
    picture("heic-named.avif", "AVIF", heic);
}

void imageSeeds()
{
    const QImage image = photo(24, 16);
    const QByteArray jpeg = encodeWithQt(image, "JPEG");
    picture("photo.jpg", "JPG", jpeg);
    picture("photo-screen-box.jpg", "JPG", jpeg, 1);
    picture("photo-thumbnail-box.jpg", "JPG", encodeWithQt(photo(400, 200), "JPEG", 20), 2);
    picture("progressive.jpg", "JPG", encodeWithQt(image, "JPEG", 75, true));
    picture("grey.jpg", "JPG", encodeWithQt(image.convertToFormat(QImage::Format_Grayscale8), "JPEG"));
    picture("cmyk.jpg", "JPG", test::EncodeWithMagick(image, "JPEG", true));
    picture("sideways.jpg", "JPG", exifJpeg(jpeg, test::ExifTiffBlock("II", 6)), 2);
    picture("photo.png", "PNG", encodeWithQt(image, "PNG"));
    picture("indexed.png", "PNG", encodeWithQt(image.convertToFormat(QImage::Format_Indexed8), "PNG"));
    picture("alpha.png", "PNG", encodeWithQt(image.convertToFormat(QImage::Format_ARGB32), "PNG"));
    picture("photo.bmp", "BMP", encodeWithQt(image, "BMP"));
    picture("photo.tif", "TIF", encodeWithQt(image, "TIFF"));
    picture("photo.ico", "ICO", encodeWithQt(image, "ICO"));
    picture("photo.pbm", "PBM", encodeWithQt(image, "PPM"));
    picture("photo.xpm", "XPM", encodeWithQt(image.convertToFormat(QImage::Format_Indexed8), "XPM"));
    picture("photo.xbm", "XBM", encodeWithQt(image, "XBM"));
    picture("photo.wbmp", "WBMP", encodeWithQt(image, "WBMP"));
    picture("photo-webp", "", encodeWithQt(image, "WEBP"));
    newerFormatSeeds(image);
    const std::pair<const char*, const char*> magick[] = {
        {"GIF", "GIF"}, {"TGA", "TGA"}, {"PCX", "PCX"},  {"DCX", "DCX"}, {"RAS", "SUN"},
        {"SGI", "SGI"}, {"XWD", "XWD"}, {"PCT", "PICT"}, {"FAX", "FAX"}, {"CAL", "CALS"},
    };
    for (const auto& [extension, format] : magick)
        picture(QStringLiteral("photo.") + QLatin1String(extension).toString().toLower(), extension,
                test::EncodeWithMagick(image, format));
    // The hostile cases of the decoder tests.
    picture("truncated.jpg", "JPG", jpeg.left(jpeg.size() * 6 / 10));
    picture("truncated-header.jpg", "JPG", jpeg.left(100));
    const QByteArray png = encodeWithQt(image, "PNG");
    picture("truncated.png", "PNG", png.left(png.size() / 2));
    const QByteArray pcx = test::EncodeWithMagick(image, "PCX");
    picture("truncated.pcx", "PCX", pcx.left(pcx.size() / 3));
    picture("text-named-as-image.jpg", "JPG", "This is not a picture.\r\n");
    picture("bomb.png", "PNG", test::PngBomb(60000, 60000));
    picture("bomb-wide.png", "PNG", test::PngBomb(40000, 2));
    picture("bomb.jpg", "JPG", jpegBomb(jpeg, 60000, 60000));
    picture("bomb-at-the-bound.jpg", "JPG", jpegBomb(jpeg, 32767, 4096), 1);
    QByteArray sun;
    for (quint32 word : {0x59a66a95u, 60000u, 60000u, 24u, 0u, 1u, 0u, 0u})
        sun += test::BigEndian(word);
    picture("bomb.ras", "RAS", sun + QByteArray(64, '\x7f'));

    // Other kinds of content under picture names: read as the named format or refused, never run.
    const QByteArray postscript = "%!PS-Adobe-3.0\n%%BoundingBox: 0 0 37 23\n"
                                  "newpath 0 0 moveto 37 23 lineto stroke showpage\n";
    const QByteArray svg = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"37\" "
                           "height=\"23\"><rect width=\"37\" height=\"23\" fill=\"red\"/></svg>\n";
    picture("postscript.pcx", "PCX", postscript);
    picture("postscript.ras", "RAS", postscript);
    picture("pdf.sgi", "SGI", "%PDF-1.4\n1 0 obj<</Type/Catalog>>endobj\ntrailer<</Root 1 0 R>>\n%%EOF\n");
    picture("svg.tga", "TGA", svg);
    picture("svg.png", "PNG", svg);
    picture("svg.pct", "PCT", svg);
    picture("mvg.xwd", "XWD", "viewbox 0 0 37 23\nfill red\nrectangle 0,0 36,22\n");
    picture("sun-raster.pcx", "PCX", test::EncodeWithMagick(image, "SUN"));
    picture("tiff.png", "PNG", encodeWithQt(image, "TIFF"));
    // A WordPerfect picture whose one record is PostScript, which GraphicsMagick hands on by content.
    QByteArray wordPerfect("\xffWPC\x10\0\0\0\x01\x16\x01\0\0\0\0\0\x0f\x06\x01\0\0\0\0\0", 24);
    const QByteArray record = QByteArray(8, '\0') + postscript;
    wordPerfect += char(0x11);
    wordPerfect += char(record.size());
    wordPerfect += record + QByteArray("\x10\0", 2);
    picture("postscript-inside.wpg", "WPG", wordPerfect);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
    DestroyExceptionInfo(&exception);
    g_root = QString::fromLocal8Bit(argv[1]);
    settingsSeeds();
    lineSeeds();
    exifSeeds();
    imageSeeds();
    std::printf("%d seeds written under %s\n", g_written, argv[1]);
    return 0;
}
