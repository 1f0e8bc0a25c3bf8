#include <iostream>
#include <string>
#include <vector>

#include "base/standard_streams.h"
#include "cli.h"
#include "platform/version_answer.h"

int main(int argc, char** argv) {
    kw::keepStandardStreamsOpen();
    if (const auto version = kw::versionAnswer("kwprog-cli", {argv + 1, argv + argc})) {
        std::cout << *version;
        return 0;
    }
    const std::vector<std::string> words(argv + 1, argv + argc);
    return kw::cli::runCli(words, std::cout, std::cerr);
}
