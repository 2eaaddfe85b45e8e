#pragma once
// Whether one of the user's own processes runs a program with a given argument, read from /proc:
// a desktop that takes its changes from a second instance of its tool must be running to take them.
#include <QString>

namespace velmora::platform {

// True when a process of this user was started as `program` (by name or path) with `argument`
// among its arguments.
bool IsProgramRunning(const QString& program, const QString& argument);

} // namespace velmora::platform
