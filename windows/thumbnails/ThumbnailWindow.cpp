#include "windows/thumbnails/ThumbnailWindow.h"

#include "core/Settings.h"
#include "engine/thumbnails/MakeThumbnail.h"
#include "engine/thumbnails/ThumbnailCache.h"
#include "platform/DesktopThumbnailCache.h"
#include "platform/Screen.h"
#include "ui/FramePlacement.h"
#include "windows/thumbnails/ThumbnailGridModel.h"
#include "windows/thumbnails/ThumbnailGridView.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

namespace velmora {
namespace {

// The pictures' box and the strip above the grid that holds the controls.
constexpr int PictureBox = 150;
constexpr double GridTopTwips = 600;
// The first pictures go into the grid one run at a time, however many are in view.
constexpr int FirstScreen = 20;
constexpr int FlushMs = 200;
// Rows kept beyond those in sight, in screenfuls either side: a short scroll finds them at once.
constexpr int KeptScreens = 1;

int toPixels(double twips)
{
    return int(std::lround(twips / platform::TwipsPerPixel()));
}

Long toTwips(int pixels)
{
    return Long(std::lround(pixels * platform::TwipsPerPixel()));
}

} // namespace

ThumbnailWindow::ThumbnailWindow(Settings& settings, ThumbnailHost host, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_settings(settings)
    , m_host(std::move(host))
    , m_frame1(new QGroupBox(this))
    , m_cmdReset(new QPushButton(this))
    , m_model(new ThumbnailGridModel(this))
    , m_grid(new ThumbnailGridView(PictureBox, this))
{
    setObjectName(QStringLiteral("frmThumbnail"));
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto* options = new QHBoxLayout(m_frame1);
    options->setContentsMargins(8, 0, 8, 0);
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(m_frame1);
        option->setObjectName(QStringLiteral("optClickMode%1").arg(index));
        connect(option, &QRadioButton::clicked, this,
                [this, index] { m_settings.ThumbClickMode = Integer(index); });
        options->addWidget(option);
        m_optClickMode[std::size_t(index)] = option;
    }
    m_cmdReset->setObjectName(QStringLiteral("cmdReset"));
    m_cmdReset->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(m_cmdReset, &QPushButton::clicked, this, &ThumbnailWindow::ThumbReset);
    m_grid->setObjectName(QStringLiteral("LEADImgList1"));
    m_grid->setModel(m_model);
    connect(m_grid, &QListView::clicked, this,
            [this](const QModelIndex& index) { LEADImgList1_Click(index.row()); });
    connect(&m_fill, &JobBase::finished, this, &ThumbnailWindow::fillEnded);
    m_flush.setSingleShot(true);
    m_flush.setInterval(FlushMs);
    connect(&m_flush, &QTimer::timeout, this, &ThumbnailWindow::flush);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &ThumbnailWindow::keepNearView);
    retranslate();
}

ThumbnailWindow::~ThumbnailWindow() = default;

void ThumbnailWindow::retranslate()
{
    m_frame1->setTitle(tr("クリック時の動作"));
    m_optClickMode[0]->setText(tr("プレビュー"));
    m_optClickMode[1]->setText(tr("リストに追加"));
    m_cmdReset->setText(tr("再読込"));
    // After a fill the title is the folder, which stays as it is.
    if (m_loading)
        setWindowTitle(tr("読込中"));
    // The strip is as wide as its captions.
    layOut();
}

void ThumbnailWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ThumbnailWindow::Form_Load()
{
    PlaceWindowFrame(*this, QRect(toPixels(m_settings.ThumbLeft), toPixels(m_settings.ThumbTop),
                                  toPixels(m_settings.ThumbWidth), toPixels(m_settings.ThumbHeight)));
    if (parentWidget())
        setWindowIcon(parentWidget()->windowIcon());
    const int mode = m_settings.ThumbClickMode == 1 ? 1 : 0;
    m_optClickMode[std::size_t(mode)]->setChecked(true);
}

void ThumbnailWindow::ThumbReset()
{
    m_flush.stop();
    m_pending.clear();
    m_reload.cancel();
    m_model->clear();
    setCursor(Qt::BusyCursor);
    m_loading = true;
    setWindowTitle(tr("読込中"));
    m_thumbFolder = m_host.currentFolder ? m_host.currentFolder() : QString();

    // Pictures are made for the screen's pixels, up to the cache's own size.
    const double ratio = devicePixelRatioF();
    ThumbnailFillRequest request;
    request.folder = m_thumbFolder;
    request.cacheRoot = platform::ThumbnailCacheRoot();
    request.creator = QStringLiteral("velmora-" VELMORA_VERSION);
    request.side = std::min(LargeThumbnailSide, int(std::ceil(PictureBox * ratio)));
    m_side = request.side;
    m_ratio = ratio;
    request.make = m_make;
    request.firstScreen = FirstScreen;
    m_fill.start([request, ratio, this](JobControl& control) {
        return FillThumbnails(
            request, [&control] { return control.isCanceled(); },
            [&control, ratio, this](QList<ThumbnailItem> items) {
                for (ThumbnailItem& item : items)
                    item.picture.setDevicePixelRatio(ratio);
                // Runs only while this fill is the window's current one.
                control.post([this, items = std::move(items)]() mutable { receive(std::move(items)); });
            });
    });
}

void ThumbnailWindow::receive(QList<ThumbnailItem> items)
{
    m_pending.append(std::move(items));
    if (m_model->rowCount() < FirstScreen || showsTheEnd())
        flush();
    else if (!m_flush.isActive())
        m_flush.start();
}

void ThumbnailWindow::flush()
{
    m_flush.stop();
    m_model->append(std::exchange(m_pending, {}));
    keepNearView();
}

std::pair<int, int> ThumbnailWindow::keptRows() const
{
    // Worked out from the grid's cells, as showsTheEnd does.
    const QSize cell = m_grid->gridSize();
    const QSize view = m_grid->viewport()->size();
    if (cell.isEmpty())
        return {0, m_model->rowCount() - 1};
    const int columns = std::max(1, view.width() / cell.width());
    const int screenRows = std::max(1, (view.height() + cell.height() - 1) / cell.height());
    const int top = m_grid->verticalScrollBar()->value() / cell.height();
    const int firstRow = std::max(0, top - KeptScreens * screenRows);
    const int lastRow = top + screenRows + KeptScreens * screenRows;
    return {firstRow * columns, (lastRow + 1) * columns - 1};
}

void ThumbnailWindow::keepNearView()
{
    const auto [first, last] = keptRows();
    m_model->keepPictures(first, last);
    const QList<int> missing = m_model->missingPictures(first, last);
    if (missing.isEmpty())
        return;
    struct Wanted {
        int row;
        QString name;
        ThumbnailSource source;
    };
    QList<Wanted> wanted;
    for (int row : missing) {
        const ThumbnailItem& item = m_model->item(row);
        wanted.append(
            {row, item.name, MakeThumbnailSource(m_thumbFolder + item.name, item.modified, item.size)});
    }
    const QString cacheRoot = platform::ThumbnailCacheRoot();
    const QString creator = QStringLiteral("velmora-" VELMORA_VERSION);
    // A newer set of rows replaces the one being read; what that one still posts is dropped.
    m_reload.start([wanted, cacheRoot, creator, make = m_make, side = m_side, ratio = m_ratio,
                    this](JobControl& control) {
        const auto cache =
            cacheRoot.isEmpty() ? nullptr : std::make_unique<const ThumbnailCache>(cacheRoot, creator);
        int read = 0;
        for (const Wanted& want : wanted) {
            if (control.isCanceled())
                break;
            const ThumbnailCache* usable = cache && !cache->holds(want.source.path) ? cache.get() : nullptr;
            QImage picture;
            try {
                picture = make ? make(want.source, usable, side) : MakeThumbnail(want.source, usable, side);
            } catch (...) {
                continue; // shown without its picture, as a file that cannot be read
            }
            if (picture.isNull())
                continue;
            picture.setDevicePixelRatio(ratio);
            ++read;
            control.post([this, row = want.row, name = want.name, picture = std::move(picture)]() mutable {
                // The grid may have scrolled on meanwhile: only rows still kept take their picture.
                const auto [first, last] = keptRows();
                if (row >= first && row <= last && m_model->caption(row) == name)
                    m_model->setPicture(row, std::move(picture));
            });
        }
        return read;
    });
}

bool ThumbnailWindow::showsTheEnd() const
{
    // Worked out from the grid's cells: the view lays itself out only later.
    const QSize cell = m_grid->gridSize();
    const QSize view = m_grid->viewport()->size();
    if (cell.isEmpty())
        return true;
    const int columns = std::max(1, view.width() / cell.width());
    const int rows = (m_model->rowCount() + columns - 1) / columns;
    return (rows - 1) * cell.height() - m_grid->verticalScrollBar()->value() < view.height();
}

void ThumbnailWindow::fillEnded()
{
    flush();
    unsetCursor();
    m_loading = false;
    setWindowTitle(m_thumbFolder);
    Q_EMIT fillFinished();
}

void ThumbnailWindow::LEADImgList1_Click(int row)
{
    const QString caption = m_model->caption(row);
    if (caption.isEmpty())
        return;
    const QString path = m_thumbFolder + caption;
    if (m_settings.ThumbClickMode == 1) {
        if (m_host.insert)
            m_host.insert({path});
    } else if (m_host.preview) {
        m_host.preview(path);
    }
}

void ThumbnailWindow::layOut()
{
    const int top = toPixels(GridTopTwips);
    const QSize frame = m_frame1->sizeHint();
    m_frame1->setGeometry(4, 0, std::max(frame.width(), 240), std::max(top - 2, 1));
    const QSize button = m_cmdReset->sizeHint();
    m_cmdReset->setGeometry(m_frame1->geometry().right() + 8, std::max(0, (top - button.height()) / 2),
                            std::max(button.width(), 96), button.height());
    // The grid fills the window below the strip; a window lower than the strip keeps a grid of the
    // difference rather than a negative height.
    m_grid->setGeometry(0, top, width(), std::abs(height() - top));
}

void ThumbnailWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!isMinimized()) {
        layOut();
        keepNearView();
    }
}

void ThumbnailWindow::closeEvent(QCloseEvent* event)
{
    m_fill.cancel();
    m_reload.cancel();
    unsetCursor();
    if (!isMinimized()) {
        // The frame's corner, the client area's size, as the load applies them.
        const QPoint corner = pos();
        m_settings.ThumbTop = toTwips(corner.y());
        m_settings.ThumbLeft = toTwips(corner.x());
        m_settings.ThumbWidth = toTwips(width());
        m_settings.ThumbHeight = toTwips(height());
    }
    event->accept();
}

} // namespace velmora
