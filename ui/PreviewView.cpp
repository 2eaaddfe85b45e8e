#include "ui/PreviewView.h"

#include "engine/RasterImage.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace velmora {

PreviewView::PreviewView(RasterImage& image, QWidget* parent)
    : QWidget(parent)
    , m_image(image)
{
    m_image.setChangeListener([this] { follow(); });
    follow();
}

PreviewView::~PreviewView()
{
    m_image.setChangeListener({});
}

void PreviewView::follow()
{
    const PreviewPlacement& placement = m_image.preview();
    const QRectF& g = placement.geometry;
    setGeometry(QRect(static_cast<int>(std::lround(g.left())), static_cast<int>(std::lround(g.top())),
                      static_cast<int>(std::lround(g.width())), static_cast<int>(std::lround(g.height()))));
    setVisible(placement.visible);
    update();
}

void PreviewView::paintEvent(QPaintEvent*)
{
    const QImage& image = m_image.image();
    if (image.isNull() || width() <= 0 || height() <= 0)
        return;
    QRect source = m_image.preview().sourceRect;
    if (source.isEmpty())
        source = image.rect();
    const QSize target = size() * devicePixelRatioF();
    if (m_scaledKey != image.cacheKey() || m_scaledSource != source || m_scaled.size() != target) {
        m_scaled = image.copy(source).scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
        m_scaledKey = image.cacheKey();
        m_scaledSource = source;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_scaled);
}

void PreviewView::mouseReleaseEvent(QMouseEvent* event)
{
    // Handled here: passed on, the panel around the view would take it for a click of its own.
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace velmora
