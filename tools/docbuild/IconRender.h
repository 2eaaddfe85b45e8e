#pragma once
// The program's icon drawn at the fixed sizes icon themes ask for.
#include <QImage>
#include <QString>

namespace velmora::docbuild {

// The SVG drawn on a transparent square of size x size pixels; a null image when it cannot be read.
QImage RenderIcon(const QString& svgPath, int size);

// Renders and saves a PNG. On failure returns false and fills *error.
bool WriteIconPng(const QString& svgPath, int size, const QString& pngPath, QString* error);

} // namespace velmora::docbuild
