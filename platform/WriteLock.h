#pragma once
// A lock that tells a temporary file still being written from one a killed process left behind.
// The lock goes with the process, so after a crash or SIGKILL nothing holds it any more.
#include <QString>

namespace velmora::platform {

// Marks the open file as being written by this process (until it is closed).
void MarkBeingWritten(int fd);

// True while another process holds that mark on the file at path.
bool IsBeingWritten(const QString& path);

} // namespace velmora::platform
