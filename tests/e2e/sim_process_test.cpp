// kwradio-sim as a process: its options, its link and what it saves when it is ended.

#include <signal.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_process.h"
#include "model/document_file.h"
#include "radio_memory.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

class EndedBy : public ::testing::TestWithParam<int> {};

// No transfer has run, so only the end of the run can have saved the memory.
TEST_P(EndedBy, SavesItsMemoryAndRemovesItsLink) {
    test::TempDir dir;
    RadioImage radio = sim::factoryImage(1);
    radio[0] = 0x42;
    ASSERT_TRUE(storeDocumentFile(dir.file("radio.dat"), radio));
    auto sim =
        test::startSim({"--model", "KW-217U", "--image", dir.file("radio.dat"), "--password",
                        "2468", "--save", dir.file("saved.dat"), "--link", dir.file("radio")});
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("radio")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("saved.dat")));

    ASSERT_EQ(::kill(sim.pid(), GetParam()), 0);
    EXPECT_EQ(sim.wait(), 0);

    RadioImage saved{};
    ASSERT_TRUE(loadDocumentFile(dir.file("saved.dat"), saved));
    ASSERT_TRUE(sim::setPassword(radio, "2468"));
    EXPECT_EQ(sim::memoryFromImage(saved), sim::memoryFromImage(radio));
    EXPECT_FALSE(std::filesystem::exists(dir.file("radio")));
}

INSTANTIATE_TEST_SUITE_P(Signal, EndedBy, ::testing::Values(SIGTERM, SIGINT), [](const auto& info) {
    return std::string(info.param == SIGTERM ? "SIGTERM" : "SIGINT");
});

struct BadOptions {
    const char* name;
    std::vector<std::string> arguments;
};

class SimRefuses : public ::testing::TestWithParam<BadOptions> {};

TEST_P(SimRefuses, BadOptionsWithUsageStatusAndNoDevice) {
    const test::ProgramResult run =
        test::runProgram(test::binary("kwradio-sim"), GetParam().arguments);
    EXPECT_EQ(run.exitStatus, 2) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_FALSE(run.err.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sim, SimRefuses,
    ::testing::Values(
        BadOptions{"NoModel", {"--baud", "9600"}},
        BadOptions{"UnknownModel", {"--model", "KW-999"}},
        BadOptions{"NegativeBaud", {"--model", "KW-217V", "--baud", "-1"}},
        BadOptions{"TurnaroundNotANumber", {"--model", "KW-217V", "--turnaround", "soon"}},
        BadOptions{"SessionsEmpty", {"--model", "KW-217V", "--sessions", ""}},
        BadOptions{"UnknownFault", {"--model", "KW-217V", "--fault", "smoke"}},
        BadOptions{"FaultPastTheMemory", {"--model", "KW-217V", "--fault", "nak-at=0x1000"}},
        BadOptions{"SlowWithoutMs", {"--model", "KW-217V", "--fault", "slow="}},
        BadOptions{"LongPassword", {"--model", "KW-217V", "--password", "1234567"}},
        BadOptions{"LetterPassword", {"--model", "KW-217V", "--password", "12a4"}},
        BadOptions{"MissingImage", {"--model", "KW-217V", "--image", "/nonexistent/radio.dat"}},
        BadOptions{"StrayWord", {"--model", "KW-217V", "radio.dat"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kw
