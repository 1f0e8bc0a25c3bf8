#include "pseudo_terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace kw::sim {

std::optional<PseudoTerminal> PseudoTerminal::open(std::string& error) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0) {
        error = std::string("Cannot open a pseudo-terminal: ") + std::strerror(errno) + ".";
        return std::nullopt;
    }
    char name[128] = {};
    const bool named = ::grantpt(master) == 0 && ::unlockpt(master) == 0 &&
                       ::ptsname_r(master, name, sizeof name) == 0;
    const int slave = named ? ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
    if (slave < 0) {
        error =
            std::string("Cannot open the pseudo-terminal's device: ") + std::strerror(errno) + ".";
        ::close(master);
        return std::nullopt;
    }
    // Raw from the start, so nothing is echoed or translated before the program sets
    // the line up itself.
    termios line{};
    if (::tcgetattr(slave, &line) == 0) {
        ::cfmakeraw(&line);
        ::tcsetattr(slave, TCSANOW, &line);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    return PseudoTerminal(master, slave, name);
}

PseudoTerminal::PseudoTerminal(PseudoTerminal&& other) noexcept
    : master_(other.master_), slave_(other.slave_), devicePath_(std::move(other.devicePath_)) {
    other.master_ = -1;
    other.slave_ = -1;
}

PseudoTerminal::~PseudoTerminal() {
    close();
}

void PseudoTerminal::close() {
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

}  // namespace kw::sim
