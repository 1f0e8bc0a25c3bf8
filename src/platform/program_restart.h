#pragma once
// Starting the program again, as the language switch does once this run has ended.

#include <string>
#include <vector>

namespace kw {

// Replaces this process with `executable` started with `arguments` (argv[1] onwards):
// the same process, so whoever waits for it, such as ./run, keeps waiting for the new
// run. Returns only when that failed, with the reason.
[[nodiscard]] std::string restartInPlace(const std::string& executable,
                                         const std::vector<std::string>& arguments);

}  // namespace kw
