#pragma once
// The program's own artwork, drawn for Velmora: its icon and its logo (splash and About box).
#include <QIcon>
#include <QPixmap>

namespace velmora {

// The logo at the given size in device-independent pixels, sharp on the screen's pixel ratio.
QPixmap ProgramLogo(const QSize& size, qreal devicePixelRatio = 1.0);

// The program's icon: windows, the notification area, the About box.
QIcon ProgramIcon();

} // namespace velmora
