#pragma once
// The main window's own pictures (SVG artwork compiled in), by name: "imagefile", "addselected", "addall".
#include <QIcon>

namespace velmora {

QIcon MainWindowPicture(const QString& name);

} // namespace velmora
