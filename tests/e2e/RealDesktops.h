#pragma once
// Real desktops started headless for a test and ended with it: LXQt's and Xfce's desktop windows on
// a private X server, and sway on its headless backend. Each is ready once its own signs are there
// (bus name, window, socket); one that cannot start says why, and the test skips.
#include "tests/support/DesktopTestSupport.h"

#include <QImage>
#include <QPair>
#include <QProcess>

#include <memory>

namespace velmora::test {

using SessionVariables = QList<QPair<QString, QString>>;

class RealDesktop {
public:
    virtual ~RealDesktop();
    // Empty once the desktop is ready; otherwise why it is not.
    QString notReady() const { return m_notReady; }
    // The variables of a program in this session.
    virtual SessionVariables session() const = 0;
    // What the screen shows now; a null image when it cannot be taken.
    virtual QImage screenshot() const = 0;

protected:
    // Starts a desktop process; false (with notReady() saying why) when it is not installed.
    bool start(QProcess& process, const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment);
    static void end(QProcess& process);

    QString m_notReady;
};

// pcmanfm-qt --desktop on the display, on a session bus of its own.
class LxqtDesktop final : public RealDesktop {
public:
    LxqtDesktop(QString display, const QString& home);
    ~LxqtDesktop() override;
    SessionVariables session() const override;
    QImage screenshot() const override;

private:
    QString m_display;
    PrivateSessionBus m_bus;
    QProcess m_desktop;
};

// xfdesktop with xfconfd (started by the bus) and openbox on the display.
class XfceDesktop final : public RealDesktop {
public:
    XfceDesktop(QString display, const QString& home);
    ~XfceDesktop() override;
    SessionVariables session() const override;
    QImage screenshot() const override;

private:
    QString m_display;
    std::unique_ptr<PrivateSessionBus> m_bus;
    QProcess m_windowManager;
    QProcess m_desktop;
};

// Headless sway with one output of the given size. sway refuses to run as root, so under root it
// runs as a system user made for the tests ("velmora-desktop"), and so must the program; otherwise
// both run as the test's own user.
class SwayDesktop final : public RealDesktop {
public:
    SwayDesktop(int width, int height);
    ~SwayDesktop() override;
    SessionVariables session() const override;
    QImage screenshot() const override;
    uint uid() const { return m_uid; }
    uint gid() const { return m_gid; }

private:
    void runAsDesktopUser(QProcess& process) const;

    TempFolder m_runtime;
    uint m_uid = 0;
    uint m_gid = 0;
    QString m_socket;
    QString m_waylandDisplay;
    QProcess m_sway;
};

} // namespace velmora::test
