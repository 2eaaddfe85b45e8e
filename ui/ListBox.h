#pragma once
// A list box whose horizontal scroll range is set by its owner (FitListScrollWidth) when the list is
// loaded, as a list box's horizontal extent is: entries added afterwards do not move it.
#include <QListWidget>

namespace velmora {

class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // The width in pixels the entries can be scrolled across; 0: no horizontal scrolling.
    int horizontalExtent() const { return m_extent; }
    void setHorizontalExtent(int pixels);

protected:
    void updateGeometries() override;

private:
    int m_extent = 0;
};

} // namespace velmora
