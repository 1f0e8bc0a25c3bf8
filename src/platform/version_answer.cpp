#include "platform/version_answer.h"

#include "platform/program_version.h"

namespace kw {

std::optional<std::string> versionAnswer(std::string_view programName,
                                         std::span<char* const> arguments) {
    if (arguments.size() != 1 || std::string_view(arguments[0]) != "--version") {
        return std::nullopt;
    }
    return std::string(programName).append(" ").append(kProgramVersion).append("\n");
}

}  // namespace kw
