// The POSIX serial port on a pseudo-terminal, with the simulator's pty as the far end.

#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

#include "sim_thread.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct PtyRig {
    PtyRig() : line(test::openPseudoTerminal()) {
        const PortOpenResult opened = port.open(line.devicePath());
        if (!opened) {
            throw std::runtime_error(opened.detail);
        }
    }

    void farEndSends(std::string_view hexBytes) {
        const auto data = test::bytes(hexBytes);
        ASSERT_EQ(::write(line.master(), data.data(), data.size()),
                  static_cast<ssize_t>(data.size()));
    }

    sim::PseudoTerminal line;
    PosixSerialPort port;
};

milliseconds since(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

TEST(PosixSerialPort, ReadReturnsAsSoonAsItsBytesAreIn) {
    PtyRig rig;
    rig.farEndSends("A0 A1 A2 A3 00 01 02 03 04 05 06 07");
    std::array<std::uint8_t, 12> reply{};
    const auto start = Clock::now();
    const PortReadResult got = rig.port.read(reply);
    EXPECT_EQ(got.count, 12u);
    EXPECT_FALSE(got.deviceError);
    EXPECT_LT(since(start), milliseconds(100));
    EXPECT_EQ(test::hex(reply), "A0 A1 A2 A3 00 01 02 03 04 05 06 07");
}

TEST(PosixSerialPort, SilentLineTimesOutAfterTheTotalTimeOut) {
    PtyRig rig;
    std::uint8_t byte = 0;
    const auto start = Clock::now();
    const PortReadResult got = rig.port.read(std::span(&byte, 1));
    const milliseconds took = since(start);
    EXPECT_EQ(got.count, 0u);
    EXPECT_FALSE(got.deviceError);
    EXPECT_GE(took, milliseconds(190));
    EXPECT_LT(took, milliseconds(400));
}

TEST(PosixSerialPort, GapBetweenBytesEndsTheRead) {
    PtyRig rig;
    rig.farEndSends("06 06 06");
    std::array<std::uint8_t, 8> reply{};
    const auto start = Clock::now();
    const PortReadResult got = rig.port.read(reply);
    const milliseconds took = since(start);
    EXPECT_EQ(got.count, 3u);
    EXPECT_GE(took, milliseconds(29));
    EXPECT_LT(took, milliseconds(300));  // far below the 890 ms total
}

TEST(PosixSerialPort, PulledCableIsADeviceErrorNotAShortRead) {
    PtyRig rig;
    rig.line.close();
    std::uint8_t byte = 0;
    const auto start = Clock::now();
    EXPECT_TRUE(rig.port.read(std::span(&byte, 1)).deviceError);
    EXPECT_LT(since(start), milliseconds(100));
    const auto request = test::bytes("52 00 00 08");
    EXPECT_FALSE(rig.port.write(request).complete(request.size()));
}

TEST(PosixSerialPort, IsNotShared) {
    PtyRig rig;
    PosixSerialPort second;
    EXPECT_EQ(second.open(rig.line.devicePath()).problem, PortOpenProblem::Busy);
    EXPECT_EQ(probePort(rig.line.devicePath()), PortStatus::Busy);
    rig.port.close();
    EXPECT_EQ(probePort(rig.line.devicePath()), PortStatus::Free);
    EXPECT_TRUE(second.open(rig.line.devicePath()));
}

TEST(PosixSerialPort, SetsRaw9600EightNoneOneAndLeavesHardwareFlowControl) {
    sim::PseudoTerminal line = test::openPseudoTerminal();
    const int slave = ::open(line.devicePath().c_str(), O_RDWR | O_NOCTTY);
    termios before{};
    ASSERT_EQ(::tcgetattr(slave, &before), 0);
    before.c_cflag |= CRTSCTS | PARENB | CSTOPB;
    before.c_iflag |= IXON | ICRNL;
    before.c_lflag |= ICANON | ECHO;
    ASSERT_EQ(::tcsetattr(slave, TCSANOW, &before), 0);
    ::close(slave);

    PosixSerialPort port;
    ASSERT_TRUE(port.open(line.devicePath()));
    const int look = ::open(line.devicePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    termios after{};
    if (look >= 0) {  // root may open an exclusive terminal; others cannot look
        ASSERT_EQ(::tcgetattr(look, &after), 0);
        ::close(look);
        EXPECT_EQ(after.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(after.c_cflag & (PARENB | CSTOPB), 0u);
        EXPECT_EQ(after.c_cflag & CRTSCTS, static_cast<tcflag_t>(CRTSCTS));
        EXPECT_EQ(after.c_iflag & (IXON | ICRNL), 0u);
        EXPECT_EQ(after.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(::cfgetospeed(&after), static_cast<speed_t>(B9600));
    }
}

TEST(PosixSerialPort, SaysWhyAPortDoesNotOpen) {
    test::TempDir dir;
    test::writeFile(dir.file("plain.dat"), "not a terminal");
    PosixSerialPort port;
    EXPECT_EQ(port.open(dir.file("missing")).problem, PortOpenProblem::NoDevice);
    EXPECT_EQ(port.open("COM17").problem, PortOpenProblem::NoDevice);
    EXPECT_EQ(port.open(dir.file("plain.dat")).problem, PortOpenProblem::NotSerial);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(probePort(dir.file("missing")), PortStatus::Absent);
}

TEST(PosixSerialPort, PermissionCureNamesTheDeviceAndItsGroup) {
    test::TempDir dir;
    test::writeFile(dir.file("ttyUSB0"), "");
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("ttyUSB0").c_str(), &info), 0);
    const std::string cure = permissionCure(dir.file("ttyUSB0"));
    EXPECT_NE(cure.find(dir.file("ttyUSB0")), std::string::npos) << cure;
    EXPECT_NE(cure.find("usermod -aG "), std::string::npos) << cure;
}

}  // namespace
}  // namespace kw
