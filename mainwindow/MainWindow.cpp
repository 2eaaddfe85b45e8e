#include "mainwindow/MainWindow.h"

#include "core/BadSettingsFile.h"
#include "core/FileKinds.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/SettingsStore.h"
#include "core/Steps.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ListFileSelectDialog.h"
#include "dialogs/OptionDialog.h"
#include "dialogs/OptionWindow.h"
#include "engine/TextSettings.h"
#include "mainwindow/AutostartToggle.h"
#include "mainwindow/CommandRouter.h"
#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/MainLoadHandler.h"
#include "mainwindow/MainLoading.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/MainTray.h"
#include "mainwindow/PreviewPanel.h"
#include "mainwindow/change/WallpaperService.h"
#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FileViewItems.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/layout/DragSplitter.h"
#include "mainwindow/layout/LayoutRules.h"
#include "mainwindow/layout/MainLayout.h"
#include "mainwindow/layout/PanelHolder.h"
#include "mainwindow/lists/CurrentListEntries.h"
#include "mainwindow/lists/ListPage.h"
#include "platform/Autostart.h"
#include "platform/ProgramFolder.h"
#include "platform/wallpaper/WallpaperBackendLoader.h"
#include "ui/MapWatch.h"
#include "ui/ProgramArtwork.h"
#include "windows/patrol/PatrolWindow.h"
#include "windows/search/SearchWindow.h"
#include "windows/thumbnails/ThumbnailWindow.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>

namespace velmora {

MainWindow::MainWindow(SettingsStore& settings, QString programFolder,
                       std::unique_ptr<platform::WallpaperBackend> backend, QWidget* parent)
    : QMainWindow(parent)
    , m_store(settings)
    , m_settings(settings.values())
    , m_programFolder(std::move(programFolder))
    , m_wallpaper(std::make_unique<WallpaperService>(
          settings, m_programFolder, backend ? std::move(backend) : platform::LoadWallpaperBackend()))
    , m_trayAvailable(&MainTray::available)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(ProgramIcon());
    m_activeDialog = this;

    m_mainSplitter = new DragSplitter(this);
    m_mainSplitter->setObjectName(QStringLiteral("imgSplitterMain"));
    m_tabs = new FileSelectTabs(m_settings);
    m_folderPage = new FolderPage(m_settings);
    m_listPage = new ListPage(m_settings, m_programFolder);
    m_tabs->setPage(0, m_folderPage);
    m_tabs->setPage(1, m_listPage);
    m_preview = new PreviewPanel(m_wallpaper->state());
    m_options = std::make_unique<OptionWindow>(m_store, m_wallpaper->state(), this);
    auto* optionPanel = new PanelHolder(m_preview);
    optionPanel->setObjectName(QStringLiteral("picPanelOption"));
    m_mainSplitter->addWidget(m_tabs);
    m_mainSplitter->addWidget(optionPanel);
    setCentralWidget(m_mainSplitter);
    m_layout = new MainLayout(*this, *m_mainSplitter, *m_folderPage->splitter(), this);

    m_toolbar = new MainToolbar(this);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    // The toolbar is shown and hidden through the View menu only.
    setContextMenuPolicy(Qt::NoContextMenu);
    m_menus = std::make_unique<MainMenus>(*menuBar());
    m_tray = new MainTray(windowIcon(), this);
    m_commands = new CommandRouter(this);
    QStringList documentFolders{m_programFolder};
    documentFolders << platform::DocumentationFolders();
    m_help = std::make_unique<HelpCommands>(documentFolders);

    m_folderItems = std::make_unique<FileViewItems>(*m_folderPage->lvwFileName());
    m_changer =
        std::make_unique<WallpaperChanger>(m_settings, *m_folderItems, m_listPage->entries(), *m_wallpaper);
    m_editing = std::make_unique<ListEditing>(m_listPage->entries(), *m_changer);
    m_currentList = std::make_unique<CurrentListEntries>(m_listPage->entries(), *m_editing);
    m_timer.setInterval(1000);
    m_trayWatch.setInterval(2000);
    m_mapWatch = new MapWatch(*this);
    connect(&m_trayWatch, &QTimer::timeout, this, [this] {
        if (!isVisible() && !m_exited && !m_trayAvailable())
            showMinimized();
    });
    wireCommands();
    buildStatus();
    connectParts();
}

MainWindow::~MainWindow()
{
    // The preview follows the engine's image: it must go before the engine state it watches.
    delete m_mainSplitter;
}

// Every command of the window, and what runs it.
void MainWindow::wireCommands()
{
    CommandRouter& commands = *m_commands;
    for (int index = 0; index < MainCommandCount; ++index) {
        const auto command = static_cast<MainCommand>(index);
        if (QAction* item = m_menus->action(command))
            commands.bind(command, item);
    }
    for (const ToolbarButton& button : ToolbarButtons())
        if (button.command)
            commands.bind(*button.command, m_toolbar->button(QString::fromUtf16(button.key)));
    commands.bind(MainCommand::TraySize, m_tray->mnuTraySize());
    commands.bind(MainCommand::TrayExit, m_tray->mnuTrayExit());
    commands.bind(MainCommand::Search, m_folderPage->cmdSearch());
    commands.bind(MainCommand::AutoPilot, m_listPage->cmdAutoPilot());

    commands.handle(MainCommand::FileNew, [this] { m_listPage->NewListFile(); });
    commands.handle(MainCommand::FileAdd, [this] { mnuFileAdd_Click(); });
    commands.handle(MainCommand::FileRelease, [this] { m_listPage->mnuFileRelease_Click(); });
    commands.handle(MainCommand::FileDelete, [this] { m_listPage->mnuFileDelete_Click(); });
    commands.handle(MainCommand::FileExit, [this] { mnuFileExit_Click(); });
    commands.handle(MainCommand::ViewToolbar, [this] { mnuViewToolbar_Click(); });
    for (int mode = 0; mode < 4; ++mode)
        commands.handle(ListviewModeCommand(mode), [this, mode] { m_folderPage->mnuViewListviewMode(mode); });
    commands.handle(MainCommand::ViewDirimage, [this] { m_folderPage->mnuViewDirimage(); });
    commands.handle(MainCommand::ToolNotexist, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_editing->RemoveMissingFiles();
        QGuiApplication::restoreOverrideCursor();
    });
    // The check item keeps its own mark in step with the autostart entry; the router only enables it.
    commands.handle(MainCommand::ToolAutostart, [] {});
    new AutostartToggle(*m_menus->action(MainCommand::ToolAutostart), platform::AutostartEntryPath(),
                        platform::CurrentAutostartCommand(), this);
    commands.handle(MainCommand::HelpDoc, [this] { m_help->mnuHelpDoc(); });
    commands.handle(MainCommand::HelpHomepage, [this] { m_help->mnuHelpHomepage(); });
    commands.handle(MainCommand::HelpDonation, [this] { m_help->mnuHelpDonation(); });
    commands.handle(MainCommand::HelpAbout, [this] { mnuHelpAbout_Click(); });
    commands.handle(MainCommand::Option, [this] { mnuOption_Click(); });
    commands.handle(MainCommand::Search, [this] { cmdSearch_Click(); });
    commands.handle(MainCommand::Thumbnail, [this] { mnuThumbnail_Click(); });
    commands.handle(MainCommand::AutoPilot, [this] { cmdAutoPilot_Click(); });
    commands.handle(MainCommand::TraySize, [this] { RestoreFromTray(); });
    commands.handle(MainCommand::TrayExit, [this] { mnuFileExit_Click(); });
}

void MainWindow::buildStatus()
{
    // Progress of long work (the collage's pieces) on the toolbar; hidden while there is none.
    QProgressBar* progress = m_toolbar->pbGeneral();
    connect(m_wallpaper.get(), &WallpaperService::progressRangeChanged, this, [progress](int minimum, int maximum) {
        progress->setRange(minimum, maximum);
        progress->setVisible(maximum > minimum);
    });
    connect(m_wallpaper.get(), &WallpaperService::progressValueChanged, progress, &QProgressBar::setValue);
    connect(m_wallpaper.get(), &WallpaperService::changeFinished, progress, &QProgressBar::hide);
    // While the timer's changes cannot reach the desktop, the window says so in its status bar
    // instead of asking at every change; the bar is there only while it has something to say.
    statusBar()->setSizeGripEnabled(false);
    statusBar()->hide();
    connect(m_wallpaper.get(), &WallpaperService::desktopProblemChanged, this,
            [this](const QString& problem) {
                showStatus(problem.isEmpty() ? m_settingsNotice
                                             : QStringLiteral("デスクトップの壁紙を更新できません: ") +
                                                   problem.section(u'\n', 0, 0));
            });
}

void MainWindow::showStatus(const QString& text)
{
    if (text.isEmpty()) {
        statusBar()->clearMessage();
        statusBar()->hide();
        return;
    }
    statusBar()->showMessage(text);
    statusBar()->show();
}

void MainWindow::keepBadSettingsFile(const QString& path)
{
    const BadSettingsCopy copy = KeepBadSettingsFile(path);
    m_keepSettingsFile = copy == BadSettingsCopy::Failed;
    // The warning box told what stopped the reading; the status bar keeps telling where the rest went.
    m_settingsNotice = BadSettingsNotice(copy);
    showStatus(m_settingsNotice);
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
        if (QAction* item = m_menus->action(ListviewModeCommand(index)))
            item->setChecked(true);
        m_toolbar->pressViewButton(index);
    });
    connect(&m_timer, &QTimer::timeout, this, [this] { m_changer->Tick(); });
    connect(m_wallpaper.get(), &WallpaperService::changeFinished, this, [this] { m_changer->ChangeEnded(); });
    connect(m_preview, &PreviewPanel::clicked, this, [this] { m_changer->PreviewClicked(); });
    connect(m_tray, &MainTray::restoreRequested, this, &MainWindow::RestoreFromTray);
    // A loaded options dialog shows the automatic tiling's choice; one loaded later reads it itself.
    connect(m_wallpaper.get(), &WallpaperService::tileDecided, this, [this](const QString& tile) {
        if (m_options->isLoaded())
            m_options->selectTileMode(tile);
    });
    // A collage takes its pieces from the current list or folder, and shows where it left them.
    m_wallpaper->setCollageSource([this] { return m_changer->CollageSourceNow(); });
    connect(m_wallpaper.get(), &WallpaperService::collageStarted, this, [this] {
        EnableOff();
        setCursor(Qt::BusyCursor);
    });
    connect(m_wallpaper.get(), &WallpaperService::collageFinished, this, [this] {
        m_changer->RestoreSelection();
        EnableOn();
        unsetCursor();
    });
    connect(this, &MainWindow::effectEditEnabledChanged, this,
            [this](bool enabled) { m_options->setEffectEditEnabled(enabled); });
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
    execModal(chooser);
    m_listPage->AddListFile(chooser.SelFileName());
}

void MainWindow::mnuHelpAbout_Click()
{
    AboutDialog about(this);
    execModal(about);
}

void MainWindow::cmdAutoPilot_Click()
{
    const QWidget* tree = m_folderPage->Branchwise();
    const TreeStart start{m_folderPage->TreeDirectory(),
                          tree ? tree->property("ImageType").toInt() : int(m_settings.DirImageType == 1)};
    PatrolWindow patrol(m_programFolder, start, *m_currentList, this);
    execModal(patrol);
}

void MainWindow::cmdSearch_Click()
{
    // The finds go to the list: it comes forward first.
    m_tabs->SelectTab(2);
    SearchWindow search(m_folderPage->TreeDirectory(), *m_currentList, this);
    execModal(search);
}

void MainWindow::execModal(QDialog& dialog)
{
    m_activeDialog = &dialog;
    dialog.exec();
    m_activeDialog = this;
}

QWidget* MainWindow::ActiveDialog() const
{
    return m_activeDialog ? m_activeDialog.data() : const_cast<MainWindow*>(this);
}

void MainWindow::load()
{
    const QString settingsPath = m_programFolder + QString::fromUtf16(SettingsFileName);
    const bool firstStart = !QFileInfo::exists(settingsPath);
    // Every step runs even when an earlier one failed.
    Steps steps(LoadFailureHandler);
    steps([&] { MainLoading = true; });
    steps([&] { m_activeDialog = this; });
    steps([&] {
        if (!m_singleChange)
            m_tray->AddTrayIcon();
    });
    steps([&] { ResetSettings(m_settings, CurrentSettingsEnvironment()); });
    steps([&] {
        if (!ReadSettingsFile(m_settings, settingsPath))
            keepBadSettingsFile(settingsPath);
    });
    steps([&] { iniDataRead(); });
    steps([&] { m_wallpaper->ReadTileWallpaper(); });
    steps([&] { lstFileRead(); });
    steps([&] { BuildFileKindTable(); });
    steps([&] { ApplyStartupState(); });
    steps([&] { MainLoading = false; });
    steps([&] { FileNameLoad(); });
    steps([&] { RestoreSelection(); });
    steps([&] {
        if (firstStart)
            fitFirstStart();
    });
    steps([&] {
        if (m_settings.MinBoot)
            setWindowState(windowState() | Qt::WindowMinimized);
    });
}

void MainWindow::fitFirstStart()
{
    // Without stored settings the window is sized to what it shows: the tree, every column of the
    // file view and a preview as wide, within the screen.
    const QTreeView* details = m_folderPage->lvwFileName()->detailsView();
    int columns = 0;
    for (int column = 0; column < details->header()->count(); ++column)
        if (!details->isColumnHidden(column))
            columns += details->columnWidth(column);
    FirstStartNeeds needs;
    needs.defaultWidth = width();
    needs.defaultHeight = height();
    needs.treeWidth = PixelsFromTwips(m_settings.SizeBarLeft);
    needs.fileViewWidth = columns + 2 * details->frameWidth() + details->verticalScrollBar()->sizeHint().width();
    needs.barWidth = m_mainSplitter->handleWidth();
    needs.pagePadding = 4;
    needs.minRightWidth = PixelsFromTwips(MinRightPanelWidth);
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, width(), height());
    needs.availableWidth = available.width();
    needs.availableHeight = available.height();
    const FirstStartSize size = FitFirstStart(needs);
    // Kept as if read from the settings, so that an exit while minimised stores them too.
    m_settings.MainWidth = TwipsFromPixels(size.width);
    m_settings.MainHeight = TwipsFromPixels(size.height);
    m_settings.SplitterMain = TwipsFromPixels(size.splitterMain);
    // Centred, so that a window nearly as wide as the screen is not pushed off its edge.
    const QPoint centred(available.left() + std::max(0, (available.width() - size.width) / 2),
                         available.top() + std::max(0, (available.height() - size.height) / 2));
    m_settings.MainLeft = TwipsFromPixels(centred.x());
    m_settings.MainTop = TwipsFromPixels(centred.y());
    setGeometry(QRect(centred, QSize(size.width, size.height)));
    m_layout->restore(m_settings.SplitterMain, m_settings.SizeBarLeft);
}

void MainWindow::iniDataRead()
{
    setGeometry(PixelsFromTwips(m_settings.MainLeft), PixelsFromTwips(m_settings.MainTop),
                PixelsFromTwips(m_settings.MainWidth), PixelsFromTwips(m_settings.MainHeight));
    m_layout->restore(m_settings.SplitterMain, m_settings.SizeBarLeft);
}

void MainWindow::iniDataWrite()
{
    if (isMinimized())
        return;
    const QRect frame = geometry();
    m_settings.MainTop = TwipsFromPixels(frame.top());
    m_settings.MainLeft = TwipsFromPixels(frame.left());
    m_settings.MainWidth = TwipsFromPixels(frame.width());
    m_settings.MainHeight = TwipsFromPixels(frame.height());
    m_settings.SplitterMain = m_layout->SplitterMain();
    m_settings.SizeBarLeft = m_layout->SizeBarLeft();
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
    if (m_settings.TimerOnMode == 1)
        m_timer.start();
    else
        m_timer.stop();
    m_layout->ResizeFolderPage();
    m_wallpaper->state().leadWallPaper.textSettings() = CalendarTextSettings(m_settings);
}

void MainWindow::Form_Paint()
{
    m_folderPage->mnuViewListviewMode(m_settings.ListViewMode);
    applyToolbarState();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    // Settings changed elsewhere (the options window) reach the controls at the next paint. Only
    // what differs is applied, after the paint, so applying never asks for another paint.
    if (m_viewSyncQueued)
        return;
    m_viewSyncQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_viewSyncQueued = false;
        const int mode = int(m_settings.ListViewMode);
        if (mode >= 0 && mode <= 3 && mode != m_folderPage->lvwFileName()->viewMode())
            m_folderPage->mnuViewListviewMode(mode);
        applyToolbarState();
    });
}

void MainWindow::applyToolbarState()
{
    m_menus->action(MainCommand::ViewToolbar)->setChecked(m_settings.TBDispMode);
    if (m_toolbar->isHidden() == m_settings.TBDispMode) {
        m_toolbar->setVisible(m_settings.TBDispMode);
        m_layout->ArrangeMainWindow();
    }
}

void MainWindow::mnuViewToolbar_Click()
{
    m_settings.TBDispMode = !m_settings.TBDispMode;
    applyToolbarState();
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

void MainWindow::RestoreFromTray()
{
    showNormal();
    raise();
    activateWindow();
    QWidget* focus = ActiveDialog();
    if (focus != this) {
        focus->raise();
        focus->activateWindow();
    }
    focus->setFocus(Qt::ActiveWindowFocusReason);
}

void MainWindow::setSingleChange()
{
    m_singleChange = true;
    m_wallpaper->setSingleChange(true);
}

void MainWindow::HideToTray()
{
    hide();
    m_trayWatch.start();
}

void MainWindow::EnableOff()
{
    m_commands->setEnabled(MainCommand::HelpAbout, false);
    m_effectEditEnabled = false;
    Q_EMIT effectEditEnabledChanged(false);
}

void MainWindow::EnableOn()
{
    m_commands->setEnabled(MainCommand::HelpAbout, true);
    m_effectEditEnabled = true;
    Q_EMIT effectEditEnabledChanged(true);
}

void MainWindow::mnuOption_Click()
{
    m_activeDialog = &m_options->load();
    m_options->show();
    m_activeDialog = this;
    // The program may have been told to end while the dialog was open.
    if (m_exited)
        return;
    OptionsClosed();
    Form_Paint();
}

void MainWindow::OptionsClosed()
{
    if (m_settings.TimerOnMode == 1) {
        m_timer.start();
        EnableOff();
    } else {
        m_timer.stop();
        EnableOn();
    }
    update();
}

void MainWindow::mnuFileExit_Click()
{
    if (m_exited)
        return;
    m_exited = true;
    m_timer.stop();
    m_trayWatch.stop();
    // The thumbnail window goes first, so that its geometry reaches the settings file.
    if (m_thumbnails && m_thumbnails->isVisible())
        m_thumbnails->close();
    m_wallpaper->cancel();
    iniDataWrite();
    const QString path = m_programFolder + QString::fromUtf16(SettingsFileName);
    if (m_keepSettingsFile) {
        // The status bar said so since the start: the file read only in part, and no copy of it exists.
        qWarning("%s", qUtf8Printable(BadSettingsNotice(BadSettingsCopy::Failed)));
    } else if (!WriteSettingsFile(m_settings, path)) {
        // The previous file is still whole; the user should know this run's changes are not in it.
        const QString text = QStringLiteral("設定ファイルを保存できませんでした。\n%1").arg(path);
        if (isVisible())
            ShowWarning(text);
        else
            qWarning("%s", qUtf8Printable(text));
    }
    m_tray->RemoveTrayIcon();
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

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_trayWatch.stop();
    m_mapWatch->start();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized())
        return;
    // Minimised, the window lives on as the notification-area icon; where there is no notification
    // area it stays an ordinary minimised window, which the task bar still reaches.
    if (m_trayAvailable())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                HideToTray();
        });
}

} // namespace velmora
