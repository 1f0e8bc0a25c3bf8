// The simulated line's timing: --baud, --turnaround and the slow fault, seen from the
// program's side of the pseudo-terminal.

#include <gtest/gtest.h>

#include <chrono>

#include "link/posix_serial_port.h"
#include "link/protocol.h"
#include "sim_thread.h"

namespace kw {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct LineCase {
    const char* name;
    int baud;
    int turnaroundMs;
    const char* fault;
    milliseconds atLeast;  // from the wake-up's last byte to the end of the M request's answer
};

class LineTiming : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineTiming, AnswersTakeTheTimeTheOptionsGive) {
    sim::LineOptions options;
    options.baud = GetParam().baud;
    options.turnaround = milliseconds(GetParam().turnaroundMs);
    const sim::Fault fault = *GetParam().fault ? *sim::parseFault(GetParam().fault) : sim::Fault{};
    test::SimThread radio(sim::factoryImage(0), fault, options);
    PosixSerialPort port;
    ASSERT_TRUE(port.open(radio.device()));

    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(port.write(protocol::kWakeUp).complete(protocol::kWakeUp.size()));
    std::uint8_t ack = 0;
    ASSERT_EQ(port.read(std::span(&ack, 1)).count, 1u);
    EXPECT_EQ(ack, protocol::kAck);
    ASSERT_TRUE(port.write(protocol::kModelRequest).complete(protocol::kModelRequest.size()));
    std::array<std::uint8_t, protocol::kModelReplySize> reply{};
    EXPECT_EQ(port.read(reply).count, reply.size());
    const auto took = Clock::now() - start;

    EXPECT_GE(took, GetParam().atLeast);
    EXPECT_LT(took, GetParam().atLeast + milliseconds(150));
}

// At 1200 baud a byte takes 8.3 ms: 7 + 1 + 2 + 8 bytes cross the line.
INSTANTIATE_TEST_SUITE_P(
    Sim, LineTiming,
    ::testing::Values(LineCase{"Unthrottled", 0, 0, "", milliseconds(0)},
                      LineCase{"Baud1200", 1200, 0, "", milliseconds(18 * 10 * 1000 / 1200)},
                      LineCase{"Turnaround", 0, 60, "", milliseconds(2 * 60)},
                      LineCase{"SlowAnswers", 0, 0, "slow=50", milliseconds(2 * 50)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kw
