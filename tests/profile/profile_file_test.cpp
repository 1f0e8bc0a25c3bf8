#include "profile/profile_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace kw {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

class ProfileFileTest : public testing::Test {
  protected:
    // Opens a profile on a file holding `contents`, as the program opens Program.ini.
    CProfileFile& openWith(const std::string& contents, ProfileOpenOptions options = {}) {
        writeFile(path_, contents);
        EXPECT_TRUE(profile_.open(path_, options));
        return profile_;
    }
    std::string savedText() {
        const ProfileSaveResult saved = profile_.save(false);
        EXPECT_EQ(saved.status, ProfileSaveStatus::Written) << saved.error;
        return readFile(path_);
    }

    TempDir dir_;
    std::string path_ = dir_.file("Program.ini");
    CProfileFile profile_{4};
};

struct LookupCase {
    const char* name;
    std::string contents;
    std::string section;
    std::string key;
    std::string expected;  // with the default "dflt"
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileLookupTest : public ProfileFileTest, public testing::WithParamInterface<LookupCase> {};

TEST_P(ProfileLookupTest, FindsWhatTheFileSays) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(openWith(c.contents).get(c.section, c.key, "dflt"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Parsing, ProfileLookupTest,
    testing::Values(
        LookupCase{"BlanksAroundKeyAndValue", "[Setup]\r\n  Company \t=  Acme Radio \t\r\n",
                   "Setup", "Company", "Acme Radio"},
        LookupCase{"ValueKeepsLaterEquals", "[S]\r\nk = a=b\r\n", "S", "k", "a=b"},
        LookupCase{"KeyWithoutEquals", "[S]\r\nWord\r\n", "S", "Word", ""},
        LookupCase{"SemicolonComment", "[S]\r\n;k=1\r\n", "S", ";k", "dflt"},
        LookupCase{"SlashComment", "[S]\r\n/k=1\r\n", "S", "/k", "dflt"},
        LookupCase{"BackslashComment", "[S]\r\n\\k=1\r\n", "S", "\\k", "dflt"},
        LookupCase{"StarComment", "[S]\r\n  *k=1\r\n", "S", "*k", "dflt"},
        LookupCase{"LineStartingWithEquals", "[S]\r\n=1\r\n", "S", "", "dflt"},
        LookupCase{"BlanksInsideBrackets", "[ Setup ]\r\nk=1\r\n", " Setup ", "k", "1"},
        LookupCase{"BracketNameNeedsItsBlanks", "[ Setup ]\r\nk=1\r\n", "Setup", "k", "dflt"},
        LookupCase{"RepeatedSectionFirstOnly", "[A]\r\nk=1\r\n[A]\r\nk=2\r\nj=3\r\n", "A", "j",
                   "dflt"},
        LookupCase{"RepeatedKeyLastWins", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "2"},
        LookupCase{"LeadingSection", "k=1\r\n[A]\r\nk=2\r\n", "", "k", "1"},
        LookupCase{"LineFeedOnly", "[A]\nk=1\n", "A", "k", "1"},
        LookupCase{"NoFinalLineEnd", "[A]\r\nk=1", "A", "k", "1"},
        LookupCase{"IgnoreCaseFindsKey", "[Setup]\r\nCompany=Acme\r\n", "setup", "company", "Acme"},
        LookupCase{"GbkTrailByteIsNotALetter", "[\x81\x41]\r\nk=1\r\n", "\x81\x61", "k", "dflt"},
        LookupCase{"GbkNameFound", "[\xD6\xD0\xCE\xC4]\r\nCompany=1\r\n", "\xD6\xD0\xCE\xC4",
                   "COMPANY", "1"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

struct CutCase {
    std::string stored;
    std::string read;
};

void PrintTo(const CutCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.stored);
}

class ProfileCutTest : public ProfileFileTest, public testing::WithParamInterface<CutCase> {};

TEST_P(ProfileCutTest, GetEndsTheValueAtACommentMarker) {
    EXPECT_EQ(openWith("[S]\r\nk=" + GetParam().stored + "\r\n").get("S", "k"), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Cuts, ProfileCutTest,
                         testing::Values(CutCase{"Chinese //x", "Chinese "},
                                         CutCase{"http://www.example.com", "http:"},
                                         CutCase{"a\t;b", "a"}, CutCase{"a ;b", "a ;b"},
                                         CutCase{"a /* b */", "a "}, CutCase{"a/b\\c", "a/b\\c"},
                                         CutCase{"x\t;y//z", "x"}, CutCase{"x/*y//z", "x"}));

TEST_F(ProfileFileTest, DefaultsAreStrippedOnlyForAMissingKey) {
    openWith("[S]\r\nk=1\r\n");
    EXPECT_EQ(profile_.get("None", "k", " d "), " d ");
    EXPECT_EQ(profile_.get("S", "none", " d "), "d");
}

TEST_F(ProfileFileTest, ExactComparisonWhenCaseIsNotIgnored) {
    openWith("[Setup]\r\nCompany=Acme\r\n", {.ignoreCase = false});
    EXPECT_EQ(profile_.get("setup", "Company", "none"), "none");
    EXPECT_EQ(profile_.get("Setup", "company", "none"), "none");
    EXPECT_EQ(profile_.get("Setup", "Company", "none"), "Acme");
}

TEST_F(ProfileFileTest, WritesBackWithoutCommentsAndWithCrLf) {
    openWith(
        "; branding\n\n[Setup]\n  Language = English // the language\n"
        "AppName=Radio\n\n[English]\n*old=1\nCompany = Acme\n");
    ASSERT_EQ(profile_.set("Setup", "Language", "Chinese"), ProfileSetResult::Changed);
    EXPECT_EQ(savedText(),
              "[Setup]\r\nLanguage=Chinese\r\nAppName=Radio\r\n[English]\r\nCompany=Acme\r\n");
}

TEST_F(ProfileFileTest, KeepsRepeatsAndTheLeadingSectionWhenWrittenBack) {
    openWith("lead=0\r\n[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\nWord\r\n");
    ASSERT_EQ(profile_.set("A", "k", "9"), ProfileSetResult::Changed);
    EXPECT_EQ(savedText(), "lead=0\r\n[A]\r\nk=1\r\nk=9\r\n[A]\r\nk=3\r\nWord=\r\n");
}

TEST_F(ProfileFileTest, EmptyHeaderJoinsTheSectionBeforeIt) {
    openWith("[A]\r\na=1\r\n[]\r\nb=2\r\n");
    EXPECT_EQ(profile_.get("A", "b", "none"), "none");
    ASSERT_EQ(profile_.set("A", "a", "3"), ProfileSetResult::Changed);
    EXPECT_EQ(savedText(), "[A]\r\na=3\r\nb=2\r\n");
    ASSERT_TRUE(profile_.open(path_));
    EXPECT_EQ(profile_.get("A", "b"), "2");
}

TEST_F(ProfileFileTest, SetAppendsMissingKeysAndSections) {
    openWith("[Setup]\r\nLanguage=English\r\n");
    EXPECT_EQ(profile_.set("SETUP", "ShowLang", "1"), ProfileSetResult::Changed);
    EXPECT_EQ(profile_.set("Chinese", "Company", "\xB9\xAB\xCB\xBE"), ProfileSetResult::Changed);
    EXPECT_EQ(
        savedText(),
        "[Setup]\r\nLanguage=English\r\nShowLang=1\r\n[Chinese]\r\nCompany=\xB9\xAB\xCB\xBE\r\n");
}

TEST_F(ProfileFileTest, IdenticalTextIsNoChangeAndWritesNothing) {
    const std::string original = "; keep me\r\n[Setup]\r\nLanguage=English\r\n";
    openWith(original);
    EXPECT_EQ(profile_.set("setup", "language", "English"), ProfileSetResult::Unchanged);
    EXPECT_FALSE(profile_.isModified());
    EXPECT_EQ(profile_.save(true).status, ProfileSaveStatus::NothingToWrite);
    EXPECT_EQ(readFile(path_), original);
}

TEST_F(ProfileFileTest, ChangeOfLetterCaseAloneIsWritten) {
    openWith("[Setup]\r\nLanguage=chinese\r\n");
    EXPECT_EQ(profile_.set("Setup", "LANGUAGE", "Chinese"), ProfileSetResult::Changed);
    EXPECT_TRUE(profile_.isModified());
    EXPECT_EQ(savedText(), "[Setup]\r\nLanguage=Chinese\r\n");
}

TEST_F(ProfileFileTest, RefusesLineBreaksAnywhere) {
    openWith("[S]\r\nk=1\r\n");
    EXPECT_EQ(profile_.set("S", "k", "1\r\n[Evil]"), ProfileSetResult::Refused);
    EXPECT_EQ(profile_.set("S", "k\n", "2"), ProfileSetResult::Refused);
    EXPECT_EQ(profile_.set("S\r", "k", "2"), ProfileSetResult::Refused);
    EXPECT_FALSE(profile_.isModified());
    EXPECT_EQ(profile_.get("S", "k"), "1");
}

TEST_F(ProfileFileTest, ClosedProfileGivesDefaultsAndStoresNothing) {
    EXPECT_EQ(profile_.get("S", "k", "d"), "d");
    EXPECT_EQ(profile_.set("S", "k", "v"), ProfileSetResult::NotOpen);
    EXPECT_EQ(profile_.save(false).status, ProfileSaveStatus::NothingToWrite);
}

TEST_F(ProfileFileTest, OpenCreatesAMissingFileEmptyUnlessAskedNotTo) {
    const std::string missing = dir_.file("none.ini");
    ASSERT_TRUE(profile_.open(missing, {.createIfMissing = false}));
    EXPECT_FALSE(std::ifstream(missing).is_open());
    ASSERT_TRUE(profile_.open(missing));
    EXPECT_EQ(readFile(missing), "");
    EXPECT_TRUE(std::ifstream(missing).is_open());
}

TEST_F(ProfileFileTest, FailsWhenTheFileCannotBeCreated) {
    const ProfileOpenResult opened = profile_.open(dir_.file("no/such/folder/Program.ini"));
    EXPECT_FALSE(opened);
    EXPECT_NE(opened.error.find("no/such/folder"), std::string::npos);
    EXPECT_FALSE(profile_.isOpen());
}

TEST_F(ProfileFileTest, ReadErrorLeavesTheProfileClosedAndWritesNothing) {
    openWith("[S]\r\nk=1\r\n");
    ASSERT_EQ(profile_.set("S", "k", "2"), ProfileSetResult::Changed);
    // Reading a folder opens but then fails, as a read error half-way through would.
    const ProfileOpenResult opened = profile_.open(dir_.path());
    EXPECT_FALSE(opened);
    EXPECT_FALSE(opened.error.empty());
    EXPECT_EQ(profile_.errorCause(), opened.error);
    EXPECT_FALSE(profile_.isOpen());
    EXPECT_EQ(profile_.get("S", "k", "d"), "d");
    EXPECT_EQ(profile_.set("S", "k", "3"), ProfileSetResult::NotOpen);
    EXPECT_EQ(profile_.save(false).status, ProfileSaveStatus::NothingToWrite);
    // The profile open before was saved first, as opening another file does.
    EXPECT_EQ(readFile(path_), "[S]\r\nk=2\r\n");
}

TEST_F(ProfileFileTest, OversizedFileIsNotLoadedNorWrittenOver) {
    const std::string huge = "[S]\r\n" + std::string(kMaxProfileSize, 'x') + "\r\n";
    writeFile(path_, huge);
    {
        CProfileFile profile;
        EXPECT_FALSE(profile.open(path_, {.writeBack = true}));
        EXPECT_EQ(profile.set("S", "k", "v"), ProfileSetResult::NotOpen);
    }
    EXPECT_EQ(readFile(path_).size(), huge.size());
}

TEST_F(ProfileFileTest, DestructionSavesOnlyWithWriteBack) {
    writeFile(path_, "[S]\r\nk=1\r\n");
    {
        CProfileFile profile;
        ASSERT_TRUE(profile.open(path_));
        ASSERT_EQ(profile.set("S", "k", "2"), ProfileSetResult::Changed);
    }
    EXPECT_EQ(readFile(path_), "[S]\r\nk=1\r\n");
    {
        CProfileFile profile;
        ASSERT_TRUE(profile.open(path_, {.writeBack = true}));
        ASSERT_EQ(profile.set("S", "k", "2"), ProfileSetResult::Changed);
    }
    EXPECT_EQ(readFile(path_), "[S]\r\nk=2\r\n");
}

TEST_F(ProfileFileTest, SaveReplacesTheFileRatherThanRewritingItInPlace) {
    openWith("[S]\r\nk=1\r\n");
    // A reader holding the old file open sees it unchanged after the save.
    const int old = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(old, 0);
    ASSERT_EQ(profile_.set("S", "k", "2"), ProfileSetResult::Changed);
    EXPECT_EQ(savedText(), "[S]\r\nk=2\r\n");
    char seen[16] = {};
    EXPECT_EQ(::pread(old, seen, sizeof seen, 0), 10);
    ::close(old);
    EXPECT_EQ(std::string(seen), "[S]\r\nk=1\r\n");
}

TEST_F(ProfileFileTest, FailedSaveSaysWhyAndLeavesNoStrayFile) {
    openWith("[S]\r\nk=1\r\n");
    ASSERT_EQ(profile_.set("S", "k", "2"), ProfileSetResult::Changed);
    // A folder now stands where the file was, and no rename can replace it.
    std::filesystem::remove(path_);
    std::filesystem::create_directory(path_);
    const ProfileSaveResult saved = profile_.save(false);
    EXPECT_EQ(saved.status, ProfileSaveStatus::Failed);
    EXPECT_NE(saved.error.find(path_), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(path_));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
}

TEST_F(ProfileFileTest, FailedSaveInAReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    openWith("[S]\r\nk=1\r\n");
    ASSERT_EQ(profile_.set("S", "k", "2"), ProfileSetResult::Changed);
    std::filesystem::permissions(
        dir_.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const ProfileSaveResult saved = profile_.save(false);
    std::filesystem::permissions(dir_.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(saved.status, ProfileSaveStatus::Failed);
    EXPECT_EQ(readFile(path_), "[S]\r\nk=1\r\n");
}

TEST_F(ProfileFileTest, DeletesKeysAndSections) {
    openWith("lead=0\r\n[A]\r\nk=1\r\nj=2\r\nK=3\r\n[B]\r\nx=1\r\n[a]\r\ny=1\r\n");
    EXPECT_TRUE(profile_.deleteKey("A", "k"));
    EXPECT_FALSE(profile_.deleteKey("A", "k"));
    EXPECT_FALSE(profile_.deleteKey("None", "k"));
    EXPECT_EQ(profile_.get("A", "k", "gone"), "gone");
    EXPECT_TRUE(profile_.deleteSection("B"));
    EXPECT_FALSE(profile_.deleteSection("B"));
    EXPECT_TRUE(profile_.isModified());
    EXPECT_EQ(savedText(), "lead=0\r\n[A]\r\nj=2\r\n[a]\r\ny=1\r\n");
    EXPECT_TRUE(profile_.deleteSection("A"));
    EXPECT_TRUE(profile_.deleteSection(""));
    EXPECT_EQ(savedText(), "");
}

TEST_F(ProfileFileTest, ListsSectionsAndKeys) {
    openWith("lead=0\r\n[A]\r\nk=1\r\nj=2\r\n[]\r\nz=1\r\n[B]\r\n[A]\r\nm=1\r\n");
    EXPECT_EQ(profile_.sectionNames(), (std::vector<std::string>{"A", "B", "A"}));
    EXPECT_EQ(profile_.keys("a"), (std::vector<std::string>{"k", "j"}));
    EXPECT_EQ(profile_.keys(""), (std::vector<std::string>{"lead"}));
    EXPECT_TRUE(profile_.keys("None").empty());
}

TEST_F(ProfileFileTest, ReadsElementsOfAValue) {
    openWith("[S]\r\nlist= a , b ,,c // comment\r\nnull=(null)\r\nempty=\r\n");
    EXPECT_EQ(profile_.element("S", "list", 0, ','), "a");
    EXPECT_EQ(profile_.element("S", "list", 1, ','), "b");
    EXPECT_EQ(profile_.element("S", "list", 2, ','), "");
    EXPECT_EQ(profile_.element("S", "list", 3, ','), "c");
    EXPECT_EQ(profile_.element("S", "list", 4, ','), "");
    EXPECT_EQ(profile_.element("S", "null", 0, ','), "");
    EXPECT_EQ(profile_.element("S", "empty", 0, ','), "");
    EXPECT_EQ(profile_.element("S", "none", 0, ','), "");
}

TEST_F(ProfileFileTest, GrowsPastManySections) {
    std::string contents;
    for (int i = 0; i < 50; ++i) {
        contents += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    }
    CProfileFile profile(1);
    writeFile(path_, contents);
    ASSERT_TRUE(profile.open(path_));
    EXPECT_EQ(profile.get("S49", "k"), "49");
    EXPECT_EQ(profile.sectionNames().size(), 50u);
}

TEST(ProfilePathTest, BareNamesLieInTheProgramDirectory) {
    EXPECT_EQ(profilePathFor("Program.ini", "/opt/kwprog/"), "/opt/kwprog/Program.ini");
    EXPECT_EQ(profilePathFor("conf/Program.ini", "/opt/kwprog/"), "/opt/kwprog/conf/Program.ini");
    EXPECT_EQ(profilePathFor("/etc/kwprog/Program.ini", "/opt/kwprog/"), "/etc/kwprog/Program.ini");
}

}  // namespace
}  // namespace kw
