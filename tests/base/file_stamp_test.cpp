#include "base/file_stamp.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "base/atomic_file.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

struct ChangeCase {
    const char* name;
    std::function<void(const std::string& path)> change;
    bool changed;
};

class ChangedSinceTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangedSinceTest, NoticesEveryWayAFileChangesOnDisk) {
    test::TempDir dir;
    const std::string path = dir.file("doc.dat");
    test::writeFile(path, "old bytes");
    const auto stamp = stampOf(path);
    ASSERT_TRUE(stamp);
    GetParam().change(path);
    EXPECT_EQ(changedSince(path, stamp), GetParam().changed);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedSinceTest,
    ::testing::Values(
        ChangeCase{"Untouched", [](auto&) {}, false},
        ChangeCase{"Reread",
                   [](auto& path) {
                       std::string contents;
                       (void)readWholeFile(path, contents);
                   },
                   false},
        ChangeCase{"Grown", [](auto& path) { test::writeFile(path, "old bytes and more"); }, true},
        ChangeCase{"SameSizeLater",
                   [](auto& path) {
                       test::writeFile(path, "new bytes");
                       const timespec later[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
                       ::utimensat(AT_FDCWD, path.c_str(), later, 0);
                   },
                   true},
        ChangeCase{
            "Replaced",
            [](auto& path) { (void)writeFileAtomically(path, std::string_view("old bytes")); },
            true},
        ChangeCase{"Removed", [](auto& path) { std::filesystem::remove(path); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileStamp, AMissingFileChangesOnceItExists) {
    test::TempDir dir;
    const std::string path = dir.file("doc.dat");
    const auto stamp = stampOf(path);
    EXPECT_FALSE(changedSince(path, stamp));
    test::writeFile(path, "bytes");
    EXPECT_TRUE(changedSince(path, stamp));
}

TEST(FileStamp, SameFileByAnyPathOrLink) {
    test::TempDir dir;
    test::writeFile(dir.file("a.dat"), "a");
    test::writeFile(dir.file("b.dat"), "a");
    std::filesystem::create_symlink(dir.file("a.dat"), dir.file("link.dat"));
    std::filesystem::create_hard_link(dir.file("a.dat"), dir.file("hard.dat"));
    const struct {
        std::string first;
        std::string second;
        bool same;
    } cases[] = {
        {dir.file("a.dat"), dir.file("link.dat"), true},
        {dir.file("a.dat"), dir.file("hard.dat"), true},
        {dir.file("a.dat"), dir.path() + "/./a.dat", true},
        {dir.file("a.dat"), dir.file("b.dat"), false},
        {dir.file("a.dat"), dir.file("none.dat"), false},
        {dir.file("none.dat"), dir.file("none.dat"), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sameFile(c.first, c.second), c.same) << c.first << " and " << c.second;
    }
}

}  // namespace
}  // namespace kw
