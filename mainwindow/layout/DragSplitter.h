#pragma once
// A two-pane splitter that is dragged as the classic grey bar: the panes stay where they are while
// the bar follows the pointer within the owner's limits, and take their new widths on release.
#include <QSplitter>

#include <functional>

namespace velmora {

class DragSplitter : public QSplitter {
    Q_OBJECT
public:
    explicit DragSplitter(QWidget* parent = nullptr);

    // Where the bar may go for a pointer position (both in pixels from the splitter's left edge).
    // Without a rule the bar follows the pointer within the splitter.
    void setDragRule(std::function<int(int pointer)> rule) { m_dragRule = std::move(rule); }

    // True between the press on the handle and its release.
    bool SplitterDragging() const { return m_dragging; }
    // The grey bar shown during a drag.
    QWidget* dragBar() const { return m_dragBar; }
    // Gives the first pane `left` pixels and the second one what remains.
    void placeBar(int left);

    // The drag, as the handle reports it; public so that tests can drive a drag without a mouse.
    void beginDrag();
    void dragTo(int pointer);
    void endDrag();

Q_SIGNALS:
    // The drag ended with the bar at left; the owner lays the panes out.
    void dragReleased(int left);
    // The splitter changed size; the owner lays the panes out.
    void resized();

protected:
    QSplitterHandle* createHandle() override;
    void resizeEvent(QResizeEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::function<int(int)> m_dragRule;
    QWidget* m_dragBar = nullptr;
    bool m_addingBar = false;
    bool m_dragging = false;
};

} // namespace velmora
