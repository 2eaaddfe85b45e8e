// Times the sub-folder search's walk (listing, the image-pattern test, name order, the found paths)
// against find(1) with the same 41 patterns as -iname alternatives, on one generated tree of
// 100,000 files in 5,000 folders, a fifth of them images with extensions in various letter cases.
// Prints the medians of several runs; the last line reads
// "search: ours <ms> ms, peer <ms> ms, ratio <peer/ours>". Usage: velmora-bench-search [runs]
#include "core/ImageFilePattern.h"
#include "windows/search/FolderSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int FolderCount = 5000;
constexpr int FilesPerFolder = 20;
constexpr int Branching = 8; // sub-folders a folder holds at most

const char* const ImageExtensions[] = {".jpg",  ".JPG", ".Jpeg", ".png", ".PNG",  ".gif",   ".bmp", ".Tif",
                                       ".tiff", ".psd", ".pcx",  ".XBM", ".wbmp", ".ptoca", ".Emf", ".tga"};
const char* const OtherExtensions[] = {".txt", ".dat", ".mp3", ".jpgx", ".jpg.txt", ".html", "", ".webp"};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Measure(int runs, const std::function<void()>& work)
{
    work(); // warm the caches once
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

// Folder k's parent is (k - 1) / Branching; every folder holds FilesPerFolder files, every fifth an
// image. Returns the number of images.
int MakeTree(const QString& root)
{
    std::vector<QByteArray> paths(FolderCount);
    paths[0] = QFile::encodeName(root);
    int images = 0;
    for (int k = 0; k < FolderCount; ++k) {
        if (k > 0) {
            paths[k] = paths[(k - 1) / Branching] + "/d" + QByteArray::number(k);
            if (::mkdir(paths[k].constData(), 0755) != 0)
                return -1;
        }
        for (int j = 0; j < FilesPerFolder; ++j) {
            const bool image = j % 5 == 0;
            const char* extension = image ? ImageExtensions[(k + j) % 16] : OtherExtensions[(k + j) % 8];
            const QByteArray file =
                paths[k] + "/f" + QByteArray::number(j) + "_" + QByteArray::number(k) + extension;
            const int fd = ::open(file.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
            if (fd < 0)
                return -1;
            ::close(fd);
            images += image;
        }
    }
    return images;
}

QStringList FindArguments(const QString& root)
{
    QStringList arguments{root, QStringLiteral("(")};
    const QStringList patterns = QString::fromUtf16(velmora::ImageFilePattern).split(u';');
    for (const QString& pattern : patterns) {
        if (arguments.size() > 2)
            arguments << QStringLiteral("-o");
        arguments << QStringLiteral("-iname") << pattern;
    }
    arguments << QStringLiteral(")");
    return arguments;
}

// find's output: to the null device while timed, counted once.
qsizetype RunFind(const QStringList& arguments, bool count)
{
    QProcess find;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // find's quickest name matching
    find.setProcessEnvironment(environment);
    if (!count)
        find.setStandardOutputFile(QProcess::nullDevice());
    find.start(QStringLiteral("find"), arguments);
    if (!find.waitForFinished(-1) || find.exitCode() != 0) {
        std::fprintf(stderr, "find failed: %s\n", qPrintable(find.errorString()));
        return -1;
    }
    return count ? find.readAllStandardOutput().count('\n') : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir temp;
    if (!temp.isValid())
        return 1;
    const QString root = temp.path() + QStringLiteral("/tree");
    QDir().mkpath(root);
    std::printf("making %d files in %d folders in %s\n", FolderCount * FilesPerFolder, FolderCount,
                qPrintable(root));
    const int images = MakeTree(root);
    if (images < 0)
        return 1;
    ::sync();

    qsizetype found = 0;
    const double ours = Measure(runs, [&] {
        QStringList finds;
        velmora::FolderSearch search({{}, [&finds](const QStringList& batch) { finds += batch; }, {}},
                                     INT_MAX);
        search.SearchFolder(root);
        found = finds.size();
    });
    const QStringList arguments = FindArguments(root);
    const double peer = Measure(runs, [&] { RunFind(arguments, false); });
    const qsizetype peerFound = RunFind(arguments, true);

    std::printf("images made %d, found by ours %lld, by find %lld (%s)\n", images, qlonglong(found),
                qlonglong(peerFound), found == images && peerFound == images ? "ok" : "MISMATCH");
    std::printf("medians of %d runs\n", runs);
    std::printf("search: ours %.1f ms, peer %.1f ms, ratio %.2f\n", ours, peer, ours > 0 ? peer / ours : 0.0);
    return found == images && peerFound == images ? 0 : 1;
}
