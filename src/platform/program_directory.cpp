#include "platform/program_directory.h"

#include <unistd.h>

#include <climits>

namespace kw {

std::string directoryOfExecutable(std::string_view executablePath) {
    const auto slash = executablePath.rfind('/');
    if (slash == std::string_view::npos) {
        return "./";
    }
    return std::string(executablePath.substr(0, slash + 1));
}

std::string executablePath() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    // A full buffer may be a truncated name, which would point somewhere else.
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) {
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string programDirectory() {
    const std::string executable = executablePath();
    return executable.empty() ? "./" : directoryOfExecutable(executable);
}

}  // namespace kw
