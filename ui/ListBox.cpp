#include "ui/ListBox.h"

#include <QScrollBar>

#include <algorithm>

namespace velmora {

ListBox::ListBox(QWidget* parent)
    : QListWidget(parent)
{
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void ListBox::setHorizontalExtent(int pixels)
{
    m_extent = std::max(0, pixels);
    updateGeometries();
}

void ListBox::updateGeometries()
{
    QListWidget::updateGeometries();
    // The view would size the range to its widest entry; the extent decides it instead.
    const int visible = viewport()->width();
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, m_extent - visible));
    bar->setPageStep(visible);
}

} // namespace velmora
