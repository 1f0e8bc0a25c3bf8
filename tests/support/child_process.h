#pragma once
// Runs the project's executables (found through KW_BIN_DIR) as real child processes.

#include <sys/types.h>

#include <string>
#include <vector>

namespace kw::test {

// build/bin, as ctest passes it in KW_BIN_DIR.
std::string binaryPath(const std::string& name);

struct ProgramResult {
    int exitStatus = -1;  // -1 when the child did not exit normally
    std::string out;
    std::string err;
};

// Runs to completion and collects both streams.
ProgramResult runProgram(const std::string& path, const std::vector<std::string>& arguments);

// Starts without waiting; stdout and stderr go to /dev/null.
pid_t startProgram(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace kw::test
