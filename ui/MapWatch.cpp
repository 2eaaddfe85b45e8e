#include "ui/MapWatch.h"

#include "platform/WindowMapping.h"

#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velmora {
namespace {

// A window manager answers within a second when it runs; a starting one may take longer, so the
// checks come less often as time goes on, and end once a login is surely over.
constexpr int FirstCheckMs = 1000;
constexpr int LongestGapMs = 8000;
constexpr qint64 WatchForMs = 120000;

} // namespace

MapWatch::MapWatch(QWidget& window, MapAgain mapAgainIfLost)
    : QObject(&window)
    , m_window(window)
    , m_mapAgainIfLost(mapAgainIfLost ? std::move(mapAgainIfLost)
                                      : MapAgain([](const QWindow& w) { return platform::MapAgainIfLost(w); }))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &MapWatch::check);
}

void MapWatch::start()
{
    m_remaps = 0;
    m_since.start();
    m_timer.start(FirstCheckMs);
}

void MapWatch::check()
{
    const QWindow* native = m_window.windowHandle();
    // Hidden again (to the notification area) or on screen: nothing left to watch.
    if (!native || !m_window.isVisible() || native->isExposed())
        return;
    if (m_mapAgainIfLost(*native))
        ++m_remaps;
    if (m_since.elapsed() < WatchForMs)
        m_timer.start(std::min(m_timer.interval() * 2, LongestGapMs));
}

} // namespace velmora
