#include "engine/collage/ComposeCollage.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "core/Steps.h"
#include "engine/ImageMemory.h"
#include "engine/collage/CanvasPreview.h"
#include "engine/collage/CollagePlanner.h"
#include "engine/collage/PieceQueue.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstring>
#include <deque>
#include <optional>

namespace velmora {
namespace {

// Pieces decoded ahead: enough to keep every core busy, few enough to keep memory small.
constexpr int PiecesAhead = 4;
constexpr qint64 BytesAhead = qint64(64) << 20;
// The preview is shown anew at most this often.
constexpr qint64 PreviewIntervalMs = 100;

QImage newPixels(QSize size)
{
    QImage image = NewImage(size.width(), size.height(), QImage::Format_RGB32);
    if (image.isNull())
        throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    return image;
}

// A piece on its way to the canvas.
struct Queued {
    CollagePlacement placement;
    std::optional<CollagePlanner> atLoad; // the plan as its file was about to be loaded (fresh pictures)
    QString path;
    QRect clip;     // the part that shows, in the piece's own coordinates
    QPoint at;      // where that part goes on the canvas
};

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

// LoadCollagePiece's reading: picture files (and GIF) are read; any other kind, an empty path
// included, leaves the piece in hand.
Attempt load(const QString& path)
{
    Attempt attempt;
    const std::int16_t kind = path.isEmpty() ? Kind::Other : FileKind(GetFileName(path));
    if (kind != Kind::Image && kind != Kind::Gif)
        return attempt;
    try {
        attempt.picture = CollagePicture::Read(path);
        attempt.outcome = CollagePlanner::Loaded::Picture;
    } catch (...) {
        attempt.failure = CurrentFailure();
    }
    return attempt;
}

class Composition {
public:
    Composition(const CollageRequest& request, RandomSource& random)
        : m_request(request)
        , m_canvasSize(request.screen)
        , m_planner(request.options, request.screen, CollageSequence(request.source, request.options.randomOrder),
                    RandomTape(random), request.inHand)
        , m_queue(PiecesAhead, BytesAhead)
    {}

    QImage run(CollageResult& result);

private:
    bool canceled() const { return m_request.canceled && m_request.canceled(); }
    void planAhead();
    void push(const CollagePlacement& placement, std::optional<CollagePlanner> atLoad, const QString& path);
    void retake(const Blocked& blocked);
    void resolve(const QString& path, Recovery recovery);
    void place(const Queued& queued, const QImage& pixels);
    void showProgress(const CollagePlacement& placement);

    const CollageRequest& m_request;
    QSize m_canvasSize;
    QImage m_canvas;
    CollagePlanner m_planner;
    PieceQueue m_queue;
    std::deque<Queued> m_queued;
    std::optional<Blocked> m_blocked;
    std::optional<CanvasPreview> m_preview;
    QElapsedTimer m_sincePreview;
    std::vector<CollagePlacement> m_placed;
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
        if (m_queued.empty()) {
            if (!m_blocked)
                break; // the plan is complete
            const Blocked blocked = std::move(*m_blocked);
            m_blocked.reset();
            retake(blocked);
            continue;
        }
        PieceQueue::Rendered rendered = m_queue.takeFirst();
        const Queued queued = std::move(m_queued.front());
        m_queued.pop_front();
        if (rendered.failure && queued.atLoad) {
            // The piece's file turned out not to read: everything planned after it assumed it did.
            m_queue.clear();
            m_queued.clear();
            m_blocked.reset();
            retake(Blocked{*queued.atLoad, queued.path, *rendered.failure});
            continue;
        }
        if (rendered.failure) {
            // A piece kept from before that cannot be drawn again (memory): Retry draws it again,
            // Ignore and Abort leave it out.
            bool placed = false;
            Recovery recovery = AskUser(*rendered.failure);
            while (recovery == Recovery::Retry && !placed) {
                try {
                    QImage pixels = newPixels(queued.clip.size());
                    queued.placement.piece.picture->render(queued.placement.piece.size, queued.clip, pixels.bits(),
                                                           pixels.bytesPerLine());
                    place(queued, pixels);
                    placed = true;
                } catch (...) {
                    recovery = AskUser(CurrentFailure());
                }
            }
            if (!placed)
                showProgress(queued.placement);
            continue;
        }
        place(queued, rendered.image);
    }
    if (canceled()) {
        result.canceled = true;
        return {};
    }
    result.fileIndex1 = m_planner.sequence().fileIndex1();
    result.fileIndex2 = m_planner.sequence().fileIndex2();
    result.listSelected = m_planner.sequence().listSelected();
    result.inHand = m_planner.inHand();
    result.placements = std::move(m_placed);
    return m_canvas;
}

void Composition::planAhead()
{
    while (!m_blocked && !m_planner.finished() && m_queue.hasRoom()) {
        const QString path = m_planner.nextFile();
        const CollagePlanner atLoad = m_planner;
        Attempt attempt = load(path);
        if (attempt.failure) {
            m_blocked = Blocked{atLoad, path, *attempt.failure};
            return;
        }
        const bool fresh = attempt.outcome == CollagePlanner::Loaded::Picture;
        if (const auto placement = m_planner.loaded(attempt.outcome, std::move(attempt.picture)))
            push(*placement, fresh ? std::optional(atLoad) : std::nullopt, path);
    }
}

void Composition::push(const CollagePlacement& placement, std::optional<CollagePlanner> atLoad, const QString& path)
{
    Queued queued{placement, placement.freshPicture ? std::move(atLoad) : std::nullopt, path, {}, {}};
    const CollagePiece& piece = placement.piece;
    if (!piece.empty()) {
        const qint64 width = piece.size.width();
        const qint64 height = piece.size.height();
        if (placement.background) {
            queued.clip = QRect(0, 0, int(std::min<qint64>(width, m_canvasSize.width())),
                                int(std::min<qint64>(height, m_canvasSize.height())));
        } else {
            const qint64 left = std::max<qint64>(placement.x, 0);
            const qint64 top = std::max<qint64>(placement.y, 0);
            const qint64 right = std::min<qint64>(placement.x + width, m_canvasSize.width());
            const qint64 bottom = std::min<qint64>(placement.y + height, m_canvasSize.height());
            if (right > left && bottom > top) {
                queued.clip = QRect(int(left - placement.x), int(top - placement.y), int(right - left),
                                    int(bottom - top));
                queued.at = QPoint(int(left), int(top));
            }
        }
    }
    qint64 bytes = qint64(queued.clip.width()) * queued.clip.height() * 4;
    PieceQueue::Render render = [] { return QImage(); };
    if (!queued.clip.isEmpty()) {
        render = [picture = piece.picture, size = piece.size, clip = queued.clip] {
            QImage pixels = newPixels(clip.size());
            picture->render(size, clip, pixels.bits(), pixels.bytesPerLine());
            return pixels;
        };
    } else if (placement.freshPicture) {
        // Nothing of it shows, but whether its file reads is still told in its turn.
        render = [picture = piece.picture] {
            picture->check();
            return QImage();
        };
    }
    if (placement.freshPicture)
        bytes += piece.picture->heldBytes();
    m_queue.push(std::move(render), bytes);
    m_queued.push_back(std::move(queued));
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
        Attempt attempt = load(path);
        if (attempt.failure) {
            m_blocked = Blocked{atLoad, path, *attempt.failure};
            return;
        }
        fresh = attempt.outcome == CollagePlanner::Loaded::Picture;
        placement = m_planner.loaded(attempt.outcome, std::move(attempt.picture));
        break;
    }
    case Recovery::Continue: placement = m_planner.loaded(CollagePlanner::Loaded::Kept); break;
    case Recovery::Leave: placement = m_planner.loaded(CollagePlanner::Loaded::Failed); break;
    }
    if (placement)
        push(*placement, fresh ? std::optional(atLoad) : std::nullopt, path);
}

void Composition::place(const Queued& queued, const QImage& pixels)
{
    QRect region;
    if (!pixels.isNull()) {
        const qsizetype rowBytes = qsizetype(pixels.width()) * 4;
        if (queued.placement.background) {
            // Repeated from the top-left corner until the canvas is covered.
            const QSize piece = queued.placement.piece.size;
            for (qint64 top = 0; top < m_canvasSize.height(); top += piece.height()) {
                for (qint64 left = 0; left < m_canvasSize.width(); left += piece.width()) {
                    const int width = int(std::min<qint64>(pixels.width(), m_canvasSize.width() - left));
                    const int height = int(std::min<qint64>(pixels.height(), m_canvasSize.height() - top));
                    for (int y = 0; y < height; ++y)
                        std::memcpy(m_canvas.scanLine(int(top) + y) + left * 4, pixels.constScanLine(y),
                                    size_t(width) * 4);
                }
            }
            region = m_canvas.rect();
        } else {
            for (int y = 0; y < pixels.height(); ++y)
                std::memcpy(m_canvas.scanLine(queued.at.y() + y) + qsizetype(queued.at.x()) * 4,
                            pixels.constScanLine(y), size_t(rowBytes));
            region = QRect(queued.at, pixels.size());
        }
    }
    m_placed.push_back(queued.placement);
    if (m_preview && !region.isEmpty()) {
        m_preview->update(m_canvas, region);
        if (m_sincePreview.elapsed() >= PreviewIntervalMs) {
            m_request.showCanvas(m_preview->image());
            m_sincePreview.restart();
        }
    }
    showProgress(queued.placement);
}

void Composition::showProgress(const CollagePlacement& placement)
{
    if (placement.progress >= 0 && m_request.progressValue)
        m_request.progressValue(placement.progress);
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
