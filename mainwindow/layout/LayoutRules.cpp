#include "mainwindow/layout/LayoutRules.h"

#include "platform/Screen.h"

#include <algorithm>
#include <cmath>

namespace velmora {

int PixelsFromTwips(Long twips)
{
    return static_cast<int>(std::lround(twips / platform::TwipsPerPixel()));
}

Long TwipsFromPixels(int pixels)
{
    return static_cast<Long>(std::lround(pixels * platform::TwipsPerPixel()));
}

MainSplit ArrangeMainSplit(Long innerWidth, Long barLeft, Long barWidth)
{
    MainSplit split{barLeft, innerWidth - barLeft - barWidth};
    if (split.right <= MinRightPanelWidth) {
        split.right = MinRightPanelWidth;
        // Never past the left panel's own minimum, however narrow the window: a bar at a negative
        // place would be stored as such.
        if (barLeft > MinLeftPanelWidth)
            split.left = std::max(MinLeftPanelWidth, innerWidth - MinRightPanelWidth - barWidth);
    }
    return split;
}

Long MainSplitterDragLeft(Long pointer, Long innerWidth, Long handleWidth)
{
    const Long furthest = innerWidth - (handleWidth + MinRightPanelWidth);
    if (pointer < MinLeftPanelWidth)
        return MinLeftPanelWidth;
    return pointer <= furthest ? pointer : furthest;
}

Long FolderSplitterDragLeft(Long pointer, Long pageWidth)
{
    const Long furthest = pageWidth - MinFileViewWidth;
    if (pointer < MinTreeWidth)
        return MinTreeWidth;
    return pointer <= furthest ? pointer : furthest;
}

Long FileViewWidth(Long pageWidth, Long barLeft, Long barWidth)
{
    const Long width = pageWidth - (barLeft + barWidth);
    return width <= MinFileViewWidth ? MinFileViewWidth : width;
}

int PropagatedHeight(Long panelHeight, int innerHeight, int previousHeight)
{
    if (panelHeight > PanelHeightThreshold || previousHeight <= 0)
        return innerHeight;
    return previousHeight;
}

FirstStartSize FitFirstStart(const FirstStartNeeds& needs)
{
    const int left = needs.treeWidth + needs.barWidth + needs.fileViewWidth + needs.pagePadding;
    FirstStartSize size;
    size.width = std::max(needs.defaultWidth, left + needs.barWidth + std::max(needs.minRightWidth, left) +
                                                  needs.frameWidth);
    size.width = std::max(std::min(size.width, needs.availableWidth), 0);
    // Halves, as the default split has it, unless the left panel needs more; the preview keeps at
    // least its minimum on a narrow screen.
    const int panels = size.width - needs.frameWidth - needs.barWidth;
    size.splitterMain = std::max(panels / 2, std::min(left, panels - needs.minRightWidth));
    // A landscape shape rather than the default's strip, as far as the screen allows.
    size.height = std::min(std::max(needs.defaultHeight, size.width * 5 / 8), needs.availableHeight);
    return size;
}

} // namespace velmora
