#include "windows/WindowButtons.h"

#include <QIcon>
#include <QPushButton>
#include <QToolButton>

// The pictures live in a static library: register them once, before the first use.
static void InitWindowResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(windows);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace velmora {

QPushButton* CommandButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    // Enter in a window of lists should not press a button by surprise.
    button->setAutoDefault(false);
    return button;
}

QToolButton* PictureButton(QWidget* parent, const QString& name, const QString& picture, const QString& tip)
{
    InitWindowResources();
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(QStringLiteral(":/windows/pictures/%1.svg").arg(picture)));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(tip);
    return button;
}

} // namespace velmora
