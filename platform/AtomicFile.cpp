#include "platform/AtomicFile.h"

#include "platform/WriteLock.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {
namespace {

// The file a path stands for, through any symbolic links; a dangling link names its target.
QString throughLinks(const QString& path)
{
    QString resolved = path;
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) {
        resolved = info.symLinkTarget();
        info.setFile(resolved);
    }
    return resolved;
}

QByteArray temporaryName(const QByteArray& target)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = target + QString::fromUtf16(TemporaryMarker).toLatin1();
    for (int i = 0; i < TemporaryRandomLength; ++i)
        name += Letters[QRandomGenerator::global()->bounded(int(sizeof(Letters) - 1))];
    return name;
}

// The permission bits the finished file should have; -1 where the creation already gave them.
int wantedMode(const QByteArray& target, FileReaders readers)
{
    if (readers == FileReaders::OwnerOnly)
        return 0600;
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        return int(existing.st_mode & 0777);
    return -1;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString& path, FileReaders readers)
    : m_target(QFile::encodeName(throughLinks(path)))
{
    createTemporary(readers);
}

void AtomicFileWriter::createTemporary(FileReaders readers)
{
    // Created with the rights of a new file, so that the kernel takes the umask off; a private file
    // is private from its first byte.
    const mode_t createMode = readers == FileReaders::OwnerOnly ? 0600 : 0666;
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        QByteArray name = temporaryName(m_target);
        m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
        if (m_fd >= 0)
            m_temporary = std::move(name);
        else if (errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        fail(errno);
        return;
    }
    // A program starting meanwhile must not take this for the left-over of a killed one.
    MarkBeingWritten(m_fd);
    const int mode = wantedMode(m_target, readers);
    struct stat created {};
    // A file system that keeps no such rights (FAT) refuses the change; its files are written anyway.
    if (mode >= 0 && ::fstat(m_fd, &created) == 0 && int(created.st_mode & 0777) != mode)
        (void)::fchmod(m_fd, mode_t(mode));
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
