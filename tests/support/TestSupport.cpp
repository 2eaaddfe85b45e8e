#include "tests/support/TestSupport.h"

#include <QFile>

#include <stdexcept>

namespace velmora::test {

TempFolder::TempFolder()
    : m_path(m_dir.path() + u'/')
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

QString TestDataPath(const QString& relative)
{
    return QStringLiteral(VELMORA_TEST_DATA "/") + relative;
}

} // namespace velmora::test
