#include <gtest/gtest.h>

#include "run_cli.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::runCli;

std::string bytesAt(const std::string& file, std::size_t offset, std::size_t count) {
    const std::string contents = test::readFile(file);
    return test::hex(
        std::span(reinterpret_cast<const std::uint8_t*>(contents.data()) + offset, count));
}

std::string newDocument(const test::TempDir& dir) {
    const std::string file = dir.file("radio.dat");
    EXPECT_EQ(runCli({"new", file}).status, 0);
    return file;
}

constexpr const char* kNewDocumentListing =
    "Back Light\tAuto\n"
    "Back Light Color\tLight 1\n"
    "Power-on Style\tOff\n"
    "Key Lock\tManual\n"
    "Priority Channel\tNone\n"
    "Vox Gain Level\tOff\n"
    "Display Mode\tFREQ.CH\n"
    "Battery Saver\tOn\n"
    "Beep\tOn\n"
    "Tail\tOn\n"
    "Scan Mode\tCO\n"
    "Squelch Level\t4\n"
    "Step (k)\t5\n"
    "TOT (s)\t30\n"
    "TOT Pre-Alert (s)\tOff\n"
    "Password\t\n"
    "Stopwatch\tOn\n"
    "Short Press Orange Key\tEmergency Call\n"
    "STR Set\tManual\n"
    "Allow Reset\tDisable\n"
    "Keypad Lock\tunchecked\n"
    "Repeater Msk Invert\tunchecked\n"
    "MSK Type\tMSK-I\n";

TEST(FeaturesCommand, ListsANewDocumentInEitherLanguage) {
    test::TempDir dir;
    const std::string file = newDocument(dir);
    const auto english = runCli({"features", file});
    EXPECT_EQ(english.status, 0) << english.err;
    EXPECT_EQ(english.out, kNewDocumentListing);
    const auto chinese = runCli({"features", file, "--lang", "zh"});
    EXPECT_EQ(chinese.status, 0) << chinese.err;
    EXPECT_EQ(chinese.out,
              "背光\t自动\n背光颜色\t颜色1\n开机显示\t关闭\n按键锁定\t手动\n优先信道\t无\n"
              "声控灵敏度\t关\n显示模式\t频率信道\n省电\t开\n按键音\t开\n尾音消除\t开\n"
              "扫描模式\t载波\n静噪等级\t4\n步进 (k)\t5\n发射限时 (s)\t30\n"
              "发射限时预警 (s)\t关闭\n密码\t\n秒表\t开\n短按橙色键\t发射报警信号\n"
              "STR 设置\t手动\n允许复位\t禁止\n键盘锁\tunchecked\n中继 MSK 反相\tunchecked\n"
              "MSK 类型\tMSK-I\n");
}

TEST(FeaturesCommand, SetsAsTheDialogsOkWouldAndListsTheResult) {
    test::TempDir dir;
    const std::string file = newDocument(dir);
    const std::string before = test::readFile(file);
    const auto set = runCli({"features", file, "--set", "Beep=Off", "--set", "TOT (s)=270",
                             "--set=Keypad Lock=checked", "--set", "Password=042", "--set",
                             "Priority Channel=128"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "");
    EXPECT_EQ(bytesAt(file, 0x1260, 8), "09 04 00 00 00 B6 13 7A");
    EXPECT_EQ(bytesAt(file, 0x12A8, 4), "7D 80 FF 01");
    EXPECT_EQ(bytesAt(file, 0x17D0, 8), "FF FF 30 34 32 FF FF FF");
    std::string after = test::readFile(file);
    for (const std::size_t offset :
         {0x1260u, 0x1265u, 0x12A8u, 0x12A9u, 0x17D2u, 0x17D3u, 0x17D4u}) {
        after[offset] = before[offset];
    }
    EXPECT_EQ(after, before);
    const auto listed = runCli({"features", file});
    EXPECT_NE(listed.out.find("\nBeep\tOff\n"), std::string::npos);
    EXPECT_NE(listed.out.find("\nTOT (s)\t270\n"), std::string::npos);
    EXPECT_NE(listed.out.find("\nPassword\t042\n"), std::string::npos);
    EXPECT_NE(listed.out.find("\nKeypad Lock\tchecked\n"), std::string::npos);

    // An empty password means none; Chinese labels and entries work with --lang zh.
    ASSERT_EQ(
        runCli({"features", file, "--lang", "zh", "--set", "密码=", "--set", "背光=打开"}).status,
        0);
    EXPECT_EQ(bytesAt(file, 0x17D2, 6), "FF FF FF FF FF FF");
    EXPECT_EQ(bytesAt(file, 0x1266, 1), "23");
}

TEST(FeaturesCommand, ShowsAndKeepsAPasswordThatIsNotDigits) {
    test::TempDir dir;
    const std::string file = newDocument(dir);
    std::string contents = test::readFile(file);
    contents.replace(0x17D2, 4, "12A\x01");
    test::writeFile(file, contents);
    const auto listed = runCli({"features", file});
    EXPECT_NE(listed.out.find("\nPassword\t12A\\x01\n"), std::string::npos) << listed.out;
    ASSERT_EQ(runCli({"features", file, "--set", "Tail=Off"}).status, 0);
    EXPECT_EQ(bytesAt(file, 0x17D2, 6), "31 32 41 01 FF FF");
    EXPECT_EQ(bytesAt(file, 0x1265, 1), "3E");
}

TEST(FeaturesCommand, RefusesWithTheValidValuesAndLeavesTheFileUntouched) {
    test::TempDir dir;
    const std::string file = newDocument(dir);
    const std::string before = test::readFile(file);
    struct Case {
        std::vector<std::string> extra;
        int status;
        const char* errorPart;
    };
    const Case cases[] = {
        {{"--set", "Colour=Red"}, 1, "Unknown setting \"Colour\"; the settings are \"Back Light\""},
        {{"--set", "Beep=Off", "--set", "TOT (s)=31"},
         1,
         "\"31\" is not a value of \"TOT (s)\"; choose one of \"Off\", \"30\", \"60\""},
        {{"--set", "Keypad Lock=yes"}, 1, "choose one of \"checked\", \"unchecked\"."},
        {{"--set", "Password=12345678"}, 1, "up to six digits"},
        {{"--set", "Password=12ab"}, 1, "The password \"12ab\" is refused."},
        {{"--lang", "zh", "--set", "Beep=Off"}, 1, "Unknown setting \"Beep\""},
        {{"--lang", "zh", "--set", "按键音=Off"}, 1, "choose one of \"开\", \"关\"."},
        {{"--set", "Beep"}, 2, "--set takes LABEL=VALUE"},
        {{"--lang", "fr"}, 2, "Unknown language \"fr\"; choose en or zh."},
        {{"--lang"}, 2, "needs a value"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"features", file};
        words.insert(words.end(), c.extra.begin(), c.extra.end());
        const auto run = runCli(words);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(test::readFile(file), before) << run.err;
    }
}

TEST(FeaturesCommand, ABadFileIsRefusedBeforeAnythingElse) {
    test::TempDir dir;
    test::writeFile(dir.file("short.dat"), "short");
    const auto run = runCli({"features", dir.file("short.dat"), "--set", "Beep=Off"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("exactly 6144 bytes"), std::string::npos) << run.err;
    EXPECT_EQ(test::readFile(dir.file("short.dat")), "short");
}

}  // namespace
}  // namespace kw
