#include "profile/profile_entry_rules.h"

#include <gtest/gtest.h>

#include "profile/profile_file.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

// What a get returns after the entry was set, saved and the file opened again.
std::string readBack(std::string_view key, std::string_view value) {
    test::TempDir dir;
    {
        CProfileFile profile;
        EXPECT_TRUE(profile.open(dir.file("p.ini")));
        EXPECT_EQ(profile.set("English", key, value), ProfileSetResult::Changed);
        EXPECT_TRUE(profile.save(false).status == ProfileSaveStatus::Written);
    }
    CProfileFile profile;
    EXPECT_TRUE(profile.open(dir.file("p.ini")));
    return profile.get("English", key, "\x01missing");
}

struct EntryCase {
    const char* key;
    const char* value;
    const char* reason;  // a phrase of the refusal; nullptr when the entry reads back
};

class EntryRulesTest : public ::testing::TestWithParam<EntryCase> {};

// The rules refuse exactly the entries that would not read back as given.
TEST_P(EntryRulesTest, RefusesExactlyWhatCouldNotBeReadBack) {
    const auto& [key, value, reason] = GetParam();
    const auto refusal = unreadableEntryReason(key, value);
    EXPECT_EQ(readBack(key, value) == value, !refusal);
    if (reason) {
        ASSERT_TRUE(refusal);
        EXPECT_NE(refusal->find(reason), std::string::npos) << *refusal;
    } else {
        EXPECT_FALSE(refusal) << *refusal;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryRulesTest,
    ::testing::Values(
        EntryCase{"k", "v", nullptr}, EntryCase{"k", "", nullptr},
        EntryCase{"a key", "a value; with /slashes/ and * stars", nullptr},
        EntryCase{"k[", "]", nullptr}, EntryCase{"k=1", "v", "the key \"k=1\" holds \"=\""},
        EntryCase{"", "v", "the key is empty"}, EntryCase{";k", "v", "begins with \";\""},
        EntryCase{"/k", "v", "begins with \"/\""}, EntryCase{"\\k", "v", "begins with \"\\\""},
        EntryCase{"*k", "v", "begins with \"*\""},
        EntryCase{" k", "v", "has white space at an end"},
        EntryCase{"k\t", "v", "has white space at an end"},
        EntryCase{"k", " v", "the value \" v\" has white space"},
        EntryCase{"k", "v ", "has white space at an end"}, EntryCase{"k", "a//b", "holds \"//\""},
        EntryCase{"k", "a\t;b", "a tab followed by \";\""}, EntryCase{"k", "a/*b", "holds \"/*\""},
        EntryCase{"[k", "v]", "as a section name"}));

}  // namespace
}  // namespace kw
