#pragma once
// Special files in test folders: a FIFO that a faulty reader would block on, and a socket.
#include <QByteArray>
#include <QString>

#include <atomic>
#include <thread>

namespace velmora::test {

// A FIFO at path with a writer waiting on it: a reader that opens it gets `bytes` and then the end,
// so a reader that should have refused it returns those bytes instead of blocking the test for good.
// A writer nobody met is let through when the trap goes.
class FifoTrap {
public:
    explicit FifoTrap(const QString& path, QByteArray bytes = "trap");
    ~FifoTrap();
    FifoTrap(const FifoTrap&) = delete;
    FifoTrap& operator=(const FifoTrap&) = delete;

    bool made() const { return m_made; }

private:
    QByteArray m_native;
    QByteArray m_bytes;
    bool m_made = false;
    std::atomic<bool> m_done{false};
    std::thread m_writer;
};

// A bound UNIX socket at path (left on disk as a socket file); false when it could not be made.
bool MakeSocketFile(const QString& path);

} // namespace velmora::test
