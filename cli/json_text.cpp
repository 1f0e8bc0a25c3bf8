#include "json_text.h"

#include <cstdio>

namespace kw::cli {

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string jsonObject(const std::vector<std::pair<std::string_view, std::string>>& members) {
    std::string json = "{";
    for (const auto& [key, value] : members) {
        json += (json.size() == 1 ? "" : ", ") + jsonString(key) + ": " + value;
    }
    return json + '}';
}

std::string jsonArray(const std::vector<std::string>& items) {
    std::string json = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        json += (i == 0 ? "\n  " : ",\n  ") + items[i];
    }
    return json + "\n]";
}

}  // namespace kw::cli
