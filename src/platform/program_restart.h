#pragma once
// Starting the program again, as the language switch does once this run has ended.

#include <string>
#include <vector>

namespace kw {

// Starts `executable` with `arguments` in a session of its own, so it outlives this
// process; does not wait for it. False when it could not be started.
[[nodiscard]] bool startDetached(const std::string& executable,
                                 const std::vector<std::string>& arguments);

}  // namespace kw
