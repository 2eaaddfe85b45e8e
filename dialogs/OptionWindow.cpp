#include "dialogs/OptionWindow.h"

#include "dialogs/OptionDialog.h"

namespace velmora {

OptionWindow::OptionWindow(SettingsStore& settings, EngineState& engine, QWidget* owner)
    : m_settings(settings)
    , m_engine(engine)
    , m_owner(owner)
{}

OptionWindow::~OptionWindow() = default;

OptionDialog& OptionWindow::load()
{
    if (!m_dialog)
        m_dialog =
            std::make_unique<OptionDialog>(m_settings, m_engine, platform::PrimaryScreenTwips(), m_owner);
    return *m_dialog;
}

bool OptionWindow::show()
{
    // Asked again while it is open (another command, the tray): the open one comes to the front.
    if (m_dialog && m_dialog->isVisible()) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return false;
    }
    const bool accepted = load().exec() == QDialog::Accepted;
    m_dialog.reset();
    return accepted;
}

void OptionWindow::selectTileMode(const QString& tileWallpaper)
{
    load().selectTileMode(tileWallpaper);
}

void OptionWindow::setEffectEditEnabled(bool enabled)
{
    load().setEffectEditEnabled(enabled);
}

} // namespace velmora
