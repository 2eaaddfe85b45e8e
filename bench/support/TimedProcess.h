#pragma once
// A whole process timed as the benchmarks of whole runs time it: wall time from its start to its
// end and its own peak memory, from the kernel's accounting of the child.
#include <QStringList>

namespace velmora::bench {

struct ProcessRun {
    double ms = 0;
    double peakMb = 0;
    bool ok = false; // it started and ended with exit code 0
};

// What a run of the program under a benchmark's private X server sees: that display, a home of its
// own, xcb, a neutral locale and nothing else of the calling session.
QStringList ProgramEnvironment(const QString& display, const QString& home);

// Starts command[0] (a full path) with exactly the environment given and waits for it.
ProcessRun TimedProcess(const QStringList& command, const QStringList& environment);

} // namespace velmora::bench
