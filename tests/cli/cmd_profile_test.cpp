#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli.h"
#include "exit_status.h"
#include "support/temp_dir.h"

namespace kw::cli {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

class ProfileCommandTest : public testing::Test {
  protected:
    // Runs with the temporary folder standing in for the program directory.
    int run(std::vector<std::string> words) {
        out_.str({});
        err_.str({});
        words.insert(words.begin(), "profile");
        return runCli(words, out_, err_, dir_.path() + "/");
    }
    std::string fileLines() const { return readFile(path_); }

    TempDir dir_;
    std::string path_ = dir_.file("Program.ini");
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(ProfileCommandTest, GetPrintsTheValueWithItsCutsApplied) {
    writeFile(path_, "[Setup]\r\nLanguage = Chinese // switched by the dealer\r\n");
    EXPECT_EQ(run({path_, "get", "setup", "LANGUAGE"}), kDone);
    EXPECT_EQ(out_.str(), "Chinese \n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ProfileCommandTest, GetGivesTheDefaultAsTheProfileDoes) {
    writeFile(path_, "[Setup]\r\nLanguage=English\r\n");
    EXPECT_EQ(run({path_, "get", "Setup", "AppName", "  Radio  "}), kDone);
    EXPECT_EQ(out_.str(), "Radio\n");
    EXPECT_EQ(run({path_, "get", "None", "AppName", "  Radio  "}), kDone);
    EXPECT_EQ(out_.str(), "  Radio  \n");
    EXPECT_EQ(run({path_, "get", "Setup", "AppName"}), kDone);
    EXPECT_EQ(out_.str(), "\n");
}

TEST_F(ProfileCommandTest, BareNameLiesInTheProgramDirectory) {
    writeFile(path_, "[English]\r\nCompany=Acme\r\n");
    EXPECT_EQ(run({"Program.ini", "get", "English", "Company"}), kDone);
    EXPECT_EQ(out_.str(), "Acme\n");
    EXPECT_EQ(run({"Program.ini", "set", "English", "Company", "Acme Radio"}), kDone);
    EXPECT_EQ(fileLines(), "[English]\r\nCompany=Acme Radio\r\n");
}

TEST_F(ProfileCommandTest, GetOnAMissingFileLeavesNoFileBehind) {
    EXPECT_EQ(run({path_, "get", "Setup", "Language", "English"}), kDone);
    EXPECT_EQ(out_.str(), "English\n");
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(ProfileCommandTest, SetWritesTheWholeProfileWithCrLf) {
    writeFile(path_, "; branding\n[Setup]\nLanguage=chinese\nAppName=Radio\n");
    EXPECT_EQ(run({path_, "set", "SETUP", "language", "Chinese"}), kDone);
    EXPECT_EQ(fileLines(), "[Setup]\r\nLanguage=Chinese\r\nAppName=Radio\r\n");
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ProfileCommandTest, SetCreatesAMissingFile) {
    EXPECT_EQ(run({path_, "set", "Setup", "ShowLang", "1"}), kDone);
    EXPECT_EQ(fileLines(), "[Setup]\r\nShowLang=1\r\n");
}

TEST_F(ProfileCommandTest, SetOfTheSameTextLeavesTheFileAlone) {
    const std::string original = "; keep\r\n[Setup]\r\nShowLang=1\r\n";
    writeFile(path_, original);
    EXPECT_EQ(run({path_, "set", "setup", "showlang", "1", "--backup"}), kDone);
    EXPECT_EQ(fileLines(), original);
    EXPECT_FALSE(std::filesystem::exists(path_ + ".001"));
}

TEST_F(ProfileCommandTest, BackupGetsTheNextNumber) {
    writeFile(path_, "[Setup]\r\nShowLang=0\r\n");
    writeFile(path_ + ".001", "");
    writeFile(path_ + ".002", "");
    EXPECT_EQ(run({path_, "set", "Setup", "ShowLang", "1", "--backup"}), kDone);
    EXPECT_EQ(readFile(path_ + ".003"), "[Setup]\r\nShowLang=0\r\n");
    EXPECT_EQ(fileLines(), "[Setup]\r\nShowLang=1\r\n");
}

TEST_F(ProfileCommandTest, LineBreakInAValueIsRefused) {
    const std::string original = "[Setup]\r\nShowLang=0\r\n";
    writeFile(path_, original);
    EXPECT_EQ(run({path_, "set", "Setup", "ShowLang", "1\r\n[Evil]"}), kRefused);
    EXPECT_EQ(fileLines(), original);
    EXPECT_NE(err_.str().find("line break"), std::string::npos);
}

TEST_F(ProfileCommandTest, UnreadableFileIsABadFile) {
    for (const char* action : {"get", "set"}) {
        std::vector<std::string> words{dir_.path(), action, "Setup", "ShowLang"};
        if (std::string(action) == "set") {
            words.push_back("1");
        }
        EXPECT_EQ(run(words), kBadInput) << action;
        EXPECT_EQ(out_.str(), "");
        const std::string error = err_.str();
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        EXPECT_NE(error.find(dir_.path()), std::string::npos);
    }
}

TEST_F(ProfileCommandTest, UnwritableFileIsABadFile) {
    // A profile inside a folder that does not exist can be read as empty but not saved.
    const std::string nowhere = dir_.file("missing/Program.ini");
    EXPECT_EQ(run({nowhere, "set", "Setup", "ShowLang", "1"}), kBadInput);
    EXPECT_NE(err_.str().find(nowhere), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("missing")));
}

struct UsageCase {
    const char* name;
    std::vector<std::string> words;  // after FILE
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileUsageTest : public ProfileCommandTest,
                         public testing::WithParamInterface<UsageCase> {};

TEST_P(ProfileUsageTest, BadUsageExitsTwoAndTouchesNothing) {
    std::vector<std::string> words = GetParam().words;
    words.insert(words.begin(), path_);
    EXPECT_EQ(run(words), kBadInput);
    EXPECT_NE(err_.str().find("Usage: kwprog-cli profile"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path_));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileUsageTest,
    testing::Values(UsageCase{"UnknownAction", {"put", "Setup", "ShowLang"}},
                    UsageCase{"GetTooFew", {"get", "Setup"}},
                    UsageCase{"GetTooMany", {"get", "Setup", "ShowLang", "0", "x"}},
                    UsageCase{"SetWithoutValue", {"set", "Setup", "ShowLang"}},
                    UsageCase{"BackupOnGet", {"get", "Setup", "ShowLang", "--backup"}},
                    UsageCase{"BackupTakesNoValue", {"set", "S", "K", "V", "--backup=yes"}}),
    [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kw::cli
