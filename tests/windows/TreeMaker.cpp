#include "tests/windows/TreeMaker.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace velmora::test {

void MakeTree(const QString& root, const QStringList& paths)
{
    for (const QString& relative : paths) {
        const QString path = root + relative;
        const QString folder = relative.endsWith(u'/') ? path : QFileInfo(path).path();
        if (!QDir().mkpath(folder))
            throw std::runtime_error("cannot make " + folder.toStdString());
        if (!relative.endsWith(u'/'))
            WriteBytes(path, "x");
    }
}

void MakeLink(const QString& target, const QString& link)
{
    if (!QFile::link(target, link))
        throw std::runtime_error("cannot link " + link.toStdString());
}

} // namespace velmora::test
