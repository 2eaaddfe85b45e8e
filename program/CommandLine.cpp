#include "program/CommandLine.h"

#include "core/PathRoutines.h"

namespace velmora {

CommandLine CommandLine::parse(const QStringList& arguments)
{
    // The program's own path is not part of its command line.
    const QString text = arguments.mid(1).join(u' ');
    CommandLine line;
    line.hidden = text.contains(QStringLiteral("-ng"));
    line.oneShot = text.contains(QStringLiteral("-s"));
    return line;
}

bool SplashSuppressed(const QString& programFolder)
{
    return FileExists(AddPathSep(programFolder) + QStringLiteral("NOSPLASH"));
}

} // namespace velmora
