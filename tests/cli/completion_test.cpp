#include <gtest/gtest.h>

#include "cli_document.h"
#include "support/child_process.h"

namespace kw {
namespace {

using test::runCli;

// The generated bash function, run as bash runs it for a command line being typed.
TEST(CompletionCommand, BashCompletesFromTheCommandTable) {
    const auto script = runCli({"completion", "bash"});
    ASSERT_EQ(script.status, 0) << script.err;
    const struct {
        const char* words;  // the last one is being typed
        std::vector<std::string> offered;
    } cases[] = {
        {"mo", {"model", "move"}},
        {"sort d.dat --by ", {"rx", "name"}},
        {"read --q", {"--quiet"}},
        {"channels d.dat --", {"--lang", "--used", "--format"}},
        {"new x.dat --model ", {"KW-217V", "KW-217U"}},
        {"model x.dat KW", {"KW-217V", "KW-217U"}},
        {"set d.dat 12:b", {"12:busy="}},
        {"set d.dat fr:",
         {"fr:rx=", "fr:tx=", "fr:dec=", "fr:enc=", "fr:name=", "fr:power=", "fr:wn=", "fr:scan=",
          "fr:busy="}},
        {"channels d.dat --format j", {"json"}},
        {"info d.dat --lang ", {"en", "zh"}},
        {"help to", {"tones"}},
        {"completion z", {"zsh"}},
    };
    for (const auto& c : cases) {
        const std::string words = std::string("kwprog-cli ") + c.words;
        const std::string run = script.out +
                                "shopt -s extglob\n"
                                "read -ra COMP_WORDS <<< '" +
                                words + "'\n" + (words.back() == ' ' ? "COMP_WORDS+=('')\n" : "") +
                                "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                                "_kwprog_cli 2> /dev/null\n"
                                "printf '%s\\n' \"${COMPREPLY[@]}\"\n";
        const auto completed = test::runProgram("/bin/bash", {"-c", run});
        EXPECT_EQ(test::lines(completed.out), c.offered) << c.words;
    }
    const auto zsh = runCli({"completion", "zsh"});
    EXPECT_EQ(zsh.out.rfind("#compdef kwprog-cli\n", 0), 0u);
    EXPECT_EQ(runCli({"completion", "fish"}).status, 2);
}

}  // namespace
}  // namespace kw
