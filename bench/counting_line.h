#pragma once
// What the transfer benchmarks measure a transfer with: a serial port that counts the
// bytes on the line and the time blocked on it, a sleeper that counts the protocol's
// waits, and this process's CPU time.

#include <sys/resource.h>

#include <chrono>
#include <string>

#include "link/posix_serial_port.h"
#include "link/sleeper.h"

namespace kw::bench {

using Clock = std::chrono::steady_clock;

constexpr double kBitsPerByte = 10.0;
constexpr double kWireBaud = 9600.0;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Counts every byte that crosses the line and the time spent waiting on it.
class CountingPort final : public SerialPort {
  public:
    PortOpenResult open(const std::string& name) override { return port_.open(name); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    void purge(PurgeMode mode) override { port_.purge(mode); }
    PortReadResult read(std::span<std::uint8_t> buffer) override {
        const Clock::time_point start = Clock::now();
        const PortReadResult got = port_.read(buffer);
        inPort += secondsSince(start);
        bytes += got.count;
        return got;
    }
    PortWriteResult write(std::span<const std::uint8_t> data) override {
        const Clock::time_point start = Clock::now();
        const PortWriteResult put = port_.write(data);
        inPort += secondsSince(start);
        bytes += put.count;
        return put;
    }

    std::size_t bytes = 0;
    double inPort = 0;  // seconds blocked in reads and writes: the line and the radio

  private:
    PosixSerialPort port_;
};

class CountingSleeper final : public Sleeper {
  public:
    void sleepFor(std::chrono::milliseconds duration) override {
        asked += duration;
        const Clock::time_point start = Clock::now();
        sleeper_.sleepFor(duration);
        slept += secondsSince(start);
    }

    std::chrono::milliseconds asked{0};
    double slept = 0;

  private:
    ThreadSleeper sleeper_;
};

inline double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace kw::bench
