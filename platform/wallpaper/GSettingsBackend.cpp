#include "platform/wallpaper/GSettingsBackend.h"

#include "platform/Screen.h"
#include "platform/wallpaper/FreshWallpaperFile.h"
#include "platform/wallpaper/ScreenPicture.h"
#include "platform/wallpaper/ToolRun.h"

#include <QImageReader>
#include <QUrl>

namespace velmora::platform {
namespace {

const QLatin1String TiledOption("wallpaper");
const QLatin1String CentredOption("centered");

// gsettings prints strings as GVariant literals: 'text' with backslash escapes.
QString unquoteGVariant(QString text)
{
    text = text.trimmed();
    if (text.size() < 2 || (text.front() != u'\'' && text.front() != u'"'))
        return text;
    QString plain;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == u'\\' && i + 2 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

} // namespace

GSettingsFlavour GSettingsFlavour::gnome()
{
    return {QStringLiteral("GNOME"),
            QStringLiteral("org.gnome.desktop.background"),
            {QStringLiteral("picture-uri"), QStringLiteral("picture-uri-dark")},
            false,
            QStringLiteral("picture-options"),
            true};
}

GSettingsFlavour GSettingsFlavour::cinnamon()
{
    // Cinnamon's background drawing comes from GNOME's and stretches its tiles the same way.
    return {QStringLiteral("Cinnamon"),        QStringLiteral("org.cinnamon.desktop.background"),
            {QStringLiteral("picture-uri")},   false,
            QStringLiteral("picture-options"), true};
}

GSettingsFlavour GSettingsFlavour::mate()
{
    return {QStringLiteral("MATE"),
            QStringLiteral("org.mate.background"),
            {QStringLiteral("picture-filename")},
            true,
            QStringLiteral("picture-options"),
            false};
}

QString GVariantStringLiteral(const QString& text)
{
    QString literal = QStringLiteral("'");
    for (const QChar c : text) {
        if (c == u'\'' || c == u'\\') {
            literal += u'\\';
            literal += c;
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            literal += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            literal += c;
        }
    }
    return literal + u'\'';
}

GSettingsBackend::GSettingsBackend(GSettingsFlavour flavour, ScreenSize screenSize, QString program)
    : m_flavour(std::move(flavour))
    , m_screenSize(screenSize ? std::move(screenSize) : ScreenSize(LargestPhysicalScreenSize))
    , m_program(std::move(program))
{}

QString GSettingsBackend::ReadTileWallpaper()
{
    const ToolRun run =
        ToolRun::run(m_program, {QStringLiteral("get"), m_flavour.schema, m_flavour.optionsKey});
    if (!run.ok)
        return {};
    const QString option = unquoteGVariant(run.output);
    if (option == TiledOption)
        return QStringLiteral("1");
    if (option == CentredOption)
        return QStringLiteral("0");
    return {};
}

WallpaperResult GSettingsBackend::WriteTileWallpaper(const QString& value)
{
    if (value.isEmpty())
        return WallpaperResult::success();
    return setKey(m_flavour.optionsKey, GVariantStringLiteral(IsTiled(value) ? TiledOption : CentredOption));
}

WallpaperResult GSettingsBackend::SetWallpaper(const WallpaperPicture& picture)
{
    const QString& file = picture.file;
    QStringList keys;
    if (WallpaperResult found = presentPictureKeys(&keys); !found)
        return found;
    FreshWallpaperFile fresh(file);
    WallpaperResult prepared;
    if (!picture.monitors.empty()) {
        // The desktop shows one picture for all monitors: each monitor's part goes where the
        // desktop spans it, over the box around them.
        QRect bounds;
        for (const MonitorPicture& monitor : picture.monitors)
            bounds = bounds.united(monitor.geometry);
        const QImage canvas = ComposeMonitorsImage(picture.monitors, bounds);
        if (canvas.isNull())
            return WallpaperResult::failure(tr("全モニターの壁紙を作るメモリーが足りません。"));
        if (WallpaperResult written = fresh.prepareFromImage(canvas); !written)
            return written;
        if (WallpaperResult spanned =
                setKey(m_flavour.optionsKey, GVariantStringLiteral(m_flavour.spannedOption));
            !spanned) {
            fresh.discard();
            return spanned;
        }
        return setPictureKeys(keys, fresh);
    }
    if (m_flavour.tileOurselves && IsTiled(picture.tileWallpaper)) {
        QImage image = picture.image;
        if (image.isNull()) {
            QImageReader reader(file);
            image = reader.read();
            if (image.isNull())
                return WallpaperResult::failure(
                    tr("壁紙の画像「%1」を読み込めません。\n(%2)").arg(file, reader.errorString()));
        }
        const QSize screen = picture.largestScreen.isEmpty() ? m_screenSize() : picture.largestScreen;
        prepared = screen.isEmpty() ? fresh.prepareFromWallpaper()
                                    : fresh.prepareFromImage(ComposeScreenImage(image, screen, true));
    } else {
        prepared = fresh.prepareFromWallpaper();
    }
    if (!prepared)
        return prepared;
    return setPictureKeys(keys, fresh);
}

WallpaperResult GSettingsBackend::setPictureKeys(const QStringList& keys, FreshWallpaperFile& fresh)
{
    const QString value =
        m_flavour.plainPath ? fresh.path() : QUrl::fromLocalFile(fresh.path()).toString(QUrl::FullyEncoded);
    for (const QString& key : keys) {
        if (WallpaperResult set = setKey(key, GVariantStringLiteral(value)); !set) {
            // A key already switched shows the fresh file; keep it rather than leave a missing picture.
            if (key == keys.front())
                fresh.discard();
            return set;
        }
    }
    fresh.commit();
    return WallpaperResult::success();
}

WallpaperResult GSettingsBackend::setKey(const QString& key, const QString& literal)
{
    const ToolRun run = ToolRun::run(m_program, {QStringLiteral("set"), m_flavour.schema, key, literal});
    if (run.ok)
        return WallpaperResult::success();
    return WallpaperResult::failure(tr("%1 の壁紙の設定 (%2 %3) を書き込めません。\n%4")
                                        .arg(m_flavour.desktop, m_flavour.schema, key, run.error));
}

WallpaperResult GSettingsBackend::presentPictureKeys(QStringList* keys)
{
    const ToolRun run = ToolRun::run(m_program, {QStringLiteral("list-keys"), m_flavour.schema});
    if (!run.ok)
        return WallpaperResult::failure(
            tr("%1 の壁紙の設定 (%2) を読めません。スキーマがインストールされていない可能性があります。\n%3")
                .arg(m_flavour.desktop, m_flavour.schema, run.error));
    const QStringList present = run.output.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& key : m_flavour.pictureKeys)
        if (present.contains(key))
            keys->append(key);
    if (keys->isEmpty() || keys->front() != m_flavour.pictureKeys.front())
        return WallpaperResult::failure(
            tr("%1 の壁紙の設定 (%2) にキー「%3」がありません。")
                .arg(m_flavour.desktop, m_flavour.schema, m_flavour.pictureKeys.front()));
    return WallpaperResult::success();
}

} // namespace velmora::platform
