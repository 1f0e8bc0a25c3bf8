#pragma once
// A SerialPort whose far end is a function: every write is recorded and may queue an
// answer, which reads then return at once. A read of more than is queued returns what
// there is, as a real read does at its time-out.

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace kw::test {

class ScriptedPort : public SerialPort {
  public:
    using Responder = std::function<std::vector<std::uint8_t>(std::span<const std::uint8_t>)>;

    explicit ScriptedPort(Responder responder = {}) : responder_(std::move(responder)) {}

    PortOpenResult open(const std::string& portName) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void purge(PurgeMode) override { incoming_.clear(); }
    PortReadResult read(std::span<std::uint8_t> buffer) override;
    PortWriteResult write(std::span<const std::uint8_t> bytes) override;

    // Every byte written since the port was made, in order.
    const std::vector<std::uint8_t>& sent() const { return sent_; }
    const std::vector<std::string>& openedNames() const { return openedNames_; }

    void refuseOpen(PortOpenResult result) { refusal_ = std::move(result); }
    // From now on every read and write fails as on a pulled cable.
    void pullCable() { cablePulled_ = true; }

  private:
    Responder responder_;
    std::deque<std::uint8_t> incoming_;
    std::vector<std::uint8_t> sent_;
    std::vector<std::string> openedNames_;
    PortOpenResult refusal_;
    bool open_ = false;
    bool cablePulled_ = false;
};

}  // namespace kw::test
