#pragma once
// The far end of a ScriptedPort that answers as a radio does, one write at a time:
// wake-up (answered at its last byte), M request, ACK, read requests and write frames.
// Its memory holds a pattern, so every byte read shows where it came from.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace kw::test {

class ScriptedRadio {
  public:
    explicit ScriptedRadio(std::uint8_t modelType);

    std::vector<std::uint8_t> operator()(std::span<const std::uint8_t> written);

    // The byte the pattern puts at a radio address.
    static std::uint8_t patternAt(std::size_t address);

    std::array<std::uint8_t, 0x1000> memory{};
    // Gets each write first; an answer here replaces the radio's own.
    std::function<std::optional<std::vector<std::uint8_t>>(std::span<const std::uint8_t>)>
        interfere;
    int wakeUps = 0;

  private:
    std::optional<std::size_t> pendingWrite_;
};

}  // namespace kw::test
