// kwprog-cli doctor on a pseudo-terminal with kwradio-sim at its far end.

#include <gtest/gtest.h>

#include <sstream>

#include "cli.h"
#include "cli_process.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

struct DoctorRun {
    std::vector<std::string> simArguments;
    int status;
    std::string lastLine;  // with the device for DEV
};

class DoctorOnPty : public ::testing::TestWithParam<DoctorRun> {};

TEST_P(DoctorOnPty, EndsWithWhetherARadioAnswers) {
    std::vector<std::string> arguments{"--model", "KW-217V", "--baud", "0"};
    arguments.insert(arguments.end(), GetParam().simArguments.begin(),
                     GetParam().simArguments.end());
    auto sim = test::startSim(arguments);
    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;

    const std::vector<std::string> words{"doctor", "--port", sim.device(), "--trace",
                                         dir.file("trace.txt")};
    const int status = cli::runCli(words, out, err);

    EXPECT_EQ(status, GetParam().status) << out.str() << err.str();
    std::string expected = GetParam().lastLine;
    expected.replace(expected.find("DEV"), 3, sim.device());
    EXPECT_TRUE(out.str().ends_with(expected + "\n")) << out.str();
    EXPECT_NE(out.str().find("ok: you may open " + sim.device() + ".\n"), std::string::npos);
    EXPECT_NE(test::readFile(dir.file("trace.txt")).find(" > 41\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Radios, DoctorOnPty,
    ::testing::Values(DoctorRun{{}, 0, "ok: a radio answers the wake-up on DEV."},
                      DoctorRun{{"--fault", "silent"},
                                3,
                                "problem: no radio answers the wake-up on DEV: switch the radio "
                                "on, push the plug fully into its socket, and check that this is "
                                "the cable's port."}));

}  // namespace
}  // namespace kw
