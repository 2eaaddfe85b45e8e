#pragma once
// The two versions of the settings, the list and the bitmap that the save loop writes in turn, so
// that the kill test can tell a whole old or new file from anything else.
#include "core/Settings.h"

#include <QImage>
#include <QStringList>

namespace velmora::test {

inline Settings SettingsVersion(int version)
{
    Settings settings;
    settings.ChangeTimer = version == 0 ? 10 : 20;
    settings.CalendarFontName = QString(version == 0 ? 300 : 500, QChar(version == 0 ? u'明' : u'朝'));
    settings.ListFileName = QStringLiteral("Velmora.lst");
    return settings;
}

inline QStringList ListVersion(int version)
{
    QStringList entries;
    for (int i = 0; i < (version == 0 ? 3000 : 5000); ++i)
        entries << QStringLiteral("/home/ann/写真/%1/picture-%2.jpg").arg(version).arg(i);
    return entries;
}

inline QImage BitmapVersion(int version)
{
    QImage image(version == 0 ? 1600 : 1200, version == 0 ? 1200 : 1600, QImage::Format_RGB32);
    image.fill(version == 0 ? qRgb(200, 40, 40) : qRgb(40, 40, 200));
    return image;
}

} // namespace velmora::test
