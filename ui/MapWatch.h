#pragma once
// Watches a top-level window the program showed until the desktop has it on screen, and maps it
// again while a starting window manager has left its request unanswered (platform/WindowMapping.h).
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;
class QWindow;

namespace velmora {

class MapWatch : public QObject {
    Q_OBJECT
public:
    // mapAgainIfLost: true when the window was lost and has been mapped again.
    using MapAgain = std::function<bool(const QWindow&)>;
    explicit MapWatch(QWidget& window, MapAgain mapAgainIfLost = {});

    // From the window's show: watch again from now on.
    void start();
    bool watching() const { return m_timer.isActive(); }
    // How often the window had to be mapped again since start().
    int remaps() const { return m_remaps; }

private:
    void check();

    QWidget& m_window;
    MapAgain m_mapAgainIfLost;
    QTimer m_timer;
    QElapsedTimer m_since;
    int m_remaps = 0;
};

} // namespace velmora
