#include "radio_line.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <optional>
#include <vector>

namespace kw::sim {
namespace {

using Clock = std::chrono::steady_clock;

struct TimedByte {
    std::uint8_t byte;
    Clock::time_point due;
};

constexpr std::chrono::nanoseconds kBitsPerByteTimesSecond{10'000'000'000};
constexpr std::size_t kReadChunk = 256;
constexpr std::chrono::milliseconds kLastAnswerGrace{300};

timespec timeoutUntil(Clock::time_point deadline) {
    const auto left = std::max(Clock::duration::zero(), deadline - Clock::now());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

class LineRun {
  public:
    LineRun(PseudoTerminal& line, SimulatedRadio& radio, const LineOptions& options)
        : line_(line), radio_(radio), options_(options) {
        if (options.baud > 0) {
            byteTime_ = kBitsPerByteTimesSecond / options.baud;
        }
        answerDelay_ = options.turnaround;
    }

    LineEnd run() {
        while (true) {
            if (auto end = processDue()) {
                return *end;
            }
            if (stopping_ && outgoing_.empty()) {
                // Closing hangs the line up, which throws away what the program has
                // not read yet: give it time to take the last answer first.
                if (!closeAt_) {
                    closeAt_ = Clock::now() + kLastAnswerGrace;
                } else if (Clock::now() >= *closeAt_) {
                    return LineEnd::SessionsDone;
                }
            }
            if (auto end = wait()) {
                return *end;
            }
        }
    }

  private:
    std::optional<LineEnd> processDue() {
        const Clock::time_point now = Clock::now();
        if (radio_.inSession() && now - lastActivity_ >= kSessionIdleLimit && radio_.lineIdle()) {
            sessionEnded();
        }
        std::vector<std::uint8_t> ready;
        while (!outgoing_.empty() && outgoing_.front().due <= now) {
            ready.push_back(outgoing_.front().byte);
            outgoing_.pop_front();
        }
        if (!ready.empty() && !send(ready)) {
            return LineEnd::LineError;
        }
        // Saving the memory takes a while: only once the last answer is on its way.
        if (sessionEndPending_ && outgoing_.empty()) {
            sessionEndPending_ = false;
            sessionEnded();
        }
        return std::nullopt;
    }

    // An answer reaches the program in one piece, once its last byte is through. Sent
    // byte by byte at the line's pace, a busy machine could hold the simulator back long
    // enough to open a gap between bytes that no real line has.
    void schedule(const std::vector<std::uint8_t>& reply, Clock::time_point heard) {
        if (reply.empty()) {
            return;
        }
        lastOutDue_ = std::max(heard + answerDelay_ + radio_.extraAnswerDelay(), lastOutDue_) +
                      byteTime_ * static_cast<long>(reply.size());
        for (const std::uint8_t byte : reply) {
            outgoing_.push_back({byte, lastOutDue_});
        }
    }

    void sessionEnded() {
        if (options_.sessionEnded) {
            options_.sessionEnded(radio_.memory());
        }
        if (options_.sessions > 0 && ++sessions_ >= options_.sessions) {
            stopping_ = true;
        }
    }

    bool send(const std::vector<std::uint8_t>& bytes) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t put = ::write(line_.master(), bytes.data() + sent, bytes.size() - sent);
            if (put > 0) {
                sent += static_cast<std::size_t>(put);
            } else if (put < 0 && errno == EAGAIN) {
                pollfd entry{line_.master(), POLLOUT, 0};
                ::poll(&entry, 1, -1);
            } else if (put < 0 && errno != EINTR) {
                return false;
            }
        }
        return true;
    }

    std::optional<LineEnd> wait() {
        Clock::time_point deadline = Clock::time_point::max();
        if (!outgoing_.empty()) {
            deadline = std::min(deadline, outgoing_.front().due);
        }
        if (radio_.inSession()) {
            deadline = std::min(deadline, lastActivity_ + kSessionIdleLimit);
        }
        if (closeAt_) {
            deadline = std::min(deadline, *closeAt_);
        }
        pollfd entries[2] = {{line_.master(), POLLIN, 0}, {options_.stopFd, POLLIN, 0}};
        const nfds_t count = options_.stopFd >= 0 ? 2 : 1;
        timespec timeout{};
        if (deadline != Clock::time_point::max()) {
            timeout = timeoutUntil(deadline);
        }
        const int ready = ::ppoll(
            entries, count, deadline == Clock::time_point::max() ? nullptr : &timeout, nullptr);
        if (ready < 0) {
            return errno == EINTR ? std::nullopt : std::optional(LineEnd::LineError);
        }
        if (count == 2 && entries[1].revents != 0) {
            return LineEnd::Stopped;
        }
        if (entries[0].revents & POLLIN) {
            return receive();
        }
        if (entries[0].revents != 0) {
            return LineEnd::LineError;
        }
        return std::nullopt;
    }

    // The radio's answer is known as soon as the question is in, and is timed from the
    // moment the question has crossed the line; waking up for that moment as well would
    // only add the scheduler's delay to every exchange.
    std::optional<LineEnd> receive() {
        std::uint8_t buffer[kReadChunk];
        const ssize_t got = ::read(line_.master(), buffer, sizeof buffer);
        const Clock::time_point now = Clock::now();
        for (ssize_t i = 0; i < got; ++i) {
            lastInDue_ = std::max(now, lastInDue_) + byteTime_;
            lastActivity_ = now;
            const Reaction reaction = radio_.receive(buffer[i]);
            if (reaction.disconnect) {
                line_.close();
                return LineEnd::Disconnected;
            }
            schedule(reaction.reply, lastInDue_);
            sessionEndPending_ = sessionEndPending_ || reaction.sessionEnded;
        }
        return std::nullopt;
    }

    PseudoTerminal& line_;
    SimulatedRadio& radio_;
    const LineOptions& options_;
    Clock::duration byteTime_{0};
    Clock::duration answerDelay_{0};
    bool sessionEndPending_ = false;
    std::deque<TimedByte> outgoing_;
    Clock::time_point lastInDue_{};
    Clock::time_point lastOutDue_{};
    Clock::time_point lastActivity_ = Clock::now();
    int sessions_ = 0;
    bool stopping_ = false;
    std::optional<Clock::time_point> closeAt_;
};

}  // namespace

LineEnd runRadioLine(PseudoTerminal& line, SimulatedRadio& radio, const LineOptions& options) {
    return LineRun(line, radio, options).run();
}

}  // namespace kw::sim
