#pragma once
// The folder page of the main window: the Branchwise tree (created by its identifier and reached
// by member names), the file view lvwFileName, and the folder buttons above them. Holds the
// operations the main window, its menus and its toolbar call: FileNameLoad, FitFileViewColumns,
// mnuViewListviewMode, mnuViewDirimage.
#include "core/Settings.h"
#include "core/jobs/Job.h"
#include "mainwindow/folder/FileNameScan.h"
#include "mainwindow/folder/FileViewModel.h"

#include <QTimer>
#include <QWidget>

class QToolButton;

namespace velmora {

class DragSplitter;
class FileNameListView;

class FolderPage : public QWidget {
    Q_OBJECT
public:
    explicit FolderPage(Settings& settings, QWidget* parent = nullptr);

    // The tree control; null when the Branchwise library offers no "Branchwise.BranchwiseBase".
    QWidget* Branchwise() const { return m_branchwise; }
    FileNameListView* lvwFileName() const { return m_lvwFileName; }
    FileViewModel* fileModel() const { return m_model; }
    QWidget* picPanelFolderCmd() const { return m_picPanelFolderCmd; }
    QToolButton* cmdSearch() const { return m_cmdSearch; }
    QToolButton* cmdAllAddFile() const { return m_cmdAllAddFile; }
    QToolButton* cmdSingleAddFile() const { return m_cmdSingleAddFile; }
    // Tree on the left, file view on the right, laid out by the main window's layout rules.
    DragSplitter* splitter() const { return m_splitter; }

    // Sets the buttons' captions and tips and the file view's headers again in the current language.
    void retranslate();

    // Start-up: the tree's CurrentDirectory and ImageType from the settings, then ApInit.
    void InitTree();
    // Refills the file view from the setting CurrentDirectory; returns at once while MainLoading.
    // The folder is read on the pool and its files come in name order while the window goes on;
    // a fill still running is given up. FilesLoaded says when the view holds the whole folder.
    void FileNameLoad();
    bool loadingFiles() const { return m_scan.isRunning() || !m_waiting.isEmpty(); }
    // Calls call once the view holds the whole folder: now when no fill runs.
    void whenFilesLoaded(std::function<void()> call);
    void FitFileViewColumns();
    // View mode 0 large icons, 1 small icons, 2 list, 3 details; stored in ListViewMode.
    void mnuViewListviewMode(int index);
    // Switches the tree's picture set (DirImageType) and rebuilds the tree.
    void mnuViewDirimage();
    void lvwFileName_ColumnClick(int column);

    // The folder of the tree, ending in "/".
    QString TreeDirectory() const;
    // Full paths of the file view's items: the selected ones, and all.
    QStringList SelectedFiles() const;
    QStringList AllFiles() const;

Q_SIGNALS:
    // For the menu check marks and the toolbar's view buttons (index + 4).
    void ListViewModeChanged(int previous, int index);
    // An item was clicked (activation on one click): the file's full path.
    void FileClicked(const QString& path);
    // A fill of the file view ended (not when a newer one replaced it), whole or as far as it got.
    void FilesLoaded();

private Q_SLOTS:
    void Branchwise_ChangeDirectory();

private:
    void setTexts();
    void receiveRows(QList<FileViewModel::Row> rows);
    // Puts the next few waiting rows into the view, one share per turn of the event loop.
    void feedRows();
    void filesEnded();
    void finishFill();

    Settings& m_settings;
    QWidget* m_branchwise = nullptr;
    FileViewModel* m_model;
    FileNameListView* m_lvwFileName;
    QWidget* m_picPanelFolderCmd;
    QToolButton* m_cmdSearch;
    QToolButton* m_cmdAllAddFile;
    QToolButton* m_cmdSingleAddFile;
    DragSplitter* m_splitter;
    Job<int> m_scan;
    // Parts the worker posted that are not in the view yet, the first taken from m_waitingFrom on.
    QList<QList<FileViewModel::Row>> m_waiting;
    qsizetype m_waitingFrom = 0;
    QTimer m_feed;
    bool m_fitted = false;
};

} // namespace velmora
