#include "engine/PictureHeader.h"

#include "engine/TiffHandlerGuard.h"

#include <QBuffer>
#include <QImageReader>

#include <optional>

namespace velmora {
namespace {

QSize sizeOf(QImageReader& reader)
{
    // Reading a TIFF header goes through libtiff, whose handlers GraphicsMagick may hold right now.
    std::optional<TiffHandlerGuard> tiffHandlers;
    if (TiffHandlerGuard::IsTiffFormat(reader.format()))
        tiffHandlers.emplace(TiffHandlerGuard::User::QtTiffReader);
    return reader.size();
}

} // namespace

QSize PictureHeaderSize(const QByteArray& bytes, const QString& extension)
{
    if (bytes.isEmpty())
        return {};
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader byContent(&buffer);
    byContent.setDecideFormatFromContent(true);
    if (byContent.canRead())
        return sizeOf(byContent);
    buffer.seek(0);
    QImageReader byExtension(&buffer, extension.toLower().toLatin1());
    return byExtension.canRead() ? sizeOf(byExtension) : QSize();
}

} // namespace velmora
