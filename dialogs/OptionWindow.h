#pragma once
// frmOption as the rest of the program refers to it. Referring to it loads it, hidden, from the
// then current settings; a dialog so loaded is shown with the values it holds. OK and Cancel unload
// it, so the next load starts afresh.
#include <memory>

class QString;
class QWidget;

namespace velmora {

class OptionDialog;
class SettingsStore;
struct EngineState;

class OptionWindow {
public:
    OptionWindow(SettingsStore& settings, EngineState& engine, QWidget* owner);
    ~OptionWindow();
    OptionWindow(const OptionWindow&) = delete;
    OptionWindow& operator=(const OptionWindow&) = delete;

    bool isLoaded() const { return m_dialog != nullptr; }
    OptionDialog& load();
    // Shows the dialog modally; returns when OK or Cancel has unloaded it. True after OK.
    bool show();

    // The automatic tiling's choice shown on the dialog.
    void selectTileMode(const QString& tileWallpaper);
    // The options window's part of EnableOff (false) and EnableOn (true).
    void setEffectEditEnabled(bool enabled);

private:
    SettingsStore& m_settings;
    EngineState& m_engine;
    QWidget* m_owner;
    std::unique_ptr<OptionDialog> m_dialog;
};

} // namespace velmora
