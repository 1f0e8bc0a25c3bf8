#include "platform/program_restart.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace kw {
namespace {

// Runs restartInPlace in a child of its own and returns the child's pid and exit status.
std::pair<pid_t, int> restartInChild(const std::string& executable,
                                     const std::vector<std::string>& arguments) {
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string failure = restartInPlace(executable, arguments);
        _exit(failure.empty() ? 98 : 99);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return {child, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(ProgramRestart, TheNewRunIsTheSameProcessWithTheGivenArguments) {
    test::TempDir dir;
    const std::string marker = dir.file("started");
    const auto [pid, status] =
        restartInChild("/bin/sh", {"-c", "echo \"$0 $1\" $$ > " + marker, "again", "--port"});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::readFile(marker), "again --port " + std::to_string(pid) + "\n");
}

TEST(ProgramRestart, AMissingProgramIsReportedAndThisRunGoesOn) {
    EXPECT_EQ(restartInChild("/nonexistent/kwprog", {}).second, 99);
    EXPECT_NE(restartInPlace("/nonexistent/kwprog", {}).find("/nonexistent/kwprog"),
              std::string::npos);
}

}  // namespace
}  // namespace kw
