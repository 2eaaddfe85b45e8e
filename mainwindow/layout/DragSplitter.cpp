#include "mainwindow/layout/DragSplitter.h"

#include "mainwindow/layout/LayoutRules.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QSplitterHandle>

#include <algorithm>

namespace velmora {
namespace {

// The handle only reports the pointer; the splitter decides where the bar goes.
class DragSplitterHandle : public QSplitterHandle {
public:
    explicit DragSplitterHandle(DragSplitter* parent)
        : QSplitterHandle(Qt::Horizontal, parent)
        , m_owner(parent)
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            m_owner->beginDrag();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_owner->SplitterDragging())
            m_owner->dragTo(x() + qRound(event->position().x()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && m_owner->SplitterDragging())
            m_owner->endDrag();
    }

private:
    DragSplitter* m_owner;
};

} // namespace

DragSplitter::DragSplitter(QWidget* parent)
    : QSplitter(Qt::Horizontal, parent)
{
    m_addingBar = true;
    m_dragBar = new QWidget(this);
    m_addingBar = false;
    setChildrenCollapsible(false);
    setOpaqueResize(false);
    setHandleWidth(std::max(4, PixelsFromTwips(SplitterBarWidth)));
    m_dragBar->setObjectName(QStringLiteral("dragBar"));
    m_dragBar->setAutoFillBackground(true);
    QPalette grey = m_dragBar->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    m_dragBar->setPalette(grey);
    m_dragBar->hide();
}

QSplitterHandle* DragSplitter::createHandle()
{
    return new DragSplitterHandle(this);
}

void DragSplitter::childEvent(QChildEvent* event)
{
    // The bar is ours, not a third pane: the splitter would take in any child widget.
    if (m_addingBar || event->child() == m_dragBar) {
        QFrame::childEvent(event);
        return;
    }
    QSplitter::childEvent(event);
}

void DragSplitter::resizeEvent(QResizeEvent* event)
{
    QSplitter::resizeEvent(event);
    Q_EMIT resized();
}

void DragSplitter::showEvent(QShowEvent* event)
{
    QSplitter::showEvent(event);
    // A page shown again lays out by the places kept while it was hidden.
    Q_EMIT resized();
}

void DragSplitter::placeBar(int left)
{
    setSizes({left, std::max(0, width() - left - handleWidth())});
}

void DragSplitter::beginDrag()
{
    if (count() < 2)
        return;
    const QSplitterHandle* bar = handle(1);
    const int shortening = PixelsFromTwips(DragBarShortening);
    m_dragBar->setGeometry(bar->x(), bar->y(), std::max(2, bar->width()), std::max(1, bar->height() - shortening));
    m_dragBar->raise();
    m_dragBar->show();
    m_dragging = true;
}

void DragSplitter::dragTo(int pointer)
{
    if (!m_dragging)
        return;
    const int left = m_dragRule ? m_dragRule(pointer) : std::clamp(pointer, 0, std::max(0, width() - handleWidth()));
    m_dragBar->move(left, m_dragBar->y());
}

void DragSplitter::endDrag()
{
    if (!m_dragging)
        return;
    const int left = m_dragBar->x();
    m_dragBar->hide();
    m_dragging = false;
    Q_EMIT dragReleased(left);
}

} // namespace velmora
