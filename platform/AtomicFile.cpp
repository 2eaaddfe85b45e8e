#include "platform/AtomicFile.h"

#include "platform/WriteLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {

AtomicFileWriter::AtomicFileWriter(const QString& path, int mode)
    : m_target(QFile::encodeName(path))
    , m_temporary(m_target + ".XXXXXX")
{
    errno = 0;
    m_fd = mkostemp(m_temporary.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_error = errno ? errno : EIO;
        m_temporary.clear();
        return;
    }
    // A program starting meanwhile must not take this for the left-over of a killed one.
    MarkBeingWritten(m_fd);
    // mkostemp makes the file private to its owner; the caller decides who may read it.
    if (::fchmod(m_fd, static_cast<mode_t>(mode)) != 0)
        fail(errno);
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
}

bool AtomicFileWriter::fail(int error)
{
    if (m_error == 0)
        m_error = error ? error : EIO;
    return false;
}

bool AtomicFileWriter::reserve(qint64 bytes)
{
    if (m_error)
        return false;
    // Also spares ext4 the forced flush it does when a file with delayed allocation is renamed over
    // another.
    if (::fallocate(m_fd, 0, 0, static_cast<off_t>(bytes)) != 0 && errno != EOPNOTSUPP && errno != ENOSYS)
        return fail(errno);
    return true;
}

bool AtomicFileWriter::write(const void* data, qint64 bytes)
{
    if (m_error)
        return false;
    const auto* at = static_cast<const unsigned char*>(data);
    while (bytes > 0) {
        const ssize_t written = ::write(m_fd, at, static_cast<size_t>(bytes));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(written < 0 ? errno : ENOSPC);
        at += written;
        bytes -= written;
    }
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_error)
        return false;
    // No fsync: callers that rebuild the file on every change would wait for the disk each time.
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(m_temporary.constData(), m_target.constData()) != 0)
        return fail(errno);
    m_committed = true;
    return true;
}

} // namespace velmora::platform
