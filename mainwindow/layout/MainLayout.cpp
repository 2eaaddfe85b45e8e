#include "mainwindow/layout/MainLayout.h"

#include "mainwindow/layout/DragSplitter.h"
#include "mainwindow/layout/LayoutRules.h"

#include <QWidget>

namespace velmora {

MainLayout::MainLayout(QWidget& window, DragSplitter& main, DragSplitter& folder, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_main(main)
    , m_folder(folder)
{
    // The panes' own minimums stop the window from being made narrower than the limits allow.
    if (main.count() == 2) {
        main.widget(0)->setMinimumWidth(PixelsFromTwips(MinLeftPanelWidth));
        main.widget(1)->setMinimumWidth(PixelsFromTwips(MinRightPanelWidth));
    }
    if (folder.count() == 2) {
        folder.widget(0)->setMinimumWidth(PixelsFromTwips(MinTreeWidth));
        folder.widget(1)->setMinimumWidth(PixelsFromTwips(MinFileViewWidth));
    }
    main.setStretchFactor(1, 1);
    folder.setStretchFactor(1, 1);

    m_main.setDragRule([this](int pointer) {
        return PixelsFromTwips(MainSplitterDragLeft(TwipsFromPixels(pointer), TwipsFromPixels(m_main.width()),
                                                    TwipsFromPixels(m_main.handleWidth())));
    });
    m_folder.setDragRule([this](int pointer) {
        return PixelsFromTwips(FolderSplitterDragLeft(TwipsFromPixels(pointer), TwipsFromPixels(m_folder.width())));
    });
    connect(&m_main, &DragSplitter::resized, this, &MainLayout::ArrangeMainWindow);
    connect(&m_main, &DragSplitter::dragReleased, this, [this](int left) {
        m_mainBar = TwipsFromPixels(left);
        ArrangeMainWindow();
    });
    connect(&m_folder, &DragSplitter::resized, this, &MainLayout::ResizeFolderPage);
    connect(&m_folder, &DragSplitter::dragReleased, this, [this](int left) {
        m_folderBar = TwipsFromPixels(left);
        ResizeFolderPage();
    });
}

void MainLayout::restore(Long splitterMain, Long sizeBarLeft)
{
    m_mainBar = splitterMain;
    m_folderBar = sizeBarLeft;
    ArrangeMainWindow();
    ResizeFolderPage();
}

void MainLayout::ArrangeMainWindow()
{
    // Until the window is shown its panes have no real size yet; the places wait for it.
    if (m_window.isMinimized() || !m_main.isVisible() || m_main.count() < 2)
        return;
    const MainSplit split = ArrangeMainSplit(TwipsFromPixels(m_main.width()), m_mainBar,
                                             TwipsFromPixels(m_main.handleWidth()));
    m_mainBar = split.left;
    m_main.placeBar(PixelsFromTwips(split.left));
}

void MainLayout::ResizeFolderPage()
{
    if (!m_folder.isVisible() || m_folder.count() < 2)
        return;
    const Long page = TwipsFromPixels(m_folder.width());
    const Long bar = TwipsFromPixels(m_folder.handleWidth());
    const int tree = PixelsFromTwips(m_folderBar);
    const int files = PixelsFromTwips(FileViewWidth(page, m_folderBar, bar));
    m_folder.setSizes({tree, files});
}

} // namespace velmora
