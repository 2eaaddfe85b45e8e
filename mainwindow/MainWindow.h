#pragma once
// frmMain: hosts the folder and list pages, the preview and the menus, and delegates the work to
// its parts: the list page, the wallpaper changer, the list editing commands and the installer.
#include "mainwindow/change/WallpaperChanger.h"
#include "mainwindow/lists/ListEditing.h"
#include "platform/wallpaper/WallpaperBackend.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QProgressBar;
class QSplitter;

namespace velmora {

class FileSelectTabs;
class PreviewPanel;
class WallpaperService;
class FolderPage;
class ListPage;
class MainMenus;
class SettingsStore;
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

    void iniDataRead();
    void iniDataWrite();
    void lstFileRead();
    void FileNameLoad();
    void ApplyStartupState();
    void Form_Paint();
    void AutoChange();
    // True while a change is under way in the background.
    bool changing() const;
    // True while anything runs in the background (a change, the placement read at start-up).
    bool working() const;
    void RestoreSelection();
    // The one exit routine; the program ends when exitRoutineDone is emitted.
    void mnuFileExit_Click();
    // mnuThumbnail and "btnThumbnail": opens the thumbnail window (or brings it up) and rebuilds it.
    void mnuThumbnail_Click();

    WallpaperChanger& changer() { return *m_changer; }
    WallpaperService& wallpaper() { return *m_wallpaper; }
    ListPage& listPage() { return *m_listPage; }
    FolderPage& folderPage() { return *m_folderPage; }
    FileSelectTabs& fileSelectTabs() { return *m_tabs; }
    QTimer& Timer1() { return m_timer; }
    // Null until the thumbnail window is first opened.
    ThumbnailWindow* thumbnailWindow() const { return m_thumbnails; }

Q_SIGNALS:
    void exitRoutineDone();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();
    void buildStatus();
    void connectParts();
    void mnuFileAdd_Click();

    SettingsStore& m_store;
    Settings& m_settings;
    QString m_programFolder;
    QSplitter* m_splitter = nullptr;
    FileSelectTabs* m_tabs = nullptr;
    FolderPage* m_folderPage = nullptr;
    ListPage* m_listPage = nullptr;
    std::unique_ptr<MainMenus> m_menus;
    std::unique_ptr<FolderItems> m_folderItems;
    std::unique_ptr<WallpaperService> m_wallpaper;
    PreviewPanel* m_preview = nullptr;
    QProgressBar* m_progress = nullptr;
    std::unique_ptr<WallpaperChanger> m_changer;
    std::unique_ptr<ListEditing> m_editing;
    ThumbnailWindow* m_thumbnails = nullptr;
    QTimer m_timer;
    bool m_exited = false;
};

} // namespace velmora
