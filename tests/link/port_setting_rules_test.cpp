#include "link/port_setting_rules.h"

#include <gtest/gtest.h>

#include <set>

namespace kw {
namespace {

PortSettingRules::Prober opens(std::set<std::string> names) {
    return [names](const std::string& name) { return names.contains(name); };
}

TEST(PortSettingRules, EnablesExactlyThePortsThatOpen) {
    const PortSettingRules rules("COM1", opens({"COM2", "COM10", "COM16"}));
    for (int number = 1; number <= 16; ++number) {
        EXPECT_EQ(rules.enabled(number), number == 2 || number == 10 || number == 16) << number;
    }
    EXPECT_FALSE(rules.enabled(0));
    EXPECT_FALSE(rules.enabled(17));
}

TEST(PortSettingRules, SelectsTheCurrentPortWhenItOpens) {
    EXPECT_EQ(PortSettingRules("COM10", opens({"COM10"})).selection(), 10);
    EXPECT_EQ(PortSettingRules("/dev/ttyUSB2", opens({"COM3", "/dev/ttyUSB2"})).selection(), 3);
}

TEST(PortSettingRules, BusyCurrentPortLeavesNothingSelectedAndOkChangesNothing) {
    const PortSettingRules rules("COM4", opens({"COM1", "COM2"}));
    EXPECT_EQ(rules.selection(), std::nullopt);
    EXPECT_EQ(rules.accept(), std::nullopt);
}

TEST(PortSettingRules, SelectsNoButtonForAPortOutsideTheSixteen) {
    EXPECT_EQ(PortSettingRules("COM17", opens({"COM17"})).selection(), std::nullopt);
    EXPECT_EQ(PortSettingRules("/dev/pts/3", opens({"/dev/pts/3"})).selection(), std::nullopt);
}

TEST(PortSettingRules, OkStoresTheChosenNumberAndNamesThePort) {
    PortSettingRules rules("COM1", opens({"COM1", "COM12"}));
    rules.select(5);  // disabled: a click cannot reach it
    EXPECT_EQ(rules.selection(), 1);
    rules.select(12);
    const auto choice = rules.accept();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->portName, "COM12");
    EXPECT_EQ(choice->storedValue, StoredPort{12u});
}

}  // namespace
}  // namespace kw
