#include "platform/program_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kw {
namespace {

TEST(ProgramDirectoryTest, IsTheExecutablePathUpToItsLastSlash) {
    EXPECT_EQ(directoryOfExecutable("/opt/kwprog/bin/kwprog"), "/opt/kwprog/bin/");
    EXPECT_EQ(directoryOfExecutable("/kwprog"), "/");
    EXPECT_EQ(directoryOfExecutable("kwprog"), "./");
}

TEST(ProgramDirectoryTest, HoldsTheRunningExecutableWhateverTheCurrentFolder) {
    const std::string directory = programDirectory();
    ASSERT_TRUE(directory.starts_with('/'));
    ASSERT_TRUE(directory.ends_with('/'));
    EXPECT_TRUE(std::filesystem::exists(directory + "test_platform"));
}

}  // namespace
}  // namespace kw
