// The POSIX serial port on a pseudo-terminal, with the simulator's pty as the far end.

#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

TEST(PosixSerialPort, WriteGivesUpAfterItsTimeOutWhenTheLineIsStuck) {
    PtyRig rig;  // nobody reads the far end, so its queue fills up
    const auto frame = test::bytes("57 00 00 08 01 02 03 04");
    PortWriteResult put;
    milliseconds took{0};
    for (int i = 0; i < 100'000; ++i) {
        const auto start = Clock::now();
        put = rig.port.write(frame);
        took = since(start);
        if (!put.complete(frame.size())) {
            break;
        }
    }
    EXPECT_FALSE(put.deviceError);
    EXPECT_LT(put.count, frame.size());
    EXPECT_GE(took, milliseconds(50 * 8 + 50));
    EXPECT_LT(took, milliseconds(1000));
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
    const PortOpenResult refused = second.open(rig.line.devicePath());
    EXPECT_EQ(refused.problem, PortOpenProblem::Busy);
    EXPECT_EQ(refused.detail, rig.line.devicePath() + " is in use by another program.");
    EXPECT_EQ(probePort(rig.line.devicePath()), PortStatus::Busy);
    rig.port.close();
    EXPECT_EQ(probePort(rig.line.devicePath()), PortStatus::Free);
    EXPECT_TRUE(second.open(rig.line.devicePath()));
}

// What another program may hold on the device: only the advisory lock, or only the
// terminal's exclusive mode. Root may open an exclusive terminal, so the open runs as
// the nobody user in a child process.
struct HeldBy {
    const char* name;
    bool lock;
    bool exclusive;
};

class PortHeldByAnother : public ::testing::TestWithParam<HeldBy> {};

TEST_P(PortHeldByAnother, IsBusy) {
    sim::PseudoTerminal line = test::openPseudoTerminal();
    ASSERT_EQ(::chmod(line.devicePath().c_str(), 0666), 0);
    const int other = ::open(line.devicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    if (GetParam().lock) {
        ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    }
    if (GetParam().exclusive) {
        ASSERT_EQ(::ioctl(other, TIOCEXCL), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        PosixSerialPort port;
        ::_exit(port.open(line.devicePath()).problem == PortOpenProblem::Busy ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "exit " << WEXITSTATUS(status);
    ::close(other);
}

INSTANTIATE_TEST_SUITE_P(Posix, PortHeldByAnother,
                         ::testing::Values(HeldBy{"AdvisoryLock", true, false},
                                           HeldBy{"ExclusiveMode", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// And the other way round: while we hold the port, a program that merely opens it is
// refused by the exclusive mode, and one that locks it by our lock.
class OurPortSeenByAnother : public ::testing::TestWithParam<HeldBy> {};

TEST_P(OurPortSeenByAnother, IsRefused) {
    sim::PseudoTerminal line = test::openPseudoTerminal();
    ASSERT_EQ(::chmod(line.devicePath().c_str(), 0666), 0);
    PosixSerialPort ours;
    ASSERT_TRUE(ours.open(line.devicePath()));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (GetParam().exclusive && ::geteuid() == 0 &&
            (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        const int fd = ::open(line.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            ::_exit(errno == EBUSY ? 0 : 1);  // refused by the exclusive mode
        }
        ::_exit(GetParam().lock && ::flock(fd, LOCK_EX | LOCK_NB) != 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "exit " << WEXITSTATUS(status);
}

INSTANTIATE_TEST_SUITE_P(Posix, OurPortSeenByAnother,
                         ::testing::Values(HeldBy{"Locking", true, false},
                                           HeldBy{"MerelyOpening", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

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

// What open() says about a device only its owner may open, as a user who is not the
// owner (root is made the nobody user in a child process first).
TEST(PosixSerialPort, DeviceTheUserMayNotOpenIsRefusedWithTheCure) {
    test::TempDir dir;
    const std::string device = dir.file("ttyUSB0");
    test::writeFile(device, "");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0600), 0);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(1);
        }
        PosixSerialPort port;
        const PortOpenResult opened = port.open(device);
        const std::string line =
            (opened.problem == PortOpenProblem::PermissionDenied ? "denied " : "other ") +
            opened.detail;
        (void)!::write(report[1], line.data(), line.size());
        ::_exit(0);
    }
    ::close(report[1]);
    std::string line;
    char buffer[256];
    for (ssize_t got; (got = ::read(report[0], buffer, sizeof buffer)) > 0;) {
        line.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(report[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "could not become nobody";
    EXPECT_EQ(line, "denied " + permissionCure(device));
}

// A group other than root is named to join; root's never is, a udev rule is offered.
TEST(PosixSerialPort, PermissionCureNamesTheDeviceAndItsGroupButNeverRoot) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a file to another group needs root";
    }
    const struct group* other = ::getgrnam("nogroup");
    ASSERT_NE(other, nullptr);
    struct Case {
        gid_t group;
        std::string wanted;
        std::string unwanted;
    };
    const Case cases[] = {{other->gr_gid, "usermod -aG nogroup ", "uaccess"},
                          {0, "TAG+=\"uaccess\"", "usermod"}};
    for (const Case& c : cases) {
        test::TempDir dir;
        test::writeFile(dir.file("ttyUSB0"), "");
        ASSERT_EQ(::chown(dir.file("ttyUSB0").c_str(), 0, c.group), 0);
        const std::string cure = permissionCure(dir.file("ttyUSB0"));
        EXPECT_NE(cure.find(dir.file("ttyUSB0")), std::string::npos) << cure;
        EXPECT_NE(cure.find(c.wanted), std::string::npos) << cure;
        EXPECT_EQ(cure.find(c.unwanted), std::string::npos) << cure;
    }
}

}  // namespace
}  // namespace kw
