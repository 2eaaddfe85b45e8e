// Times the folder page against find(1) on generated folders:
//   FileNameLoad of a folder of 20,000 files (images and others), against
//     find DIR -maxdepth 1 -type f -printf '%s %T@ %f\n'
//   opening a deep folder in a tree of 5,000 folders with QuickMode false (every shown folder is
//   probed for a sub-folder), against find listing the same folders: each folder on the way down
//   and its sub-folders (find FOLDERS -mindepth 1 -maxdepth 2 -type d).
// Prints the median of several runs; the last lines read "<step>: ours <ms> ms, peer <ms> ms, ratio
// <peer/ours>". Usage: velmora-bench-folders [runs]
#include "bench/support/PeerTool.h"
#include "core/FileKinds.h"
#include "core/Settings.h"
#include "mainwindow/MainLoading.h"
#include "mainwindow/folder/FileViewModel.h"
#include "mainwindow/folder/FolderPage.h"

#include <branchwise/ControlFactory.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int FileCount = 20000;
constexpr int Levels = 5;
constexpr int FoldersPerLevel = 1000; // 5 levels of 1,000: 5,000 folders

using velmora::bench::Median;
using velmora::bench::TimeMs;

double Measure(int runs, const std::function<void()>& work)
{
    work(); // warm the caches once
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(TimeMs(work));
    return Median(times);
}

void RunFind(const QStringList& arguments)
{
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    find.start(QStringLiteral("find"), arguments);
    if (!find.waitForFinished(-1) || find.exitCode() != 0)
        std::fprintf(stderr, "find failed: %s\n", qPrintable(find.errorString()));
}

bool MakeFiles(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    static const char* const kinds[] = {".jpg", ".png", ".gif", ".bmp", ".jpeg", ".txt", ".dat", ".mp3"};
    const QByteArray bytes(512, 'x');
    for (int i = 0; i < FileCount; ++i) {
        QFile file(folder +
                   QStringLiteral("/file%1%2").arg(i, 5, 10, QChar(u'0')).arg(QLatin1String(kinds[i % 8])));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.constData(), 1 + i % 512) < 0)
            return false;
    }
    return true;
}

// Each level holds the next level's folder, folders without sub-folders and every twentieth folder
// with one sub-folder; returns the deepest folder.
QString MakeTree(const QString& root)
{
    QString level = root;
    for (int depth = 0; depth < Levels; ++depth) {
        int made = 1;
        for (int i = 0; made < FoldersPerLevel; ++i) {
            const QString sibling = level + QStringLiteral("/folder%1").arg(i, 4, 10, QChar(u'0'));
            if (i % 20 == 0 && made + 2 <= FoldersPerLevel) {
                QDir().mkpath(sibling + QStringLiteral("/inner"));
                made += 2;
            } else {
                QDir().mkpath(sibling);
                ++made;
            }
        }
        level += QStringLiteral("/level%1").arg(depth + 1);
        QDir().mkpath(level);
    }
    return level;
}

void Report(const char* step, double ours, double peer)
{
    std::printf("%s: ours %.1f ms, peer %.1f ms, ratio %.2f\n", step, ours, peer,
                ours > 0 ? peer / ours : 0.0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    velmora::BuildFileKindTable();
    velmora::MainLoading = false;

    QTemporaryDir temp;
    if (!temp.isValid())
        return 1;
    const QString files = temp.path() + QStringLiteral("/files");
    const QString tree = temp.path() + QStringLiteral("/tree");
    std::printf("making %d files and a tree of %d folders in %s\n", FileCount, Levels * FoldersPerLevel,
                qPrintable(temp.path()));
    if (!MakeFiles(files))
        return 1;
    const QString deepest = MakeTree(tree);

    // FileNameLoad: the folder page in the details view, as the main window shows it.
    velmora::Settings settings;
    settings.CurrentDirectory = files + u'/';
    velmora::FolderPage page(settings);
    page.resize(900, 600);
    page.mnuViewListviewMode(3);
    // The fill runs on the pool; a load ends when the view holds the whole folder.
    const double loadOurs = Measure(runs, [&] {
        QEventLoop loop;
        QObject::connect(&page, &velmora::FolderPage::FilesLoaded, &loop, &QEventLoop::quit);
        page.FileNameLoad();
        loop.exec();
    });
    const int listed = page.fileModel()->rowCount();
    const double loadPeer = Measure(runs, [&] {
        RunFind({files, QStringLiteral("-maxdepth"), QStringLiteral("1"), QStringLiteral("-type"),
                 QStringLiteral("f"), QStringLiteral("-printf"), QStringLiteral("%s %T@ %f\n")});
    });

    // Opening the deepest folder with QuickMode false.
    std::unique_ptr<QWidget> control(branchwise::CreateControl(QStringLiteral("Branchwise.BranchwiseBase")));
    control->resize(300, 600);
    control->setProperty("QuickMode", false);
    const double openOurs = Measure(runs, [&] {
        control->setProperty("CurrentDirectory", deepest + u'/');
        QMetaObject::invokeMethod(control.get(), "ApInit");
    });
    const QString opened = control->property("CurrentDirectory").toString();
    QStringList way;
    for (QString folder = deepest; !folder.isEmpty(); folder = folder.section(u'/', 0, -2))
        way.prepend(folder);
    way.prepend(QStringLiteral("/"));
    const double openPeer = Measure(runs, [&] {
        RunFind(way + QStringList{QStringLiteral("-mindepth"), QStringLiteral("1"),
                                  QStringLiteral("-maxdepth"), QStringLiteral("2"), QStringLiteral("-type"),
                                  QStringLiteral("d")});
    });

    std::printf("listed %d image files; opened %s (%s)\n", listed, qPrintable(opened),
                opened == deepest + u'/' ? "ok" : "WRONG FOLDER");
    std::printf("medians of %d runs\n", runs);
    Report("FileNameLoad (20000 files)", loadOurs, loadPeer);
    Report("open deep path, QuickMode false (5000 folders)", openOurs, openPeer);
    return opened == deepest + u'/' ? 0 : 1;
}
