#include "tests/fuzz/FuzzTarget.h"

#include "core/FileKinds.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace velmora::fuzz {

void StartProgramState()
{
    static int argc = 1;
    static char name[] = "velmora-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    BuildFileKindTable();
}

void Broken(const char* what)
{
    std::fprintf(stderr, "velmora-fuzz: broken: %s\n", what);
    std::abort();
}

} // namespace velmora::fuzz
