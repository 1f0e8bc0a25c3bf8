#include "link/protocol_trace.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "link/programming_session.h"
#include "model/product_state.h"
#include "model/radio_address.h"
#include "support/bytes.h"
#include "support/fake_sleeper.h"
#include "support/recording_observer.h"
#include "support/scripted_port.h"
#include "support/scripted_radio.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

constexpr std::uint8_t kModelType = 1;
constexpr std::uint16_t kPasswordFrame = 0x0FE0;  // the password is in its bytes 2-7

struct TraceLine {
    char direction = 0;
    std::string bytes;  // as written: "57 0F ** **", or "timeout"
};

std::vector<TraceLine> traceLines(const std::string& text) {
    static const std::regex kLine(
        R"(\d+\.\d{3} ([<>]) ((?:[0-9A-F]{2}|\*\*)(?: [0-9A-F]{2}| \*\*)*|timeout))");
    std::vector<TraceLine> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::smatch match;
        EXPECT_TRUE(std::regex_match(line, match, kLine)) << line;
        lines.push_back({match[1].str()[0], match[2].str()});
    }
    return lines;
}

// Everything sent, in order, with the masked bytes as "**".
std::string sentBytes(const std::vector<TraceLine>& lines) {
    std::string all;
    for (const TraceLine& line : lines) {
        if (line.direction == '>') {
            all += (all.empty() ? "" : " ") + line.bytes;
        }
    }
    return all;
}

struct TraceCase {
    TransferDirection direction;
    // The lines the password is in, as the trace shows them (a Read asks for it twice).
    std::string passwordLine;
};

class TraceTest : public ::testing::TestWithParam<TraceCase> {};

TEST_P(TraceTest, RecordsEveryByteInOrderWithThePasswordMasked) {
    test::ScriptedRadio radio(kModelType);
    auto scripted = std::make_unique<test::ScriptedPort>(
        [&radio](std::span<const std::uint8_t> written) { return radio(written); });
    const test::ScriptedPort& wire = *scripted;
    RadioImage image;
    image.fill(0x00);
    ProductState product;
    product.storedModelType = kModelType;
    product.writeInto(image);
    for (std::uint8_t i = 0; i < 8; ++i) {
        const auto address = static_cast<std::uint16_t>(kPasswordFrame + i);
        radio.memory[address] = static_cast<std::uint8_t>(0x30 + i);
        image[*imageOffsetOf(address)] = static_cast<std::uint8_t>(0x30 + i);
    }
    test::TempDir dir;
    std::string error;
    auto trace = ProtocolTrace::create(dir.file("trace.txt"), error);
    ASSERT_TRUE(trace) << error;
    const auto port = withTrace(std::move(scripted), trace);
    test::RecordingObserver observer;
    test::FakeSleeper sleeper;

    ASSERT_TRUE(
        ProgrammingSession(*port, observer, sleeper).run(GetParam().direction, image, "COM3"));

    const std::vector<TraceLine> lines = traceLines(test::readFile(dir.file("trace.txt")));
    std::string expectedSent = test::hex(wire.sent());
    std::string shown;
    for (const TraceLine& line : lines) {
        if (line.bytes.find("**") != std::string::npos) {
            shown += std::string(1, line.direction) + " " + line.bytes + "\n";
        }
    }
    EXPECT_EQ(shown, GetParam().passwordLine);
    const std::string writtenPassword = "57 0F E0 08 30 31 32 33 34 35 36 37";
    if (const auto at = expectedSent.find(writtenPassword); at != std::string::npos) {
        expectedSent.replace(at, writtenPassword.size(), "57 0F E0 08 30 31 ** ** ** ** ** **");
    }
    EXPECT_EQ(sentBytes(lines), expectedSent);
}

TEST(Trace, AReadThatBringsNothingIsATimeoutLine) {
    test::TempDir dir;
    std::string error;
    auto trace = ProtocolTrace::create(dir.file("trace.txt"), error);
    const auto port = withTrace(std::make_unique<test::ScriptedPort>(), trace);
    std::array<std::uint8_t, 1> byte{};
    ASSERT_TRUE(port->open("COM3"));

    EXPECT_EQ(port->read(byte).count, 0u);

    const std::vector<TraceLine> lines = traceLines(test::readFile(dir.file("trace.txt")));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].direction, '<');
    EXPECT_EQ(lines[0].bytes, "timeout");
}

// A trace never stops a transfer, but it keeps why it lost lines, for the command to tell.
TEST(Trace, KeepsWhyLinesWereLost) {
    test::TempDir dir;
    const std::array<std::pair<std::string, std::string>, 2> cases{
        {{dir.file("trace.txt"), ""}, {"/dev/full", "No space left on device"}}};
    for (const auto& [path, failure] : cases) {
        std::string error;
        const auto trace = ProtocolTrace::create(path, error);
        ASSERT_TRUE(trace) << error;
        trace->timeout({});
        EXPECT_EQ(trace->failure(), failure) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, TraceTest,
                         ::testing::Values(TraceCase{TransferDirection::Read,
                                                     "< A0 A1 A2 A3 30 31 ** ** ** ** ** **\n"
                                                     "< A0 A1 A2 A3 30 31 ** ** ** ** ** **\n"},
                                           TraceCase{TransferDirection::Write,
                                                     "> 30 31 ** ** ** ** ** **\n"}));

}  // namespace
}  // namespace kw
