#pragma once
// The program's raster image: a picture with its text settings and, for the wallpaper image, the
// preview's placement. All pixel work of the composition goes through it; sizes are pixels.
#include "engine/TextSettings.h"

#include <QImage>
#include <QRect>
#include <QRectF>

#include <functional>

namespace velmora {

class ImageFilter;

// Where and how the image is shown as the on-screen preview (painted by PreviewView).
struct PreviewPlacement {
    bool visible = true;
    QRectF geometry;  // the view's rectangle within its panel
    QRect sourceRect; // the part of the image painted into the whole view
};

class RasterImage {
public:
    RasterImage();

    // Replaces the image by the file's first picture, in its native depth; fitWithin as for
    // DecodeImage. Throws a Failure and keeps the previous image when the file cannot be read.
    void loadImageFile(const QString& path, QSize fitWithin = {});
    // Writes the image as a 24-bit BMP, atomically. Throws a Failure.
    void saveImageFile(const QString& path) const;
    // A new black 24-bit image.
    void createBlankImage(int width, int height);
    void fillImage(const QColor& colour);
    // Resamples to the size: area-averaging when shrinking, smooth interpolation when enlarging.
    void resizeImage(int width, int height);
    // Pastes the top-left width x height of source with its top-left at (x, y), clipped to the image.
    void combineImage(int x, int y, int width, int height, const QImage& source);
    // Tiles source over the whole image from the top-left corner.
    void layBackground(const QImage& source);
    // Takes the picture as it is.
    void assignPicture(const QImage& picture);

    // The six effects with the composition's fixed parameters (see the filter classes).
    void embossEffect();
    void grayscaleEffect();
    void halftoneEffect();
    void averageEffect();
    void contrastEffect();
    void gammaEffect();
    void applyFilter(const ImageFilter& filter);

    int imageWidth() const { return m_image.width(); }
    int imageHeight() const { return m_image.height(); }
    // 24 for true colour without transparency, 32 with, 8 for grey or palette pictures, 1 for bitonal.
    int imageBitsPerPixel() const;
    const QImage& image() const { return m_image; }

    // Text settings and the next DrawText's rectangle (TextLeft, TextTop, TextWidth, TextHeight).
    TextSettings& textSettings() { return m_text; }
    const TextSettings& textSettings() const { return m_text; }
    void setTextRect(const QRectF& rect) { m_textRect = rect; }
    // Pixels per point of the text: the screen's, so text on the wallpaper has its size on the desktop.
    void setPixelsPerPoint(double value) { m_pixelsPerPoint = value; }
    double pixelsPerPoint() const { return m_pixelsPerPoint; }
    void drawText(const QString& text);
    double measureTextWidth(const QString& text) const;
    double measureTextHeight(const QString& text) const;

    // The preview; the listener (the view) hears of every change of image or placement.
    const PreviewPlacement& preview() const { return m_preview; }
    void setPreviewVisible(bool visible);
    void setPreviewGeometry(const QRectF& geometry);
    // The whole image painted into the whole view.
    void fitPreview();
    void setChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }

private:
    void replace(QImage image);
    // The image as true colour, to paint on in place.
    QImage& editable();
    void changed() const;

    QImage m_image;
    TextSettings m_text;
    QRectF m_textRect;
    double m_pixelsPerPoint;
    PreviewPlacement m_preview;
    std::function<void()> m_listener;
};

} // namespace velmora
