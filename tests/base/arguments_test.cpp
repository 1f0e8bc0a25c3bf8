#include "base/arguments.h"

#include <gtest/gtest.h>

#include <array>

namespace kw {
namespace {

using Words = std::vector<std::string>;

// The command-line tool's kind of grammar, and the desktop program's.
constexpr std::array<Option, 3> kToolOptions{{{"port"}, {"backup", false}, {"set", true, true}}};
constexpr ArgumentGrammar kTool{kToolOptions};
constexpr std::array<Option, 3> kDesktopOptions{{
    {"port"},
    {"h", false, true, OptionForm::SingleDash},
    {"Embedding", false, true, OptionForm::SingleDashAnyCase},
}};
constexpr ArgumentGrammar kDesktop{kDesktopOptions, 1};

TEST(Arguments, AcceptedWordsGivePositionalsAndOptionValues) {
    struct Case {
        ArgumentGrammar grammar;
        Words words;
        Words positionals;
        std::string_view option;
        Words values;
    };
    const Case cases[] = {
        {kTool, {"a", "--port", "x", "b"}, {"a", "b"}, "port", {"x"}},
        {kTool, {"--port=x=y"}, {}, "port", {"x=y"}},
        {kTool, {"--port", "--backup"}, {}, "port", {"--backup"}},
        {kTool, {"-", "-5", "-h"}, {"-", "-5", "-h"}, "port", {}},
        {kTool, {"--", "--port", "--"}, {"--port", "--"}, "port", {}},
        {kTool, {"--set", "a", "--set=b"}, {}, "set", {"a", "b"}},
        {kTool, {"--backup"}, {}, "backup", {""}},
        {kDesktop, {"-EMBEDDING", "-embedding"}, {}, "Embedding", {"", ""}},
        {kDesktop, {"-", "-h"}, {"-"}, "h", {""}},
    };
    for (const Case& c : cases) {
        const ParsedArguments parsed = parseArguments(c.words, c.grammar);
        ASSERT_TRUE(parsed) << c.words.front() << ": " << parsed.refusal->sentence();
        EXPECT_EQ(parsed.arguments.positionals(), c.positionals) << c.words.front();
        EXPECT_EQ(parsed.arguments.values(c.option), c.values) << c.words.front();
    }
}

TEST(Arguments, TheFirstRefusedWordIsNamedAndWhatCameBeforeItKept) {
    using F = ArgumentFault;
    struct Case {
        ArgumentGrammar grammar;
        Words words;
        ArgumentFault fault;
        std::string word;
        Words positionalsBefore;
        Words portBefore;
    };
    const Case cases[] = {
        {kTool, {"a", "--bogus=1", "b"}, F::UnknownOption, "--bogus=1", {"a"}, {}},
        {kTool, {"--port", "a", "--port=b"}, F::RepeatedOption, "--port=b", {}, {"a"}},
        {kTool, {"--port=", "--port"}, F::RepeatedOption, "--port", {}, {""}},
        {kTool, {"--backup=1"}, F::UnwantedValue, "--backup=1", {}, {}},
        {kTool, {"a", "--port"}, F::MissingValue, "--port", {"a"}, {}},
        {kDesktop, {"a", "b", "--bogus"}, F::ExtraPositional, "b", {"a"}, {}},
        {kDesktop, {"-H"}, F::UnknownOption, "-H", {}, {}},
        {kDesktop, {"--Embedding"}, F::UnknownOption, "--Embedding", {}, {}},
    };
    for (const Case& c : cases) {
        const ParsedArguments parsed = parseArguments(c.words, c.grammar);
        ASSERT_FALSE(parsed) << c.word;
        EXPECT_EQ(parsed.refusal->fault, c.fault) << c.word;
        EXPECT_EQ(parsed.refusal->word, c.word);
        EXPECT_EQ(parsed.arguments.positionals(), c.positionalsBefore) << c.word;
        EXPECT_EQ(parsed.arguments.values("port"), c.portBefore) << c.word;
    }
}

TEST(Arguments, RefusalsReadAsTheToolsPrintThem) {
    struct Case {
        ArgumentGrammar grammar;
        Words words;
        std::string_view sentence;
    };
    const Case cases[] = {
        {kTool, {"--bogus=1"}, "Unknown option \"--bogus\"."},
        {kTool, {"--backup", "--backup"}, "Option \"--backup\" is given more than once."},
        {kTool, {"--backup=1"}, "Option \"--backup\" takes no value."},
        {kTool, {"--port"}, "Option \"--port\" needs a value."},
        {kDesktop, {"a", "b"}, "Wrong number of arguments."},
        {kDesktop, {"-x=1"}, "Unknown option \"-x\"."},
    };
    for (const Case& c : cases) {
        const ParsedArguments parsed = parseArguments(c.words, c.grammar);
        ASSERT_FALSE(parsed) << c.sentence;
        EXPECT_EQ(parsed.refusal->sentence(), c.sentence);
    }
}

}  // namespace
}  // namespace kw
