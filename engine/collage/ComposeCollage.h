#pragma once
// The collage step of the composition: a new canvas the size of the screen, in a random colour,
// covered with pieces of the current list or folder, scattered with shrinking sizes or laid out in
// rows. The decisions are made one after the other as the pieces would be loaded one by one; the
// pieces themselves are decoded ahead on the job pool, each at the smallest DCT scale that covers
// the size it is shown at and only for the part no later piece covers, and put on the canvas in
// their order as they arrive.
#include "core/RandomSource.h"
#include "engine/EngineState.h"
#include "engine/collage/CollagePlan.h"
#include "engine/collage/CollageSequence.h"

#include <functional>
#include <vector>

namespace velmora {

struct CollageRequest {
    CollageOptions options;
    CollageSource source;   // the file view's items or the list's entries when the change started
    CollagePiece inHand;    // the piece left by the previous collage
    QSize screen;           // the canvas, in device pixels
    RandomSource* random = nullptr; // the program's generator when null
    std::function<bool()> canceled;
    std::function<void(int minimum, int maximum)> progressRange; // pbGeneral
    std::function<void(int value)> progressValue;
    // The canvas as it fills, reduced to fit previewBound; now and then, on the composing thread.
    std::function<void(const QImage& reduced)> showCanvas;
    QSize previewBound{960, 960};
};

struct CollageResult {
    // The source's positions after the collage: in order, the pieces moved them on.
    int fileIndex1 = 1;
    int fileIndex2 = 0;
    CollagePiece inHand; // for the next collage
    std::vector<PlacedPiece> placements; // in the order they were put on the canvas
    bool canceled = false;
};

// Replaces the state's wallpaper image by the collage. A piece's file that cannot be read is asked
// about (Abort, Retry, Ignore) through the thread's prompter, in piece order: Retry reads it again,
// Ignore goes on with the piece in hand, Abort takes another file (up to 11 attempts a piece).
// Throws a Failure when the canvas itself cannot be made.
CollageResult ComposeCollage(EngineState& state, const CollageRequest& request);

} // namespace velmora
