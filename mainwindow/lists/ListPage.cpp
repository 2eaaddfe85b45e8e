#include "mainwindow/lists/ListPage.h"

#include "core/ListFiles.h"
#include "core/PathRoutines.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/ShellRoutines.h"
#include "core/Steps.h"
#include "mainwindow/lists/ListCatalog.h"
#include "ui/ListControls.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace velmora {
namespace {

// Its tip and caption come from retranslate().
QToolButton* makeButton(QWidget* parent, QStyle::StandardPixmap icon, bool captioned = false)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    if (captioned)
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

// The busy pointer for the life of a scope.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

// The local files of dragged data; web links and other addresses are no files to list.
QStringList LocalFiles(const QMimeData* data)
{
    QStringList paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

} // namespace

ListPage::ListPage(Settings& settings, QString programFolder, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_programFolder(AddPathSep(programFolder))
    , m_catalogue(new QComboBox(this))
    , m_list(new ListBox(this))
    , m_entries(*m_list)
{
    auto* buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("picPanelListCmd"));
    auto* bar = new QHBoxLayout(buttons);
    bar->setContentsMargins(0, 0, 0, 0);
    m_autoPilot = makeButton(buttons, QStyle::SP_BrowserReload, true);
    m_down = makeButton(buttons, QStyle::SP_ArrowDown);
    m_up = makeButton(buttons, QStyle::SP_ArrowUp);
    m_clear = makeButton(buttons, QStyle::SP_DialogResetButton);
    m_del = makeButton(buttons, QStyle::SP_DialogDiscardButton);
    m_save = makeButton(buttons, QStyle::SP_DialogSaveButton);
    bar->addWidget(m_autoPilot);
    bar->addStretch();
    for (QToolButton* button : {m_down, m_up, m_clear, m_del, m_save})
        bar->addWidget(button);

    m_catalogue->setObjectName(QStringLiteral("cboFileName"));
    m_catalogue->setEditable(false);
    m_list->setObjectName(QStringLiteral("lstFileList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAcceptDrops(true);
    m_list->viewport()->setAcceptDrops(true);
    m_list->setDragDropMode(QAbstractItemView::DropOnly);
    m_list->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(buttons);
    layout->addWidget(m_catalogue);
    layout->addWidget(m_list, 1);

    connect(m_catalogue, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            openCatalogueEntry(index);
    });
    connect(m_list, &ListBox::currentRowChanged, this, [this] { Q_EMIT entryActivated(); });
    // A click on the entry that is already selected chooses it again.
    connect(m_list, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        const int row = index.row();
        if (row == m_list->currentRow() && m_list->isRowSelected(row))
            QMetaObject::invokeMethod(
                this,
                [this, row] {
                    if (m_list->currentRow() == row)
                        Q_EMIT entryActivated();
                },
                Qt::QueuedConnection);
    });
    connect(m_save, &QToolButton::clicked, this, &ListPage::cmdSave_Click);
    retranslate();
}

void ListPage::retranslate()
{
    m_autoPilot->setToolTip(tr("自動巡回ウィンドウを表示"));
    m_autoPilot->setText(tr("自動巡回"));
    m_down->setToolTip(tr("下へ移動"));
    m_up->setToolTip(tr("上へ移動"));
    m_clear->setToolTip(tr("リストをクリア"));
    m_del->setToolTip(tr("行削除"));
    m_save->setToolTip(tr("リストを上書き保存"));
    m_catalogue->setToolTip(tr("ファイルリスト切替"));
}

QString ListPage::listPath(const QString& name) const
{
    return m_programFolder + name;
}

QStringList ListPage::catalogueNames() const
{
    QStringList names;
    for (int i = 0; i < m_catalogue->count(); ++i)
        names << m_catalogue->itemText(i);
    return names;
}

void ListPage::lstFileRead()
{
    BusyCursor busy;
    const QString path = m_programFolder + QString::fromUtf16(CatalogFileName);
    Steps steps;
    steps([&] { EnsureCatalogue(m_programFolder); });
    m_catalogPath = path;
    {
        const QSignalBlocker blocker(m_catalogue);
        ComboLoad(path, *m_catalogue);
        m_catalogue->setCurrentIndex(-1);
    }
    // Every entry equal to the current list's name is selected in turn; with duplicates the last wins.
    int match = -1;
    for (int i = 0; i < m_catalogue->count(); ++i)
        if (m_catalogue->itemText(i) == m_settings.ListFileName)
            match = i;
    if (match >= 0)
        selectCatalogueEntry(match);
}

void ListPage::selectCatalogueEntry(int index)
{
    if (m_catalogue->currentIndex() == index)
        openCatalogueEntry(index);
    else
        m_catalogue->setCurrentIndex(index);
}

void ListPage::openCatalogueEntry(int index)
{
    if (OpenListFile(m_catalogue->itemText(index)))
        return;
    int held = -1;
    for (int i = 0; m_openName && i < m_catalogue->count(); ++i)
        if (m_catalogue->itemText(i) == *m_openName)
            held = i;
    const QSignalBlocker blocker(m_catalogue);
    m_catalogue->setCurrentIndex(held);
}

bool ListPage::OpenListFile(const QString& name)
{
    bool opened = false;
    Steps steps;
    steps([&] {
        const QSignalBlocker blocker(m_list);
        opened = ListBoxLoad(listPath(name), *m_list) == 0;
        if (opened) {
            m_settings.ListFileName = name;
            m_openName = name;
        }
    })([&] { FitListScrollWidth(*m_list); });
    return opened;
}

int ListPage::SaveListFile(const QString& name)
{
    int status = 99;
    Steps steps;
    steps([&] { status = ListBoxSave(listPath(name), *m_list) == 0 ? 0 : 99; });
    return status;
}

void ListPage::cmdSave_Click()
{
    const int index = m_catalogue->currentIndex();
    if (index < 0) {
        // No list is open: there is no file to save the entries under.
        ShowWarning(tr("保存先のファイルリストが選択されていません。"));
        return;
    }
    int status = 99;
    {
        BusyCursor busy;
        status = SaveListFile(m_catalogue->itemText(index));
    }
    if (status == 0)
        ShowNotice(tr("保存しました"));
}

bool ListPage::writeCatalogue()
{
    return ComboSave(m_catalogPath, *m_catalogue) == 0;
}

void ListPage::NewListFile()
{
    const std::optional<QString> typed =
        AskText(tr("作成するファイル名を入力して下さい"), tr("ファイル名入力"));
    if (!typed || typed->isEmpty())
        return;
    const QString name = NewListName(*typed);
    if (CatalogContains(catalogueNames(), name)) {
        ShowWarning(tr("すでに存在するファイル名です"));
        return;
    }
    // A list released from the catalogue stays on disk: an empty one written in its place would
    // lose its entries, so the user may take the file back instead.
    if (QFileInfo(listPath(name)).isFile()) {
        if (AskYesNo(
                tr("%1 はすでに存在します。\nこのファイルをファイルリストに追加して開きますか?").arg(name)))
            catalogueAndOpen(name);
        return;
    }
    // The empty file is made before the list box is touched: when it cannot be, the open list stays
    // in the box under its own name, unsaved edits included, and a save still goes to it.
    if (CreateEmptyListFile(listPath(name)) != 0)
        return;
    catalogueAndOpen(name);
}

void ListPage::catalogueAndOpen(const QString& name)
{
    const int previous = m_catalogue->currentIndex();
    const QString previousName = m_settings.ListFileName;
    {
        const QSignalBlocker blocker(m_catalogue);
        m_catalogue->addItem(name);
        m_catalogue->setCurrentIndex(m_catalogue->count() - 1);
    }
    const auto newEntry = [&] {
        return m_catalogue->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    };
    if (OpenListFile(name) && writeCatalogue())
        return;
    // The list could not be read, or the catalogue does not name it: leave it, back to the list open
    // before, read again so that the drop-down and the list box show the same list.
    {
        const QSignalBlocker blocker(m_catalogue);
        m_catalogue->removeItem(newEntry());
        m_catalogue->setCurrentIndex(-1);
    }
    if (previous >= 0) {
        selectCatalogueEntry(previous);
    } else {
        m_entries.clear();
        m_openName.reset();
        m_settings.ListFileName = previousName;
    }
}

void ListPage::AddListFile(const QString& chosenName)
{
    if (chosenName.isEmpty())
        return;
    if (CatalogContains(catalogueNames(), chosenName)) {
        ShowWarning(tr("すでに存在するファイル名です"));
        return;
    }
    const QSignalBlocker blocker(m_catalogue);
    m_catalogue->addItem(chosenName);
    writeCatalogue();
}

bool ListPage::guardLastEntry()
{
    if (m_catalogue->count() > 1)
        return true;
    ShowWarning(tr("全てのファイルを解放することはできません。"));
    return false;
}

void ListPage::mnuFileRelease_Click()
{
    if (!guardLastEntry() || m_catalogue->currentIndex() < 0)
        return;
    {
        const QSignalBlocker blocker(m_catalogue);
        m_catalogue->removeItem(m_catalogue->currentIndex());
        m_catalogue->setCurrentIndex(-1);
    }
    selectCatalogueEntry(0);
    writeCatalogue();
}

void ListPage::mnuFileDelete_Click()
{
    if (!guardLastEntry() || m_catalogue->currentIndex() < 0)
        return;
    // The entry leaves the catalogue whatever the deletion reported, also when the user declined.
    ShellDelete(listPath(m_catalogue->currentText()), true);
    {
        const QSignalBlocker blocker(m_catalogue);
        m_catalogue->removeItem(m_catalogue->currentIndex());
        m_catalogue->setCurrentIndex(-1);
    }
    selectCatalogueEntry(0);
    writeCatalogue();
}

bool ListPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        // Only files from a file manager can be dropped, and only as a copy.
        if (!LocalFiles(drag->mimeData()).isEmpty()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = LocalFiles(drop->mimeData());
        if (!paths.isEmpty()) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            Q_EMIT filesDropped(paths);
        } else {
            drop->ignore();
        }
        return true;
    }
    default: return QWidget::eventFilter(watched, event);
    }
}

} // namespace velmora
