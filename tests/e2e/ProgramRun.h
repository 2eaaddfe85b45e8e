#pragma once
// A portable copy of the program in a temporary folder, run against a private X server with no
// desktop session, so that the wallpaper lands on the root window.
#include "tests/support/DesktopTestSupport.h"

#include <QImage>
#include <QProcess>

namespace velmora::test {

class ProgramRun {
public:
    ProgramRun();

    const TempFolder& program() const { return m_program; }
    // The home folder of the run; its Pictures folder is the default list's source.
    QString home() const { return m_home.path(); }
    QString display() const { return m_x.display(); }

    void writeSettings(const QByteArray& lines) const;
    // A picture file of the run's own, returned as its full path.
    QString picture(const QString& name, const QImage& image) const;

    // Runs to the end (at most 60 s); returns the exit code, -1 when it did not finish.
    int run(const QStringList& arguments);
    // Starts without waiting; stop() ends it with SIGTERM and waits.
    void start(const QStringList& arguments);
    int stop();
    // Sends the signal without waiting.
    void signal(int number);
    // Waits for the end of a run killed or signalled before; false when it did not end in time.
    bool waitForEnd(int milliseconds = 20000);
    bool running() const { return m_process.state() != QProcess::NotRunning; }

    QByteArray settingsFile() const;
    // A settings value as written, e.g. " 1" for "FileIndex2".
    QString setting(const QString& key) const;
    // The root window as it is shown now.
    QImage rootWindow() const;

private:
    QProcessEnvironment environment() const;

    TempFolder m_program;
    TempFolder m_home;
    PrivateXServer m_x{640, 400};
    QProcess m_process;
};

} // namespace velmora::test
