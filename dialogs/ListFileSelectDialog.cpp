#include "dialogs/ListFileSelectDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace velmora {

ListFileSelectDialog::ListFileSelectDialog(const QString& programFolder, QWidget* parent)
    : QDialog(parent)
    , m_folder(programFolder)
    , m_filter(new QLineEdit(QStringLiteral("*.lst"), this))
    , m_files(new QListWidget(this))
{
    setWindowTitle(tr("ファイル選択"));
    m_filter->setObjectName(QStringLiteral("txtSearchSpec"));
    m_files->setObjectName(QStringLiteral("File1"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    auto* filterCaption = new QLabel(tr("ファイル名フィルタ："), this);
    filterCaption->setObjectName(QStringLiteral("lblCriteria"));
    auto* filesCaption = new QLabel(tr("ファイル名："), this);
    filesCaption->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(filterCaption);
    layout->addWidget(m_filter);
    layout->addWidget(filesCaption);
    layout->addWidget(m_files, 1);
    layout->addWidget(buttons);
    resize(320, 320);

    connect(m_filter, &QLineEdit::textChanged, this, &ListFileSelectDialog::setPattern);
    // The name follows the current item, whether a click or the arrow keys moved it; a refilled
    // list (no current item) keeps the last chosen name, as a click's choice is kept.
    connect(m_files, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
        if (current)
            m_selected = current->text();
    });
    connect(m_files, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_selected = item->text(); });
    connect(m_files, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_selected = item->text();
        accept();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_selected.clear();
        reject();
    });
    connect(this, &QDialog::rejected, this, [this] { m_selected.clear(); });
    setPattern(m_filter->text());
    m_filter->installEventFilter(this);
}

bool ListFileSelectDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Every entry into the filter selects its whole text, ready to be typed over. After the event:
    // a click that brings the focus would otherwise put the cursor where it landed.
    if (watched == m_filter && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_filter, [this] { m_filter->selectAll(); });
    return QDialog::eventFilter(watched, event);
}

void ListFileSelectDialog::setPattern(const QString& pattern)
{
    m_files->clear();
    const QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
    if (patterns.isEmpty())
        return;
    m_files->addItems(
        QDir(m_folder).entryList(patterns, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
}

} // namespace velmora
