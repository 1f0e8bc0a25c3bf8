#include "app/command_router.h"

#include <QAction>

namespace kw::app {

QAction* CommandRouter::createAction(int command, const QString& text, QObject* owner) {
    auto* action = new QAction(text, owner);
    action->setData(command);
    Command& entry = commands_[command];
    entry.actions.push_back(action);
    connect(action, &QAction::triggered, this, [this, command] { trigger(command); });
    connect(action, &QObject::destroyed, this, [this, command, action] {
        auto& list = commands_[command].actions;
        std::erase(list, action);
    });
    apply(entry);
    return action;
}

const std::vector<QAction*>& CommandRouter::actions(int command) const {
    static const std::vector<QAction*> kNone;
    const auto found = commands_.find(command);
    return found == commands_.end() ? kNone : found->second.actions;
}

int CommandRouter::commandOf(const QAction* action) {
    return action->data().toInt();
}

std::vector<int> CommandRouter::commandIds() const {
    std::vector<int> ids;
    for (const auto& [id, command] : commands_) {
        ids.push_back(id);
    }
    return ids;
}

void CommandRouter::setHandler(int command, std::function<void()> handler) {
    Command& entry = commands_[command];
    entry.handler = std::move(handler);
    apply(entry);
}

void CommandRouter::setAvailable(int command, bool available) {
    Command& entry = commands_[command];
    entry.available = available;
    apply(entry);
}

bool CommandRouter::isEnabled(int command) const {
    const auto found = commands_.find(command);
    return found != commands_.end() && found->second.handler && found->second.available;
}

void CommandRouter::setCheckable(int command) {
    Command& entry = commands_[command];
    entry.checkable = true;
    apply(entry);
}

void CommandRouter::setChecked(int command, bool checked) {
    Command& entry = commands_[command];
    entry.checked = checked;
    apply(entry);
}

bool CommandRouter::isChecked(int command) const {
    const auto found = commands_.find(command);
    return found != commands_.end() && found->second.checked;
}

bool CommandRouter::trigger(int command) {
    if (!isEnabled(command)) {
        return false;
    }
    // The handler may change the command's own state; copy it first.
    const std::function<void()> handler = commands_[command].handler;
    handler();
    apply(commands_[command]);
    return true;
}

void CommandRouter::apply(const Command& command) const {
    for (QAction* action : command.actions) {
        const QSignalBlocker blocker(action);
        action->setEnabled(command.handler && command.available);
        action->setCheckable(command.checkable);
        action->setChecked(command.checked);
    }
}

}  // namespace kw::app
