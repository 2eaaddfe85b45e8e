#include "mainwindow/change/WallpaperService.h"

#include "core/Prompt.h"
#include "core/SettingsStore.h"
#include "platform/Monitors.h"
#include "platform/Screen.h"
#include "platform/wallpaper/WallpaperBackend.h"

#include <QDate>

#include <utility>

namespace velmora {
namespace {

// The pictures of the monitors after the first, read on the change's job: monitor i + 1 shows
// following[i]. One that cannot be read is asked about and, left, shows the first picture.
std::vector<MonitorSource> ReadFollowingPictures(const QStringList& following, const Settings& settings,
                                                 const platform::MonitorList& monitors)
{
    std::vector<MonitorSource> sources;
    if (following.isEmpty())
        return sources;
    sources.emplace_back(); // the first monitor's is the loaded picture
    for (qsizetype index = 0; index < following.size(); ++index) {
        ReadOptions options;
        options.preview = false;
        const size_t monitor = static_cast<size_t>(index) + 1;
        if (monitor < monitors.size()) {
            const QSize screen = monitors[monitor].geometry.size();
            options.reduceTo = [&settings, screen](QSize stored) {
                return ComposeReducedSize(settings, screen, stored);
            };
        }
        std::optional<LoadedPicture> loaded = ReadWallpaperImage(following[index], options);
        sources.push_back(loaded ? MonitorSource{std::move(loaded->picture), loaded->storedSize}
                                 : MonitorSource{});
    }
    return sources;
}

platform::MonitorMode monitorMode(const Settings& settings)
{
    // A value the program does not know is the same picture on each monitor, the original behaviour.
    if (settings.MonitorMode == 1 || settings.MonitorMode == 2)
        return static_cast<platform::MonitorMode>(settings.MonitorMode);
    return platform::MonitorMode::Same;
}

} // namespace

WallpaperService::WallpaperService(SettingsStore& settings, QString programFolder,
                                   std::unique_ptr<platform::WallpaperBackend> backend, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_programFolder(std::move(programFolder))
    , m_backend(std::move(backend))
{
    connect(&m_load, &JobBase::finished, this, &WallpaperService::loadFinished);
    connect(&m_apply, &JobBase::finished, this, &WallpaperService::applyFinished);
    connect(&m_apply, &JobBase::progressRangeChanged, this, &WallpaperService::progressRangeChanged);
    connect(&m_apply, &JobBase::progressValueChanged, this, &WallpaperService::progressValueChanged);
    connect(&m_tileRead, &JobBase::finished, this, [this] {
        if (const Outcome<QString>& read = m_tileRead.outcome(); read.ok())
            m_state.TileWallpaper = *read.value;
        startPendingApply();
        checkIdle();
    });
}

WallpaperService::~WallpaperService() = default;

bool WallpaperService::busy() const
{
    return m_load.isRunning() || m_apply.isRunning() || m_pendingApply;
}

int WallpaperService::PicturesPerChange() const
{
    if (monitorMode(m_settings.values()) != platform::MonitorMode::Each ||
        !m_backend->ShowsMonitorMode(platform::MonitorMode::Each))
        return 1;
    return static_cast<int>(platform::CurrentMonitors().size());
}

void WallpaperService::ReadTileWallpaper()
{
    m_tileRead.start([backend = m_backend](JobControl&) { return velmora::ReadTileWallpaper(*backend); });
}

void WallpaperService::cancel()
{
    m_pendingApply.reset();
    m_load.cancel();
    m_apply.cancel();
}

void WallpaperService::LoadWallpaperImage(const QString& path)
{
    if (m_apply.isRunning())
        return;
    m_pendingApply.reset();
    m_following.clear();
    ReadOptions options;
    if (m_singleChange) {
        options.preview = false;
        const QSize screen = platform::PrimaryScreenPixels().size;
        const platform::MonitorList monitors = platform::CurrentMonitors();
        options.reduceTo = [settings = m_settings.snapshot(), screen, monitors](QSize stored) {
            if (monitors.size() > 1)
                return MonitorsReducedSize(settings, monitors, monitorMode(settings), stored);
            return ComposeReducedSize(settings, screen, stored);
        };
    }
    m_load.start([path, options](JobControl&) { return ReadWallpaperImage(path, options); });
}

void WallpaperService::loadFinished()
{
    // Taken, not looked at: a picture still held here would be copied when the composition draws.
    const Outcome<std::optional<LoadedPicture>> loaded = m_load.takeOutcome();
    if (loaded.ok() && *loaded.value)
        ShowLoadedPicture(m_state, **loaded.value);
    else if (loaded.failure)
        ShowWarning(loaded.failure->text());
    startPendingApply();
    checkIdle();
}

void WallpaperService::ApplyWallpaper(const QString&, ChangeOrigin origin)
{
    if (m_apply.isRunning())
        return;
    if (m_load.isRunning() || m_tileRead.isRunning()) {
        m_pendingApply = origin;
        return;
    }
    startApply(origin);
}

void WallpaperService::startPendingApply()
{
    if (!m_pendingApply || m_load.isRunning() || m_tileRead.isRunning())
        return;
    const ChangeOrigin origin = *m_pendingApply;
    m_pendingApply.reset();
    startApply(origin);
}

void WallpaperService::startApply(ChangeOrigin origin)
{
    // Nothing was ever loaded (the first pick failed to load): there is nothing to install.
    if (m_state.source.isNull())
        return;
    ApplyRequest request;
    // A single change has no later use for the loaded picture: the composition may take it over.
    request.compose.source = m_singleChange ? std::exchange(m_state.source, QImage()) : m_state.source;
    request.compose.storedSize = QSize(int(m_state.LoadedImageWidth), int(m_state.LoadedImageHeight));
    request.compose.settings = m_settings.snapshot();
    request.compose.screen = platform::PrimaryScreenPixels();
    request.compose.today = QDate::currentDate();
    request.compose.calendarText = m_state.leadWallPaper.textSettings();
    request.compose.tileWallpaper = m_state.TileWallpaper;
    request.programFolder = m_programFolder;
    request.backend = m_backend;
    request.largestScreen = platform::LargestPhysicalScreenSize();
    request.monitors = platform::CurrentMonitors();
    request.monitorMode = monitorMode(request.compose.settings);
    // Across the monitors the preview shows the primary monitor's part of the canvas.
    std::optional<QRect> primaryPart;
    if (request.monitors.size() > 1 && request.monitorMode == platform::MonitorMode::Across)
        primaryPart = platform::PrimaryMonitor(request.monitors)
                          .geometry.translated(-platform::MonitorBounds(request.monitors).topLeft());
    QStringList following = std::exchange(m_following, {});
    if (request.monitors.size() < 2 || request.monitorMode != platform::MonitorMode::Each)
        following.clear();
    // The timer must not pile up a box at every change; the window shows the problem instead.
    if (origin == ChangeOrigin::Timer)
        request.desktopFailures = ContinueSilently;
    std::optional<CollageRequest> collage;
    if (request.compose.settings.CollageOnMode == 1) {
        platform::ScreenPixels screen = request.compose.screen;
        // Across several monitors the collage fills their bounding box.
        if (request.monitors.size() > 1 && request.monitorMode == platform::MonitorMode::Across &&
            request.backend->ShowsMonitorMode(platform::MonitorMode::Across))
            screen.size = platform::MonitorBounds(request.monitors).size();
        collage = collageRequest(request.compose.settings, screen);
    }
    m_apply.start([this, request = std::move(request), origin, collage, following, primaryPart,
                   previews = !m_singleChange](JobControl& control) mutable {
        request.compose.canceled = [&control] { return control.isCanceled(); };
        request.monitorSources = ReadFollowingPictures(following, request.compose.settings, request.monitors);
        AppliedChange change;
        change.origin = origin;
        if (collage) {
            collage->canceled = request.compose.canceled;
            collage->progressRange = [&control](int minimum, int maximum) {
                control.setProgressRange(minimum, maximum);
            };
            collage->progressValue = [&control](int value) { control.setProgressValue(value); };
            const QSize screen = collage->screen;
            // The canvas filling, in the preview; posts that arrive after the job are dropped.
            collage->showCanvas = [this, &control, screen](const QImage& reduced) {
                control.post([this, reduced, screen] { ShowPreviewPicture(m_state, reduced, screen); });
            };
            // Runs inside the composition's collage step; Retry there composes the collage anew.
            request.compose.composeCollage = [&collage, &change](EngineState& state) {
                change.collage = ComposeCollage(state, *collage);
            };
        }
        change.result = velmora::ApplyWallpaper(std::move(request));
        if (previews) {
            QImage& composed = change.result.composed.image;
            // A desktop that could not span fell back to the same picture on each: no canvas.
            if (primaryPart && change.result.monitorNote.isEmpty() && !composed.isNull())
                composed = composed.copy(*primaryPart);
            change.preview = PreviewPicture(composed);
        }
        return change;
    });
    if (collage)
        Q_EMIT collageStarted();
}

CollageRequest WallpaperService::collageRequest(const Settings& settings,
                                                const platform::ScreenPixels& screen)
{
    CollageRequest collage;
    collage.options = CollageOptions::FromSettings(settings);
    if (m_collageSource)
        collage.source = m_collageSource();
    collage.source.fileIndex1 = settings.FileIndex1;
    collage.source.fileIndex2 = settings.FileIndex2;
    collage.inHand = m_collagePiece;
    collage.screen = screen.size;
    m_collageStart = collage.source;
    return collage;
}

void WallpaperService::collageEnded(const std::optional<CollageResult>& collage)
{
    if (collage && !collage->canceled) {
        m_collagePiece = collage->inHand;
        // Only what the collage moved: a click on the list meanwhile recorded its own position.
        Settings& settings = m_settings.values();
        if (collage->fileIndex1 != m_collageStart->fileIndex1)
            settings.FileIndex1 = static_cast<Long>(collage->fileIndex1);
        if (collage->fileIndex2 != m_collageStart->fileIndex2)
            settings.FileIndex2 = static_cast<Long>(collage->fileIndex2);
    }
    m_collageStart.reset();
    Q_EMIT collageFinished();
}

void WallpaperService::applyFinished()
{
    Outcome<AppliedChange> outcome = m_apply.takeOutcome();
    if (m_collageStart)
        collageEnded(outcome.ok() ? outcome.value->collage : std::nullopt);
    if (outcome.ok()) {
        const AppliedChange& change = *outcome.value;
        const ComposeResult& composed = change.result.composed;
        m_state.TileWallpaper = composed.tileWallpaper;
        if (composed.drawnEffects) {
            // The drawn set is kept in slot 0, as the random set always was; it is not saved.
            Settings& settings = m_settings.values();
            const EffectSet& set = *composed.drawnEffects;
            settings.EffectEmbossOn[0] = set.emboss;
            settings.EffectGrayscaleOn[0] = set.grayscale;
            settings.EffectHalftoneOn[0] = set.halftone;
            settings.EffectAverageOn[0] = set.average;
            settings.EffectContrastOn[0] = set.contrast;
            settings.EffectGammaOn[0] = set.gamma;
        }
        if (composed.tileDecided)
            Q_EMIT tileDecided(composed.tileWallpaper);
        if (!composed.image.isNull())
            ShowComposedPicture(m_state, composed.image, change.preview);
        noteDesktop(change);
        if (const QString& note = change.result.monitorNote;
            !note.isEmpty() && !m_monitorNotes.contains(note)) {
            m_monitorNotes << note;
            Q_EMIT monitorNote(note);
        }
        // A session without a known desktop only keeps the file; the user hears of it once.
        if (!change.result.notice.isEmpty())
            ShowInformation(change.result.notice);
    } else if (outcome.failure) {
        ShowWarning(outcome.failure->text());
    }
    Q_EMIT changeFinished();
    checkIdle();
}

void WallpaperService::noteDesktop(const AppliedChange& change)
{
    const ApplyResult& result = change.result;
    if (result.installed) {
        if (!m_desktopProblem.isEmpty()) {
            m_desktopProblem.clear();
            Q_EMIT desktopProblemChanged(m_desktopProblem);
        }
        return;
    }
    if (change.origin != ChangeOrigin::Timer || result.desktopErrors.isEmpty() || !m_desktopProblem.isEmpty())
        return;
    m_desktopProblem = result.desktopErrors.join(u'\n');
    Q_EMIT desktopProblemChanged(m_desktopProblem);
    ShowWarning(
        tr("デスクトップの壁紙を更新できませんでした。\n%1\n\n"
           "壁紙の画像は「%2」に保存されています。"
           "壁紙を設定できるようになるまで、タイマーによる変更ではこのメッセージを表示しません。")
            .arg(m_desktopProblem, m_programFolder + QString::fromUtf16(WallpaperFileName)));
}

void WallpaperService::checkIdle()
{
    if (!working())
        Q_EMIT idle();
}

} // namespace velmora
