// Times the collage: the default random collage (70 pieces, factor 3, screen-size basis) of 70
// photo-like 4000 x 3000 JPEGs (quality 90) on a 3840 x 2160 screen, composed in a process of its
// own whose peak resident memory is read; ImageMagick composing the same plan (the same pieces,
// sizes and positions, reading each piece with a jpeg:size hint so that it too decodes reduced);
// and the decode floor: the same pieces decoded by libjpeg-turbo at their chosen DCT scales on all
// cores, without composing. Then the tiled collage. Medians of --runs runs (3). The corpus is made
// once and kept beside the build (--corpus DIR to choose the folder).
//
//   velmora-bench-collage [--runs N] [--corpus DIR]
//   velmora-bench-collage --compose DIR [--runs N] [--tiled] [--preview]   (the composing process)
#include "bench/support/PeerTool.h"
#include "bench/support/PhotoLike.h"
#include "core/FileKinds.h"
#include "core/jobs/JobPool.h"
#include "engine/EngineState.h"
#include "engine/JpegReader.h"
#include "engine/collage/CollagePlanner.h"
#include "engine/collage/ComposeCollage.h"
#include "platform/PageMemory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include <jpeglib.h>
#include <sys/resource.h>

using namespace velmora;

namespace {

constexpr int Pictures = 70;
constexpr quint32 Seed = 2024;
const QSize Screen(3840, 2160);

// Processor time (user and system, all threads) of this process, in ms: on a machine shared with
// other work it says more than the wall time does.
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll()).section(u' ', 0, 2);
}

// A line of /proc/self/status in kB ("VmHWM", "VmRSS").
long statusKb(const char* key)
{
    QFile file(QStringLiteral("/proc/self/status"));
    file.open(QIODevice::ReadOnly);
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').first().toLong();
    return 0;
}

QStringList corpusFiles(const QString& folder)
{
    QStringList files;
    for (int i = 0; i < Pictures; ++i)
        files << QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    return files;
}

// The pictures, made once on every core; a stamp marks a complete set.
void makeCorpus(const QString& folder)
{
    const QString stamp = QDir(folder).filePath(QStringLiteral("complete-v1"));
    if (QFileInfo::exists(stamp))
        return;
    QDir().mkpath(folder);
    const QStringList files = corpusFiles(folder);
    std::printf("making the corpus in %s ...\n", qPrintable(folder));
    std::fflush(stdout);
    std::atomic<int> next{0};
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
        threads.emplace_back([&] {
            for (int i = next++; i < Pictures; i = next++)
                bench::PhotoLike(4000, 3000, 5000 + quint32(i)).save(files[i], "JPG", 90);
        });
    for (std::thread& thread : threads)
        thread.join();
    QFile(stamp).open(QIODevice::WriteOnly);
}

CollageRequest collageRequest(const QString& folder, bool tiled)
{
    CollageRequest request;
    request.source.paths = corpusFiles(folder);
    request.source.listSelected = 0;
    request.options.tiled = tiled;
    request.screen = Screen;
    return request;
}

// A piece of the plan and the size of its picture.
struct Planned {
    PlacedPiece placed;
    QSize pictureSize;
};

// The plan alone: the same decisions the composition makes (no file fails here).
std::vector<Planned> plan(const CollageRequest& request, QColor& background)
{
    SeededRandom random(Seed);
    CollagePlanner planner(request.options, request.screen,
                           CollageSequence(request.source, request.options.randomOrder), RandomTape(random), {});
    background = planner.backgroundColour();
    std::vector<Planned> placements;
    while (!planner.finished()) {
        const QString path = planner.nextFile();
        if (auto placed = planner.loaded(CollagePlanner::Loaded::Picture, CollagePicture::Read(path)))
            placements.push_back({PlacedPiece::From(*placed), placed->piece.picture->size()});
    }
    return placements;
}

// The composing process: times each run and reports its peak memory.
int compose(const QString& folder, int runs, bool tiled, bool preview)
{
    BuildFileKindTable();
    const long startKb = statusKb("VmRSS:");
    for (int run = 0; run < runs; ++run) {
        CollageRequest request = collageRequest(folder, tiled);
        SeededRandom random(Seed);
        request.random = &random;
        qint64 shown = 0;
        if (preview)
            request.showCanvas = [&shown](const QImage& reduced) {
                // What the program does with it: a copy handed to the window thread.
                const QImage copy = reduced;
                shown += copy.width();
            };
        EngineState state;
        CollageResult result;
        const double cpu = cpuMs();
        // On a thread of the job pool, as a change composes it.
        const double ms = bench::TimeMs([&] {
            QtConcurrent::run(&JobPool(), [&] {
                JobThreadScope onJob;
                result = ComposeCollage(state, request);
            }).waitForFinished();
        });
        std::printf("compose-ms: %.1f cpu %.1f pieces %zu\n", ms, cpuMs() - cpu, result.placements.size());
    }
    std::printf("start-kb: %ld\npeak-kb: %ld\n", startKb, statusKb("VmHWM:"));
    return 0;
}

struct ChildRun {
    std::vector<double> times;
    std::vector<double> cpu;
    int pieces = 0;
    long peakKb = 0;
    long startKb = 0;
};

ChildRun runChild(const QString& folder, int runs, const QStringList& extra)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QStringLiteral("--compose"), folder, QStringLiteral("--runs"), QString::number(runs)} +
                    extra);
    ChildRun result;
    if (!child.waitForFinished(600000) || child.exitCode() != 0) {
        std::fprintf(stderr, "the composing process failed\n");
        return result;
    }
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("compose-ms: ")) {
            const QList<QByteArray> fields = line.mid(12).split(' ');
            result.times.push_back(fields.value(0).toDouble());
            result.cpu.push_back(fields.value(2).toDouble());
            result.pieces = fields.value(4).toInt();
        }
        else if (line.startsWith("peak-kb: "))
            result.peakKb = line.mid(9).toLong();
        else if (line.startsWith("start-kb: "))
            result.startKb = line.mid(10).toLong();
    }
    return result;
}

// libjpeg-turbo alone: each piece's file read and decoded whole at its chosen scale, on every core.
double decodeFloor(const std::vector<Planned>& placements)
{
    struct Piece {
        QString path;
        int eighths;
    };
    std::vector<Piece> pieces;
    for (const Planned& planned : placements)
        pieces.push_back({planned.placed.path, JpegScaleFor(planned.pictureSize, planned.placed.size)});
    std::atomic<size_t> next{0};
    const auto work = [&] {
        std::vector<unsigned char> pixels;
        for (size_t i = next++; i < pieces.size(); i = next++) {
            QFile file(pieces[i].path);
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            jpeg_decompress_struct info{};
            jpeg_error_mgr errors{};
            info.err = jpeg_std_error(&errors);
            jpeg_create_decompress(&info);
            jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
            jpeg_read_header(&info, TRUE);
            info.scale_num = unsigned(pieces[i].eighths);
            info.scale_denom = 8;
            info.out_color_space = JCS_EXT_BGRX;
            jpeg_start_decompress(&info);
            const size_t stride = size_t(info.output_width) * 4;
            pixels.resize(stride * info.output_height);
            while (info.output_scanline < info.output_height) {
                JSAMPROW row = pixels.data() + stride * info.output_scanline;
                jpeg_read_scanlines(&info, &row, 1);
            }
            jpeg_finish_decompress(&info);
            jpeg_destroy_decompress(&info);
        }
    };
    return bench::TimeMs([&] {
        std::vector<std::thread> threads;
        for (unsigned t = 0; t < std::max(2u, std::thread::hardware_concurrency()); ++t)
            threads.emplace_back(work);
        for (std::thread& thread : threads)
            thread.join();
    });
}

QString offset(qint64 x, qint64 y)
{
    const auto signed_ = [](qint64 v) { return (v < 0 ? QStringLiteral("-") : QStringLiteral("+")) + QString::number(std::abs(v)); };
    return signed_(x) + signed_(y);
}

// ImageMagick's arguments for the same canvas, pieces, sizes and places.
QStringList peerArguments(const std::vector<Planned>& placements, QColor background)
{
    QStringList arguments = {QStringLiteral("-size"), QStringLiteral("%1x%2").arg(Screen.width()).arg(Screen.height()),
                             QStringLiteral("xc:rgb(%1,%2,%3)").arg(background.red()).arg(background.green()).arg(background.blue())};
    for (const Planned& planned : placements) {
        const PlacedPiece& placed = planned.placed;
        const QSize size = placed.size;
        const QString geometry = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        if (placed.background) {
            // The first piece at its own size from the corner (it covers the whole screen here).
            arguments << QStringLiteral("(") << placed.path << QStringLiteral(")")
                      << QStringLiteral("-geometry") << QStringLiteral("+0+0") << QStringLiteral("-composite");
            continue;
        }
        arguments << QStringLiteral("(") << QStringLiteral("-define") << QStringLiteral("jpeg:size=") + geometry
                  << placed.path << QStringLiteral("-resize") << geometry + u'!'
                  << QStringLiteral(")") << QStringLiteral("-geometry") << offset(placed.x, placed.y)
                  << QStringLiteral("-composite");
    }
    arguments << QStringLiteral("null:");
    return arguments;
}

QString option(const QStringList& args, const QString& name, const QString& fallback = {})
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

} // namespace

int main(int argc, char* argv[])
{
    // The program's own allocator settings, so that its work pays what it pays in the program.
    platform::ReturnLargeBlocksToTheSystem();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = std::max(1, option(args, QStringLiteral("--runs"), QStringLiteral("3")).toInt());
    if (args.contains(QStringLiteral("--compose")))
        return compose(option(args, QStringLiteral("--compose")), runs, args.contains(QStringLiteral("--tiled")),
                       args.contains(QStringLiteral("--preview")));

    BuildFileKindTable();
    const QString folder = option(args, QStringLiteral("--corpus"),
                                  QDir(app.applicationDirPath()).filePath(QStringLiteral("../bench-corpus/collage")));
    makeCorpus(QDir(folder).absolutePath());
    const QString convert = bench::FindConvert();
    std::printf("Velmora collage benchmark: %d pictures of 4000 x 3000 (JPEG 90), screen %d x %d, %d run(s)\n",
                Pictures, Screen.width(), Screen.height(), runs);
    std::printf("load average at start: %s\n", qPrintable(loadAverage()));

    QColor background;
    const std::vector<Planned> placements = plan(collageRequest(folder, false), background);
    int scales[9] = {};
    for (const Planned& planned : placements)
        ++scales[JpegScaleFor(planned.pictureSize, planned.placed.size)];
    std::printf("plan: %zu pieces; DCT scales 1/8: %d, 2/8: %d, 4/8: %d, 8/8: %d\n", placements.size(), scales[1],
                scales[2], scales[4], scales[8]);

    const ChildRun ours = runChild(folder, runs, {});
    std::vector<double> floors;
    std::vector<double> floorCpu;
    for (int run = 0; run < runs; ++run) {
        const double cpu = cpuMs();
        floors.push_back(decodeFloor(placements));
        floorCpu.push_back(cpuMs() - cpu);
    }
    std::vector<double> peers;
    std::vector<double> peerCpu;
    if (!convert.isEmpty()) {
        const QStringList arguments = peerArguments(placements, background);
        for (int run = 0; run < runs; ++run) {
            double cpu = 0;
            peers.push_back(bench::RunPeer(convert, arguments, &cpu));
            peerCpu.push_back(cpu);
        }
    }
    const ChildRun tiled = runChild(folder, runs, {QStringLiteral("--tiled")});
    const ChildRun preview = runChild(folder, runs, {QStringLiteral("--preview")});

    const auto list = [](const std::vector<double>& values) {
        QStringList texts;
        for (double value : values)
            texts << QString::number(value, 'f', 0);
        return texts.join(u' ');
    };
    std::printf("\nours (ms): %s\nfloor (ms): %s\npeer (ms): %s\ntiled, %d pieces (ms): %s\n"
                "with the preview (ms): %s\n",
                qPrintable(list(ours.times)), qPrintable(list(floors)), qPrintable(list(peers)), tiled.pieces,
                qPrintable(list(tiled.times)), qPrintable(list(preview.times)));
    std::printf("processor time (ms): ours %.0f, floor %.0f, peer %.0f, tiled %.0f, with the preview %.0f;\n"
                "  ratios peer/ours %.2f, ours/floor %.2f\n",
                bench::Median(ours.cpu), bench::Median(floorCpu), bench::Median(peerCpu), bench::Median(tiled.cpu), bench::Median(preview.cpu),
                bench::Median(peerCpu) / bench::Median(ours.cpu), bench::Median(ours.cpu) / bench::Median(floorCpu));
    std::printf("composing process: %.1f MB resident before composing, %.1f MB at its peak\n",
                ours.startKb / 1024.0, ours.peakKb / 1024.0);
    std::printf("collage-preview: ours %.1f ms with the canvas shown as it fills\n", bench::Median(preview.times));
    std::printf("load average at end: %s\n\n", qPrintable(loadAverage()));

    const double our = bench::Median(ours.times);
    const double peer = bench::Median(peers);
    const double floor = bench::Median(floors);
    std::printf("collage: ours %.1f ms, peer %.1f ms, ratio %.2f\n", our, peer, our > 0 ? peer / our : 0);
    std::printf("collage-floor: ours %.1f ms, floor %.1f ms, ratio %.2f\n", our, floor, floor > 0 ? our / floor : 0);
    std::printf("collage-peak: %.1f MB\n", ours.peakKb / 1024.0);
    std::printf("collage-tiled: ours %.1f ms\n", bench::Median(tiled.times));
    return 0;
}
