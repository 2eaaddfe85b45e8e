#pragma once
// The work behind one fill of the thumbnail window, free of widgets: list the folder's pictures in
// name order and make their thumbnails on every thread of the program's pool, handing them to the
// window in that order as they become ready. The decodes share one memory budget, so a folder of
// pictures that are huge once decoded is not decoded on every thread at once.
#include "engine/DecodeBudget.h"
#include "engine/thumbnails/ThumbnailCache.h"

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace velmora {

// Makes one file's picture (see MakeThumbnail); the cache is null for files it must not hold.
using ThumbnailMaker = std::function<QImage(const ThumbnailSource&, const ThumbnailCache*, int side)>;

struct ThumbnailFillRequest {
    QString folder;      // ends in "/"
    QString cacheRoot;   // the desktop's thumbnail cache, ending in "/"; empty: none
    QString creator;     // our folder's name under the cache's "fail"
    int side = 150;      // pixels a side of the pictures handed back
    ThumbnailMaker make; // MakeThumbnail when empty; tests hand in stand-ins
    // The window's first screenful: their cache entries are written once they are all handed on,
    // so that the first pictures come as soon as they are decoded.
    int firstScreen = 0;
    // The memory the decodes share (ThumbnailDecodeBudget when null; tests hand in their own).
    DecodeBudget* budget = nullptr;
};

struct ThumbnailItem {
    QString name; // the file name, which is the caption
    QImage picture;
    // As the file was when the picture was made: how the picture is found again in the cache.
    std::int64_t modified = 0;
    std::uint64_t size = 0;
};

// The image files (kind 0 and GIF) of the folder in name order: letter case ignored, then exact.
QStringList ThumbnailFileNames(const QString& folder);

// Makes the thumbnails of ThumbnailFileNames(request.folder) and calls deliver with each run of
// items that has become complete from the front, from whichever thread finished it, one call at a
// time. Files that cannot be shown get no item. Stops taking files once canceled() says so. Returns
// the number of items delivered.
int FillThumbnails(const ThumbnailFillRequest& request, const std::function<bool()>& canceled,
                   const std::function<void(QList<ThumbnailItem>)>& deliver);

} // namespace velmora
