#include "platform/program_restart.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kw {

std::string restartInPlace(const std::string& executable,
                           const std::vector<std::string>& arguments) {
    std::vector<std::string> argvStrings;
    argvStrings.push_back(executable);
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argvStrings) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    ::execv(executable.c_str(), argv.data());
    return executable + " could not be started again: " + std::strerror(errno) + ".";
}

}  // namespace kw
