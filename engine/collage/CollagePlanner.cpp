#include "engine/collage/CollagePlanner.h"

#include "engine/collage/CollageRules.h"

namespace velmora {

CollageOptions CollageOptions::FromSettings(const Settings& settings)
{
    CollageOptions options;
    options.count = settings.CollageCount;
    options.factor = settings.CollageBairitu;
    options.basis = settings.CollageBaseMode;
    options.tiled = settings.CollageTileMode != 0;
    options.tileLines = settings.CollageTileLines;
    options.randomOrder = settings.CollageChangeMode == 1;
    return options;
}

CollagePlanner::CollagePlanner(const CollageOptions& options, QSize canvas, CollageSequence sequence,
                               RandomTape tape, CollagePiece inHand)
    : m_options(options)
    , m_canvas(canvas)
    , m_sequence(std::move(sequence))
    , m_tape(std::move(tape))
    , m_inHand(std::move(inHand))
{
    const auto channel = [this] { return int(m_tape.draw() * 256); };
    const int red = channel();
    const int green = channel();
    const int blue = channel();
    m_background = QColor(red, green, blue);
    if (m_options.tiled) {
        m_rows = TiledRowCount(m_options.tileLines, m_canvas.height(), [this] { return m_tape.draw(); });
        m_rowHeight = m_canvas.height() / m_rows;
        m_finished = m_rowHeight < 1;
    } else {
        m_finished = m_options.count < 1;
    }
}

PlacedPiece PlacedPiece::From(const CollagePlacement& placement)
{
    PlacedPiece placed;
    placed.number = placement.number;
    if (!placement.piece.empty()) {
        placed.path = placement.piece.picture->path();
        placed.size = placement.piece.size;
    }
    placed.x = placement.x;
    placed.y = placement.y;
    placed.background = placement.background;
    return placed;
}

int CollagePlanner::progressMaximum() const
{
    return m_options.tiled ? m_rows : std::max(0, m_options.count);
}

QString CollagePlanner::nextFile()
{
    return m_sequence.next(m_tape);
}

std::optional<CollagePlacement> CollagePlanner::loaded(Loaded outcome, std::shared_ptr<const CollagePicture> picture)
{
    if (outcome == Loaded::Picture && picture) {
        m_inHand = CollagePiece{std::move(picture), {}};
        m_inHand.size = m_inHand.picture->size();
        m_fresh = true;
    }
    if (outcome == Loaded::Failed) {
        if (--m_attemptsLeft >= 0)
            return std::nullopt;
        // Every attempt failed: the piece in hand goes on the canvas as it is, not scaled again.
    } else if (!m_options.tiled && m_piece != 1) {
        const float scale = CollagePieceScale(m_piece, m_options.factor, m_tape.draw());
        if (!m_inHand.empty())
            m_inHand.size = ScaledPieceSize(m_inHand.size, scale, m_options.basis, m_canvas);
    }
    CollagePlacement placement = m_options.tiled ? placeTiled() : placeRandom();
    m_attemptsLeft = Attempts - 1;
    m_fresh = false;
    return placement;
}

CollagePlacement CollagePlanner::placeRandom()
{
    const int quadrant = m_piece % 5;
    const QSize size = m_inHand.empty() ? QSize(0, 0) : m_inHand.size;
    CollagePlacement placement;
    placement.number = m_piece;
    placement.piece = m_inHand;
    placement.y = PieceEdge(PieceCentreRange(quadrant, true, size.height(), m_canvas.height()), size.height(),
                            m_tape.draw());
    placement.x = PieceEdge(PieceCentreRange(quadrant, false, size.width(), m_canvas.width()), size.width(),
                            m_tape.draw());
    // The first piece is laid over the whole canvas instead of at its place.
    placement.background = m_piece == 1;
    placement.freshPicture = m_fresh;
    placement.progress = m_piece;
    if (++m_piece > m_options.count)
        m_finished = true;
    return placement;
}

CollagePlacement CollagePlanner::placeTiled()
{
    CollagePlacement placement;
    placement.number = m_piece++;
    placement.x = m_x;
    placement.y = m_y;
    placement.freshPicture = m_fresh;
    if (!m_inHand.empty()) {
        m_inHand.size = QSize(TiledPieceWidth(m_inHand.size, m_rowHeight), m_rowHeight);
        placement.piece = m_inHand;
        m_x += m_inHand.size.width();
    }
    // Without any piece there is nothing to fill a row with: it ends there.
    if (m_inHand.empty() || m_x > m_canvas.width()) {
        ++m_row;
        m_x = 0;
        m_y += m_rowHeight;
        if (m_row > m_rows)
            m_finished = true;
        else
            placement.progress = m_row;
    }
    return placement;
}

} // namespace velmora
