#include "platform/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {
namespace {

RegularFile::Refusal refusalFor(mode_t mode)
{
    if (S_ISREG(mode))
        return RegularFile::Refusal::None;
    return S_ISDIR(mode) ? RegularFile::Refusal::Folder : RegularFile::Refusal::Special;
}

} // namespace

RegularFile::RegularFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    // Looked at first, so that a device is not even opened (opening some has effects of its own).
    if (::stat(native.constData(), &info) != 0) {
        m_refusal = Refusal::Failed;
        m_error = errno;
        return;
    }
    if ((m_refusal = refusalFor(info.st_mode)) != Refusal::None)
        return;
    // Non-blocking, and looked at again once open: the name may have been replaced meanwhile.
    int fd = -1;
    do
        fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        m_refusal = Refusal::Failed;
        m_error = errno;
        return;
    }
    if (::fstat(fd, &info) != 0) {
        m_refusal = Refusal::Failed;
        m_error = errno;
        ::close(fd);
        return;
    }
    if ((m_refusal = refusalFor(info.st_mode)) != Refusal::None) {
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    m_size = info.st_size;
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

qint64 RegularFile::read(char* data, qint64 count)
{
    if (m_fd < 0) {
        m_error = EBADF;
        return -1;
    }
    qint64 done = 0;
    while (done < count) {
        const ssize_t got = ::read(m_fd, data + done, size_t(count - done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            m_error = errno;
            return -1;
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

} // namespace velmora::platform
