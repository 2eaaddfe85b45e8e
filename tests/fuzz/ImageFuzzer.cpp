// The image front door: signature sniffing, the size checks on headers, and every decoder that takes
// bytes (libjpeg-turbo, Qt's readers, GraphicsMagick with the coder the name forces), with the
// program's own bounds; then the same bytes as the thumbnails decode them (reduced PNG reads, the
// memory budget's header sizes).
#include "tests/fuzz/FuzzTarget.h"

#include "core/Failure.h"
#include "engine/ImageDecoder.h"
#include "engine/thumbnails/ThumbnailPicture.h"
#include "tests/fuzz/ImageSelector.h"

#include <QFile>
#include <QTemporaryDir>

using namespace velmora;

namespace {

// A stand-in Ghostscript first on PATH that leaves a mark when it runs: no picture may start a
// program, and the real one would interpret the input.
QString g_ghostscriptMark;

void installGhostscriptStandIn()
{
    static QTemporaryDir folder;
    if (!folder.isValid())
        fuzz::Broken("no folder for the stand-in Ghostscript");
    g_ghostscriptMark = folder.filePath(QStringLiteral("gs-ran"));
    QFile script(folder.filePath(QStringLiteral("gs")));
    if (!script.open(QIODevice::WriteOnly) ||
        script.write("#!/bin/sh\n: > '" + QFile::encodeName(g_ghostscriptMark) + "'\nexit 1\n") < 0 ||
        !script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        fuzz::Broken("no stand-in Ghostscript");
    qputenv("PATH", QFile::encodeName(folder.path()) + ':' + qgetenv("PATH"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartProgramState();
    installGhostscriptStandIn();
    return 0;
}

// The first byte chooses the file's extension and the box the caller asks for (see ImageSelector.h);
// the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || static_cast<qint64>(size) - 1 > MaxImageFileBytes)
        return 0;
    const fuzz::ImageRequest request = fuzz::ImageRequestFor(data[0]);
    const QString path = QStringLiteral("/fuzz/picture.") + request.extension.toLower();
    try {
        const QImage image =
            DecodeImageData(fuzz::Bytes(data + 1, size - 1), request.extension, request.fitWithin, path);
        if (image.isNull())
            fuzz::Broken("an empty picture reported as decoded");
        if (image.width() > MaxDecodedSide || image.height() > MaxDecodedSide ||
            qint64(image.width()) * image.height() > MaxDecodedPixels)
            fuzz::Broken("a picture beyond the size bounds");
        if (request.fitWithin.isValid() &&
            (image.width() > request.fitWithin.width() || image.height() > request.fitWithin.height()))
            fuzz::Broken("a picture larger than the box asked for");
    } catch (const Failure& failure) {
        // Refused with a message that names the file.
        if (!failure.text().contains(path))
            fuzz::Broken("a decoding failure that does not name the file");
    }
    const int side = request.fitWithin.isValid() ? request.fitWithin.width() : 256;
    try {
        const QImage thumbnail =
            DecodeThumbnailPicture(fuzz::Bytes(data + 1, size - 1), request.extension, side, path);
        if (thumbnail.isNull() || thumbnail.width() > side || thumbnail.height() > side)
            fuzz::Broken("a thumbnail that is empty or larger than its box");
    } catch (const Failure& failure) {
        if (!failure.text().contains(path))
            fuzz::Broken("a thumbnail failure that does not name the file");
    }
    if (QFile::exists(g_ghostscriptMark))
        fuzz::Broken("a picture started Ghostscript");
    return 0;
}
