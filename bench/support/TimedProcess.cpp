#include "bench/support/TimedProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtGlobal>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

namespace velmora::bench {

ProcessRun TimedProcess(const QStringList& command, const QStringList& environment)
{
    std::vector<QByteArray> args;
    for (const QString& part : command)
        args.push_back(QFile::encodeName(part));
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> envs;
    for (const QString& entry : environment)
        envs.push_back(entry.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& entry : envs)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (argv.size() < 2 || posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return {};
    ProcessRun run;
    run.ms = double(clock.nsecsElapsed()) / 1e6;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

QStringList ProgramEnvironment(const QString& display, const QString& home)
{
    return {
        QStringLiteral("DISPLAY=") + display,
        QStringLiteral("HOME=") + home,
        QStringLiteral("XDG_RUNTIME_DIR=") + home,
        QStringLiteral("PATH=") + qEnvironmentVariable("PATH"),
        QStringLiteral("QT_QPA_PLATFORM=xcb"),
        QStringLiteral("LANG=C.UTF-8"),
    };
}

} // namespace velmora::bench
