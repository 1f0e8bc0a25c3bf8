// Two kwprog-cli processes changing one document at once lose none of each other's changes.

#include <gtest/gtest.h>

#include <thread>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::binaryPath;
using test::runProgram;

TEST(ConcurrentChanges, TwoProcessesMakingSixtyChangesEachKeepAllOfThem) {
    test::TempDir dir;
    const std::string document = dir.file("c.dat");
    ASSERT_EQ(runProgram(binaryPath("kwprog-cli"), {"new", document}).exitStatus, 0);
    constexpr int kChangesEach = 60;
    const auto changeRows = [&](int firstRow, int& failures) {
        for (int row = firstRow; row < firstRow + kChangesEach; ++row) {
            const auto set = runProgram(binaryPath("kwprog-cli"),
                                        {"set", document, std::to_string(row) + ":1=146.5"});
            failures += set.exitStatus == 0 ? 0 : 1;
        }
    };
    int failures[2] = {};
    std::thread first(changeRows, 1, std::ref(failures[0]));
    std::thread second(changeRows, 1 + kChangesEach, std::ref(failures[1]));
    first.join();
    second.join();
    EXPECT_EQ(failures[0] + failures[1], 0);
    const auto info = runProgram(binaryPath("kwprog-cli"), {"info", document});
    EXPECT_NE(info.out.find("channels: 120\n"), std::string::npos) << info.out;
}

}  // namespace
}  // namespace kw
