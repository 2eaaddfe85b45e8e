#include "mainwindow/MainWindow.h"

#include "core/FileKinds.h"
#include "core/Prompt.h"
#include "platform/Screen.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/SettingsFile.h"
#include "core/Steps.h"
#include "dialogs/ListFileSelectDialog.h"
#include "engine/TextSettings.h"
#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/MainLoadHandler.h"
#include "mainwindow/MainLoading.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/PreviewPanel.h"
#include "mainwindow/change/WallpaperService.h"
#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FileViewItems.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/lists/ListPage.h"
#include "platform/wallpaper/WallpaperBackendLoader.h"
#include "windows/thumbnails/ThumbnailWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>

#include <cmath>

namespace velmora {
namespace {

int toPixels(Long twips)
{
    return static_cast<int>(std::lround(twips / platform::TwipsPerPixel()));
}
Long toTwips(int pixels)
{
    return static_cast<Long>(std::lround(pixels * platform::TwipsPerPixel()));
}

} // namespace

MainWindow::MainWindow(SettingsStore& settings, QString programFolder,
                       std::unique_ptr<platform::WallpaperBackend> backend, QWidget* parent)
    : QMainWindow(parent)
    , m_store(settings)
    , m_settings(settings.values())
    , m_programFolder(std::move(programFolder))
    , m_wallpaper(std::make_unique<WallpaperService>(
          settings, m_programFolder, backend ? std::move(backend) : platform::LoadWallpaperBackend()))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(QIcon(QStringLiteral(":/velmora/icon.svg")));

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("picSplitterMain"));
    m_splitter->setChildrenCollapsible(false);
    m_tabs = new FileSelectTabs(m_settings, m_splitter);
    m_folderPage = new FolderPage(m_settings);
    m_listPage = new ListPage(m_settings, m_programFolder);
    m_tabs->setPage(0, m_folderPage);
    m_tabs->setPage(1, m_listPage);
    m_preview = new PreviewPanel(m_wallpaper->state(), m_splitter);
    m_splitter->addWidget(m_tabs);
    m_splitter->addWidget(m_preview);
    setCentralWidget(m_splitter);

    m_folderItems = std::make_unique<FileViewItems>(*m_folderPage->lvwFileName());
    m_changer =
        std::make_unique<WallpaperChanger>(m_settings, *m_folderItems, m_listPage->entries(), *m_wallpaper);
    m_editing = std::make_unique<ListEditing>(m_listPage->entries(), *m_changer);
    m_timer.setInterval(1000);
    buildMenus();
    buildStatus();
    connectParts();
}

void MainWindow::buildStatus()
{
    // Progress of long work (the collage's pieces); hidden while there is none to show.
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("pbGeneral"));
    m_progress->setMaximumWidth(200);
    m_progress->setTextVisible(false);
    m_progress->hide();
    statusBar()->addPermanentWidget(m_progress);
    statusBar()->setSizeGripEnabled(true);
    connect(m_wallpaper.get(), &WallpaperService::progressRangeChanged, this, [this](int minimum, int maximum) {
        m_progress->setRange(minimum, maximum);
        m_progress->setVisible(maximum > minimum);
    });
    connect(m_wallpaper.get(), &WallpaperService::progressValueChanged, m_progress, &QProgressBar::setValue);
    connect(m_wallpaper.get(), &WallpaperService::changeFinished, m_progress, &QProgressBar::hide);
    // While the timer's changes cannot reach the desktop, the window says so instead of asking.
    connect(m_wallpaper.get(), &WallpaperService::desktopProblemChanged, this, [this](const QString& problem) {
        if (problem.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(QStringLiteral("デスクトップの壁紙を更新できません: ") +
                                     problem.section(u'\n', 0, 0));
    });
}

void MainWindow::connectParts()
{
    m_listPage->entries().setSelectionHandler([this] { m_changer->ListSelectionChanged(); });
    connect(m_listPage, &ListPage::entryActivated, this, [this] { m_changer->ListSelectionChanged(); });
    connect(m_listPage, &ListPage::filesDropped, this,
            [this](const QStringList& paths) { m_editing->InsertEntries(paths); });
    connect(m_listPage->cmdDel(), &QToolButton::clicked, this, [this] { m_editing->DeleteSelected(); });
    connect(m_listPage->cmdUp(), &QToolButton::clicked, this, [this] { m_editing->MoveUp(); });
    connect(m_listPage->cmdDown(), &QToolButton::clicked, this, [this] { m_editing->MoveDown(); });
    connect(m_listPage->cmdClear(), &QToolButton::clicked, this, [this] { m_editing->Clear(); });
    connect(m_folderPage->cmdSingleAddFile(), &QToolButton::clicked, this,
            [this] { m_editing->InsertEntries(m_folderPage->SelectedFiles()); });
    connect(m_folderPage->cmdAllAddFile(), &QToolButton::clicked, this,
            [this] { m_editing->InsertEntries(m_folderPage->AllFiles()); });
    connect(m_folderPage->lvwFileName(), &FileNameListView::ItemClick, this,
            [this](int row) { m_changer->FileItemClicked(row + 1); });
    connect(m_folderPage, &FolderPage::ListViewModeChanged, this, [this](int, int index) {
        if (QAction* action = m_menus->action(ListviewModeCommand(index)))
            action->setChecked(true);
    });
    m_folderPage->cmdSearch()->setEnabled(false);
    m_listPage->cmdAutoPilot()->setEnabled(false);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_changer->Tick(); });
    connect(m_wallpaper.get(), &WallpaperService::changeFinished, this, [this] { m_changer->ChangeEnded(); });
    connect(m_preview, &PreviewPanel::clicked, this, [this] { m_changer->PreviewClicked(); });
}

MainWindow::~MainWindow()
{
    // The preview follows the engine's image: it must go before the engine state it watches.
    delete m_splitter;
}

void MainWindow::buildMenus()
{
    m_menus = std::make_unique<MainMenus>(*menuBar());
    const MainMenus& menus = *m_menus;
    connect(menus.action(MainCommand::FileNew), &QAction::triggered, this,
            [this] { m_listPage->NewListFile(); });
    connect(menus.action(MainCommand::FileAdd), &QAction::triggered, this, &MainWindow::mnuFileAdd_Click);
    connect(menus.action(MainCommand::FileRelease), &QAction::triggered, this,
            [this] { m_listPage->mnuFileRelease_Click(); });
    connect(menus.action(MainCommand::FileDelete), &QAction::triggered, this,
            [this] { m_listPage->mnuFileDelete_Click(); });
    connect(menus.action(MainCommand::FileExit), &QAction::triggered, this, &MainWindow::mnuFileExit_Click);
    for (int mode = 0; mode < 4; ++mode)
        connect(menus.action(ListviewModeCommand(mode)), &QAction::triggered, this,
                [this, mode] { m_folderPage->mnuViewListviewMode(mode); });
    connect(menus.action(MainCommand::ViewDirimage), &QAction::triggered, this,
            [this] { m_folderPage->mnuViewDirimage(); });
    // Windows that do not exist yet: their commands stay visible but cannot be chosen.
    connect(menus.action(MainCommand::Thumbnail), &QAction::triggered, this, &MainWindow::mnuThumbnail_Click);
    for (MainCommand pending : {MainCommand::ViewToolbar, MainCommand::Option,
                                MainCommand::HelpDoc, MainCommand::HelpHomepage, MainCommand::HelpDonation,
                                MainCommand::HelpAbout})
        menus.action(pending)->setEnabled(false);
    connect(menus.action(MainCommand::ToolNotexist), &QAction::triggered, this, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_editing->RemoveMissingFiles();
        QGuiApplication::restoreOverrideCursor();
    });
}

void MainWindow::mnuThumbnail_Click()
{
    if (!m_thumbnails) {
        ThumbnailHost host;
        host.currentFolder = [this] { return m_folderPage->TreeDirectory(); };
        host.preview = [this](const QString& path) { m_wallpaper->LoadWallpaperImage(path); };
        host.insert = [this](const QStringList& paths) { m_editing->InsertEntries(paths); };
        m_thumbnails = new ThumbnailWindow(m_settings, std::move(host), this);
    }
    if (!m_thumbnails->isVisible()) {
        m_thumbnails->Form_Load();
        m_thumbnails->show();
    }
    m_thumbnails->raise();
    m_thumbnails->activateWindow();
    m_thumbnails->ThumbReset();
}

void MainWindow::mnuFileAdd_Click()
{
    ListFileSelectDialog chooser(m_programFolder, this);
    chooser.exec();
    m_listPage->AddListFile(chooser.SelFileName());
}

void MainWindow::load()
{
    // Every step runs even when an earlier one failed.
    Steps steps(LoadFailureHandler);
    steps([&] { MainLoading = true; });
    steps([&] { ResetSettings(m_settings, CurrentSettingsEnvironment()); });
    steps([&] { ReadSettingsFile(m_settings, m_programFolder + QString::fromUtf16(SettingsFileName)); });
    steps([&] { iniDataRead(); });
    steps([&] { m_wallpaper->ReadTileWallpaper(); });
    steps([&] { lstFileRead(); });
    steps([&] { BuildFileKindTable(); });
    steps([&] { ApplyStartupState(); });
    steps([&] { MainLoading = false; });
    steps([&] { FileNameLoad(); });
    steps([&] { RestoreSelection(); });
    steps([&] {
        if (m_settings.MinBoot)
            setWindowState(windowState() | Qt::WindowMinimized);
    });
}

void MainWindow::iniDataRead()
{
    setGeometry(toPixels(m_settings.MainLeft), toPixels(m_settings.MainTop), toPixels(m_settings.MainWidth),
                toPixels(m_settings.MainHeight));
    const int left = toPixels(m_settings.SplitterMain);
    m_splitter->setSizes({left, std::max(1, width() - left)});
    const int tree = toPixels(m_settings.SizeBarLeft);
    m_folderPage->splitter()->setSizes({tree, std::max(1, left - tree)});
}

void MainWindow::iniDataWrite()
{
    if (isMinimized())
        return;
    const QRect frame = geometry();
    m_settings.MainTop = toTwips(frame.top());
    m_settings.MainLeft = toTwips(frame.left());
    m_settings.MainWidth = toTwips(frame.width());
    m_settings.MainHeight = toTwips(frame.height());
    m_settings.SplitterMain = toTwips(m_splitter->sizes().value(0));
    m_settings.SizeBarLeft = toTwips(m_folderPage->splitter()->sizes().value(0));
}

void MainWindow::lstFileRead()
{
    m_listPage->lstFileRead();
}

void MainWindow::FileNameLoad()
{
    m_folderPage->FileNameLoad();
}

void MainWindow::ApplyStartupState()
{
    m_folderPage->InitTree();
    m_tabs->SelectTab(m_settings.ListMode == 1 ? 1 : 2);
    m_wallpaper->state().leadWallPaper.textSettings() = CalendarTextSettings(m_settings);
    if (m_settings.TimerOnMode == 1)
        m_timer.start();
    else
        m_timer.stop();
}

void MainWindow::Form_Paint()
{
    m_folderPage->mnuViewListviewMode(m_settings.ListViewMode);
}

void MainWindow::AutoChange()
{
    m_changer->AutoChange();
}

bool MainWindow::changing() const
{
    return m_wallpaper->busy();
}

bool MainWindow::working() const
{
    return m_wallpaper->working();
}

void MainWindow::RestoreSelection()
{
    m_changer->RestoreSelection();
}

void MainWindow::mnuFileExit_Click()
{
    if (m_exited)
        return;
    m_exited = true;
    m_timer.stop();
    // The thumbnail window goes first, so that its geometry reaches the settings file.
    if (m_thumbnails && m_thumbnails->isVisible())
        m_thumbnails->close();
    m_wallpaper->cancel();
    iniDataWrite();
    const QString path = m_programFolder + QString::fromUtf16(SettingsFileName);
    if (!WriteSettingsFile(m_settings, path)) {
        // The previous file is still whole; the user should know this run's changes are not in it.
        const QString text = QStringLiteral("設定ファイルを保存できませんでした。\n%1").arg(path);
        if (isVisible())
            ShowWarning(text);
        else
            qWarning("%s", qUtf8Printable(text));
    }
    Q_EMIT exitRoutineDone();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    mnuFileExit_Click();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        mnuFileExit_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace velmora
