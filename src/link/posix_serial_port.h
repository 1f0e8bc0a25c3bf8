#pragma once
// SerialPort on a POSIX terminal device. The port is held exclusively (TIOCEXCL and an
// advisory lock), set to 9600 8N1 raw, and read with poll() against steady-clock
// deadlines, so a read returns the moment its bytes are in.

#include <string>

#include "link/serial_port.h"

namespace kw {

class PosixSerialPort final : public SerialPort {
  public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    PortOpenResult open(const std::string& portName) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }

    void purge(PurgeMode mode) override;
    PortReadResult read(std::span<std::uint8_t> buffer) override;
    PortWriteResult write(std::span<const std::uint8_t> bytes) override;

  private:
    int fd_ = -1;
};

enum class PortStatus { Free, Busy, Absent, NoPermission, NotSerial, Unusable };

// Opens the port as a transfer would and closes it at once; nothing is sent.
[[nodiscard]] PortStatus probePort(const std::string& portName);

// The line that goes with message 61451 when the user may not open `device`: the
// device, the group that owns it and how to join that group.
[[nodiscard]] std::string permissionCure(const std::string& device);

}  // namespace kw
