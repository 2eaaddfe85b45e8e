#include "tests/support/SpecialFiles.h"

#include <QFile>

#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora::test {

FifoTrap::FifoTrap(const QString& path, QByteArray bytes)
    : m_native(QFile::encodeName(path))
    , m_bytes(std::move(bytes))
{
    m_made = ::mkfifo(m_native.constData(), 0600) == 0;
    if (!m_made)
        return;
    m_writer = std::thread([this] {
        // Blocks until a reader opens the other end.
        const int fd = ::open(m_native.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        if (!m_done)
            (void)!::write(fd, m_bytes.constData(), size_t(m_bytes.size()));
        ::close(fd);
    });
}

FifoTrap::~FifoTrap()
{
    if (!m_writer.joinable())
        return;
    m_done = true;
    // A reader end of our own lets a writer still waiting in open go through; it then writes nothing.
    const int reader = ::open(m_native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    m_writer.join();
    if (reader >= 0)
        ::close(reader);
}

bool MakeSocketFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(native.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

} // namespace velmora::test
