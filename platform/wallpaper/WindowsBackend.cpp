#include "platform/wallpaper/WindowsBackend.h"

#include <QDir>

#include <windows.h>

#include <string>

namespace velmora::platform {
namespace {

const wchar_t* const DesktopKey = L"Control Panel\\desktop";
const wchar_t* const TileValue = L"TileWallpaper";

QString systemMessage(DWORD code)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString message = text ? QString::fromWCharArray(text).trimmed() : QString::number(code);
    LocalFree(text);
    return message;
}

} // namespace

QString WindowsBackend::ReadTileWallpaper()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, DesktopKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    wchar_t buffer[64] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = 0;
    QString value;
    if (RegQueryValueExW(key, TileValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ)
        value =
            QString::fromWCharArray(buffer, static_cast<int>(size / sizeof(wchar_t))).section(QChar(0), 0, 0);
    RegCloseKey(key);
    return value;
}

WallpaperResult WindowsBackend::WriteTileWallpaper(const QString& value)
{
    HKEY key = nullptr;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, DesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    const auto write = [&](const wchar_t* name, const QString& text) {
        const std::wstring wide = text.toStdWString();
        return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                              static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    };
    if (status == ERROR_SUCCESS) {
        status = write(TileValue, value);
        // Since Windows 7 a "fill" or "stretch" style would override the tile choice; style 0 lets
        // TileWallpaper decide between tiled and centred.
        if (status == ERROR_SUCCESS && !value.isEmpty())
            status = write(L"WallpaperStyle", QStringLiteral("0"));
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS)
        return WallpaperResult::failure(tr("レジストリに壁紙の配置を書き込めません。\n(%1)")
                                            .arg(systemMessage(static_cast<DWORD>(status))));
    return WallpaperResult::success();
}

WallpaperResult WindowsBackend::SetWallpaper(const WallpaperPicture& picture)
{
    const QString& file = picture.file;
    std::wstring path = QDir::toNativeSeparators(file).toStdWString();
    if (!SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(),
                               SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE))
        return WallpaperResult::failure(
            tr("壁紙を設定できません。\n(%1)").arg(systemMessage(GetLastError())));
    return WallpaperResult::success();
}

} // namespace velmora::platform
