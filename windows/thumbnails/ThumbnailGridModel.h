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

private:
    QList<ThumbnailItem> m_items;
};

} // namespace velmora
