#include "platform/recent_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kw {
namespace {

using Paths = std::vector<std::string>;

struct AddCase {
    Paths before;
    std::string added;
    Paths after;
};

class RecentFileAdd : public testing::TestWithParam<AddCase> {};

TEST_P(RecentFileAdd, PutsThePathOnTopOnce) {
    RecentFileList list(GetParam().before);
    list.add(GetParam().added);
    EXPECT_EQ(list.entries(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RecentFileAdd,
    testing::Values(AddCase{{}, "/a.dat", {"/a.dat"}},
                    AddCase{{"/a.dat", "/b.dat"}, "/c.dat", {"/c.dat", "/a.dat", "/b.dat"}},
                    // Opening a listed file again moves it up instead of listing it twice.
                    AddCase{
                        {"/a.dat", "/b.dat", "/c.dat"}, "/c.dat", {"/c.dat", "/a.dat", "/b.dat"}},
                    // A fifth file pushes the oldest out.
                    AddCase{{"/a.dat", "/b.dat", "/c.dat", "/d.dat"},
                            "/e.dat",
                            {"/e.dat", "/a.dat", "/b.dat", "/c.dat"}},
                    AddCase{{"/a.dat"}, "", {"/a.dat"}}));

TEST(RecentFiles, ABadStoredListIsCleanedOnLoad) {
    const RecentFileList list({"/a.dat", "", "/a.dat", "/b.dat", "/c.dat", "/d.dat", "/e.dat"});
    EXPECT_EQ(list.entries(), (Paths{"/a.dat", "/b.dat", "/c.dat", "/d.dat"}));
}

TEST(RecentFiles, StoreAndLoadKeepTheOrderAndForgetRemovedEntries) {
    const test::TempDir home;
    const SettingsStore store(settingsFilePath("Radio", home.path()));
    RecentFileList list({"/a.dat", "/b.dat", "/c.dat"});
    ASSERT_TRUE(storeRecentFiles(store, list));
    EXPECT_EQ(loadRecentFiles(store).entries(), list.entries());

    list.remove("/b.dat");
    ASSERT_TRUE(storeRecentFiles(store, list));
    EXPECT_EQ(loadRecentFiles(store).entries(), (Paths{"/a.dat", "/c.dat"}));
    // The store's other values (model, band, port) stay as they were.
    ASSERT_TRUE(store.write(settings::kType, 2));
    ASSERT_TRUE(storeRecentFiles(store, list));
    EXPECT_EQ(store.read(settings::kType), 2u);
}

TEST(RecentFiles, AMissingStoreGivesAnEmptyList) {
    const test::TempDir home;
    const SettingsStore store(settingsFilePath("Radio", home.path()));
    EXPECT_TRUE(loadRecentFiles(store).entries().empty());
}

}  // namespace
}  // namespace kw
