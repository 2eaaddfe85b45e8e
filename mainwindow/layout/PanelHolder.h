#pragma once
// A panel holding one page over its whole width and, while the panel is taller than the height
// threshold, its whole height; a shorter panel leaves the page as tall as it was.
#include <QWidget>

namespace velmora {

class PanelHolder : public QWidget {
    Q_OBJECT
public:
    explicit PanelHolder(QWidget* page, QWidget* parent = nullptr);
    QWidget* page() const { return m_page; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_page;
    bool m_placed = false;
};

} // namespace velmora
