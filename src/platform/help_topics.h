#pragma once
// Help in place of the compiled help files: "enHelp.chm" and "chHelp.chm" name folders
// of HTML pages beside the program (help/enHelp/, help/chHelp/), and a context number
// (a command or control identifier) names a page in them.

#include <optional>
#include <string>
#include <string_view>

namespace kw {

inline constexpr std::string_view kHelpIndexPage = "index.html";

// Optional Features numbers its controls as the channel editors are numbered, so its
// requests name their window.
enum class HelpWindow { Program, OptionalFeatures };

// The page for a context number; the index for numbers without a page of their own.
[[nodiscard]] std::string_view helpPageFor(int context, HelpWindow window = HelpWindow::Program);

// The section of its page a context opens at: the channel page has one per grid column.
// Empty for the top of the page.
[[nodiscard]] std::string_view helpAnchorFor(int context, HelpWindow window = HelpWindow::Program);

// The page's full path. `helpFileName` is a bare name such as "enHelp.chm"; anything
// that could leave the help folder gives nothing.
[[nodiscard]] std::optional<std::string> helpPagePath(std::string_view programDirectory,
                                                      std::string_view helpFileName,
                                                      std::string_view page);

}  // namespace kw
