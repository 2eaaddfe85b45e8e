#include "mainwindow/TrayPolicy.h"

namespace velmora {

StartupShow StartupWindowShow(bool noWindowSwitch, bool oneShot, bool minBoot, bool trayAvailable)
{
    if (noWindowSwitch)
        return oneShot || trayAvailable ? StartupShow::Hidden : StartupShow::Minimized;
    if (minBoot)
        return trayAvailable ? StartupShow::Hidden : StartupShow::Minimized;
    return StartupShow::Shown;
}

} // namespace velmora
