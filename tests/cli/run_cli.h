#pragma once
// Runs kwprog-cli in-process with captured streams.

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace kw::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCli(std::vector<std::string> words) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = kw::cli::runCli(words, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace kw::test
