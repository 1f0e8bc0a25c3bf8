#pragma once
// Help in place of the compiled help files: "enHelp.chm" and "chHelp.chm" name folders
// of HTML pages beside the program (help/enHelp/, help/chHelp/), and a help context (a
// command, or a control of a named window or dialog) names a page in them.

#include <optional>
#include <string>
#include <string_view>

#include "res/help_context.h"

namespace kw {

inline constexpr std::string_view kHelpIndexPage = "index.html";

// The page for a context: its window's own page, else the program's page for that
// number (a dialog's commands), else the index.
[[nodiscard]] std::string_view helpPageFor(HelpContext context);

// The section of its page a context opens at: the channel page has one per grid column.
// Empty for the top of the page.
[[nodiscard]] std::string_view helpAnchorFor(HelpContext context);

// The page's full path. `helpFileName` is a bare name such as "enHelp.chm"; anything
// that could leave the help folder gives nothing.
[[nodiscard]] std::optional<std::string> helpPagePath(std::string_view programDirectory,
                                                      std::string_view helpFileName,
                                                      std::string_view page);

}  // namespace kw
