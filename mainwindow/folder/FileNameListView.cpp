#include "mainwindow/folder/FileNameListView.h"

#include "mainwindow/folder/FileViewModel.h"

#include <QHeaderView>
#include <QListView>
#include <QTreeView>

namespace velmora {

FileNameListView::FileNameListView(FileViewModel* model, QWidget* parent)
    : QStackedWidget(parent)
    , m_model(model)
    , m_icons(new QListView)
    , m_details(new QTreeView)
{
    setObjectName(QStringLiteral("lvwFileName"));
    m_icons->setModel(model);
    m_details->setModel(model);
    m_icons->setSelectionModel(m_details->selectionModel());
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(m_icons), static_cast<QAbstractItemView*>(m_details)}) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        connect(view, &QAbstractItemView::clicked, this,
                [this](const QModelIndex& index) { Q_EMIT ItemClick(index.row()); });
    }
    m_icons->setMovement(QListView::Static);
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setLayoutMode(QListView::Batched);
    m_icons->setBatchSize(500);
    m_details->setRootIsDecorated(false);
    m_details->setUniformRowHeights(true);
    m_details->setItemsExpandable(false);
    m_details->setAllColumnsShowFocus(true);
    m_details->setTextElideMode(Qt::ElideRight);
    QHeaderView* header = m_details->header();
    header->setSectionsClickable(true);
    header->setStretchLastSection(false);
    header->setSortIndicatorShown(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) { Q_EMIT ColumnClick(column); });
    addWidget(m_icons);
    addWidget(m_details);
    setViewMode(Details);
}

void FileNameListView::setViewMode(int mode)
{
    if (mode < LargeIcons || mode > Details)
        return;
    m_viewMode = mode;
    if (mode == Details) {
        setCurrentWidget(m_details);
        return;
    }
    const int line = fontMetrics().height();
    if (mode == LargeIcons) {
        m_icons->setViewMode(QListView::IconMode);
        m_icons->setIconSize(QSize(32, 32));
        m_icons->setGridSize(QSize(line * 7, 32 + line * 3));
        m_icons->setWordWrap(true);
        m_icons->setUniformItemSizes(false);
    } else {
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setIconSize(QSize(16, 16));
        m_icons->setWordWrap(false);
        m_icons->setFlow(mode == SmallIcons ? QListView::LeftToRight : QListView::TopToBottom);
        m_icons->setWrapping(true);
        m_icons->setResizeMode(QListView::Adjust);
        // Small icons sit in a fixed grid like the large ones; the list view's columns take the
        // width of their longest name.
        m_icons->setGridSize(mode == SmallIcons ? QSize(line * 12, qMax(line, 16) + 6) : QSize());
        m_icons->setUniformItemSizes(false);
        m_icons->setSpacing(mode == List ? 2 : 0);
    }
    setCurrentWidget(m_icons);
}

void FileNameListView::ResetColumns()
{
    QHeaderView* header = m_details->header();
    for (int column = 0; column < header->count(); ++column) {
        m_details->setColumnHidden(column, false);
        header->resizeSection(column, width());
    }
}

void FileNameListView::FitFileViewColumns()
{
    if (m_viewMode == Details) {
        for (int column = 0; column < m_model->columnCount(); ++column) {
            if (column == 3) {
                m_details->setColumnHidden(column, true);
                continue;
            }
            m_details->setColumnHidden(column, false);
            m_details->resizeColumnToContents(column);
        }
    }
    m_details->header()->setSectionsMovable(true);
    m_details->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_icons->setSelectionBehavior(QAbstractItemView::SelectRows);
}

int FileNameListView::columnWidth(int column) const
{
    return m_details->isColumnHidden(column) ? 0 : m_details->columnWidth(column);
}

QList<int> FileNameListView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_details->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int FileNameListView::currentRow() const
{
    const QItemSelectionModel* selection = m_details->selectionModel();
    const QModelIndex current = selection->currentIndex();
    return current.isValid() && selection->isRowSelected(current.row(), {}) ? current.row() : -1;
}

void FileNameListView::selectRow(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    m_details->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    m_details->scrollTo(index);
    m_icons->scrollTo(index);
}

} // namespace velmora
