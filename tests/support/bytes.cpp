#include "support/bytes.h"

#include <cstdio>
#include <sstream>

namespace kw::test {

std::vector<std::uint8_t> bytes(std::string_view hexText) {
    std::vector<std::uint8_t> out;
    std::istringstream in{std::string(hexText)};
    std::string word;
    while (in >> word) {
        out.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
    }
    return out;
}

std::string hex(std::span<const std::uint8_t> data) {
    std::string out;
    char buffer[4];
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i ? " %02X" : "%02X", data[i]);
        out += buffer;
    }
    return out;
}

}  // namespace kw::test
