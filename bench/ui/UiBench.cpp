// How long the window thread stalls while the timer changes big wallpapers: the real main window on
// a private X server, changing 4000 x 3000 JPEGs every second with effects, the size change and the
// calendar on, while a 5 ms timer records how late the event loop runs.
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/SettingsStore.h"
#include "core/jobs/JobPool.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/change/WallpaperService.h"
#include "platform/PageMemory.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

using namespace velmora;

namespace {

struct Options {
    int seconds = 10;
    int pictures = 4;
};

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray name = argv[i];
        if (name == "--seconds")
            options.seconds = std::max(1, atoi(argv[i + 1]));
        else if (name == "--pictures")
            options.pictures = std::max(1, atoi(argv[i + 1]));
    }
    return options;
}

// The list of pictures and the settings of the run, in a program folder of its own.
void prepare(const test::TempFolder& program, const Options& options)
{
    QByteArray list;
    for (int i = 0; i < options.pictures; ++i) {
        const QString path = program.file(QStringLiteral("photo%1.jpg").arg(i));
        test::PhotoLikeImage(4000, 3000, 100 + i).save(path, "JPG", 90);
        list += path.toUtf8() + "\r\n";
    }
    test::WriteBytes(program.file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    test::WriteBytes(program.file(QStringLiteral("Velmora.lst")), list);

    Settings settings;
    ResetSettings(settings, CurrentSettingsEnvironment());
    settings.ListMode = 2;
    settings.TimerOnMode = 1;
    settings.ChangeTimer = 1;
    settings.ChangeMode = 1;
    settings.EffectMode = 1;
    settings.EffectType = 1;
    settings.EffectEmbossOn[1] = 1;
    settings.EffectGammaOn[1] = 1;
    settings.SizeChangeMode = 1;
    settings.CalendarOnMode = 1;
    settings.MainLeft = 0;
    settings.MainTop = 0;
    settings.MainWidth = 12000;
    settings.MainHeight = 9000;
    WriteSettingsFile(settings, program.file(QStringLiteral("Velmora.INI")));
}

} // namespace

int main(int argc, char* argv[])
{
    // The program's own allocator settings, so that its work pays what it pays in the program.
    platform::ReturnLargeBlocksToTheSystem();
    const Options options = parse(argc, argv);
    test::PrivateXServer server(1920, 1080);
    if (server.display().isEmpty()) {
        std::fprintf(stderr, "ui-stall: Xvfb did not start\n");
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("XDG_CURRENT_DESKTOP");
    QApplication app(argc, argv);

    test::TempFolder program;
    std::fprintf(stderr, "preparing %d pictures of 4000 x 3000...\n", options.pictures);
    prepare(program, options);
    ScriptedPrompter prompter; // any question would stall the run: counted, answered at once
    PrompterScope scope(prompter);

    SettingsStore settings;
    MainWindow window(settings, program.path());
    window.load();
    window.show();

    int changes = 0;
    QObject::connect(&window.wallpaper(), &WallpaperService::changeFinished, [&] { ++changes; });

    // Lateness of a 5 ms timer: the longest time the window thread did not get to its events.
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            longest = std::max(longest, now - last - 5'000'000);
        last = now;
    });
    clock.start();
    probe.start();
    QTimer::singleShot(options.seconds * 1000, &app, [&] { QApplication::quit(); });
    QApplication::exec();
    window.mnuFileExit_Click();
    JobPool().waitForDone();

    if (prompter.count() > 0)
        std::fprintf(stderr, "questions asked: %s\n", qUtf8Printable(prompter.texts().join(u'|')));
    std::printf("ui-stall: longest event-loop stall %.1f ms over %d changes\n", longest / 1e6, changes);
    return 0;
}
