#include "radio_fleet.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace kw::sim {
namespace {

using Clock = std::chrono::steady_clock;

// No radio on the line: whatever the program sends is lost.
std::optional<LineEnd> silence(PseudoTerminal& line, std::chrono::milliseconds gap, int stopFd) {
    const Clock::time_point until = Clock::now() + gap;
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        pollfd entries[2] = {{line.master(), POLLIN, 0}, {stopFd, POLLIN, 0}};
        const nfds_t count = stopFd >= 0 ? 2 : 1;
        const int ready = ::poll(entries, count, static_cast<int>(left.count()) + 1);
        if (ready < 0 && errno != EINTR) {
            return LineEnd::LineError;
        }
        if (count == 2 && entries[1].revents != 0) {
            return LineEnd::Stopped;
        }
        if (entries[0].revents & POLLIN) {
            std::uint8_t lost[256];
            (void)::read(line.master(), lost, sizeof lost);
        } else if (entries[0].revents != 0) {
            return LineEnd::LineError;
        }
    }
}

}  // namespace

LineEnd runRadioFleet(PseudoTerminal& line, const RadioMemory& fresh, Fault fault,
                      const LineOptions& options, const FleetOptions& fleet) {
    LineOptions each = options;
    each.sessions = fleet.sessionsPerRadio;
    for (int radio = 1;; ++radio) {
        SimulatedRadio simulated(fresh, fault);
        if (fleet.sessionEnded) {
            each.sessionEnded = [&](const RadioMemory& memory) {
                fleet.sessionEnded(radio, memory);
            };
        }
        const LineEnd end = runRadioLine(line, simulated, each);
        if (end != LineEnd::SessionsDone || radio == fleet.radios) {
            return end;
        }
        if (const auto stopped = silence(line, fleet.gap, options.stopFd)) {
            return *stopped;
        }
    }
}

std::string fleetSavePath(const std::string& path, int radio) {
    std::filesystem::path saved(path);
    const std::string extension = saved.extension().string();
    saved.replace_filename(saved.stem().string() + "-" + std::to_string(radio) + extension);
    return saved.string();
}

}  // namespace kw::sim
