#pragma once
// What the harnesses share. Each harness defines LLVMFuzzerInitialize and LLVMFuzzerTestOneInput;
// the fuzz build links them with libFuzzer, the normal build with FuzzReplayMain.cpp, which runs the
// committed seeds and regression inputs through them as an ordinary test.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace velmora::fuzz {

// The Qt core application (plugin look-ups need one) and the program's start-up tables, made once.
void StartProgramState();

// Ends the run as a finding: a property the program relies on did not hold for this input.
[[noreturn]] void Broken(const char* what);

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The bytes as a file without touching the disk, so that a whole load runs, size checks included.
class MemoryFile {
public:
    explicit MemoryFile(const QByteArray& bytes);
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    QString path() const;

private:
    int m_fd;
};

} // namespace velmora::fuzz
