#include "windows/thumbnails/ThumbnailGridView.h"

#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>

namespace velmora {
namespace {

constexpr int Margin = 6;

// Paints the picture as it is (a QImage, never turned into a pixmap first) and the caption.
class ThumbnailDelegate final : public QStyledItemDelegate {
public:
    ThumbnailDelegate(int box, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_box(box)
    {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {m_box + 2 * Margin, m_box + 3 * Margin + option.fontMetrics.height()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect cell = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(cell.adjusted(1, 1, -1, -1), option.palette.highlight());
        const QImage picture = index.data(Qt::DecorationRole).value<QImage>();
        const QRect box(cell.left() + (cell.width() - m_box) / 2, cell.top() + Margin, m_box, m_box);
        if (!picture.isNull()) {
            const QSize size = picture.deviceIndependentSize().toSize().boundedTo(box.size());
            const QRect target(box.left() + (m_box - size.width()) / 2, box.top() + (m_box - size.height()) / 2,
                               size.width(), size.height());
            painter->drawImage(target, picture);
        }
        const QRect text(cell.left() + Margin / 2, box.bottom() + Margin, cell.width() - Margin,
                         option.fontMetrics.height());
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(text, Qt::AlignHCenter | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(index.data().toString(), Qt::ElideMiddle, text.width()));
    }

private:
    int m_box;
};

} // namespace

ThumbnailGridView::ThumbnailGridView(int box, QWidget* parent)
    : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    auto* delegate = new ThumbnailDelegate(box, this);
    setItemDelegate(delegate);
    QStyleOptionViewItem option;
    option.initFrom(this);
    setGridSize(delegate->sizeHint(option, {}));
}

} // namespace velmora
