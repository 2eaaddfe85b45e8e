#pragma once
// Reading files that others may have put in a picture folder or named like a list. Only regular
// files (and links to them) are opened, and never in a way that waits: opening a FIFO for reading
// waits for a writer, and a device may never end, so either would hold a thread for good.
#include <QString>

namespace velmora::platform {

class RegularFile {
public:
    // What stood in the way when the file is not open.
    enum class Refusal { None, Failed, Folder, Special };

    explicit RegularFile(const QString& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    Refusal refusal() const { return m_refusal; }
    // errno of the failed call (Refusal::Failed) or of the last failed read.
    int error() const { return m_error; }
    // The size the file had when it was opened.
    qint64 size() const { return m_size; }

    // Reads until count bytes are in or the file ends: the number read, or -1 (see error()).
    qint64 read(char* data, qint64 count);

private:
    int m_fd = -1;
    Refusal m_refusal = Refusal::None;
    int m_error = 0;
    qint64 m_size = 0;
};

} // namespace velmora::platform
