#include "mainwindow/change/WallpaperChanger.h"

#include "core/RandomSource.h"

#include <algorithm>
#include <cmath>

namespace velmora {

WallpaperChanger::WallpaperChanger(Settings& settings, FolderItems& folder, EntryList& list,
                                   WallpaperInstaller& installer, std::function<double()> random,
                                   ChangeSchedule::Clock clock)
    : m_settings(settings)
    , m_folder(folder)
    , m_list(list)
    , m_installer(installer)
    , m_random(random ? std::move(random) : [] { return ProcessRandom().draw(); })
    , m_schedule(std::move(clock))
    , m_rounds([this] { return m_random(); })
{}

int WallpaperChanger::draw(int count)
{
    // Guard against a draw of exactly 1.0 from an injected source.
    return std::min(count - 1, static_cast<int>(std::floor(m_random() * count)));
}

int WallpaperChanger::randomIndex(int count)
{
    if (m_settings.RandomMode != 1)
        return draw(count);
    ShuffleSource source;
    source.count = count;
    source.folder = m_settings.ListMode == 1;
    if (source.folder) {
        source.name = m_settings.CurrentDirectory;
        source.path = [this](int index) { return m_settings.CurrentDirectory + m_folder.text(index + 1); };
    } else {
        source.name = m_settings.ListFileName;
        source.path = [this](int index) { return m_list.text(index); };
    }
    const int index = m_rounds.Next(source);
    return index >= 0 && index < count ? index : draw(count);
}

bool WallpaperChanger::folderLoading() const
{
    // A due change waits for the folder: the next tick finds it read.
    return m_settings.ListMode == 1 && !m_folder.complete();
}

void WallpaperChanger::Tick()
{
    if (m_settings.ChangeSchedule == 1) {
        CheckSchedule();
        return;
    }
    ++TickCount;
    // A tick that comes while a change is still under way is counted but starts nothing: the
    // running change resets the count when it ends, so the next change comes a full interval after.
    if (m_changing || m_installer.busy() || TickCount < m_settings.ChangeTimer || folderLoading())
        return;
    AutoChange(ChangeOrigin::Timer);
    TickCount = 0;
}

void WallpaperChanger::CheckSchedule()
{
    if (m_settings.ChangeSchedule != 1 || m_changing || m_installer.busy() || folderLoading() ||
        !m_schedule.Due(m_settings))
        return;
    AutoChange(ChangeOrigin::Timer);
    // Moved at once too, so that a source with nothing to show is not tried again every second.
    m_schedule.ChangeMade(m_settings);
}

void WallpaperChanger::ChangeEnded()
{
    TickCount = 0;
    if (m_settings.ChangeSchedule == 1)
        m_schedule.ChangeMade(m_settings);
}

void WallpaperChanger::AutoChange(ChangeOrigin origin)
{
    if (m_changing || m_installer.busy())
        return;
    m_changing = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_changing};

    const QString path = advance();
    if (path.isEmpty())
        return;
    // Monitors that each show a picture of their own take the next ones: the position moves on once
    // per monitor.
    QStringList following;
    for (int monitor = 1; monitor < m_installer.PicturesPerChange(); ++monitor)
        following << advance();
    if (!following.isEmpty() && m_settings.ListMode != 1 && m_settings.PreviewPauseMode != 0)
        PendingWallpaper = path;
    change(path, following, origin);
}

QString WallpaperChanger::advance()
{
    if (m_settings.ListMode == 1) {
        const int count = m_folder.count();
        // A part of the folder would move a shuffled round to a source it has not got.
        if (count == 0 || !m_folder.complete())
            return {};
        if (m_folder.selected() == 0)
            m_folder.select(1);
        int next = 0;
        if (m_settings.ChangeMode == 1) {
            next = m_folder.selected() + 1;
            if (next > count)
                next = 1;
        } else {
            next = randomIndex(count) + 1;
        }
        m_folder.select(next);
        m_settings.FileIndex1 = static_cast<Long>(next);
        return m_settings.CurrentDirectory + m_folder.text(next);
    }

    const int count = m_list.count();
    if (count == 0)
        return {};
    if (m_list.selected() < 0)
        selectForChange(0);
    if (m_settings.ChangeMode == 1) {
        const int current = m_list.selected();
        selectForChange(current + 1 < count ? current + 1 : 0);
    } else {
        selectForChange(randomIndex(count));
    }
    return m_list.text(m_list.selected());
}

void WallpaperChanger::selectForChange(int index)
{
    // The selection is recorded as a click would record it, but loading and installing are left to
    // the change itself: letting the selection handling install too would compose every timer change
    // twice (two collages when the collage is on).
    SelectListEntryQuietly(index);
    m_settings.FileIndex2 = static_cast<Long>(index);
    if (m_settings.PreviewPauseMode != 0)
        PendingWallpaper = m_list.text(index);
}

void WallpaperChanger::change(const QString& path, const QStringList& following, ChangeOrigin origin)
{
    m_installer.LoadWallpaperImage(path);
    if (!following.isEmpty())
        m_installer.SetFollowingPictures(following);
    m_installer.ApplyWallpaper(path, origin);
}

void WallpaperChanger::ListSelectionChanged()
{
    if (SuppressListClick) {
        SuppressListClick = false;
        return;
    }
    const int index = m_list.selected();
    if (index < 0)
        return;
    const QString path = m_list.text(index);
    m_installer.LoadWallpaperImage(path);
    if (m_settings.PreviewPauseMode == 0)
        m_installer.ApplyWallpaper(path);
    else
        PendingWallpaper = path;
    if (m_list.count() > 0)
        m_settings.FileIndex2 = static_cast<Long>(index);
}

void WallpaperChanger::FileItemClicked(int index)
{
    const QString clicked = m_settings.CurrentDirectory + m_folder.text(index);
    if (clicked == LastItemPath) {
        LastItemPath.clear();
        return;
    }
    LastItemPath = clicked;
    const int selected = m_folder.selected();
    const QString path = m_settings.CurrentDirectory + m_folder.text(selected);
    m_installer.LoadWallpaperImage(path);
    if (m_settings.PreviewPauseMode != 0)
        PendingWallpaper = path;
    else
        m_installer.ApplyWallpaper(path);
    if (m_folder.count() > 0)
        m_settings.FileIndex1 = static_cast<Long>(selected);
}

void WallpaperChanger::PreviewClicked()
{
    if (!PendingWallpaper.isEmpty())
        m_installer.ApplyWallpaper(PendingWallpaper);
}

void WallpaperChanger::RestoreSelection()
{
    RestoreFolderSelection();
    if (m_list.count() > 0 && m_settings.FileIndex2 >= 0 && m_settings.FileIndex2 < m_list.count())
        SelectListEntryQuietly(m_settings.FileIndex2);
}

void WallpaperChanger::RestoreFolderSelection()
{
    const int items = m_folder.count();
    // An index below 1 selects nothing: the file view has no item 0.
    if (items > 0 && m_settings.FileIndex1 >= 1 && m_settings.FileIndex1 <= items)
        m_folder.select(m_settings.FileIndex1);
}

CollageSource WallpaperChanger::CollageSourceNow() const
{
    CollageSource source;
    source.folder = m_settings.ListMode == 1;
    if (source.folder) {
        for (int item = 1; item <= m_folder.count(); ++item)
            source.paths << m_settings.CurrentDirectory + m_folder.text(item);
    } else {
        for (int entry = 0; entry < m_list.count(); ++entry)
            source.paths << m_list.text(entry);
        source.listSelected = m_list.selected();
    }
    source.fileIndex1 = m_settings.FileIndex1;
    source.fileIndex2 = m_settings.FileIndex2;
    return source;
}

void WallpaperChanger::SelectListEntryQuietly(int index)
{
    SuppressListClick = true;
    m_list.select(index);
    SuppressListClick = false;
}

} // namespace velmora
