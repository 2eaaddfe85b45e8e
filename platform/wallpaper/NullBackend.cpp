#include "platform/wallpaper/NullBackend.h"

#include <QDir>

#include <utility>

namespace velmora::platform {

WallpaperResult NullBackend::SetWallpaper(const WallpaperPicture& picture)
{
    if (!m_told && m_notice.isEmpty()) {
        const QString which =
            m_desktop.isEmpty() ? tr("このデスクトップ") : tr("このデスクトップ (%1)").arg(m_desktop);
        m_notice = tr("%1では壁紙を設定する方法が分からないため、壁紙は変更されません。\n"
                      "作成した壁紙の画像は「%"
                      "2」に保存されています。デスクトップの設定でこのファイルを壁紙に選んでください。")
                       .arg(which, QDir::toNativeSeparators(picture.file));
    }
    return WallpaperResult::success();
}

QString NullBackend::TakeNotice()
{
    if (m_told || m_notice.isEmpty())
        return {};
    m_told = true;
    return std::exchange(m_notice, QString());
}

} // namespace velmora::platform
