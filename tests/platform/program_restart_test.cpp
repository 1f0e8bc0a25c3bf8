#include "platform/program_restart.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_dir.h"

namespace kw {
namespace {

TEST(ProgramRestart, StartsTheProgramWithItsArguments) {
    test::TempDir dir;
    const std::string marker = dir.file("started");
    ASSERT_TRUE(startDetached("/bin/sh", {"-c", "echo \"$0\" > " + marker, "again"}));
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    for (int i = 0; i < 200 && test::readFile(marker).empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(test::readFile(marker), "again\n");
}

TEST(ProgramRestart, AMissingProgramIsReported) {
    EXPECT_FALSE(startDetached("/nonexistent/kwprog", {}));
}

}  // namespace
}  // namespace kw
