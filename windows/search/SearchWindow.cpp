#include "windows/search/SearchWindow.h"

#include "core/NumberText.h"
#include "core/Prompt.h"
#include "ui/ListBox.h"
#include "ui/ListControls.h"
#include "windows/CurrentList.h"
#include "windows/FolderLister.h"
#include "windows/WindowButtons.h"
#include "windows/search/SearchBatcher.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>

namespace velmora {
namespace {

// Folders named in the message about unreadable folders; the rest are counted.
constexpr int NamedUnreadable = 5;

QString Reason(int error)
{
    switch (error) {
    case ENOENT: return SearchWindow::tr("見つかりません");
    case EACCES:
    case EPERM: return SearchWindow::tr("アクセスが拒否されました");
    case ENOTDIR: return SearchWindow::tr("フォルダではありません");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace

QString UnreadableFoldersText(const QList<UnreadableFolder>& folders)
{
    QString text = SearchWindow::tr("%n 個のフォルダを読み取れなかったため、検索から除きました。", nullptr,
                                    int(folders.size()));
    for (qsizetype i = 0; i < folders.size() && i < NamedUnreadable; ++i)
        text += QStringLiteral("\n%1 (%2)").arg(folders[i].path, Reason(folders[i].error));
    if (folders.size() > NamedUnreadable)
        text += u'\n' + SearchWindow::tr("ほか %n 個", nullptr, int(folders.size()) - NamedUnreadable);
    return text;
}

SearchWindow::SearchWindow(const QString& startFolder, CurrentList& list, QWidget* parent, int capacity)
    : QDialog(parent)
    , m_startFolder(startFolder)
    , m_list(list)
    , m_capacity(capacity)
{
    setObjectName(QStringLiteral("frmSearch"));
    if (parent)
        setWindowIcon(parent->windowIcon());

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("picPanelTabFile"));
    m_lblFolderName = new QLabel(panel);
    m_lblFolderName->setObjectName(QStringLiteral("lblFolderName"));
    m_lblFolderName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_cmdSearch = CommandButton(panel, QStringLiteral("cmdSearch"));
    m_cmdSearchStop = CommandButton(panel, QStringLiteral("cmdSearchStop"));
    m_lblfound = new QLabel(panel);
    m_lblfound->setObjectName(QStringLiteral("lblfound"));
    m_lblCount = new QLabel(QStringLiteral("0"), panel);
    m_lblCount->setObjectName(QStringLiteral("lblCount"));
    m_lstFoundFiles = new ListBox(panel);
    m_lstFoundFiles->setObjectName(QStringLiteral("lstFoundFiles"));
    m_lstFoundFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_cmdAllAddFound = PictureButton(panel, QStringLiteral("cmdAllAddFound"), QStringLiteral("addallfound"));
    m_cmdSingleAddFound =
        PictureButton(panel, QStringLiteral("cmdSingleAddFound"), QStringLiteral("addselectedfound"));
    m_cmdNoSelFound = CommandButton(panel, QStringLiteral("cmdNoSelFound"));
    m_cmdOk = CommandButton(panel, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    retranslate();

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_cmdSearch);
    commands->addWidget(m_cmdSearchStop);
    commands->addStretch();
    auto* count = new QHBoxLayout;
    count->addWidget(m_lblfound);
    count->addWidget(m_lblCount);
    count->addStretch();
    auto* adding = new QHBoxLayout;
    adding->addWidget(m_cmdAllAddFound);
    adding->addWidget(m_cmdSingleAddFound);
    adding->addWidget(m_cmdNoSelFound);
    adding->addStretch();
    adding->addWidget(m_cmdOk);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_lblFolderName);
    layout->addLayout(commands);
    layout->addLayout(count);
    layout->addWidget(m_lstFoundFiles, 1);
    layout->addLayout(adding);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    resize(560, 440);

    connect(m_cmdSearch, &QPushButton::clicked, this, &SearchWindow::cmdSearch_Click);
    connect(m_cmdSearchStop, &QPushButton::clicked, this, &SearchWindow::cmdSearchStop_Click);
    connect(m_cmdAllAddFound, &QToolButton::clicked, this, &SearchWindow::cmdAllAddFound_Click);
    connect(m_cmdSingleAddFound, &QToolButton::clicked, this, &SearchWindow::cmdSingleAddFound_Click);
    connect(m_cmdNoSelFound, &QPushButton::clicked, this, &SearchWindow::cmdNoSelFound_Click);
    connect(m_cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_job, &JobBase::finished, this, [this] {
        if (!m_searchActive)
            return; // stopped: the window has already ended the search
        const Outcome<SearchEnd> outcome = m_job.takeOutcome();
        if (outcome.failure)
            searchEnded(SearchEnd::Stopped, outcome.failure->text());
        else
            searchEnded(outcome.value.value_or(SearchEnd::Stopped));
    });
}

// Closing the window while a search runs drops the job, which stops the walk.
SearchWindow::~SearchWindow() = default;

void SearchWindow::retranslate()
{
    setWindowTitle(tr("サブフォルダ一括検索"));
    m_lblFolderName->setText(tr("検索対象フォルダ：") + FolderText(m_startFolder));
    m_cmdSearch->setText(tr("検索実行"));
    m_cmdSearch->setToolTip(tr("対象フォルダ配下の全画像ファイルを検索"));
    m_cmdSearchStop->setText(tr("検索中断"));
    m_cmdSearchStop->setToolTip(tr("ファイルを検索処理を中断"));
    m_lblfound->setText(tr("検索されたファイル："));
    m_cmdAllAddFound->setToolTip(tr("検索結果の全てのファイルをリストに追加"));
    m_cmdSingleAddFound->setToolTip(tr("検索結果のファイルで選択中のものをリストへ追加"));
    m_cmdNoSelFound->setText(tr("選択解除"));
    m_cmdNoSelFound->setToolTip(tr("検索結果のファイル選択状態を解除"));
}

void SearchWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void SearchWindow::setListButtonsEnabled(bool enabled)
{
    m_cmdNoSelFound->setEnabled(enabled);
    m_cmdSingleAddFound->setEnabled(enabled);
    m_cmdAllAddFound->setEnabled(enabled);
}

void SearchWindow::cmdSearch_Click()
{
    // One search an opening, and never a second one inside the first.
    if (m_searchActive || m_searched)
        return;
    m_lstFoundFiles->clear();
    m_lblCount->setText(QStringLiteral("0"));
    m_unreadable.clear();
    setCursor(Qt::BusyCursor);
    setListButtonsEnabled(false);
    m_cmdSearch->setEnabled(false);
    m_searchActive = true;

    const QString start = m_startFolder;
    const int capacity = m_capacity;
    m_job.start([this, start, capacity](JobControl& control) {
        SearchBatcher batcher([this, &control](SearchBatch batch) {
            control.post([this, batch = std::move(batch)] { receive(batch); });
        });
        FolderSearch search({[&control, &batcher] {
                                 batcher.flushWhenDue();
                                 return control.isCanceled();
                             },
                             [&batcher](const QStringList& finds) { batcher.addFinds(finds); },
                             [&batcher](const UnreadableFolder& folder) { batcher.addUnreadable(folder); }},
                            capacity);
        const SearchEnd end = search.SearchFolder(start);
        // Posted before the job ends, so the window has every batch when it hears of the end.
        batcher.flush();
        return end;
    });
}

void SearchWindow::receive(const SearchBatch& batch)
{
    if (!m_searchActive)
        return; // after a stop: the finds shown at the stop are the result
    m_lstFoundFiles->addEntries(batch.finds);
    m_unreadable.append(batch.unreadable);
    if (m_lstFoundFiles->count() > 0)
        m_lblCount->setText(NumberField(m_lstFoundFiles->count()));
}

void SearchWindow::cmdSearchStop_Click()
{
    if (!m_searchActive)
        return;
    // The window ends the search now; the worker follows at its next check and is not waited for.
    m_job.cancel();
    searchEnded(SearchEnd::Stopped);
}

void SearchWindow::searchEnded(SearchEnd end, const QString& failure)
{
    m_searchActive = false;
    m_searched = true;
    unsetCursor();
    if (end == SearchEnd::Full)
        ShowNotice(tr("ﾘｽﾄ ﾎﾞｯｸｽがいっぱいになりました。検索を中止します。"));
    if (!failure.isEmpty())
        ShowWarning(failure);
    if (!m_unreadable.isEmpty())
        ShowWarning(UnreadableFoldersText(m_unreadable));
    ShowInformation(tr("検索完了!"));
    setListButtonsEnabled(true);
    m_cmdSearch->setEnabled(false);
    FitListScrollWidth(*m_lstFoundFiles);
    Q_EMIT searchFinished();
}

void SearchWindow::cmdAllAddFound_Click()
{
    m_list.insertEntries(m_lstFoundFiles->entries());
}

void SearchWindow::cmdSingleAddFound_Click()
{
    QStringList paths;
    for (const int row : m_lstFoundFiles->selectedRows())
        paths.append(m_lstFoundFiles->text(row));
    m_list.insertEntries(paths);
}

void SearchWindow::cmdNoSelFound_Click()
{
    m_lstFoundFiles->clearSelection();
}

} // namespace velmora
