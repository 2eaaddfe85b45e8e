#include "mainwindow/layout/PanelHolder.h"

#include "mainwindow/layout/LayoutRules.h"

namespace velmora {

PanelHolder::PanelHolder(QWidget* page, QWidget* parent)
    : QWidget(parent)
    , m_page(page)
{
    m_page->setParent(this);
}

QSize PanelHolder::sizeHint() const
{
    return m_page->sizeHint();
}

QSize PanelHolder::minimumSizeHint() const
{
    return {m_page->minimumSizeHint().width(), 0};
}

void PanelHolder::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int previous = m_placed ? m_page->height() : 0;
    m_page->setGeometry(0, 0, width(), PropagatedHeight(TwipsFromPixels(height()), height(), previous));
    m_placed = true;
}

} // namespace velmora
