#include "link/serial_devices.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace kw {
namespace {

TEST(SerialDevices, ListsWhatNoPortNumberReaches) {
    test::TempDir dev;
    std::filesystem::create_directories(dev.file("serial/by-id"));
    for (const char* name : {"ttyUSB0", "ttyUSB7", "ttyUSB8", "ttyACM0", "ttyACM4", "ttyS0",
                             "ttyS5", "tty1", "serial/by-id/usb-FTDI_FT232R-if00-port0"}) {
        test::writeFile(dev.file(name), "");
    }
    EXPECT_EQ(otherSerialDevices(dev.path()),
              (std::vector<std::string>{dev.file("serial/by-id/usb-FTDI_FT232R-if00-port0"),
                                        dev.file("ttyACM4"), dev.file("ttyUSB8")}));
}

TEST(SerialDevices, NothingWithoutTheFolders) {
    test::TempDir dev;
    EXPECT_TRUE(otherSerialDevices(dev.file("missing")).empty());
}

}  // namespace
}  // namespace kw
