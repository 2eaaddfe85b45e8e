#pragma once
// A file written under a temporary name beside its target and renamed over it at the end: readers
// never see a half-written file, and a failure leaves the previous one whole.
#include <QByteArray>
#include <QString>

namespace velmora::platform {

// Every temporary the program writes is named "<file>" TemporaryMarker "<six letters or digits>",
// so that the left-over of a killed run can be told from anything a user or another program keeps.
inline constexpr char16_t TemporaryMarker[] = u".velmora-tmp-";
inline constexpr int TemporaryRandomLength = 6;

// Who may read the file once written.
enum class FileReaders {
    // As any editor leaves it: a replaced file keeps its permissions, a new one gets what the umask
    // leaves of read and write for everyone.
    Usual,
    // The owner alone (0600): copies of someone's photos and the like.
    OwnerOnly,
};

class AtomicFileWriter {
public:
    // Creates the temporary file; error() tells whether that worked. A path that is a symbolic link
    // is written through: the link stays and the file it names is replaced.
    explicit AtomicFileWriter(const QString& path, FileReaders readers = FileReaders::Usual);
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
    void createTemporary(FileReaders readers);

    QByteArray m_target;
    QByteArray m_temporary;
    int m_fd = -1;
    int m_error = 0;
    bool m_committed = false;
};

} // namespace velmora::platform
