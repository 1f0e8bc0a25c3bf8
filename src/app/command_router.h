#pragma once
// The program's commands by identifier. Menus, toolbar, accelerators and the navigation
// tree all reach a command through here; a command without a handler stays disabled, so
// nothing offers a command the program cannot carry out.

#include <QObject>
#include <functional>
#include <map>
#include <vector>

class QAction;

namespace kw::app {

class CommandRouter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // A new action for `command` with this text, owned by `owner`.
    QAction* createAction(int command, const QString& text, QObject* owner);
    [[nodiscard]] const std::vector<QAction*>& actions(int command) const;
    [[nodiscard]] static int commandOf(const QAction* action);
    // Every command that has an action or a handler.
    [[nodiscard]] std::vector<int> commandIds() const;

    void setHandler(int command, std::function<void()> handler);
    // Commands the guard refuses are disabled and do not run, whoever asks for them.
    void setGuard(std::function<bool(int command)> allows);
    // Whether the command may run now; it runs only when it also has a handler and the
    // guard allows it.
    void setAvailable(int command, bool available);
    [[nodiscard]] bool isEnabled(int command) const;
    void setCheckable(int command);
    void setChecked(int command, bool checked);
    [[nodiscard]] bool isChecked(int command) const;

    // Runs the command when it is enabled; false when it did not run.
    bool trigger(int command);

  private:
    struct Command {
        std::vector<QAction*> actions;
        std::function<void()> handler;
        bool available = true;
        bool checkable = false;
        bool checked = false;
    };
    void apply(int id) const;

    std::map<int, Command> commands_;
    std::function<bool(int)> guard_;
};

}  // namespace kw::app
