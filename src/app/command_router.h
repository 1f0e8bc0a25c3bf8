#pragma once
// The program's commands by identifier. Menus, toolbar, accelerators and the navigation
// tree all reach a command through here; a command without a handler stays disabled, so
// nothing offers a command the program cannot carry out.

#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "res/command_ids.h"

class QAction;

namespace kw::app {

class CommandRouter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // A new action for `command` with this text, owned by `owner`.
    QAction* createAction(CommandId command, const QString& text, QObject* owner);
    [[nodiscard]] const std::vector<QAction*>& actions(CommandId command) const;
    [[nodiscard]] static CommandId commandOf(const QAction* action);
    // Every command that has an action or a handler.
    [[nodiscard]] std::vector<CommandId> commandIds() const;

    void setHandler(CommandId command, std::function<void()> handler);
    // Commands the guard refuses are disabled and do not run, whoever asks for them.
    void setGuard(std::function<bool(CommandId command)> allows);
    // Whether the command may run now; it runs only when it also has a handler and the
    // guard allows it.
    void setAvailable(CommandId command, bool available);
    [[nodiscard]] bool isEnabled(CommandId command) const;
    void setCheckable(CommandId command);
    void setChecked(CommandId command, bool checked);
    [[nodiscard]] bool isChecked(CommandId command) const;

    // Runs the command when it is enabled; false when it did not run.
    bool trigger(CommandId command);

  private:
    struct Command {
        std::vector<QAction*> actions;
        std::function<void()> handler;
        bool available = true;
        bool checkable = false;
        bool checked = false;
    };
    void apply(CommandId id) const;

    std::map<CommandId, Command> commands_;
    std::function<bool(CommandId)> guard_;
};

}  // namespace kw::app
