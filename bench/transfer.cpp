// bench_transfer: a full Read and a full Write against kwradio-sim, throttled to 9600
// baud and unthrottled. Reports wall time, the floor (bytes on the wire x 10 / 9600 s
// plus the waits the protocol asks for), their ratio, the CPU time this process used and
// how the wall time splits between the line, the waits and this program.
//
//   build/bin/bench_transfer [--model KW-217V|KW-217U]

#include <cstdio>
#include <string>

#include "bench_radio.h"
#include "counting_line.h"
#include "link/programming_session.h"
#include "model/model_table.h"

namespace {

using namespace kw;
using bench::Clock;
using bench::CountingPort;
using bench::CountingSleeper;
using bench::cpuSeconds;
using bench::kBitsPerByte;
using bench::kWireBaud;
using bench::secondsSince;

class QuietObserver final : public SessionObserver {
  public:
    void setStatus(BuiltInText) override {}
    void setProgress(int) override {}
    bool cancelRequested() override { return false; }
    RetryAnswer askRetry(MessageId) override { return RetryAnswer::Cancel; }
    void showMessage(const TransferMessage&) override {}
};

bool measure(const char* label, TransferDirection direction, RadioImage& image,
             const std::string& device, int baud) {
    CountingPort port;
    CountingSleeper sleeper;
    QuietObserver observer;
    ProgrammingSession session(port, observer, sleeper);
    const double cpuBefore = cpuSeconds();
    const Clock::time_point start = Clock::now();
    const TransferResult result = session.run(direction, image, device);
    const double wall = secondsSince(start);
    const double cpu = cpuSeconds() - cpuBefore;
    if (!result) {
        const std::string_view why =
            result.message ? messageText(*result.message, Language::English) : "cancelled";
        std::fprintf(stderr, "%s failed: %.*s\n", label, static_cast<int>(why.size()), why.data());
        return false;
    }
    const double waits = std::chrono::duration<double>(sleeper.asked).count();
    const double wire = baud > 0 ? port.bytes * kBitsPerByte / kWireBaud : 0.0;
    const double floor = wire + waits;
    // Where the wall time went: blocked on the line (the wire, the radio and the
    // scheduler waking both ends), in the protocol's waits, and the rest in this program.
    const double own = wall - port.inPort - sleeper.slept;
    std::printf(
        "%-6s %6d baud  %5zu bytes  wall %7.3f s  floor %7.3f s  ratio %5.3f  "
        "cpu %6.3f s (%4.1f %%)  line %7.3f s  waits %6.3f s  own %6.3f s\n",
        label, baud, port.bytes, wall, floor, wall / floor, cpu, 100.0 * cpu / wall, port.inPort,
        sleeper.slept, own);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const auto model = bench::modelOfArguments(argc, argv);
    if (!model) {
        std::fprintf(stderr, "Usage: bench_transfer [--model KW-217V|KW-217U]\n");
        return 2;
    }
    const std::string modelText(kRadioModels[*model].text);
    for (const int baud : {9600, 0}) {
        auto sim = bench::startSimulator({"--model", modelText, "--baud", std::to_string(baud)});
        if (!sim) {
            return 3;
        }
        RadioImage image = bench::newDocumentOf(*model);
        if (!measure("Read", TransferDirection::Read, image, sim->device(), baud) ||
            !measure("Write", TransferDirection::Write, image, sim->device(), baud)) {
            return 3;
        }
    }
    return 0;
}
