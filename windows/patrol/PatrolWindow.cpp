#include "windows/patrol/PatrolWindow.h"

#include "core/ListFiles.h"
#include "core/PathRoutines.h"
#include "core/Prompt.h"
#include "ui/ListBox.h"
#include "ui/ListControls.h"
#include "windows/CurrentList.h"
#include "windows/WindowButtons.h"
#include "windows/patrol/PatrolFolderFile.h"
#include "windows/patrol/PatrolFolderList.h"

#include <branchwise/ControlFactory.h>

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariant>

namespace velmora {
namespace {

QProgressBar* ProgressBar(QWidget* parent, const QString& name)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setTextVisible(false);
    bar->setMaximumHeight(14);
    bar->hide();
    return bar;
}

// The hourglass while a short piece of work runs on the window thread; back before any message.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore()
    {
        if (std::exchange(m_on, false))
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool m_on = true;
};

} // namespace

PatrolWindow::PatrolWindow(const QString& programFolder, const TreeStart& tree, CurrentList& list,
                           QWidget* parent)
    : QDialog(parent)
    , m_folderFile(PatrolFolderFilePath(programFolder))
    , m_list(list)
{
    setObjectName(QStringLiteral("frmAutoPilot"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    buildControls();
    retranslate();
    loadTree(tree);
    // Read afresh at every opening: folder list edits that were not saved are gone.
    if (FileExists(m_folderFile)) {
        QStringList folders;
        if (LoadPatrolFolders(m_folderFile, folders) == 0) {
            m_lstFolder->setEntries(folders);
        }
    }
    connect(&m_job, &JobBase::finished, this, &PatrolWindow::patrolEnded);
}

// Closing the window during a patrol drops the job, which stops it; the entries so far stay.
PatrolWindow::~PatrolWindow() = default;

void PatrolWindow::buildControls()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("picPanelTabFile"));
    m_label2 = new QLabel(panel);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label3 = new QLabel(panel);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_lstFolder = new ListBox(panel);
    m_lstFolder->setObjectName(QStringLiteral("lstFolder"));
    m_lstFolder->setSelectionMode(QAbstractItemView::SingleSelection);
    m_cmdSingleAddFolder =
        PictureButton(panel, QStringLiteral("cmdSingleAddFolder"), QStringLiteral("addfolder"));
    m_cmdDelFolder = PictureButton(panel, QStringLiteral("cmdDelFolder"), QStringLiteral("removefolder"));
    m_cmdClearFolder = PictureButton(panel, QStringLiteral("cmdClearFolder"), QStringLiteral("clearfolders"));
    m_cmdSaveFolder = CommandButton(panel, QStringLiteral("cmdSaveFolder"));
    m_cmdRefresh = CommandButton(panel, QStringLiteral("cmdRefresh"));
    m_cmdOk = CommandButton(panel, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    m_pbPilotFolder = ProgressBar(panel, QStringLiteral("pbPilotFolder"));
    m_pbPilotFiles = ProgressBar(panel, QStringLiteral("pbPilotFiles"));

    m_branchwiseFolder =
        branchwise::CreateControl(QString::fromLatin1(branchwise::BranchwiseBaseProgId), panel);
    auto* treeColumn = new QVBoxLayout;
    treeColumn->addWidget(m_label2);
    if (m_branchwiseFolder) {
        m_branchwiseFolder->setObjectName(QStringLiteral("BranchwiseFolder"));
        treeColumn->addWidget(m_branchwiseFolder, 1);
    } else {
        treeColumn->addStretch();
    }
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addStretch();
    buttonColumn->addWidget(m_cmdSingleAddFolder);
    buttonColumn->addWidget(m_cmdDelFolder);
    buttonColumn->addWidget(m_cmdClearFolder);
    buttonColumn->addStretch();
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(m_label3);
    listColumn->addWidget(m_lstFolder, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(treeColumn, 1);
    columns->addLayout(buttonColumn);
    columns->addLayout(listColumn, 1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_cmdSaveFolder);
    commands->addWidget(m_cmdRefresh);
    commands->addStretch();
    commands->addWidget(m_cmdOk);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(columns, 1);
    layout->addWidget(m_pbPilotFolder);
    layout->addWidget(m_pbPilotFiles);
    layout->addLayout(commands);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    resize(640, 420);

    connect(m_cmdSingleAddFolder, &QToolButton::clicked, this, &PatrolWindow::cmdSingleAddFolder_Click);
    connect(m_cmdDelFolder, &QToolButton::clicked, this, &PatrolWindow::cmdDelFolder_Click);
    connect(m_cmdClearFolder, &QToolButton::clicked, this, &PatrolWindow::cmdClearFolder_Click);
    connect(m_cmdSaveFolder, &QPushButton::clicked, this, &PatrolWindow::cmdSaveFolder_Click);
    connect(m_cmdRefresh, &QPushButton::clicked, this, &PatrolWindow::cmdRefresh_Click);
    connect(m_cmdOk, &QPushButton::clicked, this, &QDialog::accept);
}

void PatrolWindow::retranslate()
{
    setWindowTitle(tr("自動巡回"));
    m_label2->setText(tr("フォルダ選択："));
    m_label3->setText(tr("巡回先フォルダリスト："));
    m_cmdSingleAddFolder->setToolTip(tr("選択中のフォルダをリストへ追加"));
    m_cmdDelFolder->setToolTip(tr("リストから削除"));
    m_cmdClearFolder->setToolTip(tr("リストから全て削除"));
    m_cmdSaveFolder->setText(tr("巡回先保存"));
    m_cmdSaveFolder->setToolTip(tr("巡回先フォルダリストを保存"));
    m_cmdRefresh->setText(tr("巡回実行"));
    m_cmdRefresh->setToolTip(tr("自動巡回を実行し、ファイルリストを更新"));
}

void PatrolWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PatrolWindow::loadTree(const TreeStart& tree)
{
    if (!m_branchwiseFolder)
        return;
    // Folders show no expander until they are selected: opening the window stays quick.
    m_branchwiseFolder->setProperty("QuickMode", true);
    m_branchwiseFolder->setProperty("ImageType", tree.imageType);
    m_branchwiseFolder->setProperty("CurrentDirectory", tree.currentDirectory);
    QMetaObject::invokeMethod(m_branchwiseFolder, "ApInit");
}

void PatrolWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Measured once the list has its size on the screen.
    if (!std::exchange(m_fitted, true))
        FitListScrollWidth(*m_lstFolder);
}

void PatrolWindow::cmdSingleAddFolder_Click()
{
    if (!m_branchwiseFolder)
        return;
    AddPatrolFolder(*m_lstFolder, m_branchwiseFolder->property("CurrentDirectory").toString());
}

void PatrolWindow::cmdDelFolder_Click()
{
    DeletePatrolFolder(*m_lstFolder);
}

void PatrolWindow::cmdClearFolder_Click()
{
    m_lstFolder->clear();
}

void PatrolWindow::cmdSaveFolder_Click()
{
    WaitCursor cursor;
    const int status = SavePatrolFolders(m_folderFile, PatrolFolders(*m_lstFolder));
    cursor.restore();
    if (status == 0)
        ShowNotice(tr("保存しました"));
}

void PatrolWindow::cmdRefresh_Click()
{
    if (m_job.isRunning())
        return;
    const QStringList folders = PatrolFolders(*m_lstFolder);
    m_list.clear();
    // The window stays usable: closing it stops the patrol.
    setCursor(Qt::BusyCursor);
    m_cmdRefresh->setEnabled(false);
    m_pbPilotFolder->setRange(0, int(folders.size()) + 1);
    m_pbPilotFolder->setValue(0);
    m_pbPilotFiles->setRange(0, 1);
    m_pbPilotFiles->setValue(0);
    m_pbPilotFolder->show();
    m_pbPilotFiles->show();

    m_job.start([this, folders](JobControl& control) {
        FolderPatrol patrol({[&control] { return control.isCanceled(); },
                             [this, &control](int, int fileCount) {
                                 control.post([this, fileCount] {
                                     m_pbPilotFiles->setRange(0, fileCount + 1);
                                     m_pbPilotFiles->setValue(0);
                                 });
                             },
                             [this, &control](int, const QStringList& entries, int last) {
                                 control.post([this, entries, last] {
                                     m_list.appendEntries(entries);
                                     m_pbPilotFiles->setValue(last);
                                 });
                             },
                             [this, &control](int index) {
                                 control.post([this, index] { m_pbPilotFolder->setValue(index); });
                             }});
        const PatrolEnd end = patrol.Run(folders);
        return PatrolResult{end, patrol.fullFolder()};
    });
}

void PatrolWindow::patrolEnded()
{
    const Outcome<PatrolResult> outcome = m_job.takeOutcome();
    m_pbPilotFolder->hide();
    m_pbPilotFiles->hide();
    unsetCursor();
    m_cmdRefresh->setEnabled(true);
    if (outcome.failure) {
        ShowWarning(outcome.failure->text());
    } else if (outcome.value && outcome.value->end == PatrolEnd::Full) {
        ShowWarning(tr("リストの項目数が上限 (%1) に達したため、巡回を途中で終えました。\n"
                       "%2 の残りのファイルと、それ以降のフォルダのファイルは追加されていません。")
                        .arg(EntryCountText(MaxListEntries))
                        .arg(outcome.value->fullFolder));
        ShowNotice(tr("巡回完了"));
    } else if (outcome.value && outcome.value->end == PatrolEnd::Complete) {
        ShowNotice(tr("巡回完了"));
    }
    Q_EMIT patrolFinished();
}

} // namespace velmora
