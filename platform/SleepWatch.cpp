#include "platform/SleepWatch.h"

namespace velmora::platform {

SleepWatch::SleepWatch(QObject* parent)
    : SleepWatch(QDBusConnection::systemBus(), parent)
{}

SleepWatch::SleepWatch(QDBusConnection connection, QObject* parent)
    : QObject(parent)
{
    if (!connection.isConnected())
        return;
    m_listening = connection.connect(QStringLiteral("org.freedesktop.login1"),
                                     QStringLiteral("/org/freedesktop/login1"),
                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                     QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void SleepWatch::prepareForSleep(bool starting)
{
    if (!starting)
        Q_EMIT woke();
}

} // namespace velmora::platform
