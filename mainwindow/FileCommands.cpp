#include "mainwindow/FileCommands.h"

#include "dialogs/ListFileSelectDialog.h"
#include "mainwindow/CommandRouter.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/lists/ListEditing.h"
#include "mainwindow/lists/ListPage.h"

#include <QToolButton>

namespace velmora {

FileCommands::FileCommands(MainWindow& window, ListEditing& editing)
    : m_window(window)
    , m_editing(editing)
{}

void FileCommands::wire(CommandRouter& commands)
{
    ListPage& list = m_window.listPage();
    commands.handle(MainCommand::FileNew, [&list] { list.NewListFile(); });
    commands.handle(MainCommand::FileAdd, [this] { mnuFileAdd_Click(); });
    commands.handle(MainCommand::FileRelease, [&list] { list.mnuFileRelease_Click(); });
    commands.handle(MainCommand::FileDelete, [&list] { list.mnuFileDelete_Click(); });
    commands.handle(MainCommand::FileExit, [this] { m_window.mnuFileExit_Click(); });
    connectListButtons();
}

void FileCommands::connectListButtons()
{
    ListPage* list = &m_window.listPage();
    FolderPage* folder = &m_window.folderPage();
    ListEditing* editing = &m_editing;
    QObject::connect(list, &ListPage::filesDropped, &m_window,
                     [editing](const QStringList& paths) { editing->InsertEntries(paths); });
    QObject::connect(list->cmdDel(), &QToolButton::clicked, &m_window,
                     [editing] { editing->DeleteSelected(); });
    QObject::connect(list->cmdUp(), &QToolButton::clicked, &m_window, [editing] { editing->MoveUp(); });
    QObject::connect(list->cmdDown(), &QToolButton::clicked, &m_window, [editing] { editing->MoveDown(); });
    QObject::connect(list->cmdClear(), &QToolButton::clicked, &m_window, [editing] { editing->Clear(); });
    QObject::connect(folder->cmdSingleAddFile(), &QToolButton::clicked, &m_window,
                     [editing, folder] { editing->InsertEntries(folder->SelectedFiles()); });
    QObject::connect(folder->cmdAllAddFile(), &QToolButton::clicked, &m_window,
                     [editing, folder] { editing->InsertEntries(folder->AllFiles()); });
}

void FileCommands::mnuFileAdd_Click()
{
    ListFileSelectDialog chooser(m_window.programFolder(), &m_window);
    m_window.execModal(chooser);
    m_window.listPage().AddListFile(chooser.SelFileName());
}

} // namespace velmora
