#include "dialogs/EditCalendarTextStyle.h"

#include "dialogs/CalendarTextStyleDialog.h"
#include "engine/TextSettings.h"

namespace velmora {

bool EditCalendarTextStyle(EngineState& state, Settings& settings, QWidget* owner)
{
    CalendarTextStyleDialog dialog(state.leadWallPaper.textSettings(), owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    state.leadWallPaper.textSettings() = dialog.textSettings();
    StoreCalendarTextSettings(state.leadWallPaper.textSettings(), settings);
    return true;
}

} // namespace velmora
