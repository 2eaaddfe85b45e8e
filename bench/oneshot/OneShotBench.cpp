// "velmora -ng -s" as a whole process against the X11 tools people set wallpapers with: a private
// 3840 x 2160 Xvfb, a 4000 x 3000 photo fitted to the screen with the calendar on, paired runs,
// medians, and each run's peak resident memory from the kernel's accounting of the child.
#include "bench/support/PeerTool.h"
#include "bench/support/TimedProcess.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace velmora;

namespace {

// A program folder of its own in list mode: one picture, fitted to the screen, the calendar on.
void prepareProgram(const test::TempFolder& program, const QString& binary, const QString& picture)
{
    QFile::copy(binary, program.file(QStringLiteral("velmora")));
    QFile::setPermissions(program.file(QStringLiteral("velmora")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    test::WriteBytes(program.file(QStringLiteral("NOSPLASH")), "");
    test::WriteBytes(program.file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    test::WriteBytes(program.file(QStringLiteral("Velmora.lst")), picture.toUtf8() + "\r\n");
    Settings settings;
    ResetSettings(settings, CurrentSettingsEnvironment());
    settings.ListMode = 2;
    settings.ChangeMode = 1;
    settings.FileIndex2 = 0;
    settings.SizeChangeMode = 1;
    settings.CalendarOnMode = 1;
    settings.CurrentDirectory = program.path();
    WriteSettingsFile(settings, program.file(QStringLiteral("Velmora.INI")));
}

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 9;
    for (int i = 1; i + 1 < argc; i += 2)
        if (QByteArray(argv[i]) == "--runs")
            runs = std::max(1, atoi(argv[i + 1]));
    QCoreApplication app(argc, argv);
    const QString feh = tool("feh");
    const QString hsetroot = tool("hsetroot");
    if (feh.isEmpty() || hsetroot.isEmpty()) {
        std::fprintf(stderr, "oneshot: feh and hsetroot are needed (scripts/setup.sh installs them)\n");
        return 1;
    }
    test::PrivateXServer server(3840, 2160);
    if (server.display().isEmpty()) {
        std::fprintf(stderr, "oneshot: Xvfb did not start\n");
        return 1;
    }

    test::TempFolder home;
    const QString photo = home.file(QStringLiteral("photo.jpg"));
    const QString tiny = home.file(QStringLiteral("tiny.jpg"));
    test::PhotoLikeImage(4000, 3000, 11).save(photo, "JPG", 90);
    test::PhotoLikeImage(16, 16, 12).save(tiny, "JPG", 90);
    test::TempFolder program;
    test::TempFolder tinyProgram;
    prepareProgram(program, QStringLiteral(VELMORA_BINARY), photo);
    prepareProgram(tinyProgram, QStringLiteral(VELMORA_BINARY), tiny);

    const QStringList environment = bench::ProgramEnvironment(server.display(), home.path());
    const QStringList ours = {program.file(QStringLiteral("velmora")), QStringLiteral("-ng"),
                              QStringLiteral("-s")};
    const QStringList oursTiny = {tinyProgram.file(QStringLiteral("velmora")), QStringLiteral("-ng"),
                                  QStringLiteral("-s")};
    const QStringList fehRun = {feh, QStringLiteral("--bg-max"), photo};
    const QStringList hsetrootRun = {hsetroot, QStringLiteral("-full"), photo};

    // One warm-up of each: the first run of anything pays for the disk cache.
    for (const QStringList* command : {&ours, &oursTiny, &fehRun, &hsetrootRun})
        bench::TimedProcess(*command, environment);
    std::vector<double> oursMs, oursMb, fehMs, fehMb, hsetrootMs, tinyMs;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        const bench::ProcessRun a = bench::TimedProcess(ours, environment);
        const bench::ProcessRun b = bench::TimedProcess(fehRun, environment);
        const bench::ProcessRun c = bench::TimedProcess(hsetrootRun, environment);
        const bench::ProcessRun d = bench::TimedProcess(oursTiny, environment);
        failures += !a.ok + !b.ok + !c.ok + !d.ok;
        oursMs.push_back(a.ms);
        oursMb.push_back(a.peakMb);
        fehMs.push_back(b.ms);
        fehMb.push_back(b.peakMb);
        hsetrootMs.push_back(c.ms);
        tinyMs.push_back(d.ms);
    }
    if (failures)
        std::fprintf(stderr, "oneshot: %d runs failed\n", failures);
    const double o = bench::Median(oursMs);
    std::printf("oneshot: ours %.1f ms, peer %.1f ms, ratio %.2f\n", o, bench::Median(fehMs),
                bench::Median(fehMs) / o);
    std::printf("oneshot-hsetroot: ours %.1f ms, peer %.1f ms, ratio %.2f\n", o, bench::Median(hsetrootMs),
                bench::Median(hsetrootMs) / o);
    std::printf("oneshot-peak: ours %.1f MB, peer %.1f MB\n", bench::Median(oursMb), bench::Median(fehMb));
    std::printf("oneshot-tiny: ours %.1f ms\n", bench::Median(tinyMs));
    return failures ? 1 : 0;
}
