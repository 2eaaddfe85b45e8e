#pragma once
// The collage's decisions, in the order they are made for real: the background colour, then for
// each piece the file (NextCollageFile), whether it loaded, its scale and its place. The planner is
// a value: a copy taken where a piece's file is about to be loaded is that moment of the plan, so a
// plan made ahead can be taken back to it when the file turns out not to load.
#include "engine/collage/CollagePlan.h"
#include "engine/collage/CollageSequence.h"

#include <optional>

namespace velmora {

class CollagePlanner {
public:
    // Draws the background colour and, for a tiled collage without a set row count, the rows.
    // inHand: the piece left by the previous collage (or none).
    CollagePlanner(const CollageOptions& options, QSize canvas, CollageSequence sequence, RandomTape tape,
                   CollagePiece inHand);

    QColor backgroundColour() const { return m_background; }
    // pbGeneral's maximum: the pieces of a random collage, the rows of a tiled one.
    int progressMaximum() const;
    // Rows of a tiled collage (n; rows 0 to n are filled) and their height.
    int rowCount() const { return m_rows; }
    int rowHeight() const { return m_rowHeight; }

    bool finished() const { return m_finished; }
    // The next attempt's file: empty when the source is empty.
    QString nextFile();

    enum class Loaded {
        Picture, // the file was read: `picture` is the new piece
        Kept,    // not a picture file, or its failure ignored: the piece in hand stays
        Failed,  // the user gave up on the file: the next attempt takes another
    };
    // The outcome of the attempt nextFile() started. Returns the placement when it completes the piece;
    // nothing when another attempt is to be made (call nextFile() again).
    std::optional<CollagePlacement> loaded(Loaded outcome, std::shared_ptr<const CollagePicture> picture = {});

    const CollageSequence& sequence() const { return m_sequence; }
    const CollagePiece& inHand() const { return m_inHand; }

    // Attempts per piece: the first and ten more.
    static constexpr int Attempts = 11;

private:
    CollagePlacement placeRandom();
    CollagePlacement placeTiled();

    CollageOptions m_options;
    QSize m_canvas;
    CollageSequence m_sequence;
    RandomTape m_tape;
    CollagePiece m_inHand;
    QColor m_background;
    bool m_finished = false;
    int m_attemptsLeft = Attempts - 1; // the counter that ends the attempts when it drops below 0
    bool m_fresh = false;              // the piece in hand was read during this piece's attempts
    int m_piece = 1;                   // random: i; tiled: placements so far + 1
    // Tiled
    int m_rows = 0;
    int m_rowHeight = 0;
    int m_row = 0;
    qint64 m_x = 0;
    qint64 m_y = 0;
};

} // namespace velmora
