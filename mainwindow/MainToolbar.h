#pragma once
// tlbCommon: the main window's toolbar. Eight picture buttons keyed "btnExit" ... "btnThumbnail"
// with their tips, the four view buttons as one group of which one is pressed, and the place
// "phPbGeneral" that holds the progress bar pbGeneral.
#include "mainwindow/MainCommands.h"

#include <QToolBar>

#include <optional>
#include <span>

class QActionGroup;
class QProgressBar;

namespace velmora {

struct ToolbarButton {
    const char16_t* key;
    const char* tip;                 // nullptr: none; shown through the "MainToolbar" context
    std::optional<MainCommand> command;
    const char* picture;             // nullptr: the progress bar's place
};

// The buttons in their order on the toolbar.
std::span<const ToolbarButton> ToolbarButtons();

// The command of a button key, looked up in toolbar order; none for "phPbGeneral" or an unknown key.
std::optional<MainCommand> ToolbarCommand(const QString& key);

class MainToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolbar(QWidget* parent = nullptr);

    // The action of a button by key; null for an unknown key.
    QAction* button(const QString& key) const;
    QProgressBar* pbGeneral() const { return m_pbGeneral; }
    // Presses view button mode + 4 (counted from 1): 0 large icons ... 3 details.
    void pressViewButton(int mode);
    // The pressed view button's mode, -1 when none is.
    int pressedViewButton() const;

    // Sets the title, the captions and the tips again in the current language.
    void retranslate();

private:
    QActionGroup* m_views;
    QProgressBar* m_pbGeneral;
};

} // namespace velmora
