#include "mainwindow/FileSelectTabs.h"

#include "mainwindow/layout/LayoutRules.h"

#include <QTabBar>

#include <algorithm>
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
    const int list = m_tabFileSelect->addTab(QStringLiteral("File List"));
    m_tabFileSelect->setTabData(list, QStringLiteral("FileList"));
    retranslate();

    // Laid out by hand in resizeEvent: a short panel keeps its pages' heights.
    m_tabFileSelect->setParent(this);
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QWidget(this);
        m_panels[i]->setObjectName(QStringLiteral("picPanelTabFileSelect%1").arg(i));
        auto* pageLayout = new QVBoxLayout(m_panels[i]);
        pageLayout->setContentsMargins(2, 0, 2, 2);
    }
    connect(m_tabFileSelect, &QTabBar::tabBarClicked, this, [this](int index) {
        m_tabFileSelect->setCurrentIndex(index);
        tabFileSelect_Click();
    });
    tabFileSelect_Click();
}

void FileSelectTabs::retranslate()
{
    m_tabFileSelect->setTabToolTip(0, tr("ディスク上のフォルダよりファイルを選択"));
    m_tabFileSelect->setTabToolTip(1, tr("ファイルリストよりファイルを選択"));
}

QSize FileSelectTabs::sizeHint() const
{
    QSize hint = m_panels[0]->sizeHint().expandedTo(m_panels[1]->sizeHint());
    hint.rheight() += m_tabFileSelect->sizeHint().height() + PixelsFromTwips(PageInset);
    return hint;
}

QSize FileSelectTabs::minimumSizeHint() const
{
    return {m_tabFileSelect->minimumSizeHint().width(), 0};
}

void FileSelectTabs::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const Long panelHeight = TwipsFromPixels(height());
    const int tabs = m_tabFileSelect->sizeHint().height();
    m_tabFileSelect->setGeometry(0, 0, width(), tabs);
    const int top = tabs + PixelsFromTwips(PageInset);
    const int previous = m_placed ? m_panels[0]->height() : 0;
    const int pageHeight = PropagatedHeight(panelHeight, std::max(0, height() - top), previous);
    for (QWidget* panel : m_panels)
        panel->setGeometry(0, top, width(), pageHeight);
    m_placed = true;
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
