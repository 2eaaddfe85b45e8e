#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the window thread, so that being killed
// politely (a logout, Ctrl+C in a terminal) still runs the exit routine and saves the settings.
#include <QObject>

class QSocketNotifier;

namespace velmora {

class SignalBridge : public QObject {
    Q_OBJECT
public:
    explicit SignalBridge(QObject* parent = nullptr);
    ~SignalBridge() override;

Q_SIGNALS:
    void terminationRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace velmora
