#include "mainwindow/CommandRouter.h"

#include <QAbstractButton>
#include <QAction>

namespace velmora {

CommandRouter::CommandRouter(QObject* parent)
    : QObject(parent)
{
}

void CommandRouter::bind(MainCommand command, QAction* action)
{
    entry(command).actions.emplace_back(action);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    refresh(command);
}

void CommandRouter::bind(MainCommand command, QAbstractButton* button)
{
    entry(command).buttons.emplace_back(button);
    connect(button, &QAbstractButton::clicked, this, [this, command] { run(command); });
    refresh(command);
}

void CommandRouter::handle(MainCommand command, std::function<void()> handler)
{
    entry(command).handler = std::move(handler);
    refresh(command);
}

bool CommandRouter::handled(MainCommand command) const
{
    return static_cast<bool>(entry(command).handler);
}

bool CommandRouter::run(MainCommand command)
{
    const Entry& found = entry(command);
    if (!found.handler || !found.enabled)
        return false;
    // A copy: the handler may replace itself (or the router may go with the window it closes).
    const std::function<void()> handler = found.handler;
    handler();
    return true;
}

void CommandRouter::setEnabled(MainCommand command, bool enabled)
{
    entry(command).enabled = enabled;
    refresh(command);
}

bool CommandRouter::isEnabled(MainCommand command) const
{
    return handled(command) && entry(command).enabled;
}

void CommandRouter::refresh(MainCommand command)
{
    const bool enabled = isEnabled(command);
    for (const QPointer<QAction>& action : entry(command).actions)
        if (action)
            action->setEnabled(enabled);
    for (const QPointer<QAbstractButton>& button : entry(command).buttons)
        if (button)
            button->setEnabled(enabled);
}

} // namespace velmora
