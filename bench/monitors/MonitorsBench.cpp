// A change on two 3840 x 2160 monitors (RandR monitors on a private 7680 x 2160 Xvfb) in each
// MonitorMode, the whole "velmora -ng -s" process against "feh --bg-fill" with two files (a picture
// per monitor): 12-megapixel JPEGs fitted to the screen, paired runs, medians, and each run's peak
// resident memory from the kernel's accounting of the child.
#include "bench/support/PeerTool.h"
#include "bench/support/TimedProcess.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace velmora;

namespace {

// A program folder of its own in list mode: the pictures in order, fitted to each monitor.
void prepareProgram(const test::TempFolder& program, const QStringList& pictures, int mode)
{
    QFile::copy(QStringLiteral(VELMORA_BINARY), program.file(QStringLiteral("velmora")));
    QFile::setPermissions(program.file(QStringLiteral("velmora")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    test::WriteBytes(program.file(QStringLiteral("NOSPLASH")), "");
    test::WriteBytes(program.file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    QByteArray list;
    for (const QString& picture : pictures)
        list += picture.toUtf8() + "\r\n";
    test::WriteBytes(program.file(QStringLiteral("Velmora.lst")), list);
    Settings settings;
    ResetSettings(settings, CurrentSettingsEnvironment());
    settings.ListMode = 2;
    settings.ChangeMode = 1;
    settings.FileIndex2 = 0;
    settings.SizeChangeMode = 1;
    settings.MonitorMode = static_cast<Integer>(mode);
    settings.CurrentDirectory = program.path();
    WriteSettingsFile(settings, program.file(QStringLiteral("Velmora.INI")));
}

bool setMonitor(const QString& display, const QStringList& arguments)
{
    QProcess xrandr;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    xrandr.setProcessEnvironment(environment);
    xrandr.start(QStringLiteral("xrandr"), QStringList{QStringLiteral("--setmonitor")} + arguments);
    return xrandr.waitForFinished(20000) && xrandr.exitCode() == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 7;
    for (int i = 1; i + 1 < argc; i += 2)
        if (QByteArray(argv[i]) == "--runs")
            runs = std::max(1, atoi(argv[i + 1]));
    QCoreApplication app(argc, argv);
    const QString feh = QStandardPaths::findExecutable(QStringLiteral("feh"));
    if (feh.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty()) {
        std::fprintf(stderr, "monitors: feh and xrandr are needed (scripts/setup.sh installs them)\n");
        return 1;
    }
    test::PrivateXServer server(7680, 2160);
    if (server.display().isEmpty() ||
        !setMonitor(server.display(), {QStringLiteral("L"), QStringLiteral("3840/1016x2160/571+0+0"),
                                       QStringLiteral("screen")}) ||
        !setMonitor(server.display(), {QStringLiteral("R"), QStringLiteral("3840/1016x2160/571+3840+0"),
                                       QStringLiteral("none")})) {
        std::fprintf(stderr, "monitors: Xvfb with two RandR monitors did not start\n");
        return 1;
    }

    test::TempFolder home;
    QStringList photos;
    for (int i = 0; i < 2; ++i) {
        photos << home.file(QStringLiteral("photo%1.jpg").arg(i));
        test::PhotoLikeImage(4000, 3000, 21 + i).save(photos.back(), "JPG", 90);
    }
    const QStringList environment = bench::ProgramEnvironment(server.display(), home.path());
    const QStringList fehRun = {feh, QStringLiteral("--bg-fill"), photos[0], photos[1]};

    int failures = 0;
    double peak = 0;
    for (int mode = 0; mode < 3; ++mode) {
        test::TempFolder program;
        prepareProgram(program, photos, mode);
        const QStringList ours = {program.file(QStringLiteral("velmora")), QStringLiteral("-ng"),
                                  QStringLiteral("-s")};
        // One warm-up of each: the first run of anything pays for the disk cache.
        bench::TimedProcess(ours, environment);
        bench::TimedProcess(fehRun, environment);
        std::vector<double> oursMs, oursMb, fehMs;
        for (int i = 0; i < runs; ++i) {
            const bench::ProcessRun a = bench::TimedProcess(ours, environment);
            const bench::ProcessRun b = bench::TimedProcess(fehRun, environment);
            failures += !a.ok + !b.ok;
            oursMs.push_back(a.ms);
            oursMb.push_back(a.peakMb);
            fehMs.push_back(b.ms);
        }
        const double o = bench::Median(oursMs);
        std::printf("monitors-%d: ours %.1f ms, peer %.1f ms, ratio %.2f\n", mode, o, bench::Median(fehMs),
                    bench::Median(fehMs) / o);
        std::fflush(stdout);
        peak = std::max(peak, bench::Median(oursMb));
    }
    if (failures)
        std::fprintf(stderr, "monitors: %d runs failed\n", failures);
    std::printf("monitors-peak: %.1f MB\n", peak);
    return failures ? 1 : 0;
}
