#include <gtest/gtest.h>

#include "cli_document.h"

namespace kw {
namespace {

using test::runCli;

TEST(SetCommand, TonesAreTakenAsPeopleTypeThem) {
    struct Case {
        const char* language;
        const char* typed;
        const char* shown;  // nullptr: refused
    };
    const Case cases[] = {
        {"en", "100", "100.0"},    {"en", "67", "67.0"},     {"en", " 88.5 ", "88.5"},
        {"en", "d023n", "D023N"},  {"en", "D754i", "D754I"}, {"en", "none", "None"},
        {"en", "OFF", "None"},     {"en", "", "None"},       {"zh", "无", "无"},
        {"zh", "None", "无"},      {"zh", "off", "无"},      {"zh", "100", "100.0"},
        {"zh", "d031I", "D031I"},  {"en", "77.7", nullptr},  {"en", "1000", nullptr},
        {"en", "100.00", nullptr}, {"en", "D999N", nullptr}, {"en", "d", nullptr},
        {"en", "无", nullptr},     {"en", "noner", nullptr}, {"en", "254", nullptr},
    };
    for (const Case& c : cases) {
        test::Document doc;
        ASSERT_EQ(runCli({"set", doc.file, "12:rx=145", "12:dec=D754I", "12:enc=D754I"}).status, 0);
        const auto set = runCli({"set", doc.file, std::string("12:dec=") + c.typed,
                                 std::string("12:4=") + c.typed, "--lang", c.language});
        if (!c.shown) {
            EXPECT_EQ(set.status, 1) << c.typed;
            EXPECT_EQ(set.err, std::string("Cell 12:dec: \"") + c.typed +
                                   "\" is not a value of \"QT/DQT Dec\"; choose one of the 261 "
                                   "texts of its list, \"None\", \"67.0\" ... \"D754I\"; see "
                                   "\"kwprog-cli tones\".\n");
            continue;
        }
        ASSERT_EQ(set.status, 0) << c.typed << ' ' << set.err;
        EXPECT_EQ(doc.cell(12, 3, c.language), c.shown) << c.typed;
        EXPECT_EQ(doc.cell(12, 4, c.language), c.shown) << c.typed;
    }
}

TEST(TonesCommand, ListsTheDropDownsTextsOneALine) {
    const struct {
        std::vector<std::string> words;
        const char* none;
    } cases[] = {{{"tones"}, "None"}, {{"tones", "--lang", "zh"}, "无"}};
    for (const auto& c : cases) {
        const auto listed = runCli(c.words);
        ASSERT_EQ(listed.status, 0) << listed.err;
        const auto tones = test::lines(listed.out);
        ASSERT_EQ(tones.size(), 261u);
        EXPECT_EQ(tones[0], c.none);
        EXPECT_EQ(tones[1], "67.0");
        EXPECT_EQ(tones[50], "254.1");
        EXPECT_EQ(tones[51], "D023N");
        EXPECT_EQ(tones[260], "D754I");
    }
    EXPECT_EQ(runCli({"tones", "extra"}).status, 2);
}

}  // namespace
}  // namespace kw
