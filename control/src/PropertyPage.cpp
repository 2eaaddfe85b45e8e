#include "branchwise/PropertyPage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace branchwise {

BranchwisePropertyPage::BranchwisePropertyPage(QWidget* parent)
    : QDialog(parent)
    , m_chkQuickMode(new QCheckBox(QStringLiteral("QuickMode")))
    , m_buttons(
          new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply))
{
    setWindowTitle(tr("プロパティ"));
    m_chkQuickMode->setObjectName(QStringLiteral("chkQuickMode"));
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(m_chkQuickMode);
    pageLayout->addStretch();
    auto* tabs = new QTabWidget;
    tabs->addTab(page, tr("全般"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(m_buttons);
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);

    connect(m_chkQuickMode, &QCheckBox::clicked, this, &BranchwisePropertyPage::chkQuickMode_Click);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &BranchwisePropertyPage::ApplyChanges);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_changed)
            ApplyChanges();
        accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void BranchwisePropertyPage::SelectionChanged(const QList<QObject*>& selectedControls)
{
    m_selected.clear();
    for (QObject* control : selectedControls)
        m_selected.append(control);
    if (!m_selected.isEmpty() && m_selected.first())
        m_chkQuickMode->setChecked(m_selected.first()->property("QuickMode").toBool());
    m_changed = false;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
}

void BranchwisePropertyPage::chkQuickMode_Click()
{
    m_changed = true;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void BranchwisePropertyPage::ApplyChanges()
{
    if (!m_selected.isEmpty() && m_selected.first())
        m_selected.first()->setProperty("QuickMode", m_chkQuickMode->isChecked());
    m_changed = false;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
}

} // namespace branchwise
