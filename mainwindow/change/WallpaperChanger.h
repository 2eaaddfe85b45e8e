#pragma once
// Chooses the next wallpaper and when: the one-second timer, clicks on the list, the file view and
// the preview, and restoring the remembered positions at start-up.
#include "core/ChangeSchedule.h"
#include "core/Settings.h"
#include "core/ShuffleRounds.h"
#include "engine/collage/CollageSequence.h"
#include "mainwindow/change/ChangeSources.h"

#include <QStringList>

#include <functional>

namespace velmora {

class WallpaperChanger {
public:
    // random draws uniformly from [0, 1); by default from the program's one generator. clock is the
    // wall clock of ChangeSchedule 1; by default the system's.
    WallpaperChanger(Settings& settings, FolderItems& folder, EntryList& list, WallpaperInstaller& installer,
                     std::function<double()> random = {}, ChangeSchedule::Clock clock = {});

    // Timer1: one call per second while TimerOnMode is 1.
    void Tick();
    // ChangeSchedule 1: a change when the clock says one is due (each tick, and on waking from sleep).
    void CheckSchedule();
    // Where RandomMode 1 keeps its round; without one it lives in memory.
    void setShuffleFile(const QString& file) { m_rounds.setFile(file); }
    // Told whenever NextChangeAt moved, so that it can be written at once.
    void setScheduleMoved(std::function<void()> moved) { m_schedule.moved = std::move(moved); }
    // The next picture of the current source; refused while a change is under way.
    void AutoChange(ChangeOrigin origin = ChangeOrigin::User);
    // The installer finished a change: the next timer change comes a full interval later.
    void ChangeEnded();

    // The list's selection handling: runs for clicks and for every programmatic selection.
    void ListSelectionChanged();
    // A click on item `index` (1-based) of the file view, which the click has selected.
    void FileItemClicked(int index);
    // A click on the preview or the panel around it.
    void PreviewClicked();
    void RestoreSelection();
    // The file view's part of RestoreSelection, for when the folder has been read.
    void RestoreFolderSelection();

    // Selects a list entry without the selection handling installing anything.
    void SelectListEntryQuietly(int index);

    // The source a collage takes its pieces from, as it is now: the file view's items when ListMode
    // is 1, else the list's entries.
    CollageSource CollageSourceNow() const;

    bool changing() const { return m_changing; }

    int TickCount = 0;
    bool SuppressListClick = false;
    QString PendingWallpaper;
    QString LastItemPath;

private:
    bool folderLoading() const;
    int draw(int count);
    // The random choice of RandomMode: a fresh draw, or the next of the shuffled round.
    int randomIndex(int count);
    void selectForChange(int index);
    // Moves the position on to the next picture of the current source; its path, empty when none.
    QString advance();
    void change(const QString& path, const QStringList& following, ChangeOrigin origin);

    Settings& m_settings;
    FolderItems& m_folder;
    EntryList& m_list;
    WallpaperInstaller& m_installer;
    std::function<double()> m_random;
    ChangeSchedule m_schedule;
    ShuffleRounds m_rounds;
    bool m_changing = false;
};

} // namespace velmora
