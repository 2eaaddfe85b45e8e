#pragma once
// OLE colours (0x00BBGGRR, or a system colour 0x800000nn) to and from Qt colours.
#include <QColor>
#include <QPalette>

namespace branchwise {

// A system colour is taken from the palette (button face, button text, window, window text...).
QColor ToQColor(quint32 oleColor, const QPalette& palette);

} // namespace branchwise
