// Saves the list, the settings and the wallpaper bitmap in a folder over and over, each time the
// other version, through the program's own writers, until it is killed.
// Usage: velmora_save_loop <folder>
#include "core/ListFiles.h"
#include "core/SettingsFile.h"
#include "engine/BmpWriter.h"
#include "tests/e2e/SaveVersions.h"

#include <QGuiApplication>

#include <cstdio>

using namespace velmora;

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const Settings settings[] = {test::SettingsVersion(0), test::SettingsVersion(1)};
    const QStringList lists[] = {test::ListVersion(0), test::ListVersion(1)};
    const QImage bitmaps[] = {test::BitmapVersion(0), test::BitmapVersion(1)};
    std::puts("saving");
    std::fflush(stdout);
    for (unsigned turn = 1;; ++turn) {
        const int version = static_cast<int>(turn % 2);
        if (SaveListEntries(folder + QStringLiteral("Velmora.lst"), lists[version]) != 0 ||
            !WriteSettingsFile(settings[version], folder + QStringLiteral("Velmora.INI")))
            return 1;
        SaveBmp24(bitmaps[version], folder + QStringLiteral("$$WALL$$.BMP"));
    }
}
