#include "channels/csv.h"

namespace kw {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string lineError(std::size_t line, std::string_view what) {
    return "Line " + std::to_string(line) + " is not valid CSV: " + std::string(what) + ".";
}

}  // namespace

CsvParseResult parseCsv(std::string_view text) {
    CsvParseResult result;
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::size_t line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        CsvRecord record;
        const std::size_t recordLine = line;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        result.error = lineError(recordLine, "a quoted field is not closed");
                        return result;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    line += text[i] == '\n' ? 1 : 0;
                    field += text[i++];
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    result.error = lineError(line, "text follows a closing quote");
                    return result;
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    if (text[i] == '"') {
                        result.error = lineError(line, "a quote inside an unquoted field");
                        return result;
                    }
                    field += text[i++];
                }
            }
            record.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            break;
        }
        if (i < text.size() && text[i] == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n') {
                result.error = lineError(line, "a carriage return without a line feed");
                return result;
            }
            ++i;
        }
        if (i < text.size() && text[i] == '\n') {
            ++i;
            ++line;
        }
        result.records.push_back(std::move(record));
    }
    return result;
}

std::string csvLine(const std::vector<std::string_view>& fields) {
    std::string line;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const std::string_view field = fields[f];
        line += f ? "," : "";
        if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c == '"' ? "\"\"" : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace kw
