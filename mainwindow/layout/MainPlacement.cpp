#include "mainwindow/layout/MainPlacement.h"

#include "core/Settings.h"
#include "mainwindow/layout/LayoutRules.h"
#include "mainwindow/layout/MainLayout.h"
#include "ui/FramePlacement.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>
#include <QWidget>

#include <algorithm>

namespace velmora {

MainPlacement::MainPlacement(QWidget& window, Settings& settings, MainLayout& layout)
    : m_window(window)
    , m_settings(settings)
    , m_layout(layout)
{}

void MainPlacement::iniDataRead()
{
    // MainLeft and MainTop are the frame's corner, title bar included; the size is the client
    // area's (the frame's own size is not known before the window manager has framed it).
    const QRect stored(PixelsFromTwips(m_settings.MainLeft), PixelsFromTwips(m_settings.MainTop),
                       PixelsFromTwips(m_settings.MainWidth), PixelsFromTwips(m_settings.MainHeight));
    placeFrame(FrameOnScreens(stored, AvailableScreenAreas()));
    m_layout.restore(m_settings.SplitterMain, m_settings.SizeBarLeft);
}

void MainPlacement::settle()
{
    if (!m_frame.isNull())
        placeFrame(m_frame);
}

void MainPlacement::placeFrame(const QRect& frame)
{
    m_frame = frame;
    // A size below what the content needs would be corrected after the show, and that correction
    // would place the client area, not the frame, at the corner: correct it now.
    if (QLayout* layout = m_window.layout())
        layout->activate();
    m_window.resize(frame.size().expandedTo(m_window.minimumSizeHint()).expandedTo(m_window.minimumSize()));
    m_window.move(frame.topLeft());
}

void MainPlacement::iniDataWrite()
{
    if (m_window.isMinimized())
        return;
    const QPoint corner = m_window.pos();
    m_settings.MainTop = TwipsFromPixels(corner.y());
    m_settings.MainLeft = TwipsFromPixels(corner.x());
    m_settings.MainWidth = TwipsFromPixels(m_window.width());
    m_settings.MainHeight = TwipsFromPixels(m_window.height());
    m_settings.SplitterMain = m_layout.SplitterMain();
    m_settings.SizeBarLeft = m_layout.SizeBarLeft();
}

void MainPlacement::fitFirstStart(const QTreeView& details, int barWidth)
{
    int columns = 0;
    for (int column = 0; column < details.header()->count(); ++column)
        if (!details.isColumnHidden(column))
            columns += details.columnWidth(column);
    FirstStartNeeds needs;
    needs.defaultWidth = m_window.width();
    needs.defaultHeight = m_window.height();
    needs.treeWidth = PixelsFromTwips(m_settings.SizeBarLeft);
    needs.fileViewWidth =
        columns + 2 * details.frameWidth() + details.verticalScrollBar()->sizeHint().width();
    needs.barWidth = barWidth;
    needs.pagePadding = 4;
    needs.minRightWidth = PixelsFromTwips(MinRightPanelWidth);
    const QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    const QRect available =
        screen ? screen->availableGeometry() : QRect(0, 0, m_window.width(), m_window.height());
    needs.availableWidth = available.width();
    needs.availableHeight = available.height();
    const FirstStartSize size = FitFirstStart(needs);
    // Kept as if read from the settings, so that an exit while minimised stores them too.
    m_settings.MainWidth = TwipsFromPixels(size.width);
    m_settings.MainHeight = TwipsFromPixels(size.height);
    m_settings.SplitterMain = TwipsFromPixels(size.splitterMain);
    // Centred, so that a window nearly as wide as the screen is not pushed off its edge.
    const QPoint centred(available.left() + std::max(0, (available.width() - size.width) / 2),
                         available.top() + std::max(0, (available.height() - size.height) / 2));
    m_settings.MainLeft = TwipsFromPixels(centred.x());
    m_settings.MainTop = TwipsFromPixels(centred.y());
    placeFrame(QRect(centred, QSize(size.width, size.height)));
    m_layout.restore(m_settings.SplitterMain, m_settings.SizeBarLeft);
}

} // namespace velmora
