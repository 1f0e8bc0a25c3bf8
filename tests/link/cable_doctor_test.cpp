#include "link/cable_doctor.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "support/temp_dir.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kUser = 4321;  // never the device's owner, nor root
constexpr gid_t kDialout = 20;

// A machine with one FTDI adapter at /dev/ttyUSB0, as /dev, /sys and /proc show it.
class FakeMachine {
  public:
    FakeMachine() {
        file("/dev/ttyUSB0", "");
        const std::string usb = "/sys/devices/pci0000:00/usb1/1-2";
        file(usb + "/idVendor", "0403\n");
        file(usb + "/idProduct", "6001\n");
        file(usb + "/1-2:1.0/ttyUSB0/tty", "");
        file("/sys/bus/usb-serial/drivers/ftdi_sio/bind", "");
        link("/sys/class/tty/ttyUSB0/device", dir.path() + usb + "/1-2:1.0/ttyUSB0");
        link(usb + "/1-2:1.0/ttyUSB0/driver", "../../../../../../bus/usb-serial/drivers/ftdi_sio");
        link("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", "../../ttyUSB0");
        if (::geteuid() == 0) {
            // A group of root's would be root's alone; the cures differ.
            (void)::chown((dir.path() + "/dev/ttyUSB0").c_str(), 0, kDialout);
        }
        deviceMode(0660);
        groups("dialout:x:" + std::to_string(deviceGroup()) + ":\n");
    }

    void file(const std::string& path, const std::string& text) {
        fs::create_directories(fs::path(dir.path() + path).parent_path());
        test::writeFile(dir.path() + path, text);
    }
    void link(const std::string& path, const std::string& target) {
        fs::create_directories(fs::path(dir.path() + path).parent_path());
        fs::create_symlink(target, dir.path() + path);
    }
    void deviceMode(mode_t mode) { ::chmod((dir.path() + "/dev/ttyUSB0").c_str(), mode); }
    void groups(const std::string& text) { file("/etc/group", text); }
    gid_t deviceGroup() const {
        struct stat info {};
        ::stat((dir.path() + "/dev/ttyUSB0").c_str(), &info);
        return info.st_gid;
    }
    void process(int pid, const std::string& command) {
        file("/proc/" + std::to_string(pid) + "/comm", command + "\n");
        fs::create_directories(dir.path() + "/proc/" + std::to_string(pid) + "/fd");
    }

    SystemView view(bool inDeviceGroup) const {
        SystemView system{dir.path(), kUser, {}, "ann", 1};
        if (inDeviceGroup) {
            system.groups.push_back(deviceGroup());
        }
        return system;
    }

    test::TempDir dir;
};

struct DoctorCase {
    std::string name;
    std::function<void(FakeMachine&)> setUp;
    std::optional<std::string> port;
    bool inDeviceGroup;
    std::vector<std::string> expected;  // lines that must be among the checks'
    bool problem;
};

class DoctorTest : public ::testing::TestWithParam<DoctorCase> {};

TEST_P(DoctorTest, ReportsWhatStandsBetweenUserAndPort) {
    FakeMachine machine;
    GetParam().setUp(machine);
    const auto checks = cableChecks(machine.view(GetParam().inDeviceGroup), GetParam().port);
    std::string all;
    for (const CheckLine& line : checks) {
        all += checkLineText(line) + "\n";
    }
    for (const std::string& line : GetParam().expected) {
        EXPECT_NE(all.find(line + "\n"), std::string::npos) << line << "\nin\n" << all;
    }
    EXPECT_EQ(anyProblem(checks), GetParam().problem) << all;
}

const std::string kDevice =
    "ok: serial device /dev/ttyUSB0 (driver ftdi_sio, USB 0403:6001), also named "
    "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0.";
const std::string kRule =
    "note: a udev rule that lets the logged-in user open this ftdi_sio adapter without joining a "
    "group, in /etc/udev/rules.d/70-kwprog.rules: SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"0403\", "
    "ATTRS{idProduct}==\"6001\", TAG+=\"uaccess\"";
const std::string kNoDevice =
    "no USB serial device (/dev/ttyUSB*, /dev/ttyACM*) is present: plug the cable in, and if it "
    "still does not show, look at \"sudo dmesg\" for why it was not taken.";

void nothing(FakeMachine&) {}

INSTANTIATE_TEST_SUITE_P(
    Machines, DoctorTest,
    ::testing::Values(
        DoctorCase{"NoDevice",
                   [](FakeMachine& m) { fs::remove_all(m.dir.path() + "/dev"); },
                   std::nullopt,
                   false,
                   {"problem: " + kNoDevice},
                   true},
        DoctorCase{"NoDeviceIsOnlyANoteBesideAPort",
                   [](FakeMachine& m) { fs::remove_all(m.dir.path() + "/dev"); },
                   "/dev/ttyUSB0",
                   false,
                   {"note: " + kNoDevice,
                    "problem: /dev/ttyUSB0 does not exist: plug the cable in, or name one of the "
                    "serial devices above."},
                   true},
        DoctorCase{"AdapterFoundAndOpenable",
                   nothing,
                   "COM1",
                   true,
                   {kDevice, "ok: /dev/ttyUSB0 exists, owner group dialout, mode -rw-rw----.",
                    "ok: you may open /dev/ttyUSB0.", "ok: no other process has /dev/ttyUSB0 open.",
                    kRule},
                   false},
        DoctorCase{"NotInTheGroup",
                   nothing,
                   "/dev/ttyUSB0",
                   false,
                   {"problem: you may not open /dev/ttyUSB0: join the group dialout with \"sudo "
                    "usermod -aG dialout $USER\" and log in again, or add a udev rule such as "
                    "SUBSYSTEM==\"tty\", KERNEL==\"ttyUSB0\", TAG+=\"uaccess\" in "
                    "/etc/udev/rules.d/70-kwprog.rules."},
                   true},
        DoctorCase{"OpenForAllNeedsNoGroup",
                   [](FakeMachine& m) { m.deviceMode(0666); },
                   "/dev/ttyUSB0",
                   false,
                   {"ok: you may open /dev/ttyUSB0."},
                   false},
        DoctorCase{"MemberButNotInThisLogin",
                   [](FakeMachine& m) {
                       m.groups("dialout:x:" + std::to_string(m.deviceGroup()) + ":bob,ann\n");
                   },
                   "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0",
                   false,
                   {"problem: you are a member of the group dialout, but this login is not yet: "
                    "log out and in again (or run \"newgrp dialout\" for one shell)."},
                   true},
        DoctorCase{"HeldByAnotherProcessThroughItsLink",
                   [](FakeMachine& m) {
                       m.process(42, "minicom");
                       m.link("/proc/42/fd/3", "/dev/ttyUSB0");
                       m.process(1, "kwprog-cli");  // our own process
                       m.link("/proc/1/fd/4", "/dev/ttyUSB0");
                   },
                   "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0",
                   true,
                   {"note: /dev/serial/by-id/usb-FTDI_FT232R-if00-port0 is open in process 42 "
                    "(minicom); if the port is busy, close that program."},
                   false},
        DoctorCase{"ModemManagerAndBrltty",
                   [](FakeMachine& m) {
                       m.process(7, "ModemManager");
                       m.file("/usr/bin/brltty", "");
                   },
                   std::nullopt,
                   false,
                   {"note: ModemManager is running (process 7) and may take a USB serial adapter "
                    "for a while after it is plugged in: stop it with \"sudo systemctl stop "
                    "ModemManager\", or remove it with \"sudo apt remove modemmanager\".",
                    "note: brltty is installed and takes USB serial adapters (such as ch341 and "
                    "cp210x) it thinks are Braille displays: unless you use one, remove it with "
                    "\"sudo apt remove brltty\".",
                    kDevice},
                   false},
        DoctorCase{"NeitherServiceAround",
                   nothing,
                   std::nullopt,
                   false,
                   {"ok: ModemManager is not running.", "ok: brltty is not installed."},
                   false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kw
