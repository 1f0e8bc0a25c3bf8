#include "app/command_router.h"

#include <QAction>

namespace kw::app {

QAction* CommandRouter::createAction(CommandId command, const QString& text, QObject* owner) {
    auto* action = new QAction(text, owner);
    action->setData(numberOf(command));
    commands_[command].actions.push_back(action);
    connect(action, &QAction::triggered, this, [this, command] { trigger(command); });
    connect(action, &QObject::destroyed, this, [this, command, action] {
        auto& list = commands_[command].actions;
        std::erase(list, action);
    });
    apply(command);
    return action;
}

const std::vector<QAction*>& CommandRouter::actions(CommandId command) const {
    static const std::vector<QAction*> kNone;
    const auto found = commands_.find(command);
    return found == commands_.end() ? kNone : found->second.actions;
}

CommandId CommandRouter::commandOf(const QAction* action) {
    return CommandId{action->data().toInt()};
}

std::vector<CommandId> CommandRouter::commandIds() const {
    std::vector<CommandId> ids;
    for (const auto& [id, command] : commands_) {
        ids.push_back(id);
    }
    return ids;
}

void CommandRouter::setHandler(CommandId command, std::function<void()> handler) {
    commands_[command].handler = std::move(handler);
    apply(command);
}

void CommandRouter::setGuard(std::function<bool(CommandId)> allows) {
    guard_ = std::move(allows);
    for (const auto& [id, command] : commands_) {
        apply(id);
    }
}

void CommandRouter::setAvailable(CommandId command, bool available) {
    commands_[command].available = available;
    apply(command);
}

bool CommandRouter::isEnabled(CommandId command) const {
    const auto found = commands_.find(command);
    return found != commands_.end() && found->second.handler && found->second.available &&
           (!guard_ || guard_(command));
}

void CommandRouter::setCheckable(CommandId command) {
    commands_[command].checkable = true;
    apply(command);
}

void CommandRouter::setChecked(CommandId command, bool checked) {
    commands_[command].checked = checked;
    apply(command);
}

bool CommandRouter::isChecked(CommandId command) const {
    const auto found = commands_.find(command);
    return found != commands_.end() && found->second.checked;
}

bool CommandRouter::trigger(CommandId command) {
    if (!isEnabled(command)) {
        return false;
    }
    // The handler may change the command's own state; copy it first.
    const std::function<void()> handler = commands_[command].handler;
    handler();
    apply(command);
    return true;
}

void CommandRouter::apply(CommandId id) const {
    const Command& command = commands_.at(id);
    const bool enabled = isEnabled(id);
    for (QAction* action : command.actions) {
        const QSignalBlocker blocker(action);
        action->setEnabled(enabled);
        action->setCheckable(command.checkable);
        action->setChecked(command.checked);
    }
}

}  // namespace kw::app
