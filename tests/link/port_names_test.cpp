#include "link/port_names.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

struct DeviceCase {
    const char* portName;
    std::optional<std::string> device;
};

class DeviceOfTest : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(DeviceOfTest, MapsPortNamesOntoDeviceFiles) {
    EXPECT_EQ(deviceOf(GetParam().portName), GetParam().device);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DeviceOfTest,
    ::testing::Values(DeviceCase{"COM1", "/dev/ttyUSB0"}, DeviceCase{"COM8", "/dev/ttyUSB7"},
                      DeviceCase{"COM9", "/dev/ttyACM0"}, DeviceCase{"COM12", "/dev/ttyACM3"},
                      DeviceCase{"COM13", "/dev/ttyS0"}, DeviceCase{"COM16", "/dev/ttyS3"},
                      DeviceCase{"\\\\.\\COM10", "/dev/ttyACM1"},
                      DeviceCase{"/dev/serial/by-id/usb-cable", "/dev/serial/by-id/usb-cable"},
                      DeviceCase{"/dev/pts/7", "/dev/pts/7"}, DeviceCase{"COM0", std::nullopt},
                      DeviceCase{"COM17", std::nullopt}, DeviceCase{"COM", std::nullopt},
                      DeviceCase{"COM3x", std::nullopt}, DeviceCase{"com3", "com3"},
                      DeviceCase{"ttyUSB0", "ttyUSB0"}, DeviceCase{"./r", "./r"},
                      DeviceCase{"", std::nullopt}));

TEST(PortNames, NumberIsFoundFromTheNameOrTheDeviceFile) {
    EXPECT_EQ(portNumberOf("COM16"), 16);
    EXPECT_EQ(portNumberOf("\\\\.\\COM10"), 10);
    EXPECT_EQ(portNumberOf("/dev/ttyACM1"), 10);
    EXPECT_EQ(portNumberOf("/dev/ttyS0"), 13);
    EXPECT_EQ(portNumberOf("/dev/pts/3"), std::nullopt);
    EXPECT_EQ(portNumberOf("/dev/ttyUSB8"), std::nullopt);
    EXPECT_EQ(portNumberOf("COM17"), std::nullopt);
    EXPECT_EQ(portNumberOf("COM0"), std::nullopt);
}

TEST(PortNames, StoredValueGivesThePortAViewStartsWith) {
    EXPECT_EQ(portNameFromStored(std::nullopt), "COM1");
    EXPECT_EQ(portNameFromStored(StoredPort{3u}), "COM3");
    EXPECT_EQ(portNameFromStored(StoredPort{10u}), "COM10");
    EXPECT_EQ(portNameFromStored(StoredPort{0x0105u}), "COM5");  // only the low byte counts
    // Out of range numbers still name a port; opening it then fails.
    EXPECT_EQ(portNameFromStored(StoredPort{0u}), "COM0");
    EXPECT_EQ(portNameFromStored(StoredPort{200u}), "COM200");
    EXPECT_EQ(portNameFromStored(StoredPort{std::string("/dev/pts/4")}), "/dev/pts/4");
    EXPECT_EQ(portNameFromStored(StoredPort{std::string()}), "COM1");
}

TEST(PortNames, NumberedPortsAreStoredByNumberOthersByPath) {
    EXPECT_EQ(storedValueOf("COM10"), StoredPort{10u});
    EXPECT_EQ(storedValueOf("/dev/ttyUSB0"), StoredPort{1u});
    EXPECT_EQ(storedValueOf("/dev/serial/by-id/usb-cable"),
              StoredPort{std::string("/dev/serial/by-id/usb-cable")});
}

}  // namespace
}  // namespace kw
