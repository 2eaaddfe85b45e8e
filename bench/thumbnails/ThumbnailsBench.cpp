// The thumbnail window filling a folder of 300 photo-sized JPEGs on a private X server: cold (empty
// cache) and warm (the cache the cold fill wrote), against vipsthumbnail making 150-pixel
// thumbnails of the same files on two processes, and against the bare decode (libjpeg-turbo at 1/8
// on every core, nothing scaled or written).
#include "core/FileKinds.h"
#include "core/Settings.h"
#include "platform/PageMemory.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"
#include "windows/thumbnails/ThumbnailGridModel.h"
#include "windows/thumbnails/ThumbnailWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

#include <jpeglib.h>
#include <sys/resource.h>

using namespace velmora;

namespace {

constexpr int FirstScreen = 20;

struct Options {
    int files = 300;
    int runs = 3;
};

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray name = argv[i];
        if (name == "--files")
            options.files = std::max(FirstScreen, atoi(argv[i + 1]));
        else if (name == "--runs")
            options.runs = std::max(1, atoi(argv[i + 1]));
    }
    return options;
}

// A camera-like picture: the tests' photo-like picture under translucent shapes and sensor grain,
// so that the JPEG holds about as much detail (3 to 3.5 MB at quality 90) as a 12-megapixel photo.
QImage photo(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image = test::PhotoLikeImage(width, height, seed);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 40; ++i) {
            painter.setBrush(QColor(random.bounded(256), random.bounded(256), random.bounded(256), 160));
            painter.drawEllipse(QPointF(random.bounded(width), random.bounded(height)),
                                random.bounded(width / 30, width / 6), random.bounded(height / 30, height / 6));
        }
    }
    quint64 state = (quint64(seed) + 1) * 0x9E3779B97F4A7C15ull;
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width * 4; x += 4) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            const int grain = int(state % 21) - 10;
            for (int c = 0; c < 3; ++c)
                line[x + c] = uchar(std::clamp(line[x + c] + grain + int((state >> (8 + 8 * c)) & 3) - 1, 0, 255));
        }
    }
    return image;
}

QString dataFolder(int files)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../bench-data/thumbnails-v2-%1/").arg(files)) +
           u'/';
}

// The pictures are made once and kept beside the build; the marker says the set is whole.
QStringList preparePictures(const QString& folder, int files)
{
    QStringList paths;
    for (int i = 0; i < files; ++i)
        paths << folder + QStringLiteral("photo-%1.jpg").arg(i, 3, 10, QChar(u'0'));
    const QString marker = folder + QStringLiteral(".complete");
    if (QFile::exists(marker))
        return paths;
    QDir().mkpath(folder);
    std::fprintf(stderr, "making %d photo-like 4000 x 3000 JPEGs in %s (once)...\n", files, qPrintable(folder));
    QtConcurrent::blockingMap(paths, [](const QString& path) {
        const int index = path.mid(path.size() - 7, 3).toInt();
        QImageWriter writer(path, "jpeg");
        writer.setQuality(90);
        writer.write(photo(4000, 3000, quint32(1000 + index)));
    });
    QFile(marker).open(QIODevice::WriteOnly);
    return paths;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QByteArray loadAverage()
{
    return readFile(QStringLiteral("/proc/loadavg")).trimmed();
}

// Processor time used so far, in ms: this process, or its children that have ended. Shows how much
// work each contender does when a busy machine makes the clock times noisy.
double cpuMs(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double threadCpuMs()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

struct Fill {
    double total = 0;
    double firstScreen = 0;
    double windowThread = 0; // processor time of the window thread
};

// One fill of the window, from the reset to the last picture in the grid.
Fill timeFill(ThumbnailWindow& window)
{
    Fill fill;
    QElapsedTimer clock;
    QEventLoop loop;
    const auto rows = QObject::connect(&window.model(), &QAbstractItemModel::rowsInserted, [&] {
        if (fill.firstScreen == 0 && window.model().rowCount() >= FirstScreen)
            fill.firstScreen = double(clock.nsecsElapsed()) / 1e6;
    });
    const auto done = QObject::connect(&window, &ThumbnailWindow::fillFinished, &loop, &QEventLoop::quit);
    const double windowCpu = threadCpuMs();
    clock.start();
    window.ThumbReset();
    loop.exec();
    fill.total = double(clock.nsecsElapsed()) / 1e6;
    fill.windowThread = threadCpuMs() - windowCpu;
    QObject::disconnect(rows);
    QObject::disconnect(done);
    return fill;
}

// vipsthumbnail on two processes, each with half of the files.
double timeVips(const QStringList& paths, const QString& output)
{
    QDir(output).removeRecursively();
    QDir().mkpath(output);
    QElapsedTimer clock;
    clock.start();
    QProcess halves[2];
    for (int half = 0; half < 2; ++half) {
        QStringList arguments{QStringLiteral("--size"), QStringLiteral("150"), QStringLiteral("-o"),
                              output + QStringLiteral("%s.jpg")};
        for (int i = half; i < paths.size(); i += 2)
            arguments << paths[i];
        halves[half].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        halves[half].start(QStringLiteral("vipsthumbnail"), arguments);
    }
    for (QProcess& process : halves)
        process.waitForFinished(-1);
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    const qsizetype made = QDir(output).entryList(QDir::Files).size();
    if (made != paths.size())
        std::fprintf(stderr, "vipsthumbnail made %lld of %lld thumbnails\n", qlonglong(made), qlonglong(paths.size()));
    return elapsed;
}

// Reads and decodes one JPEG at 1/8, keeping nothing. The file goes into a buffer the thread keeps,
// so that the floor pays for no fresh memory pages.
void decodeAtOneEighth(const QString& path)
{
    thread_local QByteArray bytes;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    bytes.resize(file.size());
    bytes.resize(qsizetype(std::max<qint64>(0, file.read(bytes.data(), bytes.size()))));
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    std::vector<unsigned char> row(std::size_t(info.output_width) * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

// The decode floor: every file read and decoded at 1/8 by one thread a core.
double timeFloor(const QStringList& paths)
{
    QElapsedTimer clock;
    clock.start();
    std::atomic<int> next{0};
    std::vector<std::thread> threads;
    const int cores = std::max(2, QThread::idealThreadCount());
    for (int t = 0; t < cores; ++t)
        threads.emplace_back([&] {
            for (int i = next++; i < paths.size(); i = next++)
                decodeAtOneEighth(paths[i]);
        });
    for (std::thread& thread : threads)
        thread.join();
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = parse(argc, argv);
    // The program's own allocator settings, so that the fill pays what it pays in the program.
    platform::ReturnLargeBlocksToTheSystem();
    test::PrivateXServer server(1920, 1080);
    if (server.display().isEmpty()) {
        std::fprintf(stderr, "thumbnails: Xvfb did not start\n");
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("XDG_CURRENT_DESKTOP");
    QApplication app(argc, argv);

    const QString folder = dataFolder(options.files);
    const QStringList paths = preparePictures(folder, options.files);
    // Every run reads from memory: the files are read once before any timing.
    for (const QString& path : paths)
        readFile(path);
    if (QProcess::execute(QStringLiteral("vipsthumbnail"), {QStringLiteral("--vips-version")}) != 0)
        std::fprintf(stderr, "vipsthumbnail is missing (Debian package libvips-tools)\n");

    test::TempFolder cacheHome;
    test::TempFolder vipsOutput;
    test::ScopedEnv cache("XDG_CACHE_HOME", cacheHome.path());
    BuildFileKindTable();
    Settings settings;
    ThumbnailWindow window(settings, ThumbnailHost{[&folder] { return folder; }, {}, {}});
    window.Form_Load();
    window.show();
    QApplication::processEvents();

    std::fprintf(stderr, "load average before: %s\n", loadAverage().constData());
    std::vector<double> cold, warm, vips, floor, firstScreen;
    std::vector<double> coldCpus, warmCpus, vipsCpus, floorCpus;
    for (int run = 0; run < options.runs; ++run) {
        QDir(cacheHome.path() + QStringLiteral("thumbnails")).removeRecursively();
        double cpu = cpuMs(RUSAGE_SELF);
        const Fill coldFill = timeFill(window);
        const double coldCpu = cpuMs(RUSAGE_SELF) - cpu;
        if (window.model().rowCount() != paths.size())
            std::fprintf(stderr, "the grid holds %d of %lld pictures\n", window.model().rowCount(),
                         qlonglong(paths.size()));
        cold.push_back(coldFill.total);
        firstScreen.push_back(coldFill.firstScreen);
        cpu = cpuMs(RUSAGE_SELF);
        warm.push_back(timeFill(window).total);
        const double warmCpu = cpuMs(RUSAGE_SELF) - cpu;
        cpu = cpuMs(RUSAGE_CHILDREN);
        vips.push_back(timeVips(paths, vipsOutput.path() + QStringLiteral("out/")));
        const double vipsCpu = cpuMs(RUSAGE_CHILDREN) - cpu;
        cpu = cpuMs(RUSAGE_SELF);
        floor.push_back(timeFloor(paths));
        const double floorCpu = cpuMs(RUSAGE_SELF) - cpu;
        coldCpus.push_back(coldCpu);
        warmCpus.push_back(warmCpu);
        vipsCpus.push_back(vipsCpu);
        floorCpus.push_back(floorCpu);
        std::fprintf(stderr,
                     "run %d: cold %.0f ms (first screen %.0f ms), warm %.0f ms, vipsthumbnail %.0f ms, floor %.0f ms; "
                     "processor time: cold %.0f ms (window thread %.0f ms), warm %.0f ms, vipsthumbnail %.0f ms, floor %.0f ms\n",
                     run + 1, cold.back(), firstScreen.back(), warm.back(), vips.back(), floor.back(), coldCpu,
                     coldFill.windowThread, warmCpu, vipsCpu, floorCpu);
    }
    std::fprintf(stderr, "load average after: %s\n", loadAverage().constData());
    // On a busy machine the clock favours whoever runs more threads; the work itself does not lie.
    std::fprintf(stderr, "processor-time ratios (medians): peer/ours %.2f, ours/floor %.2f, cold/warm %.1f\n",
                 median(vipsCpus) / median(coldCpus), median(coldCpus) / median(floorCpus),
                 median(coldCpus) / median(warmCpus));
    window.close();

    const double ours = median(cold);
    std::printf("thumbnails: ours %.0f ms, peer %.0f ms, ratio %.2f\n", ours, median(vips), median(vips) / ours);
    std::printf("thumbnails-floor: ours %.0f ms, floor %.0f ms, ratio %.2f\n", ours, median(floor), ours / median(floor));
    std::printf("thumbnails-warm: ours %.0f ms, cold %.0f ms, ratio %.1f\n", median(warm), ours, ours / median(warm));
    std::printf("thumbnails-first-screen: %.0f ms\n", median(firstScreen));
    return 0;
}
