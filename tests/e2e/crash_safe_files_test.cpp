#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <random>
#include <thread>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::binaryPath;
using test::runProgram;

std::string documentFor(const test::TempDir& dir, const std::string& model) {
    const std::string path = dir.file(model + ".dat");
    const auto made = runProgram(binaryPath("kwprog-cli"), {"new", path, "--model", model});
    EXPECT_EQ(made.exitStatus, 0) << made.err;
    return test::readFile(path);
}

// Saves are killed at random moments; the document must always be one whole version.
TEST(CrashSafeFiles, KilledSavesLeaveTheOldOrTheNewDocument) {
    test::TempDir dir;
    const std::string versions[] = {documentFor(dir, "KW-217V"), documentFor(dir, "KW-217U")};
    const std::string models[] = {"KW-217V", "KW-217U"};
    const std::string path = dir.file("radio.dat");
    ASSERT_EQ(runProgram(binaryPath("kwprog-cli"), {"new", path}).exitStatus, 0);

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    constexpr int kIterations = 200;
    int killedMidway = 0;
    for (int i = 0; i < kIterations; ++i) {
        const pid_t child =
            test::startProgram(binaryPath("kwprog-cli"), {"new", path, "--model", models[i % 2]});
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        killedMidway += WIFSIGNALED(status) ? 1 : 0;
        const std::string contents = test::readFile(path);
        ASSERT_TRUE(contents == versions[0] || contents == versions[1])
            << "iteration " << i << ": " << contents.size() << " bytes";
    }
    RecordProperty("iterations", kIterations);
    RecordProperty("killed", killedMidway);
    EXPECT_GT(killedMidway, 0);
}

// A full file system refuses the save with a message; the old document stays whole.
TEST(CrashSafeFiles, FullFileSystemKeepsTheOldDocument) {
    test::TempDir dir;
    const std::string mountPoint = dir.file("small");
    ASSERT_EQ(::mkdir(mountPoint.c_str(), 0755), 0);
    // Three pages: room for one document, not for its replacement beside it.
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=12k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    }
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{mountPoint};

    const std::string path = mountPoint + "/radio.dat";
    ASSERT_EQ(runProgram(binaryPath("kwprog-cli"), {"new", path}).exitStatus, 0);
    const std::string before = test::readFile(path);
    const auto refused = runProgram(binaryPath("kwprog-cli"), {"new", path, "--model", "KW-217U"});
    EXPECT_EQ(refused.exitStatus, 2);
    EXPECT_NE(refused.err.find("No space left on device"), std::string::npos) << refused.err;
    EXPECT_EQ(test::readFile(path), before);
}

}  // namespace
}  // namespace kw
