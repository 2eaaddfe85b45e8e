#include "ui/FramePlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velmora {
namespace {

// The part of the title bar that must show: its top rows, over a width the pointer can take.
constexpr int TitleRows = 20;
constexpr int GripWidth = 48;

bool ShowsTitleBar(const QRect& screen, const QRect& frame)
{
    const int rows = std::min(TitleRows, frame.height());
    if (frame.top() < screen.top() || frame.top() + rows - 1 > screen.bottom())
        return false;
    const int shown = std::min(frame.right(), screen.right()) - std::max(frame.left(), screen.left()) + 1;
    return shown >= std::min(GripWidth, frame.width());
}

// How far apart two rectangles are, in pixels along each axis; 0 when they touch or overlap.
long long Gap(const QRect& a, const QRect& b)
{
    const long long dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const long long dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

long long SharedArea(const QRect& a, const QRect& b)
{
    const QRect shared = a.intersected(b);
    return shared.isEmpty() ? 0 : static_cast<long long>(shared.width()) * shared.height();
}

const QRect& NearestScreen(const QRect& frame, const QList<QRect>& screens)
{
    const QRect* nearest = &screens.front();
    for (const QRect& screen : screens) {
        const long long shared = SharedArea(frame, screen);
        const long long best = SharedArea(frame, *nearest);
        if (shared > best || (shared == 0 && best == 0 && Gap(frame, screen) < Gap(frame, *nearest)))
            nearest = &screen;
    }
    return *nearest;
}

// As far inside [low, high] as a length allows; its low edge at low when it is too long.
int Inside(int start, int length, int low, int high)
{
    if (length >= high - low + 1)
        return low;
    return std::clamp(start, low, high - length + 1);
}

} // namespace

QRect FrameOnScreens(const QRect& frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return frame;
    for (const QRect& screen : screens)
        if (ShowsTitleBar(screen, frame))
            return frame;
    const QRect& screen = NearestScreen(frame, screens);
    QRect placed = frame;
    placed.moveTo(Inside(frame.left(), frame.width(), screen.left(), screen.right()),
                  Inside(frame.top(), frame.height(), screen.top(), screen.bottom()));
    return placed;
}

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

void PlaceWindowFrame(QWidget& window, const QRect& frame)
{
    const QRect placed = FrameOnScreens(frame, AvailableScreenAreas());
    window.resize(placed.size());
    // Before the native window exists, move() places the frame; setGeometry() would place the client
    // area there, the title bar above it.
    window.move(placed.topLeft());
}

} // namespace velmora
