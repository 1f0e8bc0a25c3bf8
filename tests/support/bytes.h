#pragma once
// Byte helpers for tests that state what the radio expects, e.g. bytes("13 17 64").

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kw::test {

// "13 17 64" -> {0x13, 0x17, 0x64}; blanks separate bytes.
std::vector<std::uint8_t> bytes(std::string_view hex);
// {0x13, 0x17} -> "13 17"
std::string hex(std::span<const std::uint8_t> data);

}  // namespace kw::test
