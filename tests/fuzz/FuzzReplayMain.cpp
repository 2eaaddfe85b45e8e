// Replays inputs through one harness without libFuzzer: every file named, or found under a folder
// named, on the command line. A finding aborts, so ctest reports it as a failed test.
#include "tests/fuzz/FuzzTarget.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

// Qt keeps caches for the life of the process, which LeakSanitizer would report.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

int main(int argc, char* argv[])
{
    LLVMFuzzerInitialize(&argc, &argv);
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo::exists(path))
            continue; // a harness without regression inputs yet
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    std::sort(files.begin(), files.end());
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
    }
    std::printf("replayed %lld inputs\n", static_cast<long long>(files.size()));
    return files.isEmpty() ? 1 : 0;
}
