#pragma once
// Command lines of Debian's image tools with the words IN and OUT standing for the files; header
// only, so that the tests, the fuzzing seeds and the benchmarks share it whatever they link.
#include <QStringList>

namespace velmora::test {

// Only whole arguments are replaced: a temporary folder's random name may hold "IN" or "OUT".
inline QStringList WithFiles(QStringList arguments, const QString& in, const QString& out)
{
    for (QString& argument : arguments) {
        if (argument == QLatin1String("IN"))
            argument = in;
        else if (argument == QLatin1String("OUT"))
            argument = out;
    }
    return arguments;
}

} // namespace velmora::test
