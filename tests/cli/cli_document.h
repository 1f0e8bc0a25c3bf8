#pragma once
// A fresh document in a temporary folder, and the grid as `channels` lists it.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_cli.h"
#include "support/temp_dir.h"

namespace kw::test {

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

inline std::vector<std::string> fields(const std::string& line, char separator = '\t') {
    std::vector<std::string> result;
    std::string::size_type start = 0;
    for (auto end = line.find(separator); end != std::string::npos;
         end = line.find(separator, start)) {
        result.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    result.push_back(line.substr(start));
    return result;
}

struct Document {
    Document() : file(dir.file("radio.dat")) { EXPECT_EQ(runCli({"new", file}).status, 0); }

    // The cell's text as `channels` shows it; row 129 is "Fr".
    std::string cell(int row, int column, const std::string& language = "en") const {
        const auto listed = runCli({"channels", file, "--lang", language});
        EXPECT_EQ(listed.status, 0) << listed.err;
        return fields(lines(listed.out).at(static_cast<std::size_t>(row)))
            .at(static_cast<std::size_t>(column));
    }

    TempDir dir;
    std::string file;
};

}  // namespace kw::test
