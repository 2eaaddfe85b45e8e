#include "mainwindow/folder/FolderPage.h"

#include "core/Failure.h"
#include "core/PathRoutines.h"
#include "core/Steps.h"
#include "mainwindow/MainLoading.h"
#include "mainwindow/Pictures.h"
#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FileNameScan.h"
#include "mainwindow/folder/FileViewModel.h"
#include "mainwindow/layout/DragSplitter.h"

#include <branchwise/ControlFactory.h>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

// Rows put into the view in one turn of the event loop: a part of thousands would hold the window
// up for tens of milliseconds on a busy machine.
constexpr qsizetype RowsPerTurn = 400;

// A button with its picture, or with its caption alone when it has none; the tip and the caption
// come from retranslate().
QToolButton* FolderButton(const QString& name, const QIcon& icon)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setAutoRaise(true);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    return button;
}

} // namespace

FolderPage::FolderPage(Settings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_model(new FileViewModel(this))
    , m_lvwFileName(new FileNameListView(m_model))
    , m_picPanelFolderCmd(new QWidget)
    , m_cmdSearch(FolderButton(QStringLiteral("cmdSearch"), QIcon()))
    , m_cmdAllAddFile(
          FolderButton(QStringLiteral("cmdAllAddFile"), MainWindowPicture(QStringLiteral("addall"))))
    , m_cmdSingleAddFile(
          FolderButton(QStringLiteral("cmdSingleAddFile"), MainWindowPicture(QStringLiteral("addselected"))))
    , m_splitter(new DragSplitter)
{
    setObjectName(QStringLiteral("picPanelTabFileSelect0"));
    m_model->setPicture(MainWindowPicture(QStringLiteral("imagefile")));
    m_picPanelFolderCmd->setObjectName(QStringLiteral("picPanelFolderCmd"));
    auto* buttons = new QHBoxLayout(m_picPanelFolderCmd);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(2);
    buttons->addWidget(m_cmdSearch);
    buttons->addWidget(m_cmdAllAddFile);
    buttons->addWidget(m_cmdSingleAddFile);
    buttons->addStretch();

    m_branchwise = branchwise::CreateControl(QString::fromLatin1(branchwise::BranchwiseBaseProgId));
    if (m_branchwise) {
        m_branchwise->setObjectName(QStringLiteral("Branchwise"));
        connect(m_branchwise, SIGNAL(ChangeDirectory()), this, SLOT(Branchwise_ChangeDirectory()));
        m_splitter->addWidget(m_branchwise);
    }
    m_splitter->setObjectName(QStringLiteral("imgSplitterFolder"));
    m_splitter->addWidget(m_lvwFileName);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_picPanelFolderCmd);
    layout->addWidget(m_splitter, 1);

    connect(&m_scan, &JobBase::finished, this, &FolderPage::filesEnded);
    m_feed.setInterval(0);
    connect(&m_feed, &QTimer::timeout, this, &FolderPage::feedRows);
    connect(m_lvwFileName, &FileNameListView::ColumnClick, this, &FolderPage::lvwFileName_ColumnClick);
    connect(m_lvwFileName, &FileNameListView::ItemClick, this,
            [this](int row) { Q_EMIT FileClicked(TreeDirectory() + m_model->fileName(row)); });
    setTexts();
}

void FolderPage::retranslate()
{
    setTexts();
    // The details view's columns fit their headers too.
    if (m_lvwFileName->viewMode() == 3)
        FitFileViewColumns();
}

void FolderPage::setTexts()
{
    m_cmdSearch->setToolTip(tr("検索ウィンドウを表示"));
    m_cmdSearch->setText(tr("検索"));
    m_cmdAllAddFile->setToolTip(tr("フォルダ内の全てのファイルをリストに追加"));
    m_cmdSingleAddFile->setToolTip(tr("選択中のファイルをリストへ追加"));
    m_model->retranslate();
}

void FolderPage::InitTree()
{
    if (!m_branchwise)
        return;
    m_branchwise->setProperty("CurrentDirectory", m_settings.CurrentDirectory);
    m_branchwise->setProperty("ImageType", int(m_settings.DirImageType == 1 ? 1 : 0));
    QMetaObject::invokeMethod(m_branchwise, "ApInit");
}

void FolderPage::Branchwise_ChangeDirectory()
{
    m_settings.CurrentDirectory = TreeDirectory();
    FileNameLoad();
}

QString FolderPage::TreeDirectory() const
{
    return m_branchwise ? m_branchwise->property("CurrentDirectory").toString() : m_settings.CurrentDirectory;
}

void FolderPage::FileNameLoad()
{
    if (MainLoading)
        return;
    m_model->clear();
    m_waiting.clear();
    m_waitingFrom = 0;
    m_feed.stop();
    m_lvwFileName->ResetColumns();
    m_fitted = false;
    m_lvwFileName->setCursor(Qt::BusyCursor);
    const QString folder = m_settings.CurrentDirectory;
    // Starting a new fill drops whatever the previous one still posts.
    m_scan.start([this, folder](JobControl& control) {
        const auto canceled = [&control] { return control.isCanceled(); };
        platform::FolderListing listing;
        // Asked on the window thread through the job; whatever the answer, what was listed is shown.
        Steps steps(AskUser);
        steps([&] {
            listing = FindImageFiles(folder, canceled);
            if (listing.error != 0 && !listing.stopped)
                throw Failure::fromErrno(listing.error, folder, FileAccess::ListFolder);
        });
        return DescribeImageFiles(
            folder, std::move(listing.entries), canceled, [this, &control](QList<FileViewEntry> entries) {
                // The texts are made here, so the window thread only inserts.
                QList<FileViewModel::Row> rows;
                rows.reserve(entries.size());
                for (const FileViewEntry& entry : entries)
                    rows.append(FileViewModel::rowOf(entry));
                control.post([this, rows = std::move(rows)]() mutable { receiveRows(std::move(rows)); });
            });
    });
}

void FolderPage::receiveRows(QList<FileViewModel::Row> rows)
{
    if (rows.isEmpty())
        return;
    m_waiting.append(std::move(rows));
    // Rows arriving at an idle view go in at once; otherwise the feed takes them in their turn.
    if (!m_feed.isActive())
        feedRows();
}

void FolderPage::feedRows()
{
    QList<FileViewModel::Row> share;
    while (share.size() < RowsPerTurn && !m_waiting.isEmpty()) {
        QList<FileViewModel::Row>& part = m_waiting.first();
        const qsizetype left = part.size() - m_waitingFrom;
        const qsizetype take = std::min(RowsPerTurn - share.size(), left);
        if (share.isEmpty() && m_waitingFrom == 0 && take == left) {
            share = std::move(part);
        } else {
            share.reserve(share.size() + take);
            for (qsizetype i = 0; i < take; ++i)
                share.append(std::move(part[m_waitingFrom + i]));
        }
        if (take == left) {
            m_waiting.removeFirst();
            m_waitingFrom = 0;
        } else {
            m_waitingFrom += take;
        }
    }
    if (!share.isEmpty()) {
        m_model->appendRows(std::move(share));
        // The columns fit the first screenful at once and the whole folder at the end.
        if (!m_fitted) {
            FitFileViewColumns();
            m_fitted = true;
        }
    }
    if (!m_waiting.isEmpty()) {
        if (!m_feed.isActive())
            m_feed.start();
        return;
    }
    m_feed.stop();
    // The worker ended before its last rows were in: the fill ends with them.
    if (!m_scan.isRunning())
        finishFill();
}

void FolderPage::filesEnded()
{
    // Rows still waiting end the fill when they are in.
    if (m_waiting.isEmpty())
        finishFill();
}

void FolderPage::finishFill()
{
    FitFileViewColumns();
    m_lvwFileName->unsetCursor();
    Q_EMIT FilesLoaded();
}

void FolderPage::whenFilesLoaded(std::function<void()> call)
{
    if (!loadingFiles()) {
        call();
        return;
    }
    connect(this, &FolderPage::FilesLoaded, this, std::move(call), Qt::SingleShotConnection);
}

void FolderPage::FitFileViewColumns()
{
    m_lvwFileName->FitFileViewColumns();
}

void FolderPage::lvwFileName_ColumnClick(int column)
{
    m_model->ColumnClick(column);
    QHeaderView* header = m_lvwFileName->detailsView()->header();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, m_model->sortOrder());
}

void FolderPage::mnuViewListviewMode(int index)
{
    if (index < 0 || index > 3)
        return;
    const int previous = m_lvwFileName->viewMode();
    m_lvwFileName->setViewMode(index);
    m_settings.ListViewMode = Integer(index);
    FitFileViewColumns();
    Q_EMIT ListViewModeChanged(previous, index);
}

void FolderPage::mnuViewDirimage()
{
    const qint64 next = (qint64(m_settings.DirImageType) + 1) % 2;
    m_settings.DirImageType = Long(next < 0 ? next + 2 : next);
    if (!m_branchwise)
        return;
    m_branchwise->setProperty("ImageType", int(m_settings.DirImageType));
    QMetaObject::invokeMethod(m_branchwise, "ApInit");
}

QStringList FolderPage::SelectedFiles() const
{
    QStringList files;
    const QString folder = TreeDirectory();
    for (int row : m_lvwFileName->selectedRows())
        files.append(folder + m_model->fileName(row));
    return files;
}

QStringList FolderPage::AllFiles() const
{
    QStringList files;
    const QString folder = TreeDirectory();
    for (int row = 0; row < m_model->rowCount(); ++row)
        files.append(folder + m_model->fileName(row));
    return files;
}

} // namespace velmora
