#pragma once
// One picture set of the tree's nodes (imgNode): seven pictures under the keys "open", "closed",
// "cdrom", "fixed", "ramdisk", "remote" and "remove", drawn from the library's own SVG artwork.
#include "branchwise/branchwise_export.h"

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QStringList>

namespace branchwise {

class BRANCHWISE_EXPORT ImageList {
public:
    // index 0 is the set Normal, 1 the set Copland.
    explicit ImageList(int index);

    static const QStringList& Keys();

    int index() const { return m_index; }
    // The picture of the key; a null icon for an unknown or empty key.
    QIcon picture(const QString& key) const;
    bool contains(const QString& key) const { return m_pictures.contains(key); }

    // The colour the set's pictures are shown on. The pictures are transparent, so it only records
    // what the control asked for.
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color) { m_backColor = color; }

    // The picture key of a drive root, by drive type; "closed" for a type without a picture.
    static QString DriveKey(int driveType);
    // The Normal set's picture of a drive type, for the drive list.
    static QIcon DriveIcon(int driveType);

private:
    int m_index;
    QHash<QString, QIcon> m_pictures;
    QColor m_backColor = Qt::white;
};

} // namespace branchwise
