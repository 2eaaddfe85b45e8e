#include "mainwindow/AutostartToggle.h"

#include "core/Prompt.h"
#include "platform/Autostart.h"

#include <QAction>
#include <QMenu>

namespace velmora {

AutostartToggle::AutostartToggle(QAction& action, QString entryPath, QString command, QObject* parent)
    : QObject(parent)
    , m_action(action)
    , m_entryPath(std::move(entryPath))
    , m_command(std::move(command))
{
    m_action.setCheckable(true);
    // The entry may change outside the program (a desktop's start-up settings, another instance).
    for (QObject* owner : m_action.associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            connect(menu, &QMenu::aboutToShow, this, &AutostartToggle::refresh);
    connect(&m_action, &QAction::triggered, this, &AutostartToggle::switchTo);
    refresh();
}

void AutostartToggle::refresh()
{
    m_action.setChecked(platform::AutostartEnabled(m_entryPath));
}

void AutostartToggle::switchTo(bool on)
{
    QString error;
    if (!platform::SetAutostart(m_entryPath, on, m_command, &error))
        ShowWarning(tr("ログイン時に起動する設定を変更できませんでした。\n%1").arg(error));
    refresh();
}

} // namespace velmora
