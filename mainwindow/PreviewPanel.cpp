#include "mainwindow/PreviewPanel.h"

#include "engine/EngineState.h"
#include "engine/WallpaperLoading.h"
#include "ui/PreviewView.h"

#include <QMouseEvent>

namespace velmora {

PreviewPanel::PreviewPanel(EngineState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_view(new PreviewView(state.leadWallPaper, this))
{
    setObjectName(QStringLiteral("picPanelTabOption"));
    m_view->setObjectName(QStringLiteral("leadWallPaper"));
    retranslate();
    setMinimumSize(120, 90);
    // A dark surround, as picture viewers have, so that the wallpaper's own colours stand out.
    setAutoFillBackground(true);
    QPalette surround = palette();
    surround.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x30));
    setPalette(surround);
    connect(m_view, &PreviewView::clicked, this, &PreviewPanel::clicked);
}

void PreviewPanel::retranslate()
{
    m_view->setToolTip(tr("クリックで壁紙チェンジ"));
}

void PreviewPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_state.previewArea = size();
    // Placed by the full size of the picture shown, which the preview may hold reduced.
    const QSize shown = m_state.shownSize;
    if (shown.width() > 0)
        m_state.leadWallPaper.setPreviewGeometry(PlacePreview(shown.width(), shown.height(), size()));
}

void PreviewPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace velmora
