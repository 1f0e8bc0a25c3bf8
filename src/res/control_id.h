#pragma once
// Control identifiers by the window or dialog they belong to. Each dialog numbers its
// controls on its own, so the same number names different controls in different
// dialogs; the type keeps them apart.

#include <compare>

namespace kw {

// The numbering a help context belongs to: Optional Features numbers its controls as the
// channel editors are numbered, so its contexts name their window.
enum class HelpWindow { Program, OptionalFeatures };

template <typename Dialog>
class ControlId {
  public:
    constexpr explicit ControlId(int number) : number_(number) {}

    [[nodiscard]] constexpr int number() const { return number_; }
    friend constexpr auto operator<=>(ControlId, ControlId) = default;

  private:
    int number_;
};

// The main window: the channel grid, its in-place editors and the navigation tree.
struct ProgramWindow {
    static constexpr HelpWindow kHelpWindow = HelpWindow::Program;
};

// Dialog 133.
struct OptionalFeaturesDialog {
    static constexpr HelpWindow kHelpWindow = HelpWindow::OptionalFeatures;
};

}  // namespace kw
