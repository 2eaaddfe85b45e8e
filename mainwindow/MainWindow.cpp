#include "mainwindow/MainWindow.h"

#include "core/AddedSettings.h"
#include "core/BadSettingsFile.h"
#include "core/FileKinds.h"
#include "core/Language.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/SettingsStore.h"
#include "core/ShuffleFile.h"
#include "core/Steps.h"
#include "dialogs/OptionWindow.h"
#include "engine/TextSettings.h"
#include "mainwindow/CommandRouter.h"
#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/LanguageMenu.h"
#include "mainwindow/MainLoadHandler.h"
#include "mainwindow/MainLoading.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainStatus.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/MainTray.h"
#include "mainwindow/PreviewPanel.h"
#include "mainwindow/change/WallpaperService.h"
#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FileViewItems.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/layout/DragSplitter.h"
#include "mainwindow/layout/MainLayout.h"
#include "mainwindow/layout/MainPlacement.h"
#include "mainwindow/layout/PanelHolder.h"
#include "mainwindow/lists/CurrentListEntries.h"
#include "mainwindow/lists/ListPage.h"
#include "platform/ProgramFolder.h"
#include "platform/SleepWatch.h"
#include "platform/wallpaper/WallpaperBackendLoader.h"
#include "ui/MapWatch.h"
#include "ui/ProgramArtwork.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
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
    auto* tools = menuBar()->findChild<QMenu*>(QStringLiteral("mnuTool"));
    m_languageMenu = new LanguageMenu(*tools, tools->findChild<QAction*>(QStringLiteral("mnuSep4")));
    m_tray = new MainTray(windowIcon(), this);
    m_commands = new CommandRouter(this);
    QStringList documentFolders{m_programFolder};
    documentFolders << platform::DocumentationFolders();
    m_help = std::make_unique<HelpCommands>(documentFolders);

    m_folderItems = std::make_unique<FileViewItems>(*m_folderPage->lvwFileName(),
                                                    [page = m_folderPage] { return page->loadingFiles(); });
    m_changer =
        std::make_unique<WallpaperChanger>(m_settings, *m_folderItems, m_listPage->entries(), *m_wallpaper);
    m_changer->setShuffleFile(m_programFolder + QString::fromUtf16(ShuffleFileName));
    m_changer->setScheduleMoved([this] {
        // A run that is killed keeps its rhythm too; the other settings wait for the exit as ever.
        if (!m_status->keepSettingsFile())
            StoreAddedSettings(m_settings, m_programFolder + QString::fromUtf16(SettingsFileName));
    });
    m_editing = std::make_unique<ListEditing>(m_listPage->entries(), *m_changer);
    m_currentList = std::make_unique<CurrentListEntries>(m_listPage->entries(), *m_editing);
    m_placement = std::make_unique<MainPlacement>(*this, m_settings, *m_layout);
    m_fileCommands = std::make_unique<FileCommands>(*this, *m_editing);
    m_viewCommands = std::make_unique<ViewCommands>(*this, m_settings, *m_editing);
    m_toolCommands = std::make_unique<ToolCommands>(*this, m_settings, *m_editing, *m_currentList);
    m_trayCommands = std::make_unique<TrayCommands>(*this, *m_tray);
    m_timer.setInterval(1000);
    m_mapWatch = new MapWatch(*this);
    m_status = std::make_unique<MainStatus>(*this, *m_toolbar->pbGeneral(), *m_wallpaper);
    wireCommands();
    connectParts();
}

MainWindow::~MainWindow()
{
    // The preview follows the engine's image: it must go before the engine state it watches.
    delete m_mainSplitter;
}

// Every control offering a command is bound to it; each menu's part gives its commands their handlers.
void MainWindow::wireCommands()
{
    for (int index = 0; index < MainCommandCount; ++index) {
        const auto command = static_cast<MainCommand>(index);
        if (QAction* item = m_menus->action(command))
            m_commands->bind(command, item);
    }
    for (const ToolbarButton& button : ToolbarButtons())
        if (button.command)
            m_commands->bind(*button.command, m_toolbar->button(QString::fromUtf16(button.key)));
    m_fileCommands->wire(*m_commands);
    m_viewCommands->wire(*m_commands);
    m_toolCommands->wire(*m_commands);
    m_help->wire(*m_commands, *this);
    m_trayCommands->wire(*m_commands);
}

void MainWindow::execModal(QDialog& dialog)
{
    runModal(dialog, [&dialog] { dialog.exec(); });
}

void MainWindow::runModal(QWidget& box, const std::function<void()>& run)
{
    m_activeDialog = &box;
    run();
    m_activeDialog = this;
}

void MainWindow::connectParts()
{
    connect(m_languageMenu, &LanguageMenu::chosen, this, &MainWindow::setLanguage);
    connect(&m_store, &SettingsStore::changed, this, [this] {
        // A language chosen in the options is kept at once, as one chosen in the menu is.
        if (m_languageMenu->current() != m_settings.Language)
            keepLanguage();
        m_languageMenu->setCurrent(m_settings.Language);
    });
    m_listPage->entries().setSelectionHandler([this] { m_changer->ListSelectionChanged(); });
    connect(m_listPage, &ListPage::entryActivated, this, [this] { m_changer->ListSelectionChanged(); });
    connect(m_folderPage->lvwFileName(), &FileNameListView::ItemClick, this,
            [this](int row) { m_changer->FileItemClicked(row + 1); });
    connect(&m_timer, &QTimer::timeout, this, [this] { m_changer->Tick(); });
    connect(m_wallpaper.get(), &WallpaperService::changeFinished, this, [this] { m_changer->ChangeEnded(); });
    connect(m_preview, &PreviewPanel::clicked, this, [this] { m_changer->PreviewClicked(); });
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
            m_status->keepBadSettingsFile(settingsPath);
    });
    steps([&] { iniDataRead(); });
    steps([&] { m_languageMenu->setCurrent(m_settings.Language); });
    steps([&] { m_wallpaper->ReadTileWallpaper(); });
    steps([&] { lstFileRead(); });
    steps([&] { BuildFileKindTable(); });
    steps([&] { ApplyStartupState(); });
    steps([&] {
        if (!m_singleChange)
            watchSleep();
    });
    steps([&] { MainLoading = false; });
    steps([&] { FileNameLoad(); });
    steps([&] { RestoreSelection(); });
    // The folder's part waits for the folder to be read.
    steps([&] { m_folderPage->whenFilesLoaded([this] { m_changer->RestoreFolderSelection(); }); });
    steps([&] {
        if (firstStart)
            m_placement->fitFirstStart(*m_folderPage->lvwFileName()->detailsView(),
                                       m_mainSplitter->handleWidth());
    });
    steps([&] { m_placement->settle(); });
    steps([&] {
        if (m_settings.MinBoot)
            setWindowState(windowState() | Qt::WindowMinimized);
    });
}

void MainWindow::lstFileRead()
{
    m_listPage->lstFileRead();
}

void MainWindow::FileNameLoad()
{
    m_folderPage->FileNameLoad();
}

void MainWindow::whenFilesLoaded(std::function<void()> call)
{
    m_folderPage->whenFilesLoaded(std::move(call));
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

void MainWindow::watchSleep()
{
    // The clock check of every tick sees a wake too, but only once the tick's own timer runs again.
    auto* watch = new platform::SleepWatch(this);
    connect(watch, &platform::SleepWatch::woke, this, [this] {
        if (m_timer.isActive())
            m_changer->CheckSchedule();
    });
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    // Settings changed elsewhere (the options window) reach the controls at the next paint.
    m_viewCommands->queueSync();
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

void MainWindow::setSingleChange()
{
    m_singleChange = true;
    m_wallpaper->setSingleChange(true);
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

void MainWindow::mnuFileExit_Click()
{
    if (m_exited)
        return;
    m_exited = true;
    m_timer.stop();
    m_trayCommands->stopWatch();
    // The thumbnail window goes first, so that its place reaches the settings file.
    m_viewCommands->closeThumbnails();
    m_wallpaper->cancel();
    iniDataWrite();
    const QString path = m_programFolder + QString::fromUtf16(SettingsFileName);
    if (m_status->keepSettingsFile()) {
        // The status bar said so since the start: the file read only in part, and no copy of it exists.
        qWarning("%s", qUtf8Printable(BadSettingsNotice(BadSettingsCopy::Failed)));
    } else if (!WriteSettingsFile(m_settings, path)) {
        // The previous file is still whole; the user should know this run's changes are not in it.
        const QString text = tr("設定ファイルを保存できませんでした。\n%1").arg(path);
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
    m_trayCommands->stopWatch();
    m_mapWatch->start();
}

// Kept at once, as the schedule is: the choice should not wait for a clean exit.
void MainWindow::keepLanguage()
{
    if (!m_status->keepSettingsFile())
        StoreAddedSettings(m_settings, m_programFolder + QString::fromUtf16(SettingsFileName));
}

void MainWindow::setLanguage(const QString& setting)
{
    m_settings.Language = setting;
    keepLanguage();
    InstallLanguage(ResolveLanguage(setting));
}

void MainWindow::retranslate()
{
    m_menus->retranslate();
    m_languageMenu->retranslate();
    m_toolbar->retranslate();
    m_tabs->retranslate();
    m_folderPage->retranslate();
    m_listPage->retranslate();
    m_preview->retranslate();
    m_tray->retranslate();
    m_status->retranslate();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        m_trayCommands->minimised();
}

} // namespace velmora
