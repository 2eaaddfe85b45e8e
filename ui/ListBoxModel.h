#pragma once
// The entries of a ListBox: one list of strings, and beside it the width each entry was last measured
// at, so that an entry is measured once however often the scroll range is fitted.
#include <QAbstractListModel>
#include <QList>
#include <QStringList>

namespace velmora {

class ListBoxModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QStringList& entries() const { return m_entries; }
    // Replaces every entry; views see one reset, not a row at a time.
    void setEntries(QStringList entries);
    // The texts in order in front of row (row == count appends).
    void insertEntries(int row, const QStringList& texts);
    void removeEntries(int row, int count);

    // Widths in pixels, one per entry; Unmeasured until measured. Kept in step with the entries.
    static constexpr int Unmeasured = -1;
    const QList<int>& widths() const { return m_widths; }
    void setWidth(int row, int width) { m_widths[row] = width; }
    // Forgets every width (the font changed).
    void forgetWidths();
    // Counts every change of the entries, so that a measure taken meanwhile can tell it is stale.
    quint64 revision() const { return m_revision; }

private:
    QStringList m_entries;
    QList<int> m_widths;
    quint64 m_revision = 0;
};

} // namespace velmora
