#pragma once
// What the wallpaper change needs of the main window's two sources and of the engine.
#include <QString>
#include <QStringList>

namespace velmora {

// The entries of the current list (lstFileList), positions 0-based.
class EntryList {
public:
    virtual ~EntryList() = default;
    virtual int count() const = 0;
    virtual QString text(int index) const = 0;
    // -1 when nothing is selected.
    virtual int selected() const = 0;
    // Selects like a click would: the list's selection handling runs.
    virtual void select(int index) = 0;
    // Inserting and removing never run the selection handling. The selection stays with the selected
    // entry as it moves; removing the selected entry leaves nothing selected.
    // index == count() appends.
    virtual void insert(int index, const QString& text) = 0;
    // The texts in order in front of index, as inserting them one after another would put them.
    virtual void insertMany(int index, const QStringList& texts)
    {
        for (qsizetype i = 0; i < texts.size(); ++i)
            insert(index + int(i), texts[i]);
    }
    virtual void remove(int index) = 0;
    virtual void clear() = 0;
};

// The items of the folder file view (lvwFileName), positions 1-based.
class FolderItems {
public:
    virtual ~FolderItems() = default;
    virtual int count() const = 0;
    virtual QString text(int index) const = 0;
    // 0 when nothing is selected.
    virtual int selected() const = 0;
    // Selects without the item-click handling.
    virtual void select(int index) = 0;
    // False while the folder is still being read into the view: the items are only its first part.
    virtual bool complete() const { return true; }
};

// Who asked for a change: the user (a click, "-s") is asked about every failure; the timer's changes
// report a desktop that cannot be updated once, not at every change.
enum class ChangeOrigin { User, Timer };

// Loads a picture into the wallpaper image and installs what that image holds. Both may work in
// the background: a change requested while one is under way is refused.
class WallpaperInstaller {
public:
    virtual ~WallpaperInstaller() = default;
    virtual void LoadWallpaperImage(const QString& path) = 0;
    virtual void ApplyWallpaper(const QString& path, ChangeOrigin origin = ChangeOrigin::User) = 0;
    // True while a change is under way.
    virtual bool busy() const = 0;
    // How many pictures one change shows: one per monitor when each monitor shows its own.
    virtual int PicturesPerChange() const { return 1; }
    // The pictures of the monitors after the first, for the ApplyWallpaper that follows; the next
    // LoadWallpaperImage forgets them.
    virtual void SetFollowingPictures(const QStringList& paths) { (void)paths; }
};

} // namespace velmora
