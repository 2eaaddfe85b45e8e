#pragma once
// A list box: a view over its ListBoxModel, every row as high as the first, so that a list of a
// million entries loads, scrolls and selects at once (no item objects, no per-row size). Its
// horizontal scroll range is set by its owner (FitListScrollWidth) when the list is loaded, as a list
// box's horizontal extent is: entries added afterwards do not move it.
#include "core/jobs/Job.h"

#include <QListView>

#include <functional>

namespace velmora {

class ListBoxModel;

class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    ~ListBox() override;

    ListBoxModel& listModel() const { return *m_model; }

    int count() const;
    // Empty past the end.
    QString text(int row) const;
    const QStringList& entries() const;
    // Replaces every entry (nothing current or selected afterwards).
    void setEntries(QStringList entries);
    void addEntries(const QStringList& entries);
    // The texts in order in front of row; the current and selected entries move with their rows.
    void insertEntries(int row, const QStringList& texts);
    void removeEntry(int row);
    void clear();

    // -1 when no entry is current.
    int currentRow() const;
    // Makes the row current and selected (in single selection the one selected entry); -1: none.
    void setCurrentRow(int row);
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    // The selected rows, first to last.
    QList<int> selectedRows() const;

    // The width in pixels the entries can be scrolled across; 0: no horizontal scrolling.
    int horizontalExtent() const { return m_extent; }
    void setHorizontalExtent(int pixels);

    // Hands the widest entry's width in the list's font (-1 for no entries) to `then`. Each entry is
    // measured once: when few are still unmeasured at once, else by a job on the pool, and `then`
    // runs when it is done. A later call, or setEntries, drops an earlier call's `then`.
    void measureLongestEntry(std::function<void(int longest)> then);
    // True while a job measures entries.
    bool measuring() const { return m_measure.isRunning(); }

Q_SIGNALS:
    // The current row changed (-1: none), by the user or by the program.
    void currentRowChanged(int row);

protected:
    void updateGeometries() override;
    void changeEvent(QEvent* event) override;

private:
    int longestMeasured() const;

    ListBoxModel* m_model;
    int m_extent = 0;
    Job<QList<int>> m_measure;
    std::function<void(int)> m_measured;
    quint64 m_measuredRevision = 0;
};

} // namespace velmora
