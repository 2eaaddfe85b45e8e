// The reader of list files and of the catalogue "lfname.dat": any bytes, UTF-8 or Shift_JIS, CR LF,
// lone CR or LF, more lines than a list may hold.
#include "tests/fuzz/FuzzTarget.h"

#include "core/ListFiles.h"
#include "core/TextLines.h"

#include <sys/mman.h>
#include <unistd.h>

using namespace velmora;

namespace {

// The bytes as a file without touching the disk, so the whole load runs, size checks included.
class MemoryFile {
public:
    explicit MemoryFile(const QByteArray& bytes)
        : m_fd(memfd_create("velmora-list", MFD_CLOEXEC))
    {
        if (m_fd < 0 || ::write(m_fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            fuzz::Broken("no memory file for the input");
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }

private:
    int m_fd;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartProgramState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (static_cast<qint64>(size) > MaxTextFileBytes)
        return 0;
    const QByteArray bytes = fuzz::Bytes(data, size);
    const QStringList lines = SplitLines(DecodeText(bytes));
    for (const QString& line : lines)
        if (line.contains(u'\r'))
            fuzz::Broken("a line holds a line end");

    // A list saved right after loading holds the same entries. (An entry that itself begins with a
    // byte-order mark loses it: the reader takes a leading one for the file's.)
    if (lines.isEmpty() || !lines.first().startsWith(QChar(0xFEFF))) {
        if (SplitLines(DecodeText(EncodeLines(lines))) != lines)
            fuzz::Broken("a list changes when saved and loaded again");
    }

    MemoryFile file(bytes);
    QStringList entries{QStringLiteral("untouched")};
    if (LoadListEntries(file.path(), entries) != 0)
        fuzz::Broken("a readable list file failed to load");
    if (entries != lines.mid(0, MaxListEntries))
        fuzz::Broken("the loaded entries are not the file's first lines");
    return 0;
}
