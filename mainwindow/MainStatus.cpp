#include "mainwindow/MainStatus.h"

#include "core/BadSettingsFile.h"
#include "mainwindow/change/WallpaperService.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>

namespace velmora {

MainStatus::MainStatus(QMainWindow& window, QProgressBar& progress, WallpaperService& wallpaper)
    : m_window(window)
{
    QProgressBar* bar = &progress;
    QObject::connect(&wallpaper, &WallpaperService::progressRangeChanged, &window,
                     [bar](int minimum, int maximum) {
                         bar->setRange(minimum, maximum);
                         bar->setVisible(maximum > minimum);
                     });
    QObject::connect(&wallpaper, &WallpaperService::progressValueChanged, bar, &QProgressBar::setValue);
    QObject::connect(&wallpaper, &WallpaperService::changeFinished, bar, &QProgressBar::hide);
    // Rather than a box at every change of the timer, the status bar tells while the desktop fails.
    window.statusBar()->setSizeGripEnabled(false);
    window.statusBar()->hide();
    QObject::connect(&wallpaper, &WallpaperService::desktopProblemChanged, &window,
                     [this](const QString& problem) {
                         if (problem.isEmpty()) {
                             showStatus([this] { return settingsNotice(); });
                             return;
                         }
                         const QString line = problem.section(u'\n', 0, 0);
                         showStatus([line] {
                             return QCoreApplication::translate("MainStatus",
                                                                "デスクトップの壁紙を更新できません: %1")
                                 .arg(line);
                         });
                     });
    QObject::connect(&wallpaper, &WallpaperService::monitorNote, &window,
                     [this](const QString& note) { showStatus([note] { return note; }); });
}

QString MainStatus::settingsNotice() const
{
    return m_badSettings ? BadSettingsNotice(*m_badSettings) : QString();
}

void MainStatus::retranslate()
{
    if (m_status)
        showStatus(m_status);
}

void MainStatus::showStatus(std::function<QString()> status)
{
    m_status = std::move(status);
    const QString text = m_status();
    QStatusBar* bar = m_window.statusBar();
    if (text.isEmpty()) {
        bar->clearMessage();
        bar->hide();
        return;
    }
    bar->showMessage(text);
    bar->show();
}

void MainStatus::keepBadSettingsFile(const QString& path)
{
    const BadSettingsCopy copy = KeepBadSettingsFile(path);
    m_keepSettingsFile = copy == BadSettingsCopy::Failed;
    // The warning box told what stopped the reading; the status bar keeps telling where the rest went.
    m_badSettings = copy;
    showStatus([this] { return settingsNotice(); });
}

} // namespace velmora
