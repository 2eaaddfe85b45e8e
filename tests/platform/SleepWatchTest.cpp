#include "platform/SleepWatch.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestSupport.h"

#include <QDBusMessage>

#include <gtest/gtest.h>

using namespace velmora;
using velmora::platform::SleepWatch;

namespace {

QDBusMessage prepareForSleep(bool starting)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                                     QStringLiteral("PrepareForSleep"));
    signal << starting;
    return signal;
}

TEST(SleepWatch, WakesOnTheLoginManagersSignalOnly)
{
    test::PrivateSessionBus bus{QProcessEnvironment()};
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    {
        QDBusConnection login = QDBusConnection::connectToBus(bus.address(), QStringLiteral("sleep-login"));
        QDBusConnection other = QDBusConnection::connectToBus(bus.address(), QStringLiteral("sleep-other"));
        ASSERT_TRUE(login.registerService(QStringLiteral("org.freedesktop.login1")));
        SleepWatch watch(QDBusConnection::connectToBus(bus.address(), QStringLiteral("sleep-watch")),
                         nullptr);
        ASSERT_TRUE(watch.listening());
        int wakes = 0;
        QObject::connect(&watch, &SleepWatch::woke, [&wakes] { ++wakes; });

        other.send(prepareForSleep(false)); // not the login manager
        login.send(prepareForSleep(true));  // going to sleep
        login.send(prepareForSleep(false)); // awake
        EXPECT_TRUE(test::WaitUntil([&wakes] { return wakes > 0; }));
        login.send(prepareForSleep(false));
        EXPECT_TRUE(test::WaitUntil([&wakes] { return wakes > 1; }));
        EXPECT_EQ(wakes, 2);
    }
    for (const char* name : {"sleep-login", "sleep-other", "sleep-watch"})
        QDBusConnection::disconnectFromBus(QString::fromLatin1(name));
}

TEST(SleepWatch, WithoutABusItStaysSilent)
{
    SleepWatch watch(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                   QStringLiteral("sleep-none")),
                     nullptr);
    EXPECT_FALSE(watch.listening());
    QDBusConnection::disconnectFromBus(QStringLiteral("sleep-none"));
}

} // namespace
