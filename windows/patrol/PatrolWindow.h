#pragma once
// frmAutoPilot: keeps the patrol folders (picked in an embedded Branchwise tree, kept in
// "lfolder.dat") and rebuilds the current list from their image files on a worker.
#include "core/jobs/Job.h"
#include "windows/patrol/FolderPatrol.h"

#include "ui/ListBox.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace velmora {

class CurrentList;

// What the patrol tree takes over from the main window's tree when the window loads.
struct TreeStart {
    QString currentDirectory;
    int imageType = 0;
};

class PatrolWindow : public QDialog {
    Q_OBJECT
public:
    PatrolWindow(const QString& programFolder, const TreeStart& tree, CurrentList& list,
                 QWidget* parent = nullptr);
    ~PatrolWindow() override;

    void cmdSingleAddFolder_Click();
    void cmdDelFolder_Click();
    void cmdClearFolder_Click();
    void cmdSaveFolder_Click();
    void cmdRefresh_Click();

    // True while a patrol runs.
    bool patrolling() const { return m_job.isRunning(); }

    // The embedded tree; null when the Branchwise library offers no tree control.
    QWidget* BranchwiseFolder() const { return m_branchwiseFolder; }
    ListBox* lstFolder() const { return m_lstFolder; }
    QToolButton* cmdSingleAddFolder() const { return m_cmdSingleAddFolder; }
    QToolButton* cmdDelFolder() const { return m_cmdDelFolder; }
    QToolButton* cmdClearFolder() const { return m_cmdClearFolder; }
    QPushButton* cmdSaveFolder() const { return m_cmdSaveFolder; }
    QPushButton* cmdRefresh() const { return m_cmdRefresh; }
    QPushButton* cmdOk() const { return m_cmdOk; }
    QProgressBar* pbPilotFolder() const { return m_pbPilotFolder; }
    QProgressBar* pbPilotFiles() const { return m_pbPilotFiles; }

Q_SIGNALS:
    // A patrol has ended (also aborted) and its messages have been shown.
    void patrolFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    // Sets every caption and tip in the interface's language.
    void retranslate();
    void loadTree(const TreeStart& tree);
    void patrolEnded();

    QString m_folderFile;
    CurrentList& m_list;
    Job<PatrolResult> m_job;
    bool m_fitted = false;

    QWidget* m_branchwiseFolder = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    ListBox* m_lstFolder = nullptr;
    QToolButton* m_cmdSingleAddFolder = nullptr;
    QToolButton* m_cmdDelFolder = nullptr;
    QToolButton* m_cmdClearFolder = nullptr;
    QPushButton* m_cmdSaveFolder = nullptr;
    QPushButton* m_cmdRefresh = nullptr;
    QPushButton* m_cmdOk = nullptr;
    QProgressBar* m_pbPilotFolder = nullptr;
    QProgressBar* m_pbPilotFiles = nullptr;
};

} // namespace velmora
