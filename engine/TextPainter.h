#pragma once
// Draws one text with the text settings' style, angle and shadow; shared by the raster image's
// DrawText and the text-style dialog's sample, so the sample shows what the calendar will look like.
#include "engine/TextSettings.h"

#include <QPainter>
#include <QRectF>

namespace velmora {

// Draws text with its top-left at rect's top-left (the text is not clipped to rect), turned about
// that corner by the settings' angle. pixelsPerPoint sizes the font and the style's strokes.
void DrawStyledText(QPainter& painter, const QRectF& rect, const QString& text, const TextSettings& settings,
                    double pixelsPerPoint);

// Loads what drawing with these settings needs first (the font database, the font itself), so that
// a thread with nothing else to do can spare the drawing thread that time.
void PrepareStyledText(const TextSettings& settings, double pixelsPerPoint);

} // namespace velmora
