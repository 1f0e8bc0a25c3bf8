// Commands never destroy a file they were not meant to change: every refusal leaves every
// file in the folder as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>

#include "run_cli.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::runCli;

std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        std::string text = std::to_string(info.st_mode) + ' ' + std::to_string(info.st_ino) + ' ';
        text += S_ISLNK(info.st_mode)   ? fs::read_symlink(entry.path()).string()
                : S_ISREG(info.st_mode) ? test::readFile(entry.path())
                                        : std::string();
        entries[entry.path().filename()] = text;
    }
    return entries;
}

struct CommandCase {
    const char* name;
    std::function<void(const test::TempDir&)> prepare;  // beside an existing "d.dat"
    std::vector<std::string> words;                     // "@" stands for the folder
    int status;
    const char* message;  // a phrase of the error stream
};

class RefusedCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(RefusedCommand, LeavesEveryFileAsItWas) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"new", dir.file("d.dat")}).status, 0);
    GetParam().prepare(dir);
    std::vector<std::string> words;
    for (const std::string& word : GetParam().words) {
        words.push_back(word.starts_with("@/") ? dir.file(word.substr(2)) : word);
    }
    const auto before = snapshot(dir.path());
    const auto run = runCli(words);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(snapshot(dir.path()), before);
}

void nothing(const test::TempDir&) {}
void link(const test::TempDir& dir, const std::string& target, const std::string& name) {
    fs::create_symlink(target, dir.file(name));
}
void fifo(const test::TempDir& dir) {
    ::mkfifo(dir.file("f").c_str(), 0644);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RefusedCommand,
    ::testing::Values(
        CommandCase{"ExportOverItsDocument",
                    nothing,
                    {"export", "@/d.dat", "@/d.dat"},
                    2,
                    "is the same file as"},
        CommandCase{"ExportOverALinkToItsDocument",
                    [](auto& dir) { link(dir, dir.file("d.dat"), "l.csv"); },
                    {"export", "@/d.dat", "@/l.csv"},
                    2,
                    "is the same file as"},
        CommandCase{"ImportOfItsOwnDocument",
                    nothing,
                    {"import", "@/d.dat", "@/d.dat"},
                    2,
                    "is the same file as"},
        CommandCase{"NewOverADocument",
                    nothing,
                    {"new", "@/d.dat", "--model", "KW-217U"},
                    1,
                    "already exists; give --force to replace it."},
        CommandCase{"NewOverADevice",
                    [](auto& dir) { link(dir, "/dev/null", "n"); },
                    {"new", "@/n", "--force"},
                    2,
                    "is a character device, not a regular file"},
        CommandCase{"NewOverADanglingLink",
                    [](auto& dir) { link(dir, dir.file("gone.dat"), "dl.dat"); },
                    {"new", "@/dl.dat"},
                    2,
                    "is a symbolic link to a file that does not exist"},
        CommandCase{"NewOverAFifo", fifo, {"new", "@/f", "--force"}, 2, "is a FIFO"},
        CommandCase{"SetOnAReadOnlyDocument",
                    [](auto& dir) { ::chmod(dir.file("d.dat").c_str(), 0444); },
                    {"set", "@/d.dat", "1:1=146.5"},
                    2,
                    "is read-only"},
        CommandCase{"InfoOnAFifo", fifo, {"info", "@/f"}, 2, "is a FIFO, not a regular file"},
        CommandCase{"InfoOnADevice",
                    nothing,
                    {"info", "/dev/zero"},
                    2,
                    "\"/dev/zero\" is a character device, not a regular file."},
        CommandCase{"ImportOfAFifo", fifo, {"import", "@/d.dat", "@/f"}, 2, "is a FIFO"},
        CommandCase{
            "ProfileGetOfAFifo", fifo, {"profile", "@/f", "get", "English", "k"}, 2, "is a FIFO"},
        CommandCase{"ProfileKeyThatCannotBeReadBack",
                    [](auto& dir) { test::writeFile(dir.file("p.ini"), "[English]\r\n"); },
                    {"profile", "@/p.ini", "set", "English", "k=1", "v"},
                    1,
                    "the key \"k=1\" holds \"=\", so it could never be read back"},
        CommandCase{"ReadIntoAMissingFolder",
                    nothing,
                    {"read", "--port", "COM17", "@/nodir/x.dat"},
                    2,
                    "nodir/x.dat\": No such file or directory."},
        CommandCase{"ReadOverADocument",
                    nothing,
                    {"read", "--port", "COM17", "@/d.dat"},
                    1,
                    "already exists; give --force to replace it."},
        CommandCase{"ReadIntoItsDocumentReachesThePort",
                    nothing,
                    {"read", "--port", "COM17", "@/d.dat", "--into", "@/d.dat"},
                    3,
                    "COM17 has no device file."},
        CommandCase{"WriteTracingOverItsDocument",
                    nothing,
                    {"write", "--port", "COM17", "@/d.dat", "--trace", "@/./d.dat"},
                    2,
                    "choose another file for --trace."},
        CommandCase{"ReadTracingIntoItsNewOutput",
                    nothing,
                    {"read", "--port", "COM17", "@/new.dat", "--trace", "@/new.dat"},
                    2,
                    "choose another file for --trace."},
        CommandCase{"WriteToOnePortByTwoNames",
                    [](auto& dir) { link(dir, "/dev/null", "port"); },
                    {"write", "--port", "/dev/null", "--port", "@/port", "@/d.dat"},
                    2,
                    "is given twice."},
        CommandCase{"WriteToAnEmptyPortBesideAnother",
                    nothing,
                    {"write", "--port", "/dev/null", "--port", "", "@/d.dat"},
                    2,
                    "Name the radio's port with --port"},
        CommandCase{"FleetOnAPortWithNoDevice",
                    nothing,
                    {"fleet", "--port", "@/ttyUSB9", "@/d.dat", "--log", "@/f.csv"},
                    3,
                    "ttyUSB9 has no device file."},
        CommandCase{"FleetOnAFileThatIsNoPort",
                    nothing,
                    {"fleet", "--port", "@/d.dat", "@/d.dat"},
                    3,
                    "d.dat is not a serial device."},
        CommandCase{"FleetLoggingOverItsDocument",
                    nothing,
                    {"fleet", "--port", "COM17", "@/d.dat", "--log", "@/d.dat"},
                    2,
                    "choose another file for --log."},
        CommandCase{
            "FleetLoggingAndTracingIntoOneNewFile",
            nothing,
            {"fleet", "--port", "COM17", "@/d.dat", "--log", "@/t.csv", "--trace", "@/x/../t.csv"},
            2,
            "choose another file for --trace."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Commands, ForceReplacesAndExportWritesToStandardOutput) {
    test::TempDir dir;
    const std::string document = dir.file("d.dat");
    ASSERT_EQ(runCli({"new", document}).status, 0);
    EXPECT_EQ(runCli({"new", document, "--model", "KW-217U", "--force"}).status, 0);
    EXPECT_NE(runCli({"info", document}).out.find("KW-217U"), std::string::npos);
    const auto exported = runCli({"export", document, "-"});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out.rfind("Rx Frequency,", 0), 0u) << exported.out;
}

// A standard output that takes nothing is a failure, whatever the command.
TEST(Commands, AnUnwritableStandardOutputExitsTwo) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"new", dir.file("d.dat")}).status, 0);
    ASSERT_EQ(runCli({"new", dir.file("e.dat"), "--model", "KW-217U"}).status, 0);
    for (const auto& words : {std::vector<std::string>{"info", dir.file("d.dat")},
                              {"channels", dir.file("d.dat")},
                              {"features", dir.file("d.dat")},
                              {"diff", dir.file("d.dat"), dir.file("e.dat")},
                              {"help"}}) {
        std::ostream full(nullptr);
        std::ostringstream err;
        EXPECT_EQ(cli::runCli(words, full, err), 2) << words[0];
        EXPECT_EQ(err.str(), "Could not write to standard output.\n") << words[0];
    }
}

}  // namespace
}  // namespace kw
