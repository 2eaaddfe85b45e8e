#pragma once
// One file's thumbnail for the thumbnail window, through the shared cache when there is one.
#include "engine/DecodeBudget.h"
#include "engine/thumbnails/ThumbnailCache.h"

#include <optional>

namespace velmora {

// The file's picture fitted into side x side: the cache's valid entry when there is one (nothing is
// decoded then), else the file decoded, its entry written to the cache on the way. Null when the
// file cannot be shown: it cannot be read, or it cannot be decoded (corrupt, empty, too large), in
// which case the failure is recorded so that it is not tried again while the file stays the same.
// Without a cache the file is decoded at side directly. Safe on a worker thread.
// With `later`, a new cache entry is handed back there instead of written, for the caller to write
// when the picture is on the screen. The decode takes its share of `budget` (see
// DecodeThumbnailPicture).
struct PendingThumbnail {
    ThumbnailSource source;
    QImage picture;
};
QImage MakeThumbnail(const ThumbnailSource& source, const ThumbnailCache* cache, int side,
                     std::optional<PendingThumbnail>* later = nullptr, DecodeBudget* budget = nullptr);

} // namespace velmora
