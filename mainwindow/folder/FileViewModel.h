#pragma once
// The items of the file view lvwFileName: five text columns per file and the list view's sorting
// (one key, one order flipped on every header click, text comparison).
#include "mainwindow/folder/FileNameScan.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <array>
#include <functional>

namespace velmora {

class FileViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FileName = 0, Size = 1, Date = 2, SizeDmy = 3, Ext = 4, ColumnCount = 5 };
    // An item's column texts. A type of its own so that Qt may move rows as bytes: a list of
    // 100,000 rows grows or opens a gap without touching every string.
    struct Row : std::array<QString, ColumnCount> {};
    // The texts of an entry's columns; safe on any thread, so a worker can make them.
    static Row rowOf(const FileViewEntry& entry);

    explicit FileViewModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Replaces every item. Items keep the given order unless a header click switched sorting on.
    void setEntries(const QList<FileViewEntry>& entries);
    // Adds the next part of a folder, whose entries come in name order: at the end, or where the
    // header click's order puts them, so that the rows end as setEntries of the whole would leave them.
    void appendEntries(const QList<FileViewEntry>& entries);
    // appendEntries with the rows already made (rowOf).
    void appendRows(QList<Row> rows);
    void clear();

    // A header click: sorting on, the key is the column ("SizeDmy" for "Size"), the order flips.
    void ColumnClick(int column);
    bool sorted() const { return m_sorted; }
    int sortKey() const { return m_sortKey; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // The text of an item's column, and the item's file name.
    QString text(int row, int column) const;
    QString fileName(int row) const { return text(row, FileName); }

    // The headers in the current language: the views ask for them again.
    void retranslate();

    // Picture 1 of the icon lists, shown by every item.
    void setPicture(const QIcon& picture) { m_picture = picture; }

private:
    // Sorts by the current key and order; the new place of every former row.
    QList<int> sortRows();
    // Merges the sorted rows from present on into the sorted rows before them; the new places.
    QList<int> mergeRows(int present);
    // True when row a goes before row b in the current sort.
    bool before(const Row& a, const Row& b) const;
    // Tells the views of new places (moved: the new place of every former row), keeping the
    // selection and current item on their files.
    void reorderRows(const std::function<QList<int>()>& reorder);

    QList<Row> m_rows;
    QIcon m_picture;
    bool m_sorted = false;
    int m_sortKey = FileName;
    // Before the first click the order is descending, so the first click sorts ascending.
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
};

} // namespace velmora

Q_DECLARE_TYPEINFO(velmora::FileViewModel::Row, Q_RELOCATABLE_TYPE);
