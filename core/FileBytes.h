#pragma once
// A file's whole bytes in memory of their own, for large files read once and kept: fresh heap memory
// costs a page fault every 4 KiB, several times the read itself; these pages are huge where the
// system offers them.
#include <QByteArrayView>
#include <QString>

#include <utility>

namespace velmora {

// Move-only.
class FileBytes {
public:
    FileBytes() = default;
    FileBytes(FileBytes&& other) noexcept { swap(other); }
    FileBytes& operator=(FileBytes&& other) noexcept
    {
        FileBytes moved(std::move(other));
        swap(moved);
        return *this;
    }
    ~FileBytes();
    QByteArrayView view() const { return QByteArrayView(m_data, m_size); }

private:
    friend FileBytes ReadFileBytes(const QString& path, qint64 maxBytes);
    void swap(FileBytes& other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
    }
    char* m_data = nullptr;
    qsizetype m_size = 0;
};
// Reads as ReadWholeFile (core/TextLines.h) does, and throws as it does.
FileBytes ReadFileBytes(const QString& path, qint64 maxBytes);

} // namespace velmora
