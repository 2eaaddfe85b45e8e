#pragma once
// Lets the user choose the calendar's text settings in the "Calendar" dialog.
#include "core/Settings.h"
#include "engine/EngineState.h"

class QWidget;

namespace velmora {

// Opens the dialog on the wallpaper image's text settings. On OK the choice goes onto the image and
// into the calendar's settings keys (written to the settings file later); Cancel changes nothing.
// True when the user chose OK.
bool EditCalendarTextStyle(EngineState& state, Settings& settings, QWidget* owner);

} // namespace velmora
