#pragma once
// ArrangeMainWindow and the folder page's resize: keeps the two bars' places (SplitterMain and
// SizeBarLeft, in twips) and lays the panes out by the layout rules whenever a splitter changes size
// or a drag ends.
#include "core/Settings.h"

#include <QObject>

class QWidget;

namespace velmora {

class DragSplitter;

class MainLayout : public QObject {
    Q_OBJECT
public:
    // window: the main window, left alone while minimised; main: left panel | preview;
    // folder: tree | file view.
    MainLayout(QWidget& window, DragSplitter& main, DragSplitter& folder, QObject* parent = nullptr);

    // The bars' places as stored in the settings; applied at the next layout.
    void restore(Long splitterMain, Long sizeBarLeft);
    Long SplitterMain() const { return m_mainBar; }
    Long SizeBarLeft() const { return m_folderBar; }

    void ArrangeMainWindow();
    // The page resize of the folder page (element 0).
    void ResizeFolderPage();

private:
    QWidget& m_window;
    DragSplitter& m_main;
    DragSplitter& m_folder;
    Long m_mainBar = 0;
    Long m_folderBar = 0;
};

} // namespace velmora
