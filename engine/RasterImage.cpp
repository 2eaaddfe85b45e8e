#include "engine/RasterImage.h"

#include "core/Failure.h"
#include "engine/BmpWriter.h"
#include "engine/ImageDecoder.h"
#include "engine/ImageMemory.h"
#include "platform/Screen.h"
#include "engine/TextPainter.h"
#include "engine/filters/AverageFilter.h"
#include "engine/filters/ContrastFilter.h"
#include "engine/filters/EmbossFilter.h"
#include "engine/filters/GammaFilter.h"
#include "engine/filters/GrayscaleFilter.h"
#include "engine/filters/HalftoneFilter.h"

#include <QFontMetricsF>
#include <QPainter>

namespace velmora {
namespace {

void checkSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        throw Failure(ErrorCode::InvalidCall, Failure::standardText(ErrorCode::InvalidCall));
    CheckDecodedSize(QSize(width, height), {});
}

QImage allocate(int width, int height, QImage::Format format)
{
    checkSize(width, height);
    QImage image = NewImage(width, height, format);
    if (image.isNull())
        throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    return image;
}

} // namespace

RasterImage::RasterImage()
    // The calendar sets the screen's own before it measures or draws; this is a 96 DPI screen's.
    : m_pixelsPerPoint(96.0 / 72.0)
{}

void RasterImage::loadImageFile(const QString& path, QSize fitWithin)
{
    replace(DecodeImage(path, fitWithin));
}

void RasterImage::saveImageFile(const QString& path) const
{
    SaveBmp24(m_image, path);
}

void RasterImage::createBlankImage(int width, int height)
{
    QImage image = allocate(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    replace(std::move(image));
}

void RasterImage::fillImage(const QColor& colour)
{
    editable().fill(colour.rgb());
    changed();
}

void RasterImage::resizeImage(int width, int height)
{
    checkSize(width, height);
    if (m_image.isNull())
        throw Failure(ErrorCode::InvalidPicture, Failure::standardText(ErrorCode::InvalidPicture));
    QImage resized = m_image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (resized.isNull())
        throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    replace(std::move(resized));
}

void RasterImage::combineImage(int x, int y, int width, int height, const QImage& source)
{
    {
        QPainter painter(&editable());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(x, y), source, QRect(0, 0, width, height));
    }
    changed();
}

void RasterImage::layBackground(const QImage& source)
{
    if (source.isNull())
        throw Failure(ErrorCode::InvalidPicture, Failure::standardText(ErrorCode::InvalidPicture));
    {
        QImage& image = editable();
        QPainter painter(&image);
        for (int y = 0; y < image.height(); y += source.height())
            for (int x = 0; x < image.width(); x += source.width())
                painter.drawImage(QPoint(x, y), source);
    }
    changed();
}

void RasterImage::assignPicture(const QImage& picture)
{
    replace(picture);
}

void RasterImage::embossEffect()
{
    applyFilter(EmbossFilter(1, 500));
}
void RasterImage::grayscaleEffect()
{
    applyFilter(GrayscaleFilter());
}
void RasterImage::halftoneEffect()
{
    applyFilter(HalftoneFilter(1, 0));
}
void RasterImage::averageEffect()
{
    applyFilter(AverageFilter(3));
}
void RasterImage::contrastEffect()
{
    applyFilter(ContrastFilter(300));
}
void RasterImage::gammaEffect()
{
    applyFilter(GammaFilter(230));
}

void RasterImage::applyFilter(const ImageFilter& filter)
{
    if (m_image.isNull())
        return;
    QImage result = filter.apply(m_image);
    if (result.isNull())
        throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    replace(std::move(result));
}

int RasterImage::imageBitsPerPixel() const
{
    switch (m_image.format()) {
    case QImage::Format_Invalid: return 0;
    case QImage::Format_RGB32:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888: return 24;
    default:
        if (m_image.depth() == 32 && !m_image.hasAlphaChannel())
            return 24;
        return m_image.depth();
    }
}

void RasterImage::drawText(const QString& text)
{
    if (m_image.isNull() || text.isEmpty())
        return;
    {
        QPainter painter(&editable());
        DrawStyledText(painter, m_textRect, text, m_text, m_pixelsPerPoint);
    }
    changed();
}

double RasterImage::measureTextWidth(const QString& text) const
{
    return QFontMetricsF(TextFont(m_text, m_pixelsPerPoint)).horizontalAdvance(text);
}

double RasterImage::measureTextHeight(const QString& text) const
{
    Q_UNUSED(text); // one line: the font's height, whatever the characters
    return QFontMetricsF(TextFont(m_text, m_pixelsPerPoint)).height();
}

void RasterImage::setPreviewVisible(bool visible)
{
    m_preview.visible = visible;
    changed();
}

void RasterImage::setPreviewGeometry(const QRectF& geometry)
{
    m_preview.geometry = geometry;
    changed();
}

void RasterImage::fitPreview()
{
    m_preview.sourceRect = m_image.rect();
    changed();
}

QImage& RasterImage::editable()
{
    if (m_image.isNull())
        throw Failure(ErrorCode::InvalidPicture, Failure::standardText(ErrorCode::InvalidPicture));
    if (m_image.format() != QImage::Format_RGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
    return m_image;
}

void RasterImage::replace(QImage image)
{
    m_image = std::move(image);
    changed();
}

void RasterImage::changed() const
{
    if (m_listener)
        m_listener();
}

} // namespace velmora
