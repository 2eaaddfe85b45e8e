#pragma once
// What a collage is made of: the settings it follows, the piece in hand, and where each piece goes.
#include "core/Settings.h"
#include "engine/collage/CollagePicture.h"

#include <QColor>

#include <memory>

namespace velmora {

// The collage's settings.
struct CollageOptions {
    int count = 70;          // CollageCount: pieces of a random collage
    int factor = 3;          // CollageBairitu: the largest enlargement
    int basis = 1;           // CollageBaseMode: 0 the piece's own size, otherwise the screen's
    bool tiled = false;      // CollageTileMode not 0: rows side by side
    int tileLines = 0;       // CollageTileLines: rows, 0 for a drawn count
    bool randomOrder = true; // CollageChangeMode 1: pieces picked at random

    static CollageOptions FromSettings(const Settings& settings);
};

// The piece in hand (the piece image): the picture last read and the size it has been given. A
// piece that cannot be read leaves it as it is; an empty one places nothing.
struct CollagePiece {
    std::shared_ptr<const CollagePicture> picture;
    QSize size;

    bool empty() const { return !picture; }
};

// One piece put on the canvas.
struct CollagePlacement {
    int number = 0;          // random collage: the piece number i from 1; tiled: the count from 1
    CollagePiece piece;      // the picture and the size it is shown at
    qint64 x = 0;            // its top-left corner on the canvas; may lie outside
    qint64 y = 0;
    bool background = false; // repeated over the whole canvas from the top-left corner instead
    bool freshPicture = false; // the picture was read for this piece (not kept from an earlier one)
    int progress = -1;       // the progress value once it is placed; -1 leaves it
};

// A piece as it went on the canvas, for whoever wants to know where (the picture itself, with its
// file's bytes, is not kept).
struct PlacedPiece {
    int number = 0;
    QString path; // the picture's file; empty for a picture that came from memory or for none
    QSize size;
    qint64 x = 0;
    qint64 y = 0;
    bool background = false;

    static PlacedPiece From(const CollagePlacement& placement);
};

} // namespace velmora
