#pragma once
// The on-screen preview of a raster image: paints the image's source rectangle into the whole view,
// takes the placement the engine computed, and reports clicks.
#include <QImage>
#include <QWidget>

namespace velmora {

class RasterImage;

class PreviewView : public QWidget {
    Q_OBJECT
public:
    // The view follows image until it is destroyed; image must outlive it.
    explicit PreviewView(RasterImage& image, QWidget* parent = nullptr);
    ~PreviewView() override;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void follow();

    RasterImage& m_image;
    // The picture scaled to the view once, not at every paint.
    QImage m_scaled;
    qint64 m_scaledKey = 0;
    QRect m_scaledSource;
};

} // namespace velmora
