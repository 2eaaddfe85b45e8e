// Sets the root window wallpaper from its own process and exits, so that a test can check that the
// pixmap outlives its maker. Usage: velmora_set_root <display> <file> <tile choice>
#include "platform/wallpaper/X11RootBackend.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    velmora::platform::X11RootBackend backend(QString::fromLocal8Bit(argv[1]));
    const QString tile = QString::fromLocal8Bit(argv[3]);
    velmora::platform::WallpaperResult result = backend.WriteTileWallpaper(tile);
    if (result)
        result = backend.SetWallpaper({QString::fromLocal8Bit(argv[2]), tile});
    if (!result) {
        std::fputs(result.error.toUtf8().constData(), stderr);
        return 1;
    }
    return 0;
}
