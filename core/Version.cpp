#include "core/Version.h"

namespace velmora {

ProgramVersion CurrentVersion()
{
    return {VELMORA_VERSION_MAJOR, VELMORA_VERSION_MINOR, VELMORA_VERSION_PATCH};
}

QString VersionText(const ProgramVersion& version)
{
    return QStringLiteral("Version %1.%2%3").arg(version.major).arg(version.minor).arg(version.revision);
}

} // namespace velmora
