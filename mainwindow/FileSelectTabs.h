#pragma once
// tabFileSelect: the tab strip of the left panel ("Folder", "File List") and the two pages
// picPanelTabFileSelect 0 and 1 in one place; exactly the page of the selected tab is visible.
#include "core/Settings.h"

#include <QWidget>

#include <array>

class QTabBar;

namespace velmora {

class FileSelectTabs : public QWidget {
    Q_OBJECT
public:
    explicit FileSelectTabs(Settings& settings, QWidget* parent = nullptr);

    QTabBar* tabFileSelect() const { return m_tabFileSelect; }
    // The page holder of element 0 or 1; put the folder page and the list page in them.
    QWidget* picPanelTabFileSelect(int index) const { return m_panels.at(index); }
    // Puts a page into the holder of element index.
    void setPage(int index, QWidget* page);

    // Selects tab number listMode (1 folder page, 2 list page) as a click would.
    void SelectTab(int listMode);
    // Shows the page of the selected tab, hides the other one and stores ListMode.
    void tabFileSelect_Click();

    // The key of a tab ("Folder", "FileList").
    QString tabKey(int index) const;

    // Sets the tabs' tips again in the current language; their captions are the same in every one.
    void retranslate();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // The left-panel resize: the tab strip along the top, the pages below it by the page inset,
    // their height passed on only while the panel is tall enough.
    void resizeEvent(QResizeEvent* event) override;

private:
    Settings& m_settings;
    QTabBar* m_tabFileSelect;
    std::array<QWidget*, 2> m_panels{};
    bool m_placed = false;
};

} // namespace velmora
