#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <thread>

#include "model/document_file.h"
#include "profile/profile_file.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::binaryPath;
using test::runProgram;

// A file kept by the program and the command lines that write each of two versions of it.
struct SavedFile {
    const char* name;
    std::vector<std::string> (*saveVersion)(const std::string& path, int version);
};

std::vector<std::string> saveDocumentVersion(const std::string& path, int version) {
    return {"new", path, "--force", "--model", version == 0 ? "KW-217V" : "KW-217U"};
}

std::vector<std::string> saveProfileVersion(const std::string& path, int version) {
    // A long value, so that a save takes long enough to be caught halfway.
    return {"profile", path,      "set",
            "English", "Company", std::string(20000, version == 0 ? 'a' : 'b')};
}

const SavedFile kSavedFiles[] = {
    {"radio.dat", saveDocumentVersion},
    {"Program.ini", saveProfileVersion},
};

std::string savedVersion(const SavedFile& file, const std::string& path, int version) {
    const auto saved = runProgram(binaryPath("kwprog-cli"), file.saveVersion(path, version));
    EXPECT_EQ(saved.exitStatus, 0) << saved.err;
    return test::readFile(path);
}

// Saves are killed at random moments; each file must always be one whole version.
TEST(CrashSafeFiles, KilledSavesLeaveTheOldOrTheNewVersion) {
    for (const SavedFile& file : kSavedFiles) {
        test::TempDir dir;
        const std::string path = dir.file(file.name);
        const std::string versions[] = {savedVersion(file, path, 0), savedVersion(file, path, 1)};
        ASSERT_NE(versions[0], versions[1]);

        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
        constexpr int kIterations = 150;
        int killedMidway = 0;
        for (int i = 0; i < kIterations; ++i) {
            const pid_t child =
                test::startProgram(binaryPath("kwprog-cli"), file.saveVersion(path, i % 2));
            std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            killedMidway += WIFSIGNALED(status) ? 1 : 0;
            const std::string contents = test::readFile(path);
            ASSERT_TRUE(contents == versions[0] || contents == versions[1])
                << file.name << ", iteration " << i << ": " << contents.size() << " bytes";
        }
        RecordProperty(std::string(file.name) + " killed", killedMidway);
        EXPECT_GT(killedMidway, 0) << file.name;
    }
}

// Saves as the program makes them, of two versions told apart by `version`.
void saveDocument(const std::string& path, int version) {
    RadioImage image;
    image.fill(version == 0 ? 0x5A : 0xA5);
    if (!storeDocumentFile(path, image)) {
        std::abort();
    }
}

void saveProfile(const std::string& path, int version) {
    CProfileFile profile;
    if (!profile.open(path) ||
        profile.set("English", "Company", std::string(20000, version == 0 ? 'a' : 'b')) ==
            ProfileSetResult::Refused ||
        profile.save(false).status == ProfileSaveStatus::Failed) {
        std::abort();
    }
}

const struct {
    const char* name;
    void (*save)(const std::string& path, int version);
} kSaveLoops[] = {
    {"radio.dat", saveDocument},
    {"Program.ini", saveProfile},
};

// Half-written copies a killed save left beside `path`; they are removed.
int removeLeftovers(const std::string& folder, const std::string& path) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().string().starts_with(path + ".")) {
            std::filesystem::remove(entry.path());
            ++count;
        }
    }
    return count;
}

// A process saving one file over and over is killed at random moments, so most kills
// land inside a save; the file must always be one whole version.
TEST(CrashSafeFiles, KilledSaveLoopsLeaveTheOldOrTheNewVersion) {
    for (const auto& loop : kSaveLoops) {
        test::TempDir dir;
        const std::string path = dir.file(loop.name);
        std::string versions[2];
        for (int version : {1, 0}) {
            loop.save(path, version);
            versions[version] = test::readFile(path);
        }
        ASSERT_NE(versions[0], versions[1]);

        std::mt19937 random(20261208);
        std::uniform_int_distribution<int> delayMicroseconds(0, 10000);
        constexpr int kIterations = 200;
        int caughtMidSave = 0;
        for (int i = 0; i < kIterations; ++i) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                for (int version = i % 2;; version ^= 1) {
                    loop.save(path, version);
                }
            }
            std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << loop.name << ": the saving process ended by itself";
            const std::string contents = test::readFile(path);
            ASSERT_TRUE(contents == versions[0] || contents == versions[1])
                << loop.name << ", iteration " << i << ": " << contents.size() << " bytes";
            caughtMidSave += removeLeftovers(dir.path(), path);
        }
        RecordProperty(std::string(loop.name) + " caught mid-save", caughtMidSave);
        std::printf("%s: %d kills, %d inside a save\n", loop.name, kIterations, caughtMidSave);
        EXPECT_GT(caughtMidSave, 0) << loop.name;
    }
}

// A full file system refuses the save with a message; the old file stays whole.
TEST(CrashSafeFiles, FullFileSystemKeepsTheOldFile) {
    test::TempDir dir;
    const std::string mountPoint = dir.file("small");
    ASSERT_EQ(::mkdir(mountPoint.c_str(), 0755), 0);
    // Six pages: room for each file once, not for its replacement beside it.
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=56k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    }
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{mountPoint};

    for (const SavedFile& file : kSavedFiles) {
        const std::string path = mountPoint + "/" + file.name;
        const std::string before = savedVersion(file, path, 0);
        ASSERT_FALSE(before.empty());
        // Fill what is left, then try to replace the file.
        test::writeFile(mountPoint + "/filler", std::string(64 << 10, 'x'));
        const auto refused = runProgram(binaryPath("kwprog-cli"), file.saveVersion(path, 1));
        EXPECT_EQ(refused.exitStatus, 2) << file.name;
        EXPECT_NE(refused.err.find("No space left on device"), std::string::npos) << refused.err;
        EXPECT_EQ(test::readFile(path), before) << file.name;
        ::unlink((mountPoint + "/filler").c_str());
    }
}

}  // namespace
}  // namespace kw
