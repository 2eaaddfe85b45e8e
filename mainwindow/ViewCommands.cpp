#include "mainwindow/ViewCommands.h"

#include "core/Settings.h"
#include "mainwindow/CommandRouter.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/change/WallpaperService.h"
#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/layout/MainLayout.h"
#include "mainwindow/lists/ListEditing.h"
#include "windows/thumbnails/ThumbnailWindow.h"

#include <QAction>
#include <QTimer>

namespace velmora {

ViewCommands::ViewCommands(MainWindow& window, Settings& settings, ListEditing& editing)
    : m_window(window)
    , m_settings(settings)
    , m_editing(editing)
{}

void ViewCommands::wire(CommandRouter& commands)
{
    FolderPage* folder = &m_window.folderPage();
    commands.handle(MainCommand::Thumbnail, [this] { mnuThumbnail_Click(); });
    commands.handle(MainCommand::ViewToolbar, [this] { mnuViewToolbar_Click(); });
    for (int mode = 0; mode < 4; ++mode)
        commands.handle(ListviewModeCommand(mode), [folder, mode] { folder->mnuViewListviewMode(mode); });
    commands.handle(MainCommand::ViewDirimage, [folder] { folder->mnuViewDirimage(); });
    QObject::connect(folder, &FolderPage::ListViewModeChanged, &m_window, [this](int, int index) {
        if (QAction* item = m_window.menus().action(ListviewModeCommand(index)))
            item->setChecked(true);
        m_window.toolbar().pressViewButton(index);
    });
}

void ViewCommands::mnuThumbnail_Click()
{
    if (!m_thumbnails) {
        ThumbnailHost host;
        MainWindow* window = &m_window;
        ListEditing* editing = &m_editing;
        host.currentFolder = [window] { return window->folderPage().TreeDirectory(); };
        host.preview = [window](const QString& path) { window->wallpaper().LoadWallpaperImage(path); };
        host.insert = [editing](const QStringList& paths) { editing->InsertEntries(paths); };
        m_thumbnails = new ThumbnailWindow(m_settings, std::move(host), &m_window);
    }
    if (!m_thumbnails->isVisible()) {
        m_thumbnails->Form_Load();
        m_thumbnails->show();
    }
    m_thumbnails->raise();
    m_thumbnails->activateWindow();
    m_thumbnails->ThumbReset();
}

void ViewCommands::closeThumbnails()
{
    if (m_thumbnails && m_thumbnails->isVisible())
        m_thumbnails->close();
}

void ViewCommands::mnuViewToolbar_Click()
{
    m_settings.TBDispMode = !m_settings.TBDispMode;
    applyToolbarState();
}

void ViewCommands::Form_Paint()
{
    m_window.folderPage().mnuViewListviewMode(m_settings.ListViewMode);
    applyToolbarState();
}

void ViewCommands::queueSync()
{
    if (m_syncQueued)
        return;
    m_syncQueued = true;
    QTimer::singleShot(0, &m_window, [this] {
        m_syncQueued = false;
        FolderPage& folder = m_window.folderPage();
        const int mode = int(m_settings.ListViewMode);
        if (mode >= 0 && mode <= 3 && mode != folder.lvwFileName()->viewMode())
            folder.mnuViewListviewMode(mode);
        applyToolbarState();
    });
}

void ViewCommands::applyToolbarState()
{
    m_window.menus().action(MainCommand::ViewToolbar)->setChecked(m_settings.TBDispMode);
    MainToolbar& toolbar = m_window.toolbar();
    if (toolbar.isHidden() == m_settings.TBDispMode) {
        toolbar.setVisible(m_settings.TBDispMode);
        m_window.mainLayout().ArrangeMainWindow();
    }
}

} // namespace velmora
