#pragma once
// The engine and the desktop behind the wallpaper change. Loading a picture and composing and
// installing it run as jobs on the program's pool; this object, on the window thread, starts them,
// shows their results in the preview and tells the window how they went.
#include "core/jobs/Job.h"
#include "engine/ApplyWallpaper.h"
#include "engine/WallpaperLoading.h"
#include "engine/collage/ComposeCollage.h"
#include "mainwindow/change/ChangeSources.h"

#include <QObject>

#include <memory>
#include <optional>

namespace velmora {

namespace platform {
class WallpaperBackend;
}
class SettingsStore;

class WallpaperService final : public QObject, public WallpaperInstaller {
    Q_OBJECT
public:
    WallpaperService(SettingsStore& settings, QString programFolder,
                     std::unique_ptr<platform::WallpaperBackend> backend, QObject* parent = nullptr);
    ~WallpaperService() override;

    EngineState& state() { return m_state; }
    platform::WallpaperBackend& backend() { return *m_backend; }

    // Reads the file in the background and shows it; ignored while a change composes, so that the
    // preview keeps showing what is being installed. A newer load replaces one still reading.
    void LoadWallpaperImage(const QString& path) override;
    // Composes the picture last loaded (never the result of an earlier change) and installs it.
    // Waits for a load still reading; refused while another change composes or before any picture
    // was loaded.
    void ApplyWallpaper(const QString& path, ChangeOrigin origin = ChangeOrigin::User) override;
    bool busy() const override;
    // One picture per monitor when MonitorMode asks for it, the desktop can show it and there are
    // several monitors.
    int PicturesPerChange() const override;
    void SetFollowingPictures(const QStringList& paths) override { m_following = paths; }
    // busy(), or the placement still being read.
    bool working() const { return busy() || m_tileRead.isRunning(); }
    // Reads the desktop's placement in the background (at start-up); a change waits for it.
    void ReadTileWallpaper();
    // Stops what runs; at exit.
    void cancel();

    // Why the desktop could not be updated by a timer change; empty while all is well.
    const QString& desktopProblem() const { return m_desktopProblem; }

    // Where a collage takes its pieces from: the file view or the list as they are when the change
    // starts (read on the window thread).
    void setCollageSource(std::function<CollageSource()> source) { m_collageSource = std::move(source); }
    // A run that makes one change and ends (its window, if any, gone with that change) keeps no
    // preview copies, and reads a picture the composition would reduce first straight at the
    // reduced size.
    void setSingleChange(bool single) { m_singleChange = single; }

Q_SIGNALS:
    void progressRangeChanged(int minimum, int maximum);
    void progressValueChanged(int value);
    // A change ended, however it went.
    void changeFinished();
    // Nothing runs any more, the placement read at start-up included.
    void idle();
    void desktopProblemChanged(const QString& problem);
    // The desktop cannot show the monitor mode chosen; said once for each mode.
    void monitorNote(const QString& note);
    // The automatic tiling chose this placement for the change just made ("0" centre, "1" tile).
    void tileDecided(const QString& tileWallpaper);
    // A change that composes a collage started; and ended, however it went. When it ended with the
    // collage composed, FileIndex1 and FileIndex2 have been moved on past the pieces it took.
    void collageStarted();
    void collageFinished();

private:
    struct AppliedChange {
        ApplyResult result;
        QImage preview;
        ChangeOrigin origin = ChangeOrigin::User;
        std::optional<CollageResult> collage; // the last collage composed, when the collage is on
    };

    void startApply(ChangeOrigin origin);
    // The collage's part of a change's request: its source, the piece in hand, where progress goes.
    CollageRequest collageRequest(const Settings& settings, const platform::ScreenPixels& screen);
    void collageEnded(const std::optional<CollageResult>& collage);
    void startPendingApply();
    void loadFinished();
    void applyFinished();
    void noteDesktop(const AppliedChange& change);
    void checkIdle();

    SettingsStore& m_settings;
    QString m_programFolder;
    std::shared_ptr<platform::WallpaperBackend> m_backend;
    EngineState m_state;
    Job<std::optional<LoadedPicture>> m_load;
    Job<AppliedChange> m_apply;
    Job<QString> m_tileRead;
    std::optional<ChangeOrigin> m_pendingApply;
    QString m_desktopProblem;
    std::function<CollageSource()> m_collageSource;
    bool m_singleChange = false;
    // The piece image: what the last collage held in hand, for the next one.
    CollagePiece m_collagePiece;
    // The positions the running collage started from.
    std::optional<CollageSource> m_collageStart;
    QStringList m_monitorNotes; // said already
    QStringList m_following;    // the next change's pictures after the first
};

} // namespace velmora
