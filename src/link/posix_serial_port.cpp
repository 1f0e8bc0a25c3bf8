#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "link/port_names.h"

namespace kw {
namespace {

using Clock = std::chrono::steady_clock;

struct OpenedDevice {
    int fd = -1;
    PortOpenProblem problem = PortOpenProblem::None;
    std::string detail;
};

PortOpenProblem problemOf(int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return PortOpenProblem::NoDevice;
        case EBUSY:
        case EWOULDBLOCK:
            return PortOpenProblem::Busy;
        case EACCES:
        case EPERM:
            return PortOpenProblem::PermissionDenied;
        case ENOTTY:
            return PortOpenProblem::NotSerial;
        default:
            return PortOpenProblem::Other;
    }
}

std::string problemText(PortOpenProblem problem, int error, const std::string& portName,
                        const std::string& device) {
    if (problem == PortOpenProblem::PermissionDenied) {
        return permissionCure(device);
    }
    if (problem == PortOpenProblem::Busy) {
        return device + " is in use by another program.";
    }
    if (error == ENOENT) {
        return portName + " has no device file.";
    }
    return device + ": " + std::strerror(error) + ".";
}

OpenedDevice failure(int error, const std::string& portName, const std::string& device) {
    const PortOpenProblem problem = problemOf(error);
    return {-1, problem, problemText(problem, error, portName, device)};
}

void releaseDevice(int fd) {
    // The exclusive mode outlives this descriptor while any other holds the device open.
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
}

// Open without waiting for carrier, then refuse to share: TIOCEXCL stops later opens of
// the terminal, the lock stops programs that lock serial ports as we do.
OpenedDevice openExclusive(const std::string& portName) {
    const auto device = deviceOf(portName);
    if (!device) {
        return {-1, PortOpenProblem::NoDevice, portName + " has no device file."};
    }
    const int fd = ::open(device->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return failure(errno, portName, *device);
    }
    if (!::isatty(fd)) {
        ::close(fd);
        return {-1, PortOpenProblem::NotSerial, *device + " is not a serial device."};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return failure(error, portName, *device);
    }
    if (::ioctl(fd, TIOCEXCL) != 0) {
        const int error = errno;
        ::close(fd);
        return failure(error, portName, *device);
    }
    return {fd, PortOpenProblem::None, {}};
}

// 9600 8N1 and no byte processing. Software flow control would swallow data bytes 0x11
// and 0x13, so it goes with the rest of the processing; hardware flow control and the
// modem lines stay as the port had them, apart from ignoring carrier so a three-wire
// cable works.
bool configureLine(int fd) {
    termios line{};
    if (::tcgetattr(fd, &line) != 0) {
        return false;
    }
    line.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                           ICRNL | IXON | IXOFF | IXANY | INPCK);
    line.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    line.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    line.c_cflag |= CS8 | CREAD | CLOCAL;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    if (::cfsetispeed(&line, B9600) != 0 || ::cfsetospeed(&line, B9600) != 0) {
        return false;
    }
    return ::tcsetattr(fd, TCSANOW, &line) == 0;
}

// Milliseconds until `deadline`, rounded up so poll() never wakes early.
int pollTimeout(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

}  // namespace

PosixSerialPort::~PosixSerialPort() {
    close();
}

PortOpenResult PosixSerialPort::open(const std::string& portName) {
    close();
    OpenedDevice opened = openExclusive(portName);
    if (opened.fd < 0) {
        return {opened.problem, std::move(opened.detail)};
    }
    if (!configureLine(opened.fd)) {
        const int error = errno;
        releaseDevice(opened.fd);
        return {PortOpenProblem::NotSerial,
                portName + " cannot be set to 9600 8N1: " + std::strerror(error) + "."};
    }
    fd_ = opened.fd;
    return {};
}

void PosixSerialPort::close() {
    if (fd_ >= 0) {
        releaseDevice(fd_);
        fd_ = -1;
    }
}

// A write returns once its bytes are queued, not sent: clearing the transmit queue
// right after one would drop our own request, so only an abort touches it.
void PosixSerialPort::purge(PurgeMode mode) {
    if (fd_ >= 0) {
        ::tcflush(fd_, mode == PurgeMode::AbortAndClear ? TCIOFLUSH : TCIFLUSH);
    }
}

PortReadResult PosixSerialPort::read(std::span<std::uint8_t> buffer) {
    PortReadResult result;
    if (fd_ < 0) {
        result.deviceError = true;
        return result;
    }
    const Clock::time_point totalDeadline = Clock::now() + readTimeout(buffer.size());
    Clock::time_point deadline = totalDeadline;
    while (result.count < buffer.size()) {
        pollfd entry{fd_, POLLIN, 0};
        const int ready = ::poll(&entry, 1, pollTimeout(deadline));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.deviceError = true;
            break;
        }
        if (ready == 0) {
            if (Clock::now() >= deadline) {
                break;
            }
            continue;
        }
        if ((entry.revents & POLLIN) == 0) {
            result.deviceError = true;  // POLLHUP, POLLERR or POLLNVAL: the line is gone
            break;
        }
        const ssize_t got = ::read(fd_, buffer.data() + result.count, buffer.size() - result.count);
        if (got > 0) {
            result.count += static_cast<std::size_t>(got);
            deadline = std::min(totalDeadline, Clock::now() + kReadIntervalTimeout);
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            result.deviceError = true;  // end of file on a terminal is a hang-up
            break;
        }
    }
    return result;
}

PortWriteResult PosixSerialPort::write(std::span<const std::uint8_t> bytes) {
    PortWriteResult result;
    if (fd_ < 0) {
        result.deviceError = true;
        return result;
    }
    const Clock::time_point deadline = Clock::now() + writeTimeout(bytes.size());
    while (result.count < bytes.size()) {
        const ssize_t put = ::write(fd_, bytes.data() + result.count, bytes.size() - result.count);
        if (put > 0) {
            result.count += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put < 0 && errno != EAGAIN) {
            result.deviceError = true;
            break;
        }
        pollfd entry{fd_, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, pollTimeout(deadline));
        if (ready == 0) {
            break;
        }
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0 || (entry.revents & POLLOUT) == 0) {
            result.deviceError = true;
            break;
        }
    }
    return result;
}

PortStatus probePort(const std::string& portName) {
    const OpenedDevice opened = openExclusive(portName);
    if (opened.fd >= 0) {
        releaseDevice(opened.fd);
        return PortStatus::Free;
    }
    switch (opened.problem) {
        case PortOpenProblem::NoDevice:
            return PortStatus::Absent;
        case PortOpenProblem::Busy:
            return PortStatus::Busy;
        case PortOpenProblem::PermissionDenied:
            return PortStatus::NoPermission;
        case PortOpenProblem::NotSerial:
            return PortStatus::NotSerial;
        default:
            return PortStatus::Unusable;
    }
}

std::string permissionCure(const std::string& device) {
    struct stat info {};
    std::string groupName;
    if (::stat(device.c_str(), &info) == 0) {
        if (const struct group* owner = ::getgrgid(info.st_gid)) {
            groupName = owner->gr_name;
        }
    }
    if (groupName.empty()) {
        return "You may not open " + device +
               "; ask for access to it (usually membership in the group dialout).";
    }
    // Joining root would give away the whole system; a udev rule opens this device alone.
    if (info.st_gid == 0) {
        const std::string kernelName = device.substr(device.rfind('/') + 1);
        return "You may not open " + device +
               "; it belongs to root alone: give it to the logged-in user with a udev rule "
               "such as SUBSYSTEM==\"tty\", KERNEL==\"" +
               kernelName + "\", TAG+=\"uaccess\" in /etc/udev/rules.d/70-kwprog.rules.";
    }
    return "You may not open " + device + "; it belongs to the group " + groupName +
           ": join it with \"sudo usermod -aG " + groupName + " $USER\" and log in again.";
}

}  // namespace kw
