#include "mainwindow/Pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The pictures live in a static library: register them once, before the first use.
static void InitMainWindowResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(mainwindow);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace velmora {

QIcon MainWindowPicture(const QString& name)
{
    InitMainWindowResources();
    QSvgRenderer renderer(QStringLiteral(":/mainwindow/pictures/%1.svg").arg(name));
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace velmora
