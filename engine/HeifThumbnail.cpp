#include "engine/HeifThumbnail.h"

#include "engine/DecodeFailure.h"
#include "engine/ImageDecoder.h"
#include "engine/LibraryBinder.h"

#include <vector>

#include <libheif/heif.h>

namespace velmora {
namespace {

struct HeifLibrary {
    decltype(&::heif_init) init = nullptr;
    decltype(&::heif_context_alloc) contextAlloc = nullptr;
    decltype(&::heif_context_free) contextFree = nullptr;
    decltype(&::heif_context_set_maximum_image_size_limit) sizeLimit = nullptr;
    decltype(&::heif_context_read_from_memory_without_copy) read = nullptr;
    decltype(&::heif_context_get_primary_image_handle) primary = nullptr;
    decltype(&::heif_image_handle_release) handleRelease = nullptr;
    decltype(&::heif_image_handle_get_width) width = nullptr;
    decltype(&::heif_image_handle_get_height) height = nullptr;
    decltype(&::heif_image_handle_has_alpha_channel) hasAlpha = nullptr;
    decltype(&::heif_image_handle_get_list_of_thumbnail_IDs) thumbnailIds = nullptr;
    decltype(&::heif_image_handle_get_thumbnail) thumbnail = nullptr;
    decltype(&::heif_decoding_options_alloc) optionsAlloc = nullptr;
    decltype(&::heif_decoding_options_free) optionsFree = nullptr;
    decltype(&::heif_decode_image) decode = nullptr;
    decltype(&::heif_image_get_width) imageWidth = nullptr;
    decltype(&::heif_image_get_height) imageHeight = nullptr;
    decltype(&::heif_image_get_plane_readonly) plane = nullptr;
    decltype(&::heif_image_release) imageRelease = nullptr;
    bool loaded = false;
};

const HeifLibrary& Heif()
{
    static const HeifLibrary library = [] {
        HeifLibrary heif;
        LibraryBinder binder(VELMORA_HEIF_LIBRARY);
        binder.bind(heif.init, "heif_init");
        binder.bind(heif.contextAlloc, "heif_context_alloc");
        binder.bind(heif.contextFree, "heif_context_free");
        binder.bind(heif.sizeLimit, "heif_context_set_maximum_image_size_limit");
        binder.bind(heif.read, "heif_context_read_from_memory_without_copy");
        binder.bind(heif.primary, "heif_context_get_primary_image_handle");
        binder.bind(heif.handleRelease, "heif_image_handle_release");
        binder.bind(heif.width, "heif_image_handle_get_width");
        binder.bind(heif.height, "heif_image_handle_get_height");
        binder.bind(heif.hasAlpha, "heif_image_handle_has_alpha_channel");
        binder.bind(heif.thumbnailIds, "heif_image_handle_get_list_of_thumbnail_IDs");
        binder.bind(heif.thumbnail, "heif_image_handle_get_thumbnail");
        binder.bind(heif.optionsAlloc, "heif_decoding_options_alloc");
        binder.bind(heif.optionsFree, "heif_decoding_options_free");
        binder.bind(heif.decode, "heif_decode_image");
        binder.bind(heif.imageWidth, "heif_image_get_width");
        binder.bind(heif.imageHeight, "heif_image_get_height");
        binder.bind(heif.plane, "heif_image_get_plane_readonly");
        binder.bind(heif.imageRelease, "heif_image_release");
        heif.loaded = binder.complete();
        if (heif.loaded)
            heif.init(nullptr);
        return heif;
    }();
    return library;
}

struct ContextDeleter {
    void operator()(heif_context* context) const { Heif().contextFree(context); }
};
struct HandleDeleter {
    void operator()(heif_image_handle* handle) const { Heif().handleRelease(handle); }
};
struct ImageDeleter {
    void operator()(heif_image* image) const { Heif().imageRelease(image); }
};
struct OptionsDeleter {
    void operator()(heif_decoding_options* options) const { Heif().optionsFree(options); }
};
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;

QSize handleSize(const heif_image_handle* handle)
{
    return QSize(Heif().width(handle), Heif().height(handle));
}

} // namespace

struct HeifContainer::Parsed {
    std::unique_ptr<heif_context, ContextDeleter> context;
    Handle primary;
    std::vector<heif_item_id> thumbnails;
};

HeifContainer::HeifContainer(std::unique_ptr<Parsed> parsed)
    : m_parsed(std::move(parsed))
{}
HeifContainer::HeifContainer(HeifContainer&&) noexcept = default;
HeifContainer& HeifContainer::operator=(HeifContainer&&) noexcept = default;
HeifContainer::~HeifContainer() = default;

bool HeifContainer::LibraryLoaded()
{
    return Heif().loaded;
}

std::optional<HeifContainer> HeifContainer::Open(const QByteArray& bytes, QString* error)
{
    const HeifLibrary& heif = Heif();
    const auto fail = [&](const char* why) -> std::optional<HeifContainer> {
        if (error)
            *error = QString::fromUtf8(why ? why : "libheif");
        return std::nullopt;
    };
    if (!heif.loaded)
        return fail("libheif");
    auto parsed = std::make_unique<Parsed>();
    parsed->context.reset(heif.contextAlloc());
    if (!parsed->context)
        return fail("libheif");
    heif.sizeLimit(parsed->context.get(), MaxDecodedSide);
    if (const heif_error read =
            heif.read(parsed->context.get(), bytes.constData(), size_t(bytes.size()), nullptr);
        read.code != heif_error_Ok)
        return fail(read.message);
    heif_image_handle* primary = nullptr;
    if (const heif_error found = heif.primary(parsed->context.get(), &primary);
        found.code != heif_error_Ok || !primary)
        return fail(found.message);
    parsed->primary.reset(primary);
    parsed->thumbnails.resize(8);
    const int count = heif.thumbnailIds(primary, parsed->thumbnails.data(), int(parsed->thumbnails.size()));
    parsed->thumbnails.resize(size_t(std::max(count, 0)));
    return HeifContainer(std::move(parsed));
}

QSize HeifContainer::size() const
{
    return handleSize(m_parsed->primary.get());
}

namespace {

// The smallest thumbnail handle of the list that covers atLeast.
Handle coveringHandle(const heif_image_handle* primary, const std::vector<heif_item_id>& ids, QSize atLeast)
{
    Handle best;
    for (const heif_item_id id : ids) {
        heif_image_handle* candidate = nullptr;
        if (Heif().thumbnail(primary, id, &candidate).code != heif_error_Ok || !candidate)
            continue;
        Handle handle(candidate);
        const QSize size = handleSize(candidate);
        if (size.width() < atLeast.width() || size.height() < atLeast.height())
            continue;
        if (!best || qint64(size.width()) * size.height() <
                         qint64(handleSize(best.get()).width()) * handleSize(best.get()).height())
            best = std::move(handle);
    }
    return best;
}

} // namespace

std::optional<QSize> HeifContainer::thumbnailCovering(QSize atLeast) const
{
    const Handle handle = coveringHandle(m_parsed->primary.get(), m_parsed->thumbnails, atLeast);
    if (!handle)
        return std::nullopt;
    return handleSize(handle.get());
}

namespace {

// The picture of a handle, turned, cropped and mirrored by libheif as its container says.
QImage decodeHandle(const heif_image_handle* handle, const QString& path)
{
    const HeifLibrary& heif = Heif();
    CheckDecodedSize(handleSize(handle), path);
    const bool transparent = heif.hasAlpha(handle) != 0;
    std::unique_ptr<heif_decoding_options, OptionsDeleter> options(heif.optionsAlloc());
    if (options && options->version >= 2)
        options->convert_hdr_to_8bit = 1;
    heif_image* decoded = nullptr;
    const heif_error error =
        heif.decode(handle, &decoded, heif_colorspace_RGB,
                    transparent ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
    const std::unique_ptr<heif_image, ImageDeleter> image(decoded);
    if (error.code != heif_error_Ok || !image)
        throw CorruptImage(path, QString::fromUtf8(error.message ? error.message : ""));
    int stride = 0;
    const uint8_t* pixels = heif.plane(image.get(), heif_channel_interleaved, &stride);
    const int width = heif.imageWidth(image.get(), heif_channel_interleaved);
    const int height = heif.imageHeight(image.get(), heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0)
        throw CorruptImage(path, QStringLiteral("libheif"));
    CheckDecodedSize(QSize(width, height), path);
    const QImage view(pixels, width, height, stride,
                      transparent ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    // A copy: the pixels belong to libheif's picture, released on return.
    QImage picture = view.convertToFormat(transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.isNull())
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    return picture;
}

} // namespace

QImage HeifContainer::decodeThumbnail(QSize atLeast, const QString& path) const
{
    const Handle handle = coveringHandle(m_parsed->primary.get(), m_parsed->thumbnails, atLeast);
    return handle ? decodeHandle(handle.get(), path) : QImage();
}

QImage HeifContainer::decodePrimary(const QString& path) const
{
    return decodeHandle(m_parsed->primary.get(), path);
}

} // namespace velmora
