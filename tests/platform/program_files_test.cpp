#include "platform/program_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace kw {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// An installed tree: ROOT/bin holds the executable, ROOT/share/kwprog the defaults.
struct InstalledTree {
    TempDir root;
    std::string bin = root.path() + "/bin/";
    std::string shared = root.path() + "/share/kwprog/";
    std::string config = root.path() + "/config";
    ProgramFiles files{bin, config};

    InstalledTree() {
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(shared);
    }
};

enum class Beside { None, Writable, ReadOnly };
enum class Where { Beside, Shared, User };

TEST(ProgramFilesTest, ProfileIsBesideTheExecutableUnlessOnlyTheInstalledDefaultCanServe) {
    const struct {
        Beside beside;
        bool installedDefault;
        Where where;
    } cases[] = {
        {Beside::Writable, true, Where::Beside},   // a dealer's copy of an installed tree
        {Beside::Writable, false, Where::Beside},  // the build folder
        {Beside::None, false, Where::Beside},      // made there on save, as before
        {Beside::None, true, Where::User},         // installed: /usr/bin has none
        {Beside::ReadOnly, true, Where::User},    {Beside::ReadOnly, false, Where::Beside},
    };
    for (const auto& c : cases) {
        if (c.beside == Beside::ReadOnly && ::geteuid() == 0) {
            continue;  // root may write any file
        }
        InstalledTree tree;
        if (c.beside != Beside::None) {
            writeFile(tree.bin + "Program.ini", "[Setup]\n");
            if (c.beside == Beside::ReadOnly) {
                ::chmod((tree.bin + "Program.ini").c_str(), 0444);
            }
        }
        if (c.installedDefault) {
            writeFile(tree.shared + "Program.ini", "[Setup]\n");
        }
        const std::string expected = c.where == Where::Beside ? tree.bin + "Program.ini"
                                                              : tree.config + "/kwprog/Program.ini";
        EXPECT_EQ(tree.files.profilePath("Program.ini"), expected)
            << static_cast<int>(c.beside) << c.installedDefault;
    }
}

TEST(ProgramFilesTest, FirstPlacementCopiesTheInstalledDefaultAndLaterOnesKeepTheUsersCopy) {
    InstalledTree tree;
    writeFile(tree.shared + "Program.ini", "[Setup]\nLanguage=English\n");
    EXPECT_EQ(tree.files.profileToRead("Program.ini"), tree.shared + "Program.ini");
    EXPECT_FALSE(std::filesystem::exists(tree.config));
    const ProfilePlace first = tree.files.placeProfile("Program.ini");
    ASSERT_TRUE(first) << first.error;
    EXPECT_EQ(readFile(first.path), "[Setup]\nLanguage=English\n");
    writeFile(first.path, "[Setup]\nLanguage=Chinese\n");
    const ProfilePlace again = tree.files.placeProfile("Program.ini");
    EXPECT_EQ(again.path, first.path);
    EXPECT_EQ(tree.files.profileToRead("Program.ini"), first.path);
    EXPECT_EQ(readFile(again.path), "[Setup]\nLanguage=Chinese\n");
    EXPECT_FALSE(std::filesystem::exists(tree.bin + "Program.ini"));
}

TEST(ProgramFilesTest, AbsoluteProfileNamesAndAnUnknownConfigFolderStayAsTheyWere) {
    InstalledTree tree;
    writeFile(tree.shared + "Program.ini", "[Setup]\n");
    EXPECT_EQ(tree.files.profilePath("/etc/other.ini"), "/etc/other.ini");
    const ProgramFiles noConfig(tree.bin, "");
    EXPECT_EQ(noConfig.placeProfile("Program.ini").path, tree.bin + "Program.ini");
}

TEST(ProgramFilesTest, PicturesAndHelpComeFromBesideTheExecutableFirstThenTheSharedFolder) {
    const struct {
        bool beside;
        bool shared;
        Where where;
    } cases[] = {
        {true, true, Where::Beside},
        {false, true, Where::Shared},
        {false, false, Where::Beside},
        {true, false, Where::Beside},
    };
    for (const auto& c : cases) {
        InstalledTree tree;
        if (c.beside) {
            std::filesystem::create_directories(tree.bin + "help");
        }
        if (c.shared) {
            std::filesystem::create_directories(tree.shared + "help");
        }
        EXPECT_EQ(tree.files.folderOf("help"), c.where == Where::Shared ? tree.shared : tree.bin)
            << c.beside << c.shared;
    }
}

}  // namespace
}  // namespace kw
