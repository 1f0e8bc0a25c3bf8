#pragma once
// The serial line to the radio. Opening takes the port exclusively and sets 9600 8N1 raw;
// reads and writes keep the radio link's time-outs:
//   read of n bytes: at most 30 ms between two bytes, 100 * n + 90 ms in all;
//   write of n bytes: 50 * n + 50 ms in all.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kw {

enum class PortOpenProblem {
    None,
    NoDevice,          // the name maps to no device file, or the file is not there
    Busy,              // another program (or window) holds the port
    PermissionDenied,  // the user may not open the device
    NotSerial,         // the device does not behave as a serial line
    Other,
};

struct [[nodiscard]] PortOpenResult {
    PortOpenProblem problem = PortOpenProblem::None;
    std::string detail;  // one line naming the device and, where there is one, the cure

    explicit operator bool() const { return problem == PortOpenProblem::None; }
};

struct [[nodiscard]] PortReadResult {
    std::size_t count = 0;     // bytes received; fewer than asked for after a time-out
    bool deviceError = false;  // the line went away (hang-up, EIO): not just a time-out
};

struct [[nodiscard]] PortWriteResult {
    std::size_t count = 0;
    bool deviceError = false;

    bool complete(std::size_t asked) const { return !deviceError && count == asked; }
};

enum class PurgeMode {
    Clear,          // discard both queues
    AbortAndClear,  // also abandon pending transfers; the same as Clear where I/O is synchronous
};

inline constexpr std::chrono::milliseconds kReadIntervalTimeout{30};
inline constexpr std::chrono::milliseconds kReadTimeoutPerByte{100};
inline constexpr std::chrono::milliseconds kReadTimeoutConstant{90};
inline constexpr std::chrono::milliseconds kWriteTimeoutPerByte{50};
inline constexpr std::chrono::milliseconds kWriteTimeoutConstant{50};

constexpr std::chrono::milliseconds readTimeout(std::size_t count) {
    return kReadTimeoutPerByte * static_cast<long>(count) + kReadTimeoutConstant;
}
constexpr std::chrono::milliseconds writeTimeout(std::size_t count) {
    return kWriteTimeoutPerByte * static_cast<long>(count) + kWriteTimeoutConstant;
}

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // `portName` is a port name ("COM3") or a device path.
    virtual PortOpenResult open(const std::string& portName) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void purge(PurgeMode mode) = 0;
    // Returns as soon as `buffer.size()` bytes are in, or at the time-out with fewer.
    virtual PortReadResult read(std::span<std::uint8_t> buffer) = 0;
    virtual PortWriteResult write(std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace kw
