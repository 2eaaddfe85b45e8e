#pragma once
// lvwFileName: the folder page's file view over a FileViewModel, in one of four views (0 large
// icons, 1 small icons, 2 list, 3 details with the five columns).
#include <QStackedWidget>

class QListView;
class QTreeView;

namespace velmora {

class FileViewModel;

class FileNameListView : public QStackedWidget {
    Q_OBJECT
public:
    enum ViewMode { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };

    explicit FileNameListView(FileViewModel* model, QWidget* parent = nullptr);

    FileViewModel* model() const { return m_model; }
    int viewMode() const { return m_viewMode; }
    void setViewMode(int mode);

    // Every column as wide as the view, "SizeDmy" shown again: the columns as freshly added.
    void ResetColumns();
    // Details view: "SizeDmy" hidden, the other columns as wide as their widest text. Every view:
    // movable headers, whole-row selection, activation on one click.
    void FitFileViewColumns();
    // The width of a column in the details view (0 for a hidden one).
    int columnWidth(int column) const;

    // The selected rows, in row order.
    QList<int> selectedRows() const;
    // The current row when it is selected, else -1.
    int currentRow() const;
    // Makes row the only selected and current one, without the click's activation.
    void selectRow(int row);

    QListView* iconView() const { return m_icons; }
    QTreeView* detailsView() const { return m_details; }

Q_SIGNALS:
    // A header of the details view was clicked (its column).
    void ColumnClick(int column);
    // An item was clicked: activation on one click.
    void ItemClick(int row);

private:
    FileViewModel* m_model;
    QListView* m_icons;
    QTreeView* m_details;
    int m_viewMode = Details;
};

} // namespace velmora
