#pragma once
// Helpers shared by the test programs.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace velmora::test {

// A temporary folder whose path ends in "/", removed afterwards.
class TempFolder {
public:
    TempFolder();
    QString path() const { return m_path; }
    QString file(const QString& name) const { return m_path + name; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

// A file of tests/<relative>.
QString TestDataPath(const QString& relative);

// Runs the event loop until done() is true (work of the job pool arriving); false after the timeout.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

} // namespace velmora::test
