#include "platform/program_restart.h"

#include <spawn.h>

extern char** environ;

namespace kw {

bool startDetached(const std::string& executable, const std::vector<std::string>& arguments) {
    std::vector<std::string> argvStrings;
    argvStrings.push_back(executable);
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argvStrings) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) {
        return false;
    }
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t child = 0;
    const int status =
        posix_spawn(&child, executable.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return status == 0;
}

}  // namespace kw
