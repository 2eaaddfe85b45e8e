#include "ImageList.h"

#include "branchwise/BranchwiseBase.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace branchwise {

namespace {

// Rendered at the sizes a tree and a drop-down ask for, sharp on high-density screens too.
QIcon RenderIcon(const QString& resource)
{
    QSvgRenderer renderer(resource);
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (int size : {16, 24, 32, 48}) {
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

} // namespace

ImageList::ImageList(int index)
    : m_index(index)
{
    const QString set = index == 1 ? QStringLiteral("copland") : QStringLiteral("normal");
    for (const QString& key : Keys())
        m_pictures.insert(key, RenderIcon(QStringLiteral(":/branchwise/pictures/%1/%2.svg").arg(set, key)));
}

const QStringList& ImageList::Keys()
{
    static const QStringList keys = {"open", "closed", "cdrom", "fixed", "ramdisk", "remote", "remove"};
    return keys;
}

QIcon ImageList::picture(const QString& key) const
{
    return m_pictures.value(key);
}

QString ImageList::DriveKey(int driveType)
{
    switch (driveType) {
    case BranchwiseBase::Removable: return QStringLiteral("remove");
    case BranchwiseBase::Fixed: return QStringLiteral("fixed");
    case BranchwiseBase::Remote: return QStringLiteral("remote");
    case BranchwiseBase::CdRom: return QStringLiteral("cdrom");
    case BranchwiseBase::RamDisk: return QStringLiteral("ramdisk");
    default: return QStringLiteral("closed");
    }
}

QIcon ImageList::DriveIcon(int driveType)
{
    return RenderIcon(QStringLiteral(":/branchwise/pictures/normal/%1.svg").arg(DriveKey(driveType)));
}

} // namespace branchwise
