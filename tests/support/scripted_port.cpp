#include "support/scripted_port.h"

#include <algorithm>

namespace kw::test {

PortOpenResult ScriptedPort::open(const std::string& portName) {
    openedNames_.push_back(portName);
    if (!refusal_) {
        return refusal_;
    }
    open_ = true;
    return {};
}

PortReadResult ScriptedPort::read(std::span<std::uint8_t> buffer) {
    if (cablePulled_ || !open_) {
        return {0, true};
    }
    const std::size_t count = std::min(buffer.size(), incoming_.size());
    std::copy_n(incoming_.begin(), count, buffer.begin());
    incoming_.erase(incoming_.begin(), incoming_.begin() + static_cast<long>(count));
    return {count, false};
}

PortWriteResult ScriptedPort::write(std::span<const std::uint8_t> bytes) {
    if (cablePulled_ || !open_) {
        return {0, true};
    }
    sent_.insert(sent_.end(), bytes.begin(), bytes.end());
    if (responder_) {
        const std::vector<std::uint8_t> answer = responder_(bytes);
        incoming_.insert(incoming_.end(), answer.begin(), answer.end());
    }
    return {bytes.size(), false};
}

}  // namespace kw::test
