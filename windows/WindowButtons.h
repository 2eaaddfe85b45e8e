#pragma once
// The buttons of the patrol and search windows: command buttons with captions, and picture buttons
// showing the windows' own artwork ("addfolder", "removefolder", "clearfolders", "addallfound",
// "addselectedfound").
#include <QString>

class QPushButton;
class QToolButton;
class QWidget;

namespace velmora {

// Windows that follow the interface's language set the captions and tips in their retranslate().
QPushButton* CommandButton(QWidget* parent, const QString& name, const QString& caption = {},
                           const QString& tip = {});
QToolButton* PictureButton(QWidget* parent, const QString& name, const QString& picture,
                           const QString& tip = {});

} // namespace velmora
