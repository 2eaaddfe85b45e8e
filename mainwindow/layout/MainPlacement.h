#pragma once
// The main window's place in the settings (MainLeft, MainTop, MainWidth, MainHeight) with the two
// bars' places; and, at a first start, a size fitted to what the window shows.
#include <QRect>

class QTreeView;
class QWidget;

namespace velmora {

class MainLayout;
struct Settings;

class MainPlacement {
public:
    MainPlacement(QWidget& window, Settings& settings, MainLayout& layout);

    void iniDataRead();
    // Left alone while the window is minimised: its place then is not the one to come back to.
    void iniDataWrite();
    // Without stored settings: the client area wide enough for the tree, every column of the file
    // view (details: its detail columns) and a preview at least as wide, as far as the screen's free
    // area allows, and centred in that area.
    void fitFirstStart(const QTreeView& details, int barWidth);

    // Places the frame again once the content is final: a size the content no longer fits in
    // would be corrected at the show, and that correction places the client area at the corner.
    void settle();

private:
    // Moves the frame (title bar included) to the corner and gives the client area the size.
    void placeFrame(const QRect& frame);

    QWidget& m_window;
    Settings& m_settings;
    MainLayout& m_layout;
    QRect m_frame; // where the frame was last placed, with the client area's size
};

} // namespace velmora
