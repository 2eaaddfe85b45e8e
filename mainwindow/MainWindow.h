#pragma once
// frmMain: wires its parts together and holds the operations other modules call by name. The
// parts do the work: the pages, the preview, the toolbar, the tray icon, the menus, the layout
// rules and the window's place, the wallpaper changer, the list editing and the installer. Each
// menu's commands have their own part: FileCommands, ViewCommands, ToolCommands, HelpCommands and
// TrayCommands.
#include "mainwindow/FileCommands.h"
#include "mainwindow/ToolCommands.h"
#include "mainwindow/TrayCommands.h"
#include "mainwindow/ViewCommands.h"
#include "mainwindow/change/WallpaperChanger.h"
#include "mainwindow/layout/MainPlacement.h"
#include "mainwindow/lists/ListEditing.h"
#include "platform/wallpaper/WallpaperBackend.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class QDialog;

namespace velmora {

class CommandRouter;
class DragSplitter;
class CurrentListEntries;
class FileSelectTabs;
class FolderPage;
class HelpCommands;
class ListPage;
class MainLayout;
class MapWatch;
class LanguageMenu;
class MainMenus;
class MainStatus;
class MainToolbar;
class MainTray;
class OptionWindow;
class PreviewPanel;
class SettingsStore;
class WallpaperService;
class ThumbnailWindow;
struct Settings;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // backend: the desktop to install on; by default the one of the running session.
    MainWindow(SettingsStore& settings, QString programFolder,
               std::unique_ptr<platform::WallpaperBackend> backend = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The main window's load: reads the settings and lists and fills the views, every step running
    // even when an earlier one failed.
    void load();

    void iniDataRead() { m_placement->iniDataRead(); }
    void iniDataWrite() { m_placement->iniDataWrite(); }
    void lstFileRead();
    void FileNameLoad();
    // Calls call once the file view holds the whole folder (now when it does).
    void whenFilesLoaded(std::function<void()> call);
    void ApplyStartupState();
    // Applies ListViewMode (refitting the columns) and TBDispMode to the controls.
    void Form_Paint() { m_viewCommands->Form_Paint(); }
    void AutoChange();
    // True while a change is under way in the background.
    bool changing() const;
    // True while anything runs in the background (a change, the placement read at start-up).
    bool working() const;
    void RestoreSelection();
    // The options command: the dialog, modally; when it closes the window follows what it changed.
    void mnuOption_Click() { m_toolCommands->mnuOption_Click(); }
    // The one exit routine; the program ends when exitRoutineDone is emitted.
    void mnuFileExit_Click();
    // True once the exit routine has run.
    bool exited() const { return m_exited; }
    // The folder patrol and the sub-folder search, shown modally.
    void cmdAutoPilot_Click() { m_toolCommands->cmdAutoPilot_Click(); }
    void cmdSearch_Click() { m_toolCommands->cmdSearch_Click(); }

    // Back from the notification area: the normal state, shown, the focus in ActiveDialog.
    void RestoreFromTray() { m_trayCommands->RestoreFromTray(); }
    // Hides the window; the notification-area icon is the way back. Should the notification area go
    // away meanwhile, the window comes back minimised.
    void HideToTray() { m_trayCommands->HideToTray(); }
    void mnuViewToolbar_Click() { m_viewCommands->mnuViewToolbar_Click(); }
    // While the automatic change runs, the About box and the effect editor are out of reach.
    void EnableOff();
    void EnableOn();
    bool effectEditEnabled() const { return m_effectEditEnabled; }
    // After the options window closes: the timer follows TimerOnMode, EnableOff or EnableOn, and
    // the window repaints (re-applying the view settings).
    void OptionsClosed() { m_toolCommands->OptionsClosed(); }
    // The window that gets the focus when the program comes back from the notification area: this
    // one, or the modal box shown over it.
    QWidget* ActiveDialog() const;
    // Runs a modal box with ActiveDialog pointing at it; runModal: a box that runs itself modally.
    void execModal(QDialog& dialog);
    void runModal(QWidget& box, const std::function<void()>& run);

    // Whether a notification area is there to hide in; the tray's own answer unless replaced.
    void setTrayCheck(std::function<bool()> check) { m_trayAvailable = std::move(check); }
    bool trayAvailable() const { return m_trayAvailable(); }
    // mnuThumbnail and "btnThumbnail": opens the thumbnail window (or brings it up) and rebuilds it.
    void mnuThumbnail_Click() { m_viewCommands->mnuThumbnail_Click(); }

    WallpaperChanger& changer() { return *m_changer; }
    WallpaperService& wallpaper() { return *m_wallpaper; }
    // Before load(): this run makes one change and ends ("-s"). Its window is shown (unless "-ng")
    // only until that change ends, so it puts no icon in the tray for that moment and keeps no
    // preview copies.
    void setSingleChange();
    ListPage& listPage() { return *m_listPage; }
    FolderPage& folderPage() { return *m_folderPage; }
    FileSelectTabs& fileSelectTabs() { return *m_tabs; }
    MainToolbar& toolbar() { return *m_toolbar; }
    MainMenus& menus() { return *m_menus; }
    MainTray& tray() { return *m_tray; }
    MainLayout& mainLayout() { return *m_layout; }
    CommandRouter& commands() { return *m_commands; }
    DragSplitter& mainSplitter() { return *m_mainSplitter; }
    QTimer& Timer1() { return m_timer; }
    OptionWindow& options() { return *m_options; }
    // Null until the thumbnail window is first opened.
    ThumbnailWindow* thumbnailWindow() const { return m_viewCommands->thumbnailWindow(); }
    const QString& programFolder() const { return m_programFolder; }

Q_SIGNALS:
    void exitRoutineDone();
    // EnableOff / EnableOn, for the options window's effect-edit button.
    void effectEditEnabledChanged(bool enabled);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectParts();
    void wireCommands();
    // The `Language` setting chosen in the menu, kept and shown at once.
    void setLanguage(const QString& setting);
    void keepLanguage();
    // The texts the window sets itself, again in the current language.
    void retranslate();
    // ChangeSchedule 1: a change due while the machine slept comes as it wakes.
    void watchSleep();

    SettingsStore& m_store;
    Settings& m_settings;
    QString m_programFolder;
    DragSplitter* m_mainSplitter = nullptr;
    FileSelectTabs* m_tabs = nullptr;
    FolderPage* m_folderPage = nullptr;
    ListPage* m_listPage = nullptr;
    MainToolbar* m_toolbar = nullptr;
    MainTray* m_tray = nullptr;
    bool m_singleChange = false;
    CommandRouter* m_commands = nullptr;
    MainLayout* m_layout = nullptr;
    std::unique_ptr<MainMenus> m_menus;
    LanguageMenu* m_languageMenu = nullptr;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<FolderItems> m_folderItems;
    std::unique_ptr<WallpaperService> m_wallpaper;
    std::unique_ptr<OptionWindow> m_options; // goes before the engine state it edits
    PreviewPanel* m_preview = nullptr;
    std::unique_ptr<WallpaperChanger> m_changer;
    std::unique_ptr<ListEditing> m_editing;
    std::unique_ptr<CurrentListEntries> m_currentList;
    std::unique_ptr<MainPlacement> m_placement;
    std::unique_ptr<FileCommands> m_fileCommands;
    std::unique_ptr<ViewCommands> m_viewCommands;
    std::unique_ptr<ToolCommands> m_toolCommands;
    std::unique_ptr<TrayCommands> m_trayCommands;
    std::unique_ptr<MainStatus> m_status;
    QTimer m_timer;
    // A window manager starting with the session may leave the first map unanswered.
    MapWatch* m_mapWatch = nullptr;
    QPointer<QWidget> m_activeDialog;
    std::function<bool()> m_trayAvailable;
    bool m_effectEditEnabled = true;
    bool m_exited = false;
};

} // namespace velmora
