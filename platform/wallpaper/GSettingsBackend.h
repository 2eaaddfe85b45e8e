#pragma once
// Desktops that keep their background in GSettings: GNOME and its family, Cinnamon, MATE. Keys are
// written with the gsettings tool, so the desktop's own backend (dconf) receives them.
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>
#include <QSize>
#include <QStringList>

#include <functional>

namespace velmora::platform {

class FreshWallpaperFile;

// What differs between the GSettings desktops.
struct GSettingsFlavour {
    QString desktop;         // for messages
    QString schema;          // "org.gnome.desktop.background"
    QStringList pictureKeys; // written in this order; the first must exist
    bool plainPath = false;  // MATE takes a path, the others a file URI
    QString optionsKey;      // "picture-options"
    // GNOME's "wallpaper" option stretches rather than repeats: hand it a screen-sized picture
    // already tiled by us, while the stored placement stays "wallpaper".
    bool tileOurselves = false;
    // The option that lays one picture over the box around all monitors.
    QString spannedOption = QStringLiteral("spanned");

    static GSettingsFlavour gnome();
    static GSettingsFlavour cinnamon();
    static GSettingsFlavour mate();
};

class GSettingsBackend final : public WallpaperBackend {
    Q_DECLARE_TR_FUNCTIONS(GSettingsBackend)

public:
    using ScreenSize = std::function<QSize()>;
    // screenSize gives the size of the pre-tiled picture in device pixels; by default the largest
    // screen. program is the gsettings tool.
    explicit GSettingsBackend(GSettingsFlavour flavour, ScreenSize screenSize = {},
                              QString program = QStringLiteral("gsettings"));

    QString name() const override { return m_flavour.desktop; }
    QString ReadTileWallpaper() override;
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;
    // One picture for all monitors: a canvas with each monitor's part, spanned.
    bool ShowsMonitorMode(MonitorMode) const override { return true; }

private:
    WallpaperResult setPictureKeys(const QStringList& keys, FreshWallpaperFile& fresh);
    WallpaperResult setKey(const QString& key, const QString& text);
    // The flavour's picture keys that this desktop version has (GNOME before 42 lacks the dark one).
    WallpaperResult presentPictureKeys(QStringList* keys);

    GSettingsFlavour m_flavour;
    ScreenSize m_screenSize;
    QString m_program;
};

// A GVariant text literal of a string, as gsettings parses it: quoted, with quotes, backslashes and
// control characters escaped. Without quoting, a name that happens to read as a literal would change.
QString GVariantStringLiteral(const QString& text);

} // namespace velmora::platform
