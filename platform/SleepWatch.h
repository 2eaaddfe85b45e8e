#pragma once
// Tells when the machine wakes from sleep: the login manager's PrepareForSleep(false) on the system
// bus. Where there is no such bus or service it stays silent; the timer's clock check covers that.
#include <QDBusConnection>
#include <QObject>

namespace velmora::platform {

class SleepWatch final : public QObject {
    Q_OBJECT
public:
    explicit SleepWatch(QObject* parent = nullptr);
    // Listens on another connection (tests use a private bus).
    SleepWatch(QDBusConnection connection, QObject* parent);

    // True when the signal could be subscribed to.
    bool listening() const { return m_listening; }

Q_SIGNALS:
    void woke();

private Q_SLOTS:
    void prepareForSleep(bool starting);

private:
    bool m_listening = false;
};

} // namespace velmora::platform
