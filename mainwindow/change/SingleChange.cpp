#include "mainwindow/change/SingleChange.h"

#include "core/FileKinds.h"
#include "core/ListFiles.h"
#include "core/SettingsFile.h"
#include "core/SettingsStore.h"
#include "core/ShuffleFile.h"
#include "core/Steps.h"
#include "core/TextLines.h"
#include "engine/TextPainter.h"
#include "engine/TextSettings.h"
#include "mainwindow/MainLoadHandler.h"
#include "mainwindow/lists/ListCatalog.h"
#include "platform/Screen.h"
#include "platform/wallpaper/WallpaperBackendLoader.h"

#include <QFileInfo>

namespace velmora {

SingleChange::SingleChange(SettingsStore& settings, QString programFolder,
                           std::unique_ptr<platform::WallpaperBackend> backend, QObject* parent)
    : QObject(parent)
    , m_store(settings)
    , m_settings(settings.values())
    , m_programFolder(std::move(programFolder))
    , m_wallpaper(settings, m_programFolder, backend ? std::move(backend) : platform::LoadWallpaperBackend())
    , m_changer(m_settings, m_folder, m_list, m_wallpaper)
{
    m_list.onSelection = [this] { m_changer.ListSelectionChanged(); };
    // A shuffled round goes one step further and a clock schedule counts from this change.
    m_changer.setShuffleFile(m_programFolder + QString::fromUtf16(ShuffleFileName));
    connect(&m_wallpaper, &WallpaperService::changeFinished, this, [this] { m_changer.ChangeEnded(); });
    m_wallpaper.setSingleChange(true);
    m_wallpaper.setCollageSource([this] { return m_changer.CollageSourceNow(); });
    connect(&m_wallpaper, &WallpaperService::collageFinished, this, [this] { m_changer.RestoreSelection(); });
}

SingleChange::~SingleChange() = default;

std::optional<Settings> SingleChange::StoredSettings(const QString& programFolder)
{
    const QString path = programFolder + QString::fromUtf16(SettingsFileName);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    // Read quietly: a file the window would warn about is left to the window.
    Settings settings;
    ResetSettings(settings, CurrentSettingsEnvironment());
    try {
        ReadSettingsText(settings, DecodeText(ReadWholeFile(path)));
    } catch (const Failure&) {
        return std::nullopt;
    }
    if (settings.ListMode == 1)
        return std::nullopt;
    return settings;
}

void SingleChange::load(const Settings& stored)
{
    m_settings = stored;
    Steps steps(LoadFailureHandler);
    steps([&] { m_wallpaper.ReadTileWallpaper(); });
    steps([&] { readList(); });
    steps([&] { BuildFileKindTable(); });
    steps([&] { m_wallpaper.state().leadWallPaper.textSettings() = CalendarTextSettings(m_settings); });
}

// The list page's start-up: the catalogue (made when missing), then the list it names.
void SingleChange::readList()
{
    Steps steps;
    steps([&] { EnsureCatalogue(m_programFolder); });
    QStringList catalogue;
    const QString catalogPath = m_programFolder + QString::fromUtf16(CatalogFileName);
    if (LoadListEntries(catalogPath, catalogue) != 0 || !catalogue.contains(m_settings.ListFileName))
        return;
    // Only the entries the change takes are decoded: a long list costs little more than a short one.
    m_list.load(m_programFolder + m_settings.ListFileName);
}

void SingleChange::RestoreSelection()
{
    m_changer.RestoreSelection();
}

void SingleChange::AutoChange()
{
    m_changer.AutoChange();
    // While the picture decodes, this thread has nothing else to do.
    if (m_settings.CalendarOnMode == 1 && working())
        PrepareStyledText(m_wallpaper.state().leadWallPaper.textSettings(),
                          platform::PixelsPerPoint(platform::PrimaryScreenPixels()));
}

void SingleChange::ExitRoutine()
{
    if (m_exited)
        return;
    m_exited = true;
    m_wallpaper.cancel();
    const QString path = m_programFolder + QString::fromUtf16(SettingsFileName);
    if (!WriteSettingsFile(m_settings, path))
        qWarning("%s", qUtf8Printable(tr("設定ファイルを保存できませんでした。\n%1").arg(path)));
}

QStringList SingleChange::entries() const
{
    return m_list.all();
}

} // namespace velmora
