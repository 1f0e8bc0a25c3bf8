// Any command line: NUL-separated words. Taking it apart must never fail other than
// with a sentence, and what it accepts must respect the command's argument counts.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.emplace_back();
        } else {
            words.back().push_back(static_cast<char>(data[i]));
        }
    }
    const kw::cli::ParsedCommandLine parsed = kw::cli::parseCommandLine(words);
    if (!parsed.arguments) {
        if (parsed.error.empty()) {
            std::abort();
        }
        return 0;
    }
    const std::size_t count = parsed.arguments->positionals().size();
    if (count < parsed.command->minPositionals || count > parsed.command->maxPositionals) {
        std::abort();
    }
    return 0;
}
