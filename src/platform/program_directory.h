#pragma once
// The program directory: where the running executable lies, the home of Program.ini and
// the branding pictures. Taken from the executable itself, since argv[0] often names no
// directory at all.

#include <string>
#include <string_view>

namespace kw {

// `executablePath` up to and including its last '/'; "./" when it holds none.
[[nodiscard]] std::string directoryOfExecutable(std::string_view executablePath);

// The running executable's full path (/proc/self/exe); empty when it cannot be named.
[[nodiscard]] std::string executablePath();

// The directory of executablePath(), ending in '/'; the current directory ("./") when the
// executable cannot be named.
[[nodiscard]] std::string programDirectory();

}  // namespace kw
