// A folder of 100,000 small pictures (hard links to 100 distinct 160 x 120 JPEGs) in a temporary
// folder:
//   the folder page filling its file view: when the first rows show, when the whole folder does,
//   and the longest gap between two turns of the window thread's event loop meanwhile;
//   the thumbnail window on 10,000 of them (a folder of links to the first 10,000), filled and
//   scrolled from the first row to the last a screenful at a time, in a process of its own whose
//   peak resident memory (VmHWM) is the figure.
// Prints:
//   scale-folder-view: <n> files, first rows <ms> ms, all <ms> ms, longest stall <ms> ms
//   scale-thumbnails-peak: <n> pictures scrolled end to end, <MB> MB
// Usage: velmora-bench-scalefolders [--files N] [--thumbnails N]
#include "bench/support/PhotoLike.h"
#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "core/Settings.h"
#include "mainwindow/MainLoading.h"
#include "mainwindow/folder/FileViewModel.h"
#include "mainwindow/folder/FolderPage.h"
#include "platform/PageMemory.h"
#include "windows/thumbnails/ThumbnailGridModel.h"
#include "windows/thumbnails/ThumbnailGridView.h"
#include "windows/thumbnails/ThumbnailWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include <unistd.h>

using namespace velmora;

namespace {

constexpr int Distinct = 100;

struct Options {
    int files = 100000;
    int thumbnails = 10000;
    QString peakFolder; // set in the child that measures the thumbnail window
};

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray name = argv[i];
        if (name == "--files")
            options.files = std::max(1, std::atoi(argv[i + 1]));
        else if (name == "--thumbnails")
            options.thumbnails = std::max(1, std::atoi(argv[i + 1]));
        else if (name == "--thumbnails-peak")
            options.peakFolder = QString::fromLocal8Bit(argv[i + 1]);
    }
    options.thumbnails = std::min(options.thumbnails, options.files);
    return options;
}

QString pictureName(int index)
{
    return QStringLiteral("picture-%1.jpg").arg(index, 6, 10, QChar(u'0'));
}

// The pictures as hard links to a few distinct files: real pictures, little disk.
bool makeFolder(const QString& sources, const QString& folder, int count)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < count; ++i) {
        const QByteArray from = QFile::encodeName(sources + QStringLiteral("/%1.jpg").arg(i % Distinct));
        const QByteArray to = QFile::encodeName(folder + u'/' + pictureName(i));
        if (link(from.constData(), to.constData()) != 0) {
            std::perror("link");
            return false;
        }
    }
    return true;
}

// Records the longest gap between two turns of the window thread's event loop.
class StallWatch {
public:
    StallWatch()
    {
        QObject::connect(&m_turn, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, double(m_gap.nsecsElapsed()) / 1e6);
            m_gap.restart();
        });
        m_turn.start(0);
        m_gap.start();
    }
    double longest() const { return m_longest; }

private:
    QTimer m_turn;
    QElapsedTimer m_gap;
    double m_longest = 0;
};

int folderView(const QString& folder, int files)
{
    Settings settings;
    settings.CurrentDirectory = folder + u'/';
    FolderPage page(settings);
    page.resize(900, 600);
    page.mnuViewListviewMode(3);
    page.show();
    QApplication::processEvents();

    QElapsedTimer clock;
    double firstRows = 0;
    QObject::connect(page.fileModel(), &QAbstractItemModel::rowsInserted, [&] {
        if (firstRows == 0)
            firstRows = double(clock.nsecsElapsed()) / 1e6;
    });
    QEventLoop loop;
    QObject::connect(&page, &FolderPage::FilesLoaded, &loop, &QEventLoop::quit);
    clock.start();
    StallWatch stalls;
    page.FileNameLoad();
    loop.exec();
    const double all = double(clock.nsecsElapsed()) / 1e6;
    const int listed = page.fileModel()->rowCount();
    if (listed != files)
        std::fprintf(stderr, "the file view holds %d of %d files\n", listed, files);
    for (int row = 1; row < listed; ++row)
        if (CompareFileNames(page.fileModel()->fileName(row - 1), page.fileModel()->fileName(row)) >= 0) {
            std::fprintf(stderr, "the file view is out of order at row %d\n", row);
            break;
        }
    std::printf("scale-folder-view: %d files, first rows %.0f ms, all %.0f ms, longest stall %.0f ms\n",
                listed, firstRows, all, stalls.longest());
    return listed == files ? 0 : 1;
}

double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void waitFor(const std::function<bool()>& done)
{
    while (!done()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!done())
            QThread::msleep(1);
    }
}

// The child: fills the thumbnail window and scrolls it from the first row to the last.
int thumbnailsPeak(const QString& folder)
{
    BuildFileKindTable();
    Settings settings;
    ThumbnailWindow window(settings, ThumbnailHost{[&folder] { return folder + u'/'; }, {}, {}});
    window.resize(900, 700);
    window.show();
    QApplication::processEvents();
    window.ThumbReset();
    waitFor([&] { return !window.filling(); });
    QScrollBar* bar = window.LEADImgList1()->verticalScrollBar();
    QApplication::processEvents();
    int pages = 0;
    for (int value = 0;; value += bar->pageStep()) {
        bar->setValue(std::min(value, bar->maximum()));
        // Each screenful is shown with its pictures before the next.
        waitFor([&] { return !window.reloading(); });
        QApplication::processEvents();
        ++pages;
        if (value >= bar->maximum())
            break;
    }
    std::fprintf(stderr, "%d pictures in the grid, %d screenfuls, %d pictures held at the end\n",
                 window.model().rowCount(), pages, window.model().heldPictures());
    std::printf("peak %.1f %d\n", peakResidentMb(), window.model().rowCount());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = parse(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own allocator settings, so that the windows pay what they pay in the program.
    platform::ReturnLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    if (!options.peakFolder.isEmpty())
        return thumbnailsPeak(options.peakFolder);

    BuildFileKindTable();
    MainLoading = false;
    QTemporaryDir temp;
    if (!temp.isValid())
        return 1;
    const QString sources = temp.path() + QStringLiteral("/sources");
    const QString big = temp.path() + QStringLiteral("/big");
    const QString thumbs = temp.path() + QStringLiteral("/thumbs");
    std::fprintf(stderr, "making %d pictures in %s\n", options.files, qPrintable(temp.path()));
    QDir().mkpath(sources);
    for (int i = 0; i < Distinct; ++i)
        bench::PhotoLike(160, 120, quint32(i + 1))
            .save(sources + QStringLiteral("/%1.jpg").arg(i), "JPG", 85);
    if (!makeFolder(sources, big, options.files) || !makeFolder(sources, thumbs, options.thumbnails))
        return 1;

    const int viewed = folderView(big, options.files);
    std::fflush(stdout);

    // A fresh thumbnail cache, so the window makes every picture once and then reads it back.
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), temp.path() + QStringLiteral("/cache"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--thumbnails-peak"), thumbs});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::fprintf(stderr, "the thumbnail window's run failed\n");
        return 1;
    }
    const QList<QByteArray> peak = child.readAllStandardOutput().trimmed().split(' ');
    std::printf("scale-thumbnails-peak: %d pictures scrolled end to end, %.0f MB\n", peak.value(2).toInt(),
                peak.value(1).toDouble());
    return viewed;
}
