#pragma once
// The scrolling grid of the thumbnail window: each cell a picture centred in a square box with its
// caption beneath, filled left to right and wrapped at the window's width.
#include <QListView>

namespace velmora {

class ThumbnailGridView final : public QListView {
    Q_OBJECT
public:
    // box: the side of the square each picture is fitted into, in logical pixels.
    explicit ThumbnailGridView(int box, QWidget* parent = nullptr);
};

} // namespace velmora
