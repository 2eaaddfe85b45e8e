#pragma once
// "-s" without the main window: the settings, the current list and one change. A change made from a
// script or a shortcut then costs little more than its picture. The folder mode goes through the
// window, whose folder tree decides which folder the remembered one stands for.
#include "mainwindow/change/PlainSources.h"
#include "mainwindow/change/WallpaperChanger.h"
#include "mainwindow/change/WallpaperService.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

namespace velmora {

class SettingsStore;

class SingleChange final : public QObject {
    Q_OBJECT
public:
    SingleChange(SettingsStore& settings, QString programFolder,
                 std::unique_ptr<platform::WallpaperBackend> backend = {}, QObject* parent = nullptr);
    ~SingleChange() override;

    // The stored settings when they choose the list and read without a fault: the first start, the
    // folder mode and a broken file (which the window reports) need the window.
    static std::optional<Settings> StoredSettings(const QString& programFolder);

    // What the window's start-up reads for a change, over the stored settings: the desktop's
    // placement and the list.
    void load(const Settings& stored);
    // The window's RestoreSelection and AutoChange, over the list as read.
    void RestoreSelection();
    void AutoChange();
    // The change or the placement read still runs; WallpaperService::idle follows when neither does.
    bool working() const { return m_wallpaper.working(); }
    WallpaperService& wallpaper() { return m_wallpaper; }
    // The exit routine: the settings written back with the positions the change moved on.
    void ExitRoutine();

    // The current list's entries as read.
    QStringList entries() const;

private:
    void readList();

    SettingsStore& m_store;
    Settings& m_settings;
    QString m_programFolder;
    WallpaperService m_wallpaper;
    FileEntries m_list;
    ItemVector m_folder; // the list mode never looks at the file view
    WallpaperChanger m_changer;
    bool m_exited = false;
};

} // namespace velmora
