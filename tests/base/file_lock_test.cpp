#include "base/file_lock.h"

#include <gtest/gtest.h>

#include <chrono>

#include "base/atomic_file.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using std::chrono::milliseconds;

// Locks in one process exclude each other as those of two processes do: each holds its
// own open file description.
TEST(FileLock, ASecondHolderWaitsAndThenGivesUp) {
    test::TempDir dir;
    const std::string path = dir.file("doc.dat");
    test::writeFile(path, "bytes");
    std::string error;
    auto first = FileLock::acquire(path, error);
    ASSERT_TRUE(first) << error;
    EXPECT_FALSE(FileLock::acquire(path, error, milliseconds(50)));
    EXPECT_EQ(error, "\"" + path + "\" is in use by another program.");
    first.reset();
    EXPECT_TRUE(FileLock::acquire(path, error, milliseconds(50))) << error;
}

TEST(FileLock, ALockOnAReplacedFileIsTakenAgainOnTheNewOne) {
    test::TempDir dir;
    const std::string path = dir.file("doc.dat");
    test::writeFile(path, "old");
    std::string error;
    auto first = FileLock::acquire(path, error);
    ASSERT_TRUE(first);
    // The holder saves, which puts a new file under the name, and lets go.
    ASSERT_TRUE(writeFileAtomically(path, std::string_view("new")));
    auto second = FileLock::acquire(path, error, milliseconds(50));
    EXPECT_TRUE(second) << error;  // the new file is free even while the old one is held
    first.reset();
    EXPECT_FALSE(FileLock::acquire(path, error, milliseconds(50)));
}

// A missing file holds no one up: its save only ever creates it (see the save tests).
TEST(FileLock, AMissingFileHasNothingToLock) {
    test::TempDir dir;
    for (const std::string& path : {dir.file("new.dat"), dir.file("nodir/x.dat")}) {
        std::string error;
        const auto first = FileLock::acquire(path, error);
        EXPECT_TRUE(first) << error;
        EXPECT_TRUE(FileLock::acquire(path, error, milliseconds(50))) << error;
    }
}

}  // namespace
}  // namespace kw
