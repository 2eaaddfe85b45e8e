#pragma once
// How the main window meets the user at start-up, by the switches and whether a notification area
// is there to come back through.
namespace velmora {

enum class StartupShow { Shown, Hidden, Minimized };

// "-ng", or MinBoot, sends the window to the notification area. Without one a hidden window could
// never be reached again, so it starts minimised instead; a "-ng -s" run, which ends by itself,
// stays hidden.
StartupShow StartupWindowShow(bool noWindowSwitch, bool oneShot, bool minBoot, bool trayAvailable);

} // namespace velmora
