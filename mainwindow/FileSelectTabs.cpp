#include "mainwindow/FileSelectTabs.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace velmora {

FileSelectTabs::FileSelectTabs(Settings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_tabFileSelect(new QTabBar)
{
    setObjectName(QStringLiteral("picPanelFileSelect"));
    m_tabFileSelect->setObjectName(QStringLiteral("tabFileSelect"));
    m_tabFileSelect->setExpanding(false);
    m_tabFileSelect->setDrawBase(true);
    const int folder = m_tabFileSelect->addTab(QStringLiteral("Folder"));
    m_tabFileSelect->setTabData(folder, QStringLiteral("Folder"));
    m_tabFileSelect->setTabToolTip(folder, QStringLiteral("ディスク上のフォルダよりファイルを選択"));
    const int list = m_tabFileSelect->addTab(QStringLiteral("File List"));
    m_tabFileSelect->setTabData(list, QStringLiteral("FileList"));
    m_tabFileSelect->setTabToolTip(list, QStringLiteral("ファイルリストよりファイルを選択"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabFileSelect);
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QWidget;
        m_panels[i]->setObjectName(QStringLiteral("picPanelTabFileSelect%1").arg(i));
        auto* pageLayout = new QVBoxLayout(m_panels[i]);
        pageLayout->setContentsMargins(2, 4, 2, 2);
        layout->addWidget(m_panels[i], 1);
    }
    connect(m_tabFileSelect, &QTabBar::tabBarClicked, this, [this](int index) {
        m_tabFileSelect->setCurrentIndex(index);
        tabFileSelect_Click();
    });
    tabFileSelect_Click();
}

void FileSelectTabs::setPage(int index, QWidget* page)
{
    m_panels.at(index)->layout()->addWidget(page);
}

void FileSelectTabs::SelectTab(int listMode)
{
    if (listMode < 1 || listMode > 2)
        return;
    m_tabFileSelect->setCurrentIndex(listMode - 1);
    tabFileSelect_Click();
}

void FileSelectTabs::tabFileSelect_Click()
{
    const int selected = m_tabFileSelect->currentIndex() + 1;
    for (int i = 0; i < 2; ++i) {
        if (selected == i + 1) {
            m_panels[i]->show();
            m_settings.ListMode = Integer(i + 1);
        } else {
            m_panels[i]->hide();
        }
    }
}

QString FileSelectTabs::tabKey(int index) const
{
    return m_tabFileSelect->tabData(index).toString();
}

} // namespace velmora
