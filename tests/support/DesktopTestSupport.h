#pragma once
// Real and stand-in desktop parts for the wallpaper backend tests: a private X server, a private
// D-Bus session, recording stand-ins for command-line tools, and scoped environment variables.
#include "tests/support/TestSupport.h"

#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>

namespace velmora::test {

// Sets an environment variable of this process (and so of the tools it starts) for a scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// Xvfb on a display number it picks itself; stopped at the end of the scope.
class PrivateXServer {
public:
    PrivateXServer(int width, int height);
    ~PrivateXServer();
    QString display() const { return m_display; } // ":N", empty when the server did not start

private:
    QProcess m_process;
    QString m_display;
};

// A dbus-daemon of its own; services it activates (xfconfd) get the extra environment, so that
// they keep their files in a test folder rather than the user's.
class PrivateSessionBus {
public:
    explicit PrivateSessionBus(const QProcessEnvironment& serviceEnvironment);
    ~PrivateSessionBus();
    QString address() const { return m_address; }

private:
    QProcess m_process;
    QString m_address;
};

// Tools on a PATH of their own that record their calls (see RecordingTool.cpp).
class StandInTools {
public:
    StandInTools();
    // Makes `name` a recording stand-in.
    void install(const QString& name);
    void reply(const QString& text);
    void failOn(const QString& argument);
    // Each call: the tool's name, then its arguments.
    QList<QStringList> calls() const;

private:
    TempFolder m_folder;
    ScopedEnv m_path;
    ScopedEnv m_log;
    std::unique_ptr<ScopedEnv> m_reply;
    std::unique_ptr<ScopedEnv> m_fail;
};

} // namespace velmora::test
