#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <thread>

#include "support/temp_dir.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
constexpr uid_t kNobody = 65534;

// Every entry of a folder as it stands: kind, bytes or link target, mode and owner.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        std::string text = std::to_string(info.st_mode) + ' ' + std::to_string(info.st_uid) + ' ' +
                           std::to_string(info.st_ino) + ' ';
        if (S_ISLNK(info.st_mode)) {
            text += fs::read_symlink(entry.path()).string();
        } else if (S_ISREG(info.st_mode)) {
            text += test::readFile(entry.path());
        }
        entries[entry.path().filename()] = text;
    }
    return entries;
}

struct SaveCase {
    const char* name;
    std::function<std::string(const test::TempDir&)> prepare;  // the path to save to
    const char* refusal;  // a phrase of the refusal; nullptr when the save is taken
    const char* savedAt;  // where the new bytes then are
};

class SaveTargetTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveTargetTest, SavesOnlyWhatASaveCannotDestroy) {
    test::TempDir dir;
    const std::string path = GetParam().prepare(dir);
    const auto before = snapshot(dir.path());
    const FileWriteResult written = writeFileAtomically(path, std::string_view("new bytes"));
    if (GetParam().refusal) {
        EXPECT_FALSE(written);
        EXPECT_NE(written.error.find(GetParam().refusal), std::string::npos) << written.error;
        EXPECT_EQ(snapshot(dir.path()), before);
    } else {
        ASSERT_TRUE(written) << written.error;
        EXPECT_EQ(test::readFile(dir.file(GetParam().savedAt)), "new bytes");
    }
}

std::string existing(const test::TempDir& dir) {
    test::writeFile(dir.file("old.dat"), "old bytes");
    return dir.file("old.dat");
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveTargetTest,
    ::testing::Values(SaveCase{"Missing", [](auto& dir) { return dir.file("new.dat"); }, nullptr,
                               "new.dat"},
                      SaveCase{"Regular", existing, nullptr, "old.dat"},
                      SaveCase{"LinkToRegular",
                               [](auto& dir) {
                                   fs::create_symlink(existing(dir), dir.file("link.dat"));
                                   return dir.file("link.dat");
                               },
                               nullptr, "old.dat"},
                      SaveCase{"DanglingLink",
                               [](auto& dir) {
                                   fs::create_symlink(dir.file("gone.dat"), dir.file("link.dat"));
                                   return dir.file("link.dat");
                               },
                               "is a symbolic link to a file that does not exist", nullptr},
                      SaveCase{"Fifo",
                               [](auto& dir) {
                                   ::mkfifo(dir.file("fifo").c_str(), 0644);
                                   return dir.file("fifo");
                               },
                               "is a FIFO, not a regular file", nullptr},
                      SaveCase{"CharacterDeviceThroughLink",
                               [](auto& dir) {
                                   fs::create_symlink("/dev/null", dir.file("null"));
                                   return dir.file("null");
                               },
                               "is a character device, not a regular file", nullptr},
                      SaveCase{"Folder",
                               [](auto& dir) {
                                   fs::create_directory(dir.file("sub"));
                                   return dir.file("sub");
                               },
                               "is a folder, not a regular file", nullptr},
                      SaveCase{"ReadOnly",
                               [](auto& dir) {
                                   const std::string path = existing(dir);
                                   ::chmod(path.c_str(), 0444);
                                   return path;
                               },
                               "is read-only", nullptr},
                      SaveCase{"MissingFolder", [](auto& dir) { return dir.file("nodir/x.dat"); },
                               "No such file or directory", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicFile, KeepsModeOwnerAndHardLinks) {
    test::TempDir dir;
    const std::string path = existing(dir);
    ASSERT_EQ(::link(path.c_str(), dir.file("second.dat").c_str()), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    struct stat before {};
    ::stat(path.c_str(), &before);
    ASSERT_TRUE(writeFileAtomically(path, std::string_view("new bytes")));
    struct stat after {};
    ::stat(path.c_str(), &after);
    EXPECT_EQ(test::readFile(dir.file("second.dat")), "new bytes");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(snapshot(dir.path()).size(), 2u);  // no temporary file left
}

// Runs `work` as the nobody user in a child process; its result is the child's.
bool asNobody(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && work() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct UserCase {
    const char* name;
    uid_t owner;
    mode_t mode;
    const char* refusal;  // nullptr: saved, the file keeps its owner
};

class OrdinaryUserTest : public ::testing::TestWithParam<UserCase> {};

TEST_P(OrdinaryUserTest, SavesOnlyWhatTheUserMayWriteAndKeepsItsOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "becoming another user needs root";
    }
    test::TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    const std::string path = existing(dir);
    ASSERT_EQ(::chown(path.c_str(), GetParam().owner, GetParam().owner), 0);
    ASSERT_EQ(::chmod(path.c_str(), GetParam().mode), 0);
    const auto before = snapshot(dir.path());
    const char* refusal = GetParam().refusal;
    EXPECT_TRUE(asNobody([&] {
        const FileWriteResult written = writeFileAtomically(path, std::string_view("new bytes"));
        return refusal ? !written && written.error.find(refusal) != std::string::npos
                       : static_cast<bool>(written);
    }));
    struct stat after {};
    ::stat(path.c_str(), &after);
    EXPECT_EQ(after.st_uid, GetParam().owner);
    if (refusal) {
        EXPECT_EQ(snapshot(dir.path()), before);
    } else {
        EXPECT_EQ(test::readFile(path), "new bytes");
    }
}

INSTANTIATE_TEST_SUITE_P(Owners, OrdinaryUserTest,
                         ::testing::Values(UserCase{"OwnFile", kNobody, 0644, nullptr},
                                           UserCase{"OwnReadOnlyFile", kNobody, 0444,
                                                    "is read-only"},
                                           UserCase{"OthersFile", 0, 0644, "Permission denied"},
                                           UserCase{"OthersWritableFile", 0, 0666, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicFile, TextOutputStreamsIntoFifosAndDevicesAndSavesFiles) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0644), 0);
    std::string received;
    std::thread reader([&] { received = test::readFile(dir.file("fifo")); });
    EXPECT_TRUE(writeTextOutput(dir.file("fifo"), "a,b\r\n"));
    reader.join();
    EXPECT_EQ(received, "a,b\r\n");

    fs::create_symlink("/dev/null", dir.file("null"));
    EXPECT_TRUE(writeTextOutput(dir.file("null"), "a,b\r\n"));
    EXPECT_TRUE(fs::is_symlink(dir.file("null")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    EXPECT_TRUE(writeTextOutput(dir.file("out.csv"), "a,b\r\n"));
    EXPECT_EQ(test::readFile(dir.file("out.csv")), "a,b\r\n");
    EXPECT_FALSE(writeTextOutput(dir.path(), "a,b\r\n"));
}

struct ReadCase {
    const char* name;
    std::function<std::string(const test::TempDir&)> prepare;
    const char* refusal;  // nullptr: read
};

class ReadSourceTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSourceTest, OpensRegularFilesOnlyAndNeverBlocks) {
    test::TempDir dir;
    const std::string path = GetParam().prepare(dir);
    const auto started = std::chrono::steady_clock::now();
    std::string contents;
    const FileReadResult read = readWholeFile(path, contents);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    if (GetParam().refusal) {
        EXPECT_EQ(read.status, FileReadStatus::CannotRead);
        EXPECT_NE(read.error.find(GetParam().refusal), std::string::npos) << read.error;
    } else {
        EXPECT_TRUE(read) << read.error;
        EXPECT_EQ(contents, "old bytes");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ReadSourceTest,
    ::testing::Values(ReadCase{"Regular", existing, nullptr},
                      ReadCase{"LinkToRegular",
                               [](auto& dir) {
                                   fs::create_symlink(existing(dir), dir.file("link.dat"));
                                   return dir.file("link.dat");
                               },
                               nullptr},
                      ReadCase{"Fifo",
                               [](auto& dir) {
                                   ::mkfifo(dir.file("fifo").c_str(), 0644);
                                   return dir.file("fifo");
                               },
                               "fifo\" is a FIFO, not a regular file."},
                      ReadCase{"Zeros", [](auto&) { return std::string("/dev/zero"); },
                               "\"/dev/zero\" is a character device, not a regular file."},
                      ReadCase{"Folder", [](auto& dir) { return dir.path(); }, "is a folder"},
                      ReadCase{"Missing", [](auto& dir) { return dir.file("none"); },
                               "No such file or directory"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kw
