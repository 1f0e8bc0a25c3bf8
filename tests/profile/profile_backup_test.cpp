#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "profile/profile_file.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

struct BackupCase {
    const char* name;
    std::vector<std::string> neighbours;  // files beside Program.ini
    std::string expectedSuffix;
};

void PrintTo(const BackupCase& c, std::ostream* os) {
    *os << c.name;
}

class BackupNameTest : public testing::TestWithParam<BackupCase> {};

TEST_P(BackupNameTest, NumbersFromTheLargestSuffix) {
    TempDir dir;
    const std::string path = dir.file("Program.ini");
    writeFile(path, "");
    for (const std::string& name : GetParam().neighbours) {
        writeFile(dir.file(name), "");
    }
    EXPECT_EQ(nextBackupName(path), path + GetParam().expectedSuffix);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackupNameTest,
    testing::Values(BackupCase{"None", {}, ".001"},
                    BackupCase{"TwoEarlier", {"Program.ini.001", "Program.ini.002"}, ".003"},
                    BackupCase{"Gap", {"Program.ini.001", "Program.ini.007"}, ".008"},
                    BackupCase{"OtherStemIgnored", {"Other.ini.041"}, ".001"},
                    BackupCase{"AnyNameWithTheStem", {"Program.old.012"}, ".013"},
                    BackupCase{"NonDigitsCountZero", {"Program.ini.0a9"}, ".001"},
                    BackupCase{"MoreThanThreeDigits", {"Program.ini.999"}, ".1000"}),
    [](const testing::TestParamInfo<BackupCase>& info) { return info.param.name; });

TEST(ProfileBackupTest, CopiesTheOldFileToTheNextNumberAndKeepsThatName) {
    TempDir dir;
    const std::string path = dir.file("Program.ini");
    writeFile(path, "; old\r\n[S]\r\nk=1\r\n");
    writeFile(dir.file("Program.ini.001"), "first");
    writeFile(dir.file("Program.ini.002"), "second");

    CProfileFile profile;
    ASSERT_TRUE(profile.open(path));
    ASSERT_EQ(profile.set("S", "k", "2"), ProfileSetResult::Changed);
    const ProfileSaveResult first = profile.save(true);
    EXPECT_EQ(first.status, ProfileSaveStatus::Written);
    EXPECT_EQ(first.backupName, path + ".003");
    EXPECT_EQ(readFile(path + ".003"), "; old\r\n[S]\r\nk=1\r\n");
    EXPECT_EQ(readFile(path), "[S]\r\nk=2\r\n");

    ASSERT_EQ(profile.set("S", "k", "3"), ProfileSetResult::Changed);
    const ProfileSaveResult second = profile.save(true);
    EXPECT_EQ(second.backupName, path + ".003");
    EXPECT_EQ(readFile(path + ".003"), "[S]\r\nk=2\r\n");
    EXPECT_FALSE(std::ifstream(path + ".004").is_open());
    EXPECT_EQ(readFile(dir.file("Program.ini.002")), "second");
}

TEST(ProfileBackupTest, NoBackupWithoutRequestOrWithoutAnOldFile) {
    TempDir dir;
    const std::string path = dir.file("Program.ini");
    CProfileFile profile;
    ASSERT_TRUE(profile.open(path, {.createIfMissing = false}));
    ASSERT_EQ(profile.set("S", "k", "1"), ProfileSetResult::Changed);
    const ProfileSaveResult created = profile.save(true);
    EXPECT_EQ(created.status, ProfileSaveStatus::Written);
    EXPECT_EQ(created.backupName, "");
    ASSERT_EQ(profile.set("S", "k", "2"), ProfileSetResult::Changed);
    EXPECT_EQ(profile.save(false).backupName, "");
    EXPECT_FALSE(std::ifstream(path + ".001").is_open());
}

TEST(ProfileBackupTest, DestructionMakesTheBackupWhenOpenedSo) {
    TempDir dir;
    const std::string path = dir.file("Program.ini");
    writeFile(path, "[S]\r\nk=1\r\n");
    {
        CProfileFile profile;
        ASSERT_TRUE(profile.open(path, {.writeBack = true, .makeBackup = true}));
        ASSERT_EQ(profile.set("S", "k", "2"), ProfileSetResult::Changed);
    }
    EXPECT_EQ(readFile(path + ".001"), "[S]\r\nk=1\r\n");
    EXPECT_EQ(readFile(path), "[S]\r\nk=2\r\n");
}

TEST(ProfileBackupTest, NoSaveWhenTheRequestedBackupCannotBeMade) {
    TempDir dir;
    const std::string path = dir.file("Program.ini");
    writeFile(path, "[S]\r\nk=1\r\n");
    CProfileFile profile;
    ASSERT_TRUE(profile.open(path));
    ASSERT_EQ(profile.set("S", "k", "2"), ProfileSetResult::Changed);
    // The old file can no longer be read for its copy.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    const ProfileSaveResult saved = profile.save(true);
    EXPECT_EQ(saved.status, ProfileSaveStatus::Failed);
    EXPECT_FALSE(saved.error.empty());
    EXPECT_EQ(saved.backupName, "");
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace kw
