#include "core/Settings.h"

#include "core/PathRoutines.h"
#include "platform/Screen.h"
#include "platform/ProgramFolder.h"

#include <algorithm>

namespace velmora {

SettingsEnvironment CurrentSettingsEnvironment()
{
    const platform::ScreenTwips screen = platform::PrimaryScreenTwips();
    return {screen.width, screen.height, GetWindowsFolder(), platform::ProgramFolder()};
}

void ResetSettings(Settings& settings, const SettingsEnvironment& environment)
{
    settings = Settings{};
    settings.MainWidth = std::min<Long>(environment.screenWidthTwips, 12000);
    settings.MainHeight = std::min<Long>(environment.screenHeightTwips - 80, 6795);
    settings.SplitterMain = settings.MainWidth / 2;
    settings.CurrentDirectory = environment.windowsFolder.isEmpty() ? AddPathSep(environment.programFolder)
                                                                    : AddPathSep(environment.windowsFolder);
}

} // namespace velmora
