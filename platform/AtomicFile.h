#pragma once
// A file written under a temporary name beside its target and renamed over it at the end: readers
// never see a half-written file, and a failure leaves the previous one whole.
#include <QByteArray>
#include <QString>

namespace velmora::platform {

class AtomicFileWriter {
public:
    // Creates the temporary file; error() tells whether that worked.
    explicit AtomicFileWriter(const QString& path, int mode = 0644);
    // Removes the temporary file unless commit() succeeded.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Allocates the blocks up front: a full disk shows before writing.
    bool reserve(qint64 bytes);
    bool write(const void* data, qint64 bytes);
    // Closes the file and renames it over the target.
    bool commit();

    // errno of the first failure, 0 while all went well.
    int error() const { return m_error; }

private:
    bool fail(int error);

    QByteArray m_target;
    QByteArray m_temporary;
    int m_fd = -1;
    int m_error = 0;
    bool m_committed = false;
};

} // namespace velmora::platform
