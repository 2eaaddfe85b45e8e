#include "mainwindow/ToolCommands.h"

#include "core/Settings.h"
#include "dialogs/OptionDialog.h"
#include "dialogs/OptionWindow.h"
#include "mainwindow/AutostartToggle.h"
#include "mainwindow/CommandRouter.h"
#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/lists/CurrentListEntries.h"
#include "mainwindow/lists/ListEditing.h"
#include "mainwindow/lists/ListPage.h"
#include "platform/Autostart.h"
#include "windows/patrol/PatrolWindow.h"
#include "windows/search/SearchWindow.h"

#include <QGuiApplication>
#include <QToolButton>

namespace velmora {

ToolCommands::ToolCommands(MainWindow& window, Settings& settings, ListEditing& editing,
                           CurrentListEntries& currentList)
    : m_window(window)
    , m_settings(settings)
    , m_editing(editing)
    , m_currentList(currentList)
{}

void ToolCommands::wire(CommandRouter& commands)
{
    commands.bind(MainCommand::Search, m_window.folderPage().cmdSearch());
    commands.bind(MainCommand::AutoPilot, m_window.listPage().cmdAutoPilot());
    commands.handle(MainCommand::Option, [this] { mnuOption_Click(); });
    commands.handle(MainCommand::ToolNotexist, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_editing.RemoveMissingFiles();
        QGuiApplication::restoreOverrideCursor();
    });
    // The check item keeps its own mark in step with the autostart entry; the router only enables it.
    commands.handle(MainCommand::ToolAutostart, [] {});
    new AutostartToggle(*m_window.menus().action(MainCommand::ToolAutostart), platform::AutostartEntryPath(),
                        platform::CurrentAutostartCommand(), &m_window);
    commands.handle(MainCommand::Search, [this] { cmdSearch_Click(); });
    commands.handle(MainCommand::AutoPilot, [this] { cmdAutoPilot_Click(); });
}

void ToolCommands::mnuOption_Click()
{
    OptionWindow& options = m_window.options();
    m_window.runModal(options.load(), [&options] { options.show(); });
    // The program may have been told to end while the dialog was open.
    if (m_window.exited())
        return;
    OptionsClosed();
    m_window.Form_Paint();
}

void ToolCommands::OptionsClosed()
{
    if (m_settings.TimerOnMode == 1) {
        m_window.Timer1().start();
        m_window.EnableOff();
    } else {
        m_window.Timer1().stop();
        m_window.EnableOn();
    }
    m_window.update();
}

void ToolCommands::cmdAutoPilot_Click()
{
    FolderPage& folder = m_window.folderPage();
    const QWidget* tree = folder.Branchwise();
    const TreeStart start{folder.TreeDirectory(),
                          tree ? tree->property("ImageType").toInt() : int(m_settings.DirImageType == 1)};
    PatrolWindow patrol(m_window.programFolder(), start, m_currentList, &m_window);
    m_window.execModal(patrol);
}

void ToolCommands::cmdSearch_Click()
{
    // The finds go to the list: it comes forward first.
    m_window.fileSelectTabs().SelectTab(2);
    SearchWindow search(m_window.folderPage().TreeDirectory(), m_currentList, &m_window);
    m_window.execModal(search);
}

} // namespace velmora
