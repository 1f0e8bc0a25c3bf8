#include <gtest/gtest.h>

#include <algorithm>

#include "cli_document.h"
#include "commands.h"
#include "support/child_process.h"

namespace kw {
namespace {

using test::runCli;

bool startsWith(const std::string& line, const std::string& start) {
    return line.rfind(start, 0) == 0;
}

std::size_t linesStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return startsWith(l, start); }));
}

// Every command teaches its usage, each of its options on one line and two examples,
// whether asked as "help COMMAND" or "COMMAND --help".
TEST(Help, EveryCommandShowsItsUsageOptionsAndExamples) {
    const auto listed = runCli({"help"});
    ASSERT_EQ(listed.status, 0);
    const auto listing = test::lines(listed.out);
    for (const cli::Command* command : cli::allCommands()) {
        const std::string name(command->name);
        EXPECT_EQ(linesStartingWith(listing, "  kwprog-cli " + name + ' '), 1u) << name;
        const auto asked = runCli({"help", name});
        ASSERT_EQ(asked.status, 0) << name << asked.err;
        EXPECT_EQ(runCli({name, "--help"}).out, asked.out) << name;
        const auto text = test::lines(asked.out);
        EXPECT_EQ(text.at(0), "Usage: kwprog-cli " + name + ' ' + std::string(command->usage));
        const std::string example = "  kwprog-cli " + name;
        EXPECT_GE(
            linesStartingWith(text, example + ' ') + std::count(text.begin(), text.end(), example),
            2u)
            << name;
        for (const Option& option : command->options) {
            EXPECT_EQ(linesStartingWith(text, "  --" + std::string(option.name)), 1u)
                << name << " --" << option.name;
        }
    }
    EXPECT_EQ(runCli({"help", "nosuch"}).status, 2);
    EXPECT_EQ(runCli({"--help"}).out, listed.out);
}

TEST(Help, TheSimulatorShowsEachOptionAndExamples) {
    const auto help = test::runProgram(test::binaryPath("kwradio-sim"), {"--help"});
    ASSERT_EQ(help.exitStatus, 0);
    const auto text = test::lines(help.out);
    for (const char* option : {"model", "image", "password", "save", "baud", "turnaround", "fault",
                               "link", "sessions"}) {
        EXPECT_EQ(linesStartingWith(text, std::string("  --") + option + ' '), 1u) << option;
    }
    EXPECT_GE(linesStartingWith(text, "  kwradio-sim --model"), 2u);
}

}  // namespace
}  // namespace kw
