#include "link/port_selection.h"

#include <gtest/gtest.h>

#include <set>

namespace kw {
namespace {

PortSettingRules::Prober opens(std::set<std::string> names) {
    return [names](const std::string& name) { return names.contains(name); };
}

const auto kOpens =
    opens({"COM2", "COM5", "/dev/pts/7", "/dev/ttyUSB4", "/dev/serial/by-id/usb-KW_Cable-if00"});

struct SelectionCase {
    std::string_view field;
    std::optional<std::string> portName;  // nothing: no change
    std::optional<StoredPort> stored;
    bool refused = false;
};

class PortSelectionCases : public testing::TestWithParam<SelectionCase> {};

TEST_P(PortSelectionCases, ChoosesOrRefuses) {
    PortSettingRules rules("COM2", kOpens);  // COM2 is selected
    const PortSelection selection = selectPort(rules, "COM2", GetParam().field, kOpens);
    EXPECT_EQ(selection.refusal.has_value(), GetParam().refused);
    if (GetParam().refused) {
        EXPECT_EQ(selection.refusal, MessageId::CouldNotOpenPort);
    }
    ASSERT_EQ(selection.choice.has_value(), GetParam().portName.has_value());
    if (selection.choice) {
        EXPECT_EQ(selection.choice->portName, *GetParam().portName);
        EXPECT_EQ(selection.choice->storedValue, *GetParam().stored);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PortSelectionCases,
    testing::Values(
        // An empty or blank field leaves the choice to the buttons.
        SelectionCase{"", "COM2", StoredPort{2u}}, SelectionCase{"  \t", "COM2", StoredPort{2u}},
        SelectionCase{"/dev/pts/7", "/dev/pts/7", StoredPort{std::string("/dev/pts/7")}},
        SelectionCase{" /dev/pts/7 ", "/dev/pts/7", StoredPort{std::string("/dev/pts/7")}},
        SelectionCase{"/dev/serial/by-id/usb-KW_Cable-if00", "/dev/serial/by-id/usb-KW_Cable-if00",
                      StoredPort{std::string("/dev/serial/by-id/usb-KW_Cable-if00")}},
        // A numbered port's device is kept as its number.
        SelectionCase{"/dev/ttyUSB4", "COM5", StoredPort{5u}},
        SelectionCase{"dev/pts/7", std::nullopt, std::nullopt, true},
        SelectionCase{"COM5", std::nullopt, std::nullopt, true},
        SelectionCase{"/dev/pts/8", std::nullopt, std::nullopt, true},
        SelectionCase{"/dev/pts/7\n", std::nullopt, std::nullopt, true}));

TEST(PortSelection, AClearedSelectionAndAnEmptyFieldChangeNothing) {
    PortSettingRules rules("COM2", kOpens);
    rules.clearSelection();
    const PortSelection selection = selectPort(rules, "COM2", "", kOpens);
    EXPECT_FALSE(selection.choice);
    EXPECT_FALSE(selection.refusal);
}

TEST(PortSelection, TheCurrentPathLeftAsShownIsLikeItsButton) {
    PortSettingRules rules("/dev/pts/7", kOpens);
    const PortSelection free = selectPort(rules, "/dev/pts/7", "/dev/pts/7", kOpens);
    ASSERT_TRUE(free.choice);
    EXPECT_EQ(free.choice->portName, "/dev/pts/7");
    // Busy now: nothing changes and nothing is said, as for a busy current button.
    const PortSelection busy = selectPort(rules, "/dev/pts/8", "/dev/pts/8", kOpens);
    EXPECT_FALSE(busy.choice);
    EXPECT_FALSE(busy.refusal);
}

TEST(PortSelection, ThePathNeedsToFitTheSettings) {
    const std::string longPath = "/" + std::string(5000, 'a');
    PortSettingRules rules("COM2", kOpens);
    EXPECT_TRUE(
        selectPort(rules, "COM2", longPath, [](const std::string&) { return true; }).refusal);
}

TEST(PortSelection, TheFieldShowsOnlyAPortNoButtonStandsFor) {
    EXPECT_EQ(otherPathOf("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(otherPathOf("/dev/ttyUSB0"), "");
    EXPECT_EQ(otherPathOf("COM3"), "");
    EXPECT_EQ(otherPathOf("COM17"), "");
}

}  // namespace
}  // namespace kw
