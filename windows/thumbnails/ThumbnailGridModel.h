#pragma once
// The items of the thumbnail grid: a caption (the file name) and a picture each, in the order the
// fill hands them over.
#include "windows/thumbnails/ThumbnailFill.h"

#include <QAbstractListModel>

namespace velmora {

class ThumbnailGridModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    // Display and tool tip: the caption; decoration: the picture (a QImage).
    QVariant data(const QModelIndex& index, int role) const override;

    void append(QList<ThumbnailItem> items);
    void clear();
    QString caption(int row) const;
    QImage picture(int row) const;
    const ThumbnailItem& item(int row) const { return m_items[row]; }

    // A big folder's pictures are held only near the rows in sight: those of the rows outside
    // first..last are dropped (the items stay), and brought back one by one with setPicture.
    void keepPictures(int first, int last);
    // The rows of first..last whose picture was dropped.
    QList<int> missingPictures(int first, int last) const;
    void setPicture(int row, QImage picture);
    // The pictures held now.
    int heldPictures() const { return m_held; }

private:
    QList<ThumbnailItem> m_items;
    int m_held = 0;
};

} // namespace velmora
