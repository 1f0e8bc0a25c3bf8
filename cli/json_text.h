#pragma once
// JSON output: texts as JSON strings, and objects of string members, one a line.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kw::cli {

// `text` (UTF-8) quoted, with quotes, backslashes and control characters escaped.
[[nodiscard]] std::string jsonString(std::string_view text);

// {"key": value, ...} with each value already JSON.
[[nodiscard]] std::string jsonObject(
    const std::vector<std::pair<std::string_view, std::string>>& members);

// [ items ] with one item a line.
[[nodiscard]] std::string jsonArray(const std::vector<std::string>& items);

}  // namespace kw::cli
