// Times the composition engine's steps side by side with ImageMagick doing the same work on the same
// files, and prints the medians. Usage: velmora-bench-engine [--runs N] [--photos N] [--step NAME]
#include "bench/support/PeerTool.h"
#include "bench/support/PhotoLike.h"
#include "engine/BmpWriter.h"
#include "engine/Calendar.h"
#include "engine/EngineState.h"
#include "engine/RasterImage.h"
#include "engine/TextSettings.h"
#include "engine/Tiling.h"
#include "engine/filters/AverageFilter.h"
#include "engine/filters/ContrastFilter.h"
#include "engine/filters/EmbossFilter.h"
#include "engine/filters/GammaFilter.h"
#include "engine/filters/GrayscaleFilter.h"
#include "engine/filters/HalftoneFilter.h"
#include "platform/PageMemory.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <unistd.h>

using namespace velmora;

namespace {

const QSize kScreen(3840, 2160);
const platform::ScreenPixels kScreenPixels{kScreen, 192.0}; // a 4K screen at 200 %
const QDate kToday(2026, 12, 7);

// Writes of earlier runs reach the disk before a timed write starts, and the journal commit that
// sync() triggers (with its discards) is given time to finish, so that neither side is timed
// waiting for the other's 25 MB.
void settleDisk()
{
    ::sync();
    QThread::msleep(300);
}

struct Step {
    QString name;
    bool settleDisk = false; // start each timed run with no unwritten data, on both sides
    std::function<void(int run)> ours;
    QStringList peer;         // arguments for convert; {input} and {output} filled per run
    QStringList peerBaseline; // the same process without the step's work, subtracted
};

// ImageMagick's calendar: the same texts at the same places, blue outlined in white.
QStringList peerCalendarArguments(const EngineState& layout, double cellWidth, double cellHeight,
                                  QPointF origin)
{
    QStringList arguments = {
        QStringLiteral("-font"),
        QStringLiteral("DejaVu-Sans"),
        QStringLiteral("-pointsize"),
        QString::number(layout.leadWallPaper.textSettings().fontSize * kScreenPixels.pixelsPerInch / 72.0),
        QStringLiteral("-fill"),
        QStringLiteral("blue"),
        QStringLiteral("-stroke"),
        QStringLiteral("white"),
        QStringLiteral("-strokewidth"),
        QStringLiteral("3")};
    auto annotate = [&](double x, double y, const QString& text) {
        if (text.isEmpty())
            return;
        arguments << QStringLiteral("-annotate")
                  << QStringLiteral("+%1+%2").arg(int(x)).arg(int(y + cellHeight * 0.8)) << text;
    };
    annotate(origin.x(), origin.y(), CalendarTitle(kToday));
    const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int c = 0; c < 7; ++c)
        annotate(origin.x() + c * cellWidth, origin.y() + cellHeight, QString::fromLatin1(days[c]));
    for (int d = 1; d <= 31; ++d) {
        const int k = d + 1; // December 2026 starts on a Tuesday
        annotate(origin.x() + (k % 7) * cellWidth, origin.y() + (k / 7 + 2) * cellHeight, QString::number(d));
    }
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    // The program's own allocator settings, so that its work pays what it pays in the program.
    platform::ReturnLargeBlocksToTheSystem();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int runs = 5;
    int photoCount = 3;
    QString only; // one step by name, or all
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--runs")
            runs = std::max(1, args[i + 1].toInt());
        if (args[i] == u"--photos")
            photoCount = std::max(1, args[i + 1].toInt());
        if (args[i] == u"--step")
            only = args[i + 1];
    }
    platform::OverridePrimaryScreen(kScreenPixels);

    QTemporaryDir folder;
    const QString convert = bench::FindConvert();
    std::printf("Velmora engine benchmark: %d run(s) a step, %d photo(s) of 4000 x 3000, screen %d x %d\n",
                runs, photoCount, kScreen.width(), kScreen.height());
    std::printf("peer: %s\n", convert.isEmpty() ? "ImageMagick not found" : qPrintable(convert));

    // The corpus: deterministic photo-like JPEGs, and the 3840 x 2160 working picture in both worlds.
    QStringList photos;
    for (int i = 0; i < photoCount; ++i) {
        const QString path = folder.filePath(QStringLiteral("photo%1.jpg").arg(i));
        bench::PhotoLike(4000, 3000, 1000 + i).save(path, "JPG", 90);
        photos << path;
    }
    const QImage work =
        bench::PhotoLike(4000, 3000, 7).scaled(kScreen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString workPeer = folder.filePath(QStringLiteral("work.mpc"));
    const QString workBmp = folder.filePath(QStringLiteral("work.bmp"));
    SaveBmp24(work, workBmp);
    if (!convert.isEmpty())
        bench::RunPeer(convert, {workBmp, workPeer});
    const QString ours = folder.filePath(QStringLiteral("$$WALL$$.BMP"));
    const QString theirs = folder.filePath(QStringLiteral("peer.bmp"));

    EngineState calendarState;
    Settings settings;
    settings.CalendarFontName = QStringLiteral("DejaVu Sans");
    calendarState.leadWallPaper.textSettings() = CalendarTextSettings(settings);
    calendarState.leadWallPaper.setPixelsPerPoint(platform::PixelsPerPoint(kScreenPixels));
    const double cellWidth = calendarState.leadWallPaper.measureTextWidth(QStringLiteral("WWW "));
    const double cellHeight =
        std::round(calendarState.leadWallPaper.measureTextHeight(QStringLiteral("WWW ")));
    const QPointF origin = *CalendarOrigin(kScreen, {cellWidth, cellHeight}, 1,
                                           platform::PixelsFromTwips(settings.CalendarOffsetWidth, kScreenPixels),
                                           platform::PixelsFromTwips(settings.CalendarOffsetHeight, kScreenPixels));

    const QStringList readOnly = {QStringLiteral("{input}"), QStringLiteral("null:")};
    auto effect = [&](const QString& name, std::shared_ptr<ImageFilter> filter, QStringList peerOps) {
        QStringList peer = {QStringLiteral("{input}")};
        peer << peerOps << QStringLiteral("null:");
        return Step{name, false, [filter, &work](int) { (void)filter->apply(work); }, peer, readOnly};
    };
    std::vector<Step> steps;
    steps.push_back(Step{QStringLiteral("load-fit"),
                         false,
                         [&](int run) {
                             EngineState state;
                             state.leadWallPaper.loadImageFile(photos[run % photos.size()]);
                             state.LoadedImageWidth = state.leadWallPaper.imageWidth();
                             state.LoadedImageHeight = state.leadWallPaper.imageHeight();
                             AutoSizeChange(state, settings, kScreen);
                         },
                         {QStringLiteral("{photo}"), QStringLiteral("-scale"), QStringLiteral("3840x2160"),
                          QStringLiteral("null:")},
                         {QStringLiteral("-size"), QStringLiteral("1x1"), QStringLiteral("xc:black"),
                          QStringLiteral("null:")}});
    steps.push_back(effect(QStringLiteral("emboss"), std::make_shared<EmbossFilter>(1, 500),
                           {QStringLiteral("-emboss"), QStringLiteral("1")}));
    steps.push_back(effect(QStringLiteral("grayscale"), std::make_shared<GrayscaleFilter>(),
                           {QStringLiteral("-colorspace"), QStringLiteral("Gray")}));
    steps.push_back(effect(QStringLiteral("halftone"), std::make_shared<HalftoneFilter>(1, 0),
                           {QStringLiteral("-colorspace"), QStringLiteral("Gray"),
                            QStringLiteral("-ordered-dither"), QStringLiteral("h8x8o")}));
    steps.push_back(
        effect(QStringLiteral("average"), std::make_shared<AverageFilter>(3),
               {QStringLiteral("-define"), QStringLiteral("convolve:scale=!"), QStringLiteral("-morphology"),
                QStringLiteral("Convolve"), QStringLiteral("Square:1")}));
    steps.push_back(effect(QStringLiteral("contrast"), std::make_shared<ContrastFilter>(300),
                           {QStringLiteral("-level"), QStringLiteral("23.26%,77.14%")}));
    steps.push_back(effect(QStringLiteral("gamma"), std::make_shared<GammaFilter>(230),
                           {QStringLiteral("-gamma"), QStringLiteral("2.3")}));
    QStringList calendarPeer = {QStringLiteral("{input}")};
    calendarPeer << peerCalendarArguments(calendarState, cellWidth, cellHeight, origin)
                 << QStringLiteral("null:");
    steps.push_back(Step{QStringLiteral("calendar"), false,
                         [&](int) {
                             calendarState.leadWallPaper.assignPicture(work.copy());
                             DrawCalendar(calendarState, settings, kToday, kScreenPixels);
                         },
                         calendarPeer, readOnly});
    steps.push_back(Step{QStringLiteral("save-bmp"),
                         true,
                         [&](int) { SaveBmp24(work, ours); },
                         {QStringLiteral("{input}"), QStringLiteral("-type"), QStringLiteral("TrueColor"),
                          QStringLiteral("BMP3:") + theirs},
                         readOnly});

    struct Result {
        QString name;
        double ours;
        double peer;
    };
    std::vector<Result> results;
    std::printf("\n%-10s %12s %12s %14s %12s\n", "step", "ours ms", "peer ms", "peer-base ms", "ratio");
    for (const Step& step : steps) {
        if (!only.isEmpty() && step.name != only)
            continue;
        std::vector<double> ourTimes;
        std::vector<double> peerTimes;
        std::vector<double> baseTimes;
        step.ours(0); // warm caches and fonts once
        for (int run = 0; run < runs; ++run) {
            if (step.settleDisk)
                settleDisk();
            ourTimes.push_back(bench::TimeMs([&] { step.ours(run); }));
            if (convert.isEmpty())
                continue;
            auto fill = [&](QStringList arguments) {
                for (QString& argument : arguments) {
                    argument.replace(QStringLiteral("{input}"), workPeer);
                    argument.replace(QStringLiteral("{photo}"), photos[run % photos.size()]);
                }
                return arguments;
            };
            if (step.settleDisk)
                settleDisk();
            peerTimes.push_back(bench::RunPeer(convert, fill(step.peer)));
            baseTimes.push_back(bench::RunPeer(convert, fill(step.peerBaseline)));
        }
        const double ourMedian = bench::Median(ourTimes);
        const double peerMedian =
            peerTimes.empty() ? 0 : std::max(0.1, bench::Median(peerTimes) - bench::Median(baseTimes));
        std::printf("%-10s %12.1f %12.1f %14.1f %12.2f\n", qPrintable(step.name), ourMedian,
                    peerTimes.empty() ? 0 : bench::Median(peerTimes), peerMedian, peerMedian / ourMedian);
        results.push_back({step.name, ourMedian, peerMedian});
    }
    std::printf("\nPeer times are ImageMagick's process time less the same process without the step's work\n"
                "(start-up and reading the working picture), so both sides count the step alone.\n\n");
    for (const Result& r : results)
        std::printf("%s: ours %.1f ms, peer %.1f ms, ratio %.2f\n", qPrintable(r.name), r.ours, r.peer,
                    r.peer / r.ours);
    return 0;
}
