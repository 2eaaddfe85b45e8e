#include "ui/ListBox.h"

#include "ui/ListBoxModel.h"

#include <QDataStream>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace velmora {
namespace {

// Entries measured on the window thread at once; more go to a job (a few microseconds each).
constexpr qsizetype MeasuredAtOnce = 5000;

// Rows as wide as the extent, so that text scrolled into view is painted, not cut at the first row's
// width (with uniform item sizes the view takes one row's size for all).
class ExtentDelegate final : public QStyledItemDelegate {
public:
    explicit ExtentDelegate(ListBox& box)
        : QStyledItemDelegate(&box)
        , m_box(box)
    {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(m_box.horizontalExtent());
        return size;
    }

private:
    const ListBox& m_box;
};

// A copy of font that shares nothing with it, for a worker. A plain copy shares the original's
// data, in which each thread that measures swaps the cached font engines unguarded, and a setter
// that changes nothing keeps sharing; a font read from a stream always gets data of its own.
QFont FontOfItsOwn(const QFont& font)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << font;
    QDataStream in(bytes);
    QFont copy;
    in >> copy;
    return copy;
}

} // namespace

ListBox::ListBox(QWidget* parent)
    : QListView(parent)
    , m_model(new ListBoxModel(this))
{
    setModel(m_model);
    setItemDelegate(new ExtentDelegate(*this));
    setUniformItemSizes(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                Q_EMIT currentRowChanged(current.isValid() ? current.row() : -1);
            });
    connect(&m_measure, &JobBase::finished, this, [this] {
        Outcome<QList<int>> outcome = m_measure.takeOutcome();
        if (outcome.canceled || !outcome.value || !m_measured)
            return;
        const QList<int>& widths = *outcome.value;
        // Entries edited meanwhile keep their places unmeasured; the answer is the list's as it was
        // asked about.
        if (m_model->revision() == m_measuredRevision)
            for (qsizetype row = 0; row < widths.size(); ++row)
                m_model->setWidth(int(row), widths[row]);
        const int longest = widths.isEmpty() ? -1 : *std::max_element(widths.begin(), widths.end());
        std::exchange(m_measured, {})(longest);
    });
}

ListBox::~ListBox() = default;

int ListBox::count() const
{
    return int(m_model->entries().size());
}

QString ListBox::text(int row) const
{
    return m_model->entries().value(row);
}

const QStringList& ListBox::entries() const
{
    return m_model->entries();
}

void ListBox::setEntries(QStringList entries)
{
    m_measure.cancel();
    m_measured = {};
    m_model->setEntries(std::move(entries));
}

void ListBox::addEntries(const QStringList& entries)
{
    m_model->insertEntries(count(), entries);
}

void ListBox::insertEntries(int row, const QStringList& texts)
{
    m_model->insertEntries(row, texts);
}

void ListBox::removeEntry(int row)
{
    m_model->removeEntries(row, 1);
}

void ListBox::clear()
{
    setEntries({});
}

int ListBox::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListBox::setCurrentRow(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    switch (selectionMode()) {
    case QAbstractItemView::SingleSelection:
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        break;
    case QAbstractItemView::NoSelection:
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        break;
    default: selectionModel()->setCurrentIndex(index, QItemSelectionModel::SelectCurrent); break;
    }
}

bool ListBox::isRowSelected(int row) const
{
    return selectionModel()->isRowSelected(row, QModelIndex());
}

void ListBox::setRowSelected(int row, bool selected)
{
    selectionModel()->select(m_model->index(row, 0),
                             selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

QList<int> ListBox::selectedRows() const
{
    QList<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ListBox::setHorizontalExtent(int pixels)
{
    m_extent = std::max(0, pixels);
    // The rows take their width from the extent: laid out again, once.
    scheduleDelayedItemsLayout();
    updateGeometries();
}

int ListBox::longestMeasured() const
{
    const QList<int>& widths = m_model->widths();
    return widths.isEmpty() ? -1 : *std::max_element(widths.begin(), widths.end());
}

void ListBox::measureLongestEntry(std::function<void(int longest)> then)
{
    m_measure.cancel();
    m_measured = {};
    const QList<int>& widths = m_model->widths();
    const qsizetype unmeasured = std::count(widths.begin(), widths.end(), ListBoxModel::Unmeasured);
    if (unmeasured <= MeasuredAtOnce) {
        const QFontMetrics metrics(font());
        const QStringList& entries = m_model->entries();
        for (qsizetype row = 0; row < entries.size(); ++row)
            if (widths[row] == ListBoxModel::Unmeasured)
                m_model->setWidth(int(row), metrics.horizontalAdvance(entries[row]));
        then(longestMeasured());
        return;
    }
    m_measured = std::move(then);
    m_measuredRevision = m_model->revision();
    const QFont font = FontOfItsOwn(this->font());
    m_measure.start(
        [entries = m_model->entries(), widths = m_model->widths(), font](JobControl& control) mutable {
            const QFontMetrics metrics(font);
            for (qsizetype row = 0; row < entries.size(); ++row) {
                if (widths[row] == ListBoxModel::Unmeasured)
                    widths[row] = metrics.horizontalAdvance(entries[row]);
                if (row % 4096 == 0 && control.isCanceled())
                    return QList<int>();
            }
            return widths;
        });
}

void ListBox::updateGeometries()
{
    QListView::updateGeometries();
    // The view would size the range to its widest entry; the extent decides it instead.
    const int visible = viewport()->width();
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, m_extent - visible));
    bar->setPageStep(visible);
}

void ListBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_model->forgetWidths();
    QListView::changeEvent(event);
}

} // namespace velmora
