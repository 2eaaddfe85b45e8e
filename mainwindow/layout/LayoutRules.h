#pragma once
// The main window's layout arithmetic in twips, as plain functions: the panel limits of the two
// splitters, the page inset and the height below which panels keep their heights. The widgets
// convert to and from pixels at their edge (TwipsFromPixels, PixelsFromTwips).
#include "core/Settings.h"

namespace velmora {

inline constexpr Long MinRightPanelWidth = 3000;
inline constexpr Long MinLeftPanelWidth = 3000;
inline constexpr Long MinTreeWidth = 1000;
inline constexpr Long MinFileViewWidth = 1000;
inline constexpr Long PageInset = 50;
inline constexpr Long PanelHeightThreshold = 4000;
inline constexpr Long DragBarShortening = 20;
// The splitter bar between the panels.
inline constexpr Long SplitterBarWidth = 72;

// Twips and logical pixels of the screen the program runs on (15 twips a pixel at 96 DPI).
int PixelsFromTwips(Long twips);
Long TwipsFromPixels(int pixels);

struct MainSplit {
    Long left = 0;  // left panel width, which is also the bar's left edge
    Long right = 0; // right panel width
};

// ArrangeMainWindow: the left panel keeps the bar's place and the right panel takes the rest, but
// never less than MinRightPanelWidth; the bar moves left to keep that while the left panel is wider
// than MinLeftPanelWidth.
MainSplit ArrangeMainSplit(Long innerWidth, Long barLeft, Long barWidth);

// Where a drag puts the bar: pointer is the handle's left plus the pointer's x on the handle.
Long MainSplitterDragLeft(Long pointer, Long innerWidth, Long handleWidth);
Long FolderSplitterDragLeft(Long pointer, Long pageWidth);

// The file view right of the folder bar: the rest of the page, at least MinFileViewWidth.
Long FileViewWidth(Long pageWidth, Long barLeft, Long barWidth);

// A panel (panelHeight in twips) passes its height on to what it holds only while it is taller than
// the threshold; a shorter one leaves the previous height (none yet: its own). innerHeight and
// previousHeight are in one unit of the caller's, pixels for the widgets.
int PropagatedHeight(Long panelHeight, int innerHeight, int previousHeight);

// The window's first size, in pixels, when there are no stored settings yet: wide enough for the
// tree and every column of the file view, with the preview as wide as that (at least its minimum),
// all within the screen's free area.
struct FirstStartNeeds {
    int defaultWidth = 0;   // from the settings' defaults
    int defaultHeight = 0;
    int treeWidth = 0;      // the folder bar's place
    int fileViewWidth = 0;  // the widest the file view would want (columns, frame, scroll bar)
    int barWidth = 0;
    int pagePadding = 0;    // margins around the pages of the left panel
    int minRightWidth = 0;
    int frameWidth = 0;     // window width beyond the panels and the bar
    int availableWidth = 0; // the screen's free area
    int availableHeight = 0;
};
struct FirstStartSize {
    int width = 0;
    int height = 0;
    int splitterMain = 0; // the left panel
};
FirstStartSize FitFirstStart(const FirstStartNeeds& needs);

} // namespace velmora
