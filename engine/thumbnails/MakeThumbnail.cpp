#include "engine/thumbnails/MakeThumbnail.h"

#include "core/Failure.h"
#include "core/PathRoutines.h"
#include "core/TextLines.h"
#include "engine/ImageDecoder.h"
#include "engine/thumbnails/ThumbnailPicture.h"

#include <new>

namespace velmora {
namespace {

// Failures that belong to the file's content, which stays as it is until the file changes; a file
// that cannot be opened now may be readable later.
bool contentFailure(const Failure& failure)
{
    return failure.code() == ErrorCode::InvalidPicture || failure.code() == ErrorCode::OutOfMemory;
}

} // namespace

QImage MakeThumbnail(const ThumbnailSource& source, const ThumbnailCache* cache, int side,
                     std::optional<PendingThumbnail>* later, DecodeBudget* budget)
{
    if (cache) {
        const QImage cached = cache->find(source);
        if (!cached.isNull())
            return FitThumbnail(cached, side);
        if (cache->hasFailure(source))
            return {};
    }
    QImage picture;
    try {
        const QByteArray bytes = ReadPictureFile(source.path);
        picture = DecodeThumbnailPicture(bytes, GetExtension(GetFileName(source.path)),
                                         cache ? LargeThumbnailSide : side, source.path, budget);
    } catch (const Failure& failure) {
        if (cache && contentFailure(failure))
            cache->recordFailure(source);
        return {};
    } catch (const std::bad_alloc&) {
        return {};
    }
    if (picture.isNull())
        return {};
    if (!cache)
        return picture;
    QImage fitted = FitThumbnail(picture, side);
    if (later)
        *later = PendingThumbnail{source, std::move(picture)};
    else
        cache->store(source, picture);
    return fitted;
}

} // namespace velmora
