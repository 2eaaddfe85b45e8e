#include "mainwindow/change/SingleChange.h"

#include "core/FileKinds.h"
#include "core/ListFiles.h"
#include "core/SettingsFile.h"
#include "core/SettingsStore.h"
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

// The list as the list box would hold it, selection handling included.
class SingleChange::ListEntries final : public EntryList {
public:
    explicit ListEntries(std::function<void()> selectionChanged)
        : m_selectionChanged(std::move(selectionChanged))
    {}

    int count() const override { return int(entries.size()); }
    QString text(int index) const override { return entries.value(index); }
    int selected() const override { return m_selected; }
    void select(int index) override
    {
        m_selected = index >= 0 && index < count() ? index : -1;
        m_selectionChanged();
    }
    void insert(int index, const QString& text) override
    {
        entries.insert(index, text);
        if (m_selected >= index)
            ++m_selected;
    }
    void remove(int index) override
    {
        entries.removeAt(index);
        if (m_selected == index)
            m_selected = -1;
        else if (m_selected > index)
            --m_selected;
    }
    void clear() override
    {
        entries.clear();
        m_selected = -1;
    }

    QStringList entries;

private:
    std::function<void()> m_selectionChanged;
    int m_selected = -1;
};

// The list mode never looks at the file view.
class SingleChange::NoFolder final : public FolderItems {
public:
    int count() const override { return 0; }
    QString text(int) const override { return {}; }
    int selected() const override { return 0; }
    void select(int) override {}
};

SingleChange::SingleChange(SettingsStore& settings, QString programFolder,
                           std::unique_ptr<platform::WallpaperBackend> backend, QObject* parent)
    : QObject(parent)
    , m_store(settings)
    , m_settings(settings.values())
    , m_programFolder(std::move(programFolder))
    , m_wallpaper(settings, m_programFolder, backend ? std::move(backend) : platform::LoadWallpaperBackend())
    , m_list(std::make_unique<ListEntries>([this] { m_changer.ListSelectionChanged(); }))
    , m_folder(std::make_unique<NoFolder>())
    , m_changer(m_settings, *m_folder, *m_list, m_wallpaper)
{
    m_wallpaper.setSingleChange(true);
    m_wallpaper.setCollageSource([this] { return m_changer.CollageSourceNow(); });
    connect(&m_wallpaper, &WallpaperService::collageFinished, this, [this] { m_changer.RestoreSelection(); });
}

SingleChange::~SingleChange() = default;

bool SingleChange::Suits(const QString& programFolder)
{
    const QString path = programFolder + QString::fromUtf16(SettingsFileName);
    if (!QFileInfo(path).isFile())
        return false;
    // Read quietly: a file the window would warn about is left to the window.
    Settings settings;
    ResetSettings(settings, CurrentSettingsEnvironment());
    try {
        ReadSettingsText(settings, DecodeText(ReadWholeFile(path)));
    } catch (const Failure&) {
        return false;
    }
    return settings.ListMode != 1;
}

void SingleChange::load()
{
    const QString folder = m_programFolder;
    Steps steps(LoadFailureHandler);
    steps([&] { ResetSettings(m_settings, CurrentSettingsEnvironment()); });
    steps([&] { ReadSettingsFile(m_settings, folder + QString::fromUtf16(SettingsFileName)); });
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
    QStringList entries;
    if (LoadListEntries(m_programFolder + m_settings.ListFileName, entries) == 0)
        m_list->entries = entries;
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
        qWarning("%s", qUtf8Printable(QStringLiteral("設定ファイルを保存できませんでした。\n%1").arg(path)));
}

QStringList SingleChange::entries() const
{
    return m_list->entries;
}

} // namespace velmora
