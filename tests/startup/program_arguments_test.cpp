#include "startup/program_arguments.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

using Args = std::vector<std::string>;

struct ParseCase {
    Args arguments;
    std::optional<std::string> port;
    std::optional<std::string> document;
    bool splashAllowed = true;
};

class ProgramArgumentsAccepted : public testing::TestWithParam<ParseCase> {};

TEST_P(ProgramArgumentsAccepted, Parses) {
    const ProgramArgumentsResult result =
        parseProgramArguments(GetParam().arguments, "/home/dealer");
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.arguments.port, GetParam().port);
    EXPECT_EQ(result.arguments.document, GetParam().document);
    EXPECT_EQ(result.arguments.splashAllowed, GetParam().splashAllowed);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramArgumentsAccepted,
    testing::Values(
        ParseCase{{}, std::nullopt, std::nullopt},
        ParseCase{{"--port", "/dev/pts/4"}, "/dev/pts/4", std::nullopt},
        ParseCase{{"--port=/dev/ttyUSB0", "radio.dat"}, "/dev/ttyUSB0", "radio.dat"},
        ParseCase{{"radio.dat", "--port", "COM3"}, "COM3", "radio.dat"},
        // The simulated radio's link, named from where ./run starts.
        ParseCase{{"--port", "build/demo/radio"}, "/home/dealer/build/demo/radio", std::nullopt},
        ParseCase{{"-embedding"}, std::nullopt, std::nullopt, false},
        ParseCase{{"-Automation", "a.dat"}, std::nullopt, "a.dat", false},
        ParseCase{{"--", "--port"}, std::nullopt, "--port"}, ParseCase{{"-"}, std::nullopt, "-"}));

struct RefusedCase {
    Args arguments;
    std::string_view errorPart;
};

class ProgramArgumentsRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(ProgramArgumentsRefused, NamesTheProblem) {
    const ProgramArgumentsResult result =
        parseProgramArguments(GetParam().arguments, "/home/dealer");
    ASSERT_FALSE(result);
    EXPECT_NE(result.error.find(GetParam().errorPart), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramArgumentsRefused,
    testing::Values(RefusedCase{{"--port"}, "needs a device path"},
                    RefusedCase{{"--port="}, "needs a device path"},
                    RefusedCase{{"--port", "COM17"}, "not \"COM17\""},
                    RefusedCase{{"--port", "COM"}, "not \"COM\""},
                    RefusedCase{{"--port", "/dev/a", "--port=/dev/b"}, "given twice"},
                    RefusedCase{{"a.dat", "b.dat"}, "\"b.dat\" comes after \"a.dat\""},
                    RefusedCase{{"--ports", "/dev/a"}, "unknown option \"--ports\""},
                    RefusedCase{{"-Embedding=1"}, "unknown option \"-Embedding=1\""},
                    // The first problem in the order of the words is the one told.
                    RefusedCase{{"--port", "COM17", "--port", "/dev/a"}, "not \"COM17\""},
                    RefusedCase{{"a.dat", "b.dat", "--port", "COM17"}, "comes after"}));

TEST(ProgramArguments, HelpIsAskedFor) {
    EXPECT_TRUE(parseProgramArguments(Args{"--help"}, "/").arguments.helpAsked);
    EXPECT_TRUE(parseProgramArguments(Args{"-h"}, "/").arguments.helpAsked);
}

struct RestartCase {
    Args given;
    bool keepPort;
    Args restarted;
};

class ProgramRestartArguments : public testing::TestWithParam<RestartCase> {};

TEST_P(ProgramRestartArguments, PassThePortOnOnlyWhileItHolds) {
    EXPECT_EQ(restartArguments(GetParam().given, GetParam().keepPort), GetParam().restarted);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramRestartArguments,
    testing::Values(
        RestartCase{{"--port", "/dev/pts/4", "a.dat"}, true, {"--port", "/dev/pts/4", "a.dat"}},
        RestartCase{{"--port", "/dev/pts/4", "a.dat"}, false, {"a.dat"}},
        RestartCase{{"-platform", "xcb", "--port=/dev/pts/4"}, false, {"-platform", "xcb"}},
        RestartCase{{"--", "--port"}, false, {"--", "--port"}}, RestartCase{{}, false, {}}));

}  // namespace
}  // namespace kw
