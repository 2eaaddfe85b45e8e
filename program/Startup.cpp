#include "program/Startup.h"

#include "core/Language.h"
#include "core/SettingsStore.h"
#include "core/StaleTemporaries.h"
#include "core/Steps.h"
#include "core/UnattendedPrompter.h"
#include "core/jobs/JobPool.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TrayPolicy.h"
#include "mainwindow/change/SingleChange.h"
#include "mainwindow/change/WallpaperService.h"
#include "platform/ProgramFolder.h"
#include "platform/SignalBridge.h"
#include "program/CommandLine.h"
#include "program/SplashWindow.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/ProgramArtwork.h"

#include <QApplication>
#include <QEventLoop>
#include <QSessionManager>

#include <memory>

namespace velmora {
namespace {

// Abort in the entry routine ends the program rather than leaving a half-started one.
Recovery StartupHandler(const Failure& failure)
{
    const Recovery recovery = AskUser(failure);
    if (recovery == Recovery::Leave)
        std::exit(1);
    return recovery;
}

// "-s": the remembered position restored, then the change; true while it runs in the background.
template <class Changer> bool StartSingleChange(Changer& changer)
{
    // Remembered positions beyond the current list or folder are passed over silently.
    Steps restore(ContinueSilently);
    restore([&] { changer.RestoreSelection(); });
    Steps change(StartupHandler);
    change([&] { changer.AutoChange(); });
    return changer.working();
}

std::unique_ptr<SplashWindow> ShowSplash(const QString& programFolder)
{
    if (SplashSuppressed(programFolder))
        return {};
    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    return splash;
}

// A one-shot change in list mode needs none of the window: it reads the settings and the list,
// changes, writes the settings and ends.
int RunSingleChange(QApplication& app, SettingsStore& settings, const QString& programFolder,
                    const Settings& stored)
{
    SingleChange changer(settings, programFolder);
    Steps steps(StartupHandler);
    std::unique_ptr<SplashWindow> splash;
    steps([&] { splash = ShowSplash(programFolder); })([&] { changer.load(stored); })(
        [&] { splash.reset(); });
    if (!StartSingleChange(changer)) {
        changer.ExitRoutine();
        return 0;
    }
    // A loop of its own, not the application's: QApplication::exec() would first connect the
    // accessibility bridge to the session bus, starting one when there is none, for a run that never
    // shows a window.
    QEventLoop loop;
    const auto finish = [&changer, &loop] {
        changer.ExitRoutine();
        loop.exit(0);
    };
    QObject::connect(&changer.wallpaper(), &WallpaperService::idle, &app, finish);
    SignalBridge bridge;
    QObject::connect(&bridge, &SignalBridge::terminationRequested, &app, finish);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&finish](QSessionManager&) { finish(); });
    const int result = loop.exec();
    JobPool().waitForDone();
    return result;
}

int RunProgram(QApplication& app, const CommandLine& commandLine)
{
    const QString programFolder = platform::ProgramFolder();
    // What a killed run was writing when it died is of no use to anyone.
    RemoveStaleTemporaries(programFolder);

    SettingsStore settings;
    if (commandLine.oneShot)
        if (const std::optional<Settings> stored = SingleChange::StoredSettings(programFolder))
            return RunSingleChange(app, settings, programFolder, *stored);

    std::unique_ptr<SplashWindow> splash;
    std::unique_ptr<MainWindow> window;
    Steps steps(StartupHandler);
    steps([&] { splash = ShowSplash(programFolder); })([&] {
        window = std::make_unique<MainWindow>(settings, programFolder);
        if (commandLine.oneShot)
            window->setSingleChange();
        window->load();
    })([&] { splash.reset(); })([&] {
        switch (StartupWindowShow(commandLine.hidden, commandLine.oneShot, window->isMinimized(),
                                  window->trayAvailable())) {
        case StartupShow::Hidden:
            // A one-shot run ends by itself and never needs the way back.
            if (commandLine.oneShot)
                window->hide();
            else
                window->HideToTray();
            break;
        case StartupShow::Minimized: window->showMinimized(); break;
        case StartupShow::Shown: window->show(); break;
        }
    })([&] { window->Form_Paint(); });
    if (!window)
        return 1;

    QObject::connect(window.get(), &MainWindow::exitRoutineDone, &app, [] { QCoreApplication::exit(0); });
    SignalBridge bridge;
    QObject::connect(&bridge, &SignalBridge::terminationRequested, window.get(),
                     &MainWindow::mnuFileExit_Click);
    // A logout saves the settings like any other way out.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, window.get(),
                     [&window](QSessionManager&) { window->mnuFileExit_Click(); });

    // Outlive the block: the start may come from the loop below.
    bool started = false;
    bool endedAtOnce = false;
    if (commandLine.oneShot) {
        // The change runs in the background; the program ends when it has. It draws from the whole
        // folder, so it starts once the file view holds it.
        window->whenFilesLoaded([&window, &started, &endedAtOnce] {
            started = true;
            if (!StartSingleChange(*window)) {
                endedAtOnce = true;
                window->mnuFileExit_Click();
                return;
            }
            QObject::connect(&window->wallpaper(), &WallpaperService::idle, window.get(),
                             [&window] { window->mnuFileExit_Click(); });
        });
        // Without anything to wait for, nothing would end the loop below.
        if (started && endedAtOnce)
            return 0;
    }
    // A one-shot run waits in a loop of its own even when it shows its window (the folder mode goes
    // through the window): the window is there only until the change ends, and the application's
    // loop would first connect the accessibility bridge (see RunSingleChange).
    QEventLoop oneShotLoop;
    const int result = commandLine.oneShot ? oneShotLoop.exec() : QApplication::exec();
    // Work still running (a desktop tool slow to answer) ends before the application it reports to.
    JobPool().waitForDone();
    return result;
}

} // namespace

int RunVelmora(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("velmora"));
    // Wayland compositors and docks match the window to velmora.desktop and its icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    QApplication::setWindowIcon(ProgramIcon());
    // The window hides to the notification area; closing it is not the end of the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before any window or message: every text is shown in the language chosen or the desktop's.
    InstallLanguage(ResolveLanguage(StoredLanguage(platform::ProgramFolder())));

    const CommandLine commandLine = CommandLine::parse(QApplication::arguments());
    // A one-shot run is started by a timer or a login as often as by hand: a box there would wait
    // for ever on nobody. It reports on standard error and in its exit code instead.
    MessageBoxPrompter boxes;
    UnattendedPrompter unattended;
    PrompterScope prompterScope(commandLine.oneShot ? static_cast<Prompter&>(unattended) : boxes);
    const int result = RunProgram(app, commandLine);
    return commandLine.oneShot && result == 0 && unattended.reported() ? 1 : result;
}

} // namespace velmora
