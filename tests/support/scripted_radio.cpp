#include "support/scripted_radio.h"

#include <algorithm>

namespace kw::test {

ScriptedRadio::ScriptedRadio(std::uint8_t modelType) {
    for (std::size_t address = 0; address < memory.size(); ++address) {
        memory[address] = patternAt(address);
    }
    memory[0x0FD1] = modelType;
    std::fill_n(memory.begin() + 0x0FE2, 6, 0xFF);  // no password
}

std::uint8_t ScriptedRadio::patternAt(std::size_t address) {
    return static_cast<std::uint8_t>((address * 7 + address / 256 + 3) & 0xFF);
}

std::vector<std::uint8_t> ScriptedRadio::operator()(std::span<const std::uint8_t> written) {
    if (interfere) {
        if (auto answer = interfere(written)) {
            return *answer;
        }
    }
    const std::vector<std::uint8_t> w(written.begin(), written.end());
    if (w == std::vector<std::uint8_t>{0x41}) {
        ++wakeUps;
        return {0x06};
    }
    if (w == std::vector<std::uint8_t>{0x06}) {
        return {0x06};
    }
    if (w == std::vector<std::uint8_t>{0x4D, 0x02}) {
        return {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18};
    }
    if (w.size() == 4 && w[3] == 0x08 && (w[0] == 0x52 || w[0] == 0x57)) {
        const std::size_t address = static_cast<std::size_t>(w[1] << 8 | w[2]);
        if (w[0] == 0x57) {
            pendingWrite_ = address;
            return {};
        }
        std::vector<std::uint8_t> reply{0xA0, 0xA1, 0xA2, 0xA3};
        reply.insert(reply.end(), memory.begin() + static_cast<long>(address),
                     memory.begin() + static_cast<long>(address) + 8);
        return reply;
    }
    if (w.size() == 8 && pendingWrite_) {
        std::copy(w.begin(), w.end(), memory.begin() + static_cast<long>(*pendingWrite_));
        pendingWrite_.reset();
        return {0x06};
    }
    return {};
}

}  // namespace kw::test
