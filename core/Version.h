#pragma once
// The program's version and its display form.
#include <QString>

namespace velmora {

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};

ProgramVersion CurrentVersion();

// "Version " + major + "." + minor + revision, the revision written straight after the minor number
// (2, 1, 0 gives "Version 2.10").
QString VersionText(const ProgramVersion& version);

} // namespace velmora
