#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

namespace kw {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

class SettingsStoreTest : public testing::Test {
  protected:
    TempDir home_;
    SettingsStore store_{settingsFilePath("Radio", home_.path())};

    void writeSettings(const std::string& contents) {
        std::filesystem::create_directories(home_.file("Radio"));
        writeFile(store_.filePath(), contents);
    }
};

TEST_F(SettingsStoreTest, MissingFileReadsAsMissingAndIsNotCreated) {
    EXPECT_FALSE(store_.read(settings::kField));
    EXPECT_FALSE(store_.read(settings::kType));
    EXPECT_FALSE(store_.read(settings::kComNumber));
    EXPECT_FALSE(store_.read(settings::kRecentFiles[0]));
    EXPECT_FALSE(std::filesystem::exists(home_.file("Radio")));
}

TEST_F(SettingsStoreTest, ValuesRoundTripAndKeepEachOther) {
    const std::array<std::uint8_t, 6> band{0x13, 0x61, 0x74, 0x13, 0x61, 0x74};
    ASSERT_TRUE(store_.write(settings::kField, band));
    ASSERT_TRUE(store_.write(settings::kType, 2));
    ASSERT_TRUE(store_.write(settings::kComNumber, 16));
    ASSERT_TRUE(store_.write(settings::kRecentFiles[3], "/home/u/\xD6\xD0.dat"));
    // A second object, as a second running instance would have.
    const SettingsStore other(store_.filePath());
    EXPECT_EQ(other.read(settings::kField), band);
    EXPECT_EQ(other.read(settings::kType), 2u);
    EXPECT_EQ(other.read(settings::kComNumber), 16u);
    EXPECT_EQ(other.read(settings::kRecentFiles[3]), "/home/u/\xD6\xD0.dat");
    EXPECT_FALSE(other.read(settings::kRecentFiles[0]));
}

TEST_F(SettingsStoreTest, FileLayoutIsAProfileWithTaggedValues) {
    ASSERT_TRUE(store_.write(settings::kField, {0x40, 0x05, 0x20, 0x40, 0x05, 0x20}));
    ASSERT_TRUE(store_.write(settings::kType, 0x12345678));
    ASSERT_TRUE(store_.write(settings::kRecentFiles[0], "/a.dat"));
    EXPECT_EQ(readFile(store_.filePath()),
              "[Settings]\r\nField=hex:40,05,20,40,05,20\r\nType=dword:12345678\r\n"
              "[Recent File List]\r\nFile1=sz:/a.dat\r\n");
}

class SettingsTextTest : public SettingsStoreTest,
                         public testing::WithParamInterface<std::string> {};

TEST_P(SettingsTextTest, DevicePathsSurviveWhatAProfileValueWouldLose) {
    ASSERT_TRUE(store_.write(settings::kComDevice, GetParam()));
    EXPECT_EQ(store_.read(settings::kComDevice), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, SettingsTextTest,
                         testing::Values("/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0",
                                         "/dev/pts/7", "//server/share//x", "/tmp/*/a/*",
                                         "tab\t;semicolon", "trailing blank ", " leading", "100%",
                                         "%2F", "line\r\nbreak", "", "\xB0\xA1/\xB0\xA1"));

TEST_F(SettingsStoreTest, PortIsANumberOrADevicePath) {
    ASSERT_TRUE(store_.write(settings::kComNumber, 3));
    EXPECT_FALSE(store_.read(settings::kComDevice));
    ASSERT_TRUE(store_.write(settings::kComDevice, "/dev/ttyUSB0"));
    EXPECT_FALSE(store_.read(settings::kComNumber));
    EXPECT_EQ(store_.read(settings::kComDevice), "/dev/ttyUSB0");
    ASSERT_TRUE(store_.write(settings::kComNumber, 4));
    EXPECT_EQ(store_.read(settings::kComNumber), 4u);
}

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase) {
    writeSettings("[settings]\r\nCOM=dword:00000009\r\n");
    EXPECT_EQ(store_.read(settings::kComNumber), 9u);
}

struct WidthCase {
    const char* name;
    std::string line;
};

void PrintTo(const WidthCase& c, std::ostream* os) {
    *os << c.name;
}

class SettingsWidthTest : public SettingsStoreTest,
                          public testing::WithParamInterface<WidthCase> {};

TEST_P(SettingsWidthTest, WrongTypeOrSizeReadsAsMissing) {
    writeSettings("[Settings]\r\n" + GetParam().line + "\r\n");
    EXPECT_FALSE(store_.read(settings::kField));
    EXPECT_FALSE(store_.read(settings::kType));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsWidthTest,
    testing::Values(WidthCase{"BinaryTooShort", "Field=hex:13,61,74\r\nType=hex:01,00,00,00"},
                    WidthCase{"BinaryTooLong", "Field=hex:13,61,74,13,61,74,00"},
                    WidthCase{"BinaryBadDigit", "Field=hex:13,61,74,13,61,7g"},
                    WidthCase{"BinaryThreeDigits", "Field=hex:13,61,74,13,61,074"},
                    WidthCase{"BinaryTrailingComma", "Field=hex:13,61,74,13,61,74,"},
                    WidthCase{"DwordAsBinary", "Field=dword:00000001\r\nType=hex:01,00,00,00"},
                    WidthCase{"DwordTooShort", "Type=dword:1"},
                    WidthCase{"DwordTooLong", "Type=dword:000000001"},
                    WidthCase{"StringForNumber", "Type=sz:1"},
                    WidthCase{"Untagged", "Field=136174136174\r\nType=1"}),
    [](const testing::TestParamInfo<WidthCase>& info) { return info.param.name; });

TEST_F(SettingsStoreTest, OverlongTextIsRefusedAndReadsAsMissing) {
    const std::string tooLong(settings::kMaxPathBytes + 1, 'a');
    const FileWriteResult written = store_.write(settings::kRecentFiles[0], tooLong);
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.error.empty());
    writeSettings("[Recent File List]\r\nFile1=sz:" + tooLong + "\r\nFile2=sz:bad%zz\r\n");
    EXPECT_FALSE(store_.read(settings::kRecentFiles[0]));
    EXPECT_FALSE(store_.read(settings::kRecentFiles[1]));
}

TEST_F(SettingsStoreTest, UnreadableFileIsNeverWrittenOver) {
    std::filesystem::create_directories(store_.filePath());
    EXPECT_FALSE(store_.read(settings::kType));
    const FileWriteResult written = store_.write(settings::kType, 2);
    EXPECT_FALSE(written);
    EXPECT_NE(written.error.find("settings.ini"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(store_.filePath()));
}

TEST_F(SettingsStoreTest, WithoutAFolderWritesFailWithAReason) {
    const SettingsStore nowhere(settingsFilePath("Radio", ""));
    EXPECT_FALSE(nowhere.read(settings::kType));
    const FileWriteResult written = nowhere.write(settings::kType, 2);
    EXPECT_FALSE(written);
    EXPECT_NE(written.error.find("HOME"), std::string::npos);
}

struct FolderCase {
    std::string appName;
    std::string folder;
};

void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.appName);
}

class SettingsFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(SettingsFolderTest, AppNameNeverLeavesTheConfigFolder) {
    EXPECT_EQ(settingsFolderName(GetParam().appName), GetParam().folder);
    EXPECT_EQ(settingsFilePath(GetParam().appName, "/home/u/.config/"),
              "/home/u/.config/" + GetParam().folder + "/settings.ini");
}

INSTANTIATE_TEST_SUITE_P(Names, SettingsFolderTest,
                         testing::Values(FolderCase{"Radio Programmer", "Radio Programmer"},
                                         FolderCase{"", "_"}, FolderCase{".", "_."},
                                         FolderCase{"..", "_.."}, FolderCase{"../x", ".._x"},
                                         FolderCase{"/etc", "_etc"}, FolderCase{"a/b", "a_b"},
                                         FolderCase{"Soft\\Ware", "Soft\\Ware"},
                                         FolderCase{std::string("a\0b", 3), "a_b"}));

TEST(ConfigHomeTest, FollowsTheXdgRules) {
    EXPECT_EQ(configHomeFrom("/xdg", "/home/u"), "/xdg");
    EXPECT_EQ(configHomeFrom(nullptr, "/home/u"), "/home/u/.config");
    EXPECT_EQ(configHomeFrom("", "/home/u/"), "/home/u/.config");
    EXPECT_EQ(configHomeFrom("relative/xdg", "/home/u"), "/home/u/.config");
    EXPECT_EQ(configHomeFrom(nullptr, "relative"), "");
    EXPECT_EQ(configHomeFrom(nullptr, nullptr), "");
}

TEST(ConfigHomeTest, ReadsTheEnvironment) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string previous = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/kw-xdg", 1);
    EXPECT_EQ(userConfigHome(), "/tmp/kw-xdg");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(userConfigHome().ends_with("/.config"));
    if (saved) {
        ::setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
    }
}

}  // namespace
}  // namespace kw
