#pragma once
// Comma-separated values as RFC 4180 has them: fields quoted with '"' when they hold a
// comma, a quote or a line break, quotes inside doubled, lines ended by CRLF (LF alone is
// read too).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

using CsvRecord = std::vector<std::string>;

struct [[nodiscard]] CsvParseResult {
    std::vector<CsvRecord> records;
    std::string error;  // one sentence naming the line when the text is not CSV
    explicit operator bool() const { return error.empty(); }
};

// A UTF-8 byte-order mark at the start is skipped; a line break after the last record
// is optional.
CsvParseResult parseCsv(std::string_view text);

// One record and its CRLF.
[[nodiscard]] std::string csvLine(const std::vector<std::string_view>& fields);

}  // namespace kw
