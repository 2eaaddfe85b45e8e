// WebP, HEIC, AVIF and JPEG XL: photo-like 4000 x 3000 pictures (HEIC with the 320-pixel thumbnail
// phones store), each decoded and fitted to a 3840 x 2160 screen as a change does, against the
// format's own decoder writing its cheapest uncompressed output plus ImageMagick fitting a PPM of
// the same size; and 150-pixel thumbnails of all of them on every core against vipsthumbnail.
#include "bench/support/PeerTool.h"
#include "bench/support/PhotoLike.h"
#include "core/FileKinds.h"
#include "engine/ClipResampler.h"
#include "engine/DecodeBudget.h"
#include "engine/ImageDecoder.h"
#include "engine/thumbnails/ThumbnailPicture.h"
#include "tests/support/ToolArguments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <cstdio>
#include <vector>

using namespace velmora;
using namespace velmora::bench;

namespace {

const QSize Screen(3840, 2160);

struct Format {
    const char* name;      // as the lines print it
    const char* extension; // of the files
    QString encoder;
    QStringList encode; // IN and OUT stand for the files
    QString decoder;
    QStringList decode;
    const char* rawSuffix; // of the decoder's output
};

std::vector<Format> formats()
{
    return {
        {"webp",
         "webp",
         "cwebp",
         {"-quiet", "-q", "85", "-m", "0", "IN", "-o", "OUT"},
         "dwebp",
         {"-quiet", "IN", "-ppm", "-o", "OUT"},
         "ppm"},
        {"heic",
         "heic",
         "heif-enc",
         {"-q", "60", "-p", "preset=ultrafast", "-t", "320", "IN", "-o", "OUT"},
         "heif-convert",
         {"IN", "OUT"},
         "y4m"},
        {"avif",
         "avif",
         "avifenc",
         {"-s", "10", "-j", "2", "IN", "OUT"},
         "avifdec",
         {"-j", "1", "IN", "OUT"},
         "y4m"},
        {"jxl", "jxl", "cjxl", {"--quiet", "-e", "1", "IN", "OUT"}, "djxl", {"IN", "OUT"}, "ppm"},
    };
}

// Decoded and fitted to the screen: the whole picture once, then the change's resampler.
QImage decodeFitted(const QString& path)
{
    QImage picture = DecodeImage(path);
    const QSize target = FittedSize(picture.size(), Screen);
    if (target == picture.size())
        return picture;
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    return ResampleImage(picture, target);
}

} // namespace

int main(int argc, char* argv[])
{
    int count = 30;
    int runs = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (QByteArray(argv[i]) == "--files")
            count = std::max(1, atoi(argv[i + 1]));
        else if (QByteArray(argv[i]) == "--runs")
            runs = std::max(1, atoi(argv[i + 1]));
    }
    QCoreApplication app(argc, argv);
    BuildFileKindTable();
    const QString convert = FindConvert();
    const bool vips = !QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail")).isEmpty();
    QTemporaryDir work;
    const QString ppm = work.filePath(QStringLiteral("fit-source.ppm"));
    PhotoLike(4000, 3000, 1).save(ppm, "PPM");

    // Distinct pictures, shared by the formats: their PNG files are what the encoders read.
    std::vector<QString> sources;
    for (int i = 0; i < count; ++i) {
        sources.push_back(work.filePath(QStringLiteral("source%1.png").arg(i)));
        PhotoLike(4000, 3000, quint32(100 + i)).save(sources.back(), "PNG", 100);
    }

    for (const Format& format : formats()) {
        if (QStandardPaths::findExecutable(format.encoder).isEmpty() ||
            QStandardPaths::findExecutable(format.decoder).isEmpty()) {
            std::fprintf(stderr, "formats-%s: %s or %s is missing (scripts/setup.sh installs them)\n",
                         format.name, qPrintable(format.encoder), qPrintable(format.decoder));
            continue;
        }
        QDir folder(work.filePath(QString::fromLatin1(format.name)));
        folder.mkpath(QStringLiteral("."));
        QStringList files;
        for (int i = 0; i < count; ++i) {
            const QString file =
                folder.filePath(QStringLiteral("photo%1.").arg(i) + QString::fromLatin1(format.extension));
            if (RunPeer(format.encoder, velmora::test::WithFiles(format.encode, sources[size_t(i)], file)) <
                0) {
                std::fprintf(stderr, "formats-%s: %s failed\n", format.name, qPrintable(format.encoder));
                return 1;
            }
            files << file;
        }

        // One picture at a time, as a change reads it; medians over the files and the runs.
        std::vector<double> ours, peer;
        const QString raw = work.filePath(QStringLiteral("decoded.") + QString::fromLatin1(format.rawSuffix));
        const QString fitted = work.filePath(QStringLiteral("fitted.ppm"));
        for (int run = 0; run < runs; ++run)
            for (const QString& file : files) {
                ours.push_back(TimeMs([&] { decodeFitted(file); }));
                const double decode =
                    RunPeer(format.decoder, velmora::test::WithFiles(format.decode, file, raw));
                const double fit = convert.isEmpty()
                                       ? 0
                                       : RunPeer(convert, {ppm, QStringLiteral("-resize"),
                                                           QStringLiteral("3840x2160"), fitted});
                if (decode >= 0 && fit >= 0)
                    peer.push_back(decode + fit);
            }
        const double oursMs = Median(ours);
        const double peerMs = Median(peer);
        std::printf("formats-%s: ours %.0f ms, peer %.0f ms, ratio %.2f\n", format.name, oursMs, peerMs,
                    oursMs > 0 ? peerMs / oursMs : 0.0);

        // Thumbnails of every file on every core, as the thumbnail window makes them.
        std::vector<double> thumbs, vipsMs;
        const QString thumbFolder =
            work.filePath(QStringLiteral("thumbs-") + QString::fromLatin1(format.name));
        QDir().mkpath(thumbFolder);
        for (int run = 0; run < runs; ++run) {
            thumbs.push_back(TimeMs([&] {
                QtConcurrent::blockingMap(files, [](const QString& file) {
                    DecodeThumbnailPicture(ReadPictureFile(file), QFileInfo(file).suffix(), 150, file);
                });
            }));
            if (vips) {
                QStringList arguments = {QStringLiteral("-s"), QStringLiteral("150"), QStringLiteral("-o"),
                                         thumbFolder + QStringLiteral("/%s.jpg")};
                vipsMs.push_back(RunPeer(QStringLiteral("vipsthumbnail"), arguments + files));
            }
        }
        const double thumbsMs = Median(thumbs);
        const double vipsMedian = vipsMs.empty() || Median(vipsMs) < 0 ? 0 : Median(vipsMs);
        std::printf("formats-thumbs-%s: ours %.0f ms, peer %.0f ms, ratio %.2f\n", format.name, thumbsMs,
                    vipsMedian, thumbsMs > 0 ? vipsMedian / thumbsMs : 0.0);
        if (QByteArray(format.name) == "heic") {
            // The carried thumbnail against decoding the whole picture for the same thumbnail.
            std::vector<double> carried, whole;
            for (const QString& file : files) {
                const QByteArray bytes = ReadPictureFile(file);
                carried.push_back(
                    TimeMs([&] { DecodeThumbnailPicture(bytes, QStringLiteral("heic"), 150, file); }));
                whole.push_back(TimeMs(
                    [&] { FitThumbnail(DecodeImageData(bytes, QStringLiteral("heic"), {}, file), 150); }));
            }
            std::printf("formats-thumbs-heic-carried: carried %.1f ms, whole %.0f ms, ratio %.1f\n",
                        Median(carried), Median(whole),
                        Median(carried) > 0 ? Median(whole) / Median(carried) : 0.0);
        }
        std::fflush(stdout);
    }
    return 0;
}
