#include "engine/collage/ComposeCollage.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "core/Steps.h"
#include "engine/ImageMemory.h"
#include "engine/collage/CanvasPreview.h"
#include "engine/collage/CollagePlanner.h"
#include "engine/collage/CoverageGrid.h"
#include "engine/collage/PieceQueue.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>

namespace velmora {
namespace {

// Pieces decoded ahead: enough to keep every core busy, few enough to keep memory small.
constexpr int PiecesAhead = 4;
constexpr qint64 BytesAhead = qint64(48) << 20;
// The preview is shown anew at most this often.
constexpr qint64 PreviewIntervalMs = 100;

QImage newPixels(QSize size)
{
    QImage image = NewTransientImage(size.width(), size.height(), QImage::Format_RGB32);
    if (image.isNull())
        throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    return image;
}

// A piece of the plan on its way to the canvas.
struct Planned {
    CollagePlacement placement;
    std::optional<CollagePlanner> atLoad; // the plan as its file was about to be loaded (fresh pictures)
    QString path;
    QRect visible;   // the part of the canvas it covers (the first piece: from the corner)
    QRect shown;     // the part of that which no later piece covers: all that is decoded
    bool repeated = false; // the first piece, smaller than the canvas: drawn whole, over and over
};

// The part of the piece's own picture that shows.
QRect shownOfPiece(const Planned& planned)
{
    if (planned.placement.background)
        return planned.shown;
    return planned.shown.translated(-int(planned.placement.x), -int(planned.placement.y));
}

// A file that could not be read while planning: the plan waits there until it is asked about.
struct Blocked {
    CollagePlanner atLoad;
    QString path;
    Failure failure;
};

struct Attempt {
    CollagePlanner::Loaded outcome = CollagePlanner::Loaded::Kept;
    std::shared_ptr<const CollagePicture> picture;
    std::optional<Failure> failure;
};

class Composition {
public:
    Composition(const CollageRequest& request, RandomSource& random)
        : m_request(request)
        , m_canvasSize(request.screen)
        , m_planner(request.options, request.screen, CollageSequence(request.source, request.options.randomOrder),
                    RandomTape(random), request.inHand)
        , m_queue(PiecesAhead, BytesAhead)
        , m_coverage(request.screen)
    {}

    QImage run(CollageResult& result);

private:
    bool canceled() const { return m_request.canceled && m_request.canceled(); }
    Attempt load(const QString& path, bool again);
    void planAhead();
    void add(const CollagePlacement& placement, std::optional<CollagePlanner> atLoad, const QString& path);
    void findShownParts();
    void queueRenders();
    void retake(const Blocked& blocked);
    void resolve(const QString& path, Recovery recovery);
    void failedAtRender(const Failure& failure);
    void place(const Planned& planned, const QImage& pixels);
    void showProgress(const CollagePlacement& placement);

    const CollageRequest& m_request;
    QSize m_canvasSize;
    QImage m_canvas;
    CollagePlanner m_planner;
    PieceQueue m_queue;
    CoverageGrid m_coverage;
    std::vector<Planned> m_plan;
    size_t m_placed = 0;  // m_plan[0 .. m_placed) are on the canvas
    size_t m_queued = 0;  // m_plan[m_placed .. m_queued) are being decoded
    size_t m_partsFound = 0; // m_plan[0 .. m_partsFound) know the part of them that shows
    bool m_trimmed = false;  // a piece on the canvas was decoded for less than it covers
    std::optional<Blocked> m_blocked;
    std::map<QString, Failure> m_unreadable; // files that failed when decoded, asked about again in turn
    std::optional<CanvasPreview> m_preview;
    QElapsedTimer m_sincePreview;
    int m_progress = 0;
};

QImage Composition::run(CollageResult& result)
{
    m_canvas = newPixels(m_canvasSize);
    m_canvas.fill(m_planner.backgroundColour().rgb());
    if (m_request.showCanvas) {
        m_preview.emplace(m_canvasSize, m_request.previewBound);
        m_preview->update(m_canvas, m_canvas.rect());
        m_request.showCanvas(m_preview->image());
        m_sincePreview.start();
    }
    if (m_request.progressRange)
        m_request.progressRange(0, m_planner.progressMaximum());

    while (!canceled()) {
        planAhead();
        findShownParts();
        queueRenders();
        if (m_queue.empty()) {
            if (!m_blocked)
                break; // every piece is on the canvas
            const Blocked blocked = std::move(*m_blocked);
            m_blocked.reset();
            retake(blocked);
            continue;
        }
        PieceQueue::Rendered rendered = m_queue.takeFirst();
        const Planned& planned = m_plan[m_placed];
        if (rendered.failure && planned.atLoad) {
            failedAtRender(*rendered.failure);
            continue;
        }
        if (rendered.failure) {
            // A piece kept from before that cannot be drawn again (its file gone, memory): Retry
            // draws it again, Ignore and Abort leave it out.
            bool drawn = false;
            Recovery recovery = AskUser(*rendered.failure);
            while (recovery == Recovery::Retry && !drawn) {
                try {
                    const QRect clip = shownOfPiece(planned);
                    QImage pixels = newPixels(clip.size());
                    planned.placement.piece.picture->render(planned.placement.piece.size, clip, pixels.bits(),
                                                            pixels.bytesPerLine());
                    rendered.image = pixels;
                    drawn = true;
                } catch (...) {
                    recovery = AskUser(CurrentFailure());
                }
            }
            if (!drawn)
                rendered.image = QImage();
        }
        place(planned, rendered.image);
        ++m_placed;
    }
    if (canceled()) {
        result.canceled = true;
        return {};
    }
    result.fileIndex1 = m_planner.sequence().fileIndex1();
    result.fileIndex2 = m_planner.sequence().fileIndex2();
    result.inHand = m_planner.inHand();
    for (const Planned& planned : m_plan)
        result.placements.push_back(PlacedPiece::From(planned.placement));
    return m_canvas;
}

// LoadCollagePiece's reading: picture files (and GIF) are read; any other kind, an empty path
// included, leaves the piece in hand. A file that failed when decoded is not tried again until the
// user says Retry.
Attempt Composition::load(const QString& path, bool again)
{
    Attempt attempt;
    const std::int16_t kind = path.isEmpty() ? Kind::Other : FileKind(GetFileName(path));
    if (kind != Kind::Image && kind != Kind::Gif)
        return attempt;
    if (const auto known = m_unreadable.find(path); known != m_unreadable.end() && !again) {
        attempt.failure = known->second;
        return attempt;
    }
    try {
        attempt.picture = CollagePicture::Read(path);
        if (again)
            attempt.picture->validate();
        attempt.outcome = CollagePlanner::Loaded::Picture;
    } catch (...) {
        attempt.picture.reset();
        attempt.failure = CurrentFailure();
    }
    return attempt;
}

// The whole plan, from the files' headers: every piece's place is known before any is decoded,
// so each is decoded only for the part that will show.
void Composition::planAhead()
{
    while (!m_blocked && !m_planner.finished()) {
        const QString path = m_planner.nextFile();
        const CollagePlanner atLoad = m_planner;
        Attempt attempt = load(path, false);
        if (attempt.failure) {
            m_blocked = Blocked{atLoad, path, *attempt.failure};
            return;
        }
        const bool fresh = attempt.outcome == CollagePlanner::Loaded::Picture;
        if (const auto placement = m_planner.loaded(attempt.outcome, std::move(attempt.picture)))
            add(*placement, fresh ? std::optional(atLoad) : std::nullopt, path);
    }
}

void Composition::add(const CollagePlacement& placement, std::optional<CollagePlanner> atLoad, const QString& path)
{
    Planned planned{placement, placement.freshPicture ? std::move(atLoad) : std::nullopt, path, {}, {}, false};
    const CollagePiece& piece = placement.piece;
    if (!piece.empty()) {
        const QRect canvas(QPoint(0, 0), m_canvasSize);
        const QSize size = piece.size;
        if (placement.background) {
            planned.visible = QRect(0, 0, std::min(size.width(), m_canvasSize.width()),
                                    std::min(size.height(), m_canvasSize.height()));
            planned.repeated = size.width() < m_canvasSize.width() || size.height() < m_canvasSize.height();
        } else {
            const qint64 left = std::max<qint64>(placement.x, 0);
            const qint64 top = std::max<qint64>(placement.y, 0);
            const qint64 right = std::min<qint64>(placement.x + size.width(), canvas.width());
            const qint64 bottom = std::min<qint64>(placement.y + size.height(), canvas.height());
            if (right > left && bottom > top)
                planned.visible = QRect(int(left), int(top), int(right - left), int(bottom - top));
        }
    }
    m_plan.push_back(std::move(planned));
}

// From the last piece back: what later pieces leave uncovered of each piece not yet decoding.
void Composition::findShownParts()
{
    if (m_partsFound == m_plan.size())
        return;
    m_coverage.clear();
    for (size_t i = m_plan.size(); i-- > m_queued;) {
        Planned& planned = m_plan[i];
        planned.shown = planned.repeated ? planned.visible : m_coverage.uncovered(planned.visible);
        m_coverage.cover(planned.visible);
    }
    m_partsFound = m_plan.size();
}

void Composition::queueRenders()
{
    while (m_queued < m_plan.size() && m_queue.hasRoom()) {
        const Planned& planned = m_plan[m_queued++];
        const CollagePiece& piece = planned.placement.piece;
        PieceQueue::Render render = [] { return QImage(); };
        qint64 bytes = qint64(planned.shown.width()) * planned.shown.height() * 4;
        if (!planned.shown.isEmpty()) {
            const QRect clip = shownOfPiece(planned);
            render = [picture = piece.picture, size = piece.size, clip] {
                QImage pixels = newPixels(clip.size());
                picture->render(size, clip, pixels.bits(), pixels.bytesPerLine());
                return pixels;
            };
        } else if (planned.placement.freshPicture) {
            // Nothing of it shows, but whether its file reads is still told in its turn.
            render = [picture = piece.picture] {
                picture->check();
                return QImage();
            };
        }
        if (!piece.empty())
            bytes += piece.picture->heldBytes();
        m_queue.push(std::move(render), bytes);
    }
}

void Composition::retake(const Blocked& blocked)
{
    m_planner = blocked.atLoad;
    resolve(blocked.path, AskUser(blocked.failure));
}

// The user's answer about a file that could not be read, at the attempt that read it.
void Composition::resolve(const QString& path, Recovery recovery)
{
    const CollagePlanner atLoad = m_planner;
    std::optional<CollagePlacement> placement;
    bool fresh = false;
    switch (recovery) {
    case Recovery::Retry: {
        Attempt attempt = load(path, true);
        if (attempt.failure) {
            m_blocked = Blocked{atLoad, path, *attempt.failure};
            return;
        }
        m_unreadable.erase(path);
        fresh = attempt.outcome == CollagePlanner::Loaded::Picture;
        placement = m_planner.loaded(attempt.outcome, std::move(attempt.picture));
        break;
    }
    case Recovery::Continue: placement = m_planner.loaded(CollagePlanner::Loaded::Kept); break;
    case Recovery::Leave: placement = m_planner.loaded(CollagePlanner::Loaded::Failed); break;
    }
    if (placement)
        add(*placement, fresh ? std::optional(atLoad) : std::nullopt, path);
}

// The first piece not yet on the canvas turned out not to read: everything planned after it
// assumed it would. The plan goes back to its attempt; the pieces already on the canvas were
// decoded only where the old plan left them showing, so they are drawn again for the new one.
void Composition::failedAtRender(const Failure& failure)
{
    const Planned failed = m_plan[m_placed];
    m_queue.clear();
    m_blocked.reset();
    m_unreadable.insert_or_assign(failed.path, failure);
    m_plan.resize(m_placed);
    m_planner = *failed.atLoad;
    if (m_trimmed) {
        m_canvas.fill(m_planner.backgroundColour().rgb());
        m_placed = 0;
        m_trimmed = false;
    }
    m_queued = m_placed;
    m_partsFound = m_placed;
    resolve(failed.path, AskUser(failure));
}

void Composition::place(const Planned& planned, const QImage& pixels)
{
    if (!pixels.isNull()) {
        const QSize piece = planned.placement.piece.size;
        const QPoint at = planned.shown.topLeft();
        if (planned.repeated) {
            // Repeated from the top-left corner until the canvas is covered.
            for (qint64 top = 0; top < m_canvasSize.height(); top += piece.height()) {
                for (qint64 left = 0; left < m_canvasSize.width(); left += piece.width()) {
                    const int width = int(std::min<qint64>(pixels.width(), m_canvasSize.width() - left));
                    const int height = int(std::min<qint64>(pixels.height(), m_canvasSize.height() - top));
                    for (int y = 0; y < height; ++y)
                        std::memcpy(m_canvas.scanLine(int(top) + y) + left * 4, pixels.constScanLine(y),
                                    size_t(width) * 4);
                }
            }
        } else {
            for (int y = 0; y < pixels.height(); ++y)
                std::memcpy(m_canvas.scanLine(at.y() + y) + qsizetype(at.x()) * 4, pixels.constScanLine(y),
                            size_t(pixels.width()) * 4);
        }
        if (m_preview) {
            m_preview->update(m_canvas, planned.repeated ? m_canvas.rect() : QRect(at, pixels.size()));
            if (m_sincePreview.elapsed() >= PreviewIntervalMs) {
                m_request.showCanvas(m_preview->image());
                m_sincePreview.restart();
            }
        }
    }
    if (planned.shown != planned.visible)
        m_trimmed = true;
    showProgress(planned.placement);
}

void Composition::showProgress(const CollagePlacement& placement)
{
    // Pieces drawn again after a file failed do not move the bar back.
    if (placement.progress > m_progress && m_request.progressValue) {
        m_progress = placement.progress;
        m_request.progressValue(placement.progress);
    }
}

} // namespace

CollageResult ComposeCollage(EngineState& state, const CollageRequest& request)
{
    CollageResult result;
    if (request.screen.isEmpty())
        throw Failure(ErrorCode::InvalidCall, Failure::standardText(ErrorCode::InvalidCall));
    Composition composition(request, request.random ? *request.random : ProcessRandom());
    QImage canvas = composition.run(result);
    if (result.canceled)
        return result;
    state.leadWallPaper.assignPicture(canvas);
    state.LoadedImageWidth = canvas.width();
    state.LoadedImageHeight = canvas.height();
    return result;
}

} // namespace velmora
