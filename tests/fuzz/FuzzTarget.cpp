#include "tests/fuzz/FuzzTarget.h"

#include "core/FileKinds.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

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

MemoryFile::MemoryFile(const QByteArray& bytes)
    : m_fd(memfd_create("velmora-fuzz", MFD_CLOEXEC))
{
    if (m_fd < 0 || ::write(m_fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        Broken("no memory file for the input");
}

MemoryFile::~MemoryFile()
{
    ::close(m_fd);
}

QString MemoryFile::path() const
{
    return QStringLiteral("/proc/self/fd/%1").arg(m_fd);
}

} // namespace velmora::fuzz
