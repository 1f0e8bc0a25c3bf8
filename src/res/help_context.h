#pragma once
// What F1 asks help for: a command, a control of a named window or dialog, or a context
// of its own such as a menu or one column of an in-place editor.

#include "res/command_ids.h"
#include "res/control_id.h"

namespace kw {

class HelpContext {
  public:
    constexpr HelpContext(int number, HelpWindow window) : number_(number), window_(window) {}
    constexpr HelpContext(CommandId command) : number_(numberOf(command)) {}
    template <typename Dialog>
    constexpr HelpContext(ControlId<Dialog> control)
        : number_(control.number()), window_(Dialog::kHelpWindow) {}

    [[nodiscard]] constexpr int number() const { return number_; }
    [[nodiscard]] constexpr HelpWindow window() const { return window_; }
    friend constexpr bool operator==(HelpContext, HelpContext) = default;

  private:
    int number_;
    HelpWindow window_ = HelpWindow::Program;
};

}  // namespace kw
