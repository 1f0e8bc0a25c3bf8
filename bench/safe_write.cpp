// bench_safe_write: a whole safe write (backup Read, Write, verify Read) against
// kwradio-sim at 9600 baud. Reports the wall time of each step and of the whole, the
// floor (bytes on the wire x 10 / 9600 s plus the waits the protocol asks for) and the
// ratio, which is to stay within 1.05.
//
//   build/bin/bench_safe_write [--model KW-217V|KW-217U]

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_radio.h"
#include "counting_line.h"
#include "model/model_table.h"
#include "session/safe_write.h"

namespace {

using namespace kw;
using bench::Clock;
using bench::kBitsPerByte;
using bench::kWireBaud;
using bench::secondsSince;

constexpr int kBaud = 9600;
constexpr double kAllowedRatio = 1.05;

// Goes on at the question and notes when each step began.
class TimingObserver final : public SafeWriteObserver {
  public:
    void setStatus(BuiltInText) override {}
    void setProgress(int) override {}
    bool cancelRequested() override { return false; }
    RetryAnswer askRetry(MessageId) override { return RetryAnswer::Cancel; }
    void showMessage(const TransferMessage& message) override {
        const std::string_view text = messageText(message, Language::English);
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    void beginStep(SafeWriteStep) override { stepStarts.push_back(Clock::now()); }
    bool confirmChanges(const std::vector<ImageDifference>&) override { return true; }

    std::vector<Clock::time_point> stepStarts;
};

}  // namespace

int main(int argc, char** argv) {
    const auto model = bench::modelOfArguments(argc, argv);
    if (!model) {
        std::fprintf(stderr, "Usage: bench_safe_write [--model KW-217V|KW-217U]\n");
        return 2;
    }
    auto sim = bench::startSimulator(
        {"--model", std::string(kRadioModels[*model].text), "--baud", std::to_string(kBaud)});
    if (!sim) {
        return 3;
    }
    const RadioImage image = bench::newDocumentOf(*model);

    std::string folder = (std::filesystem::temp_directory_path() / "kwbench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 3;
    }
    bench::CountingPort port;
    bench::CountingSleeper sleeper;
    TimingObserver observer;
    const Clock::time_point start = Clock::now();
    const SafeWriteResult result =
        SafeWrite(port, observer, sleeper).run(image, sim->device(), {}, {folder, 365});
    const double wall = secondsSince(start);
    std::filesystem::remove_all(folder);
    if (!result || observer.stepStarts.size() != 3) {
        std::fprintf(stderr, "The safe write failed.\n");
        return 3;
    }

    const char* names[] = {"Backup", "Write", "Verify"};
    for (std::size_t step = 0; step < 3; ++step) {
        const Clock::time_point end =
            step + 1 < observer.stepStarts.size() ? observer.stepStarts[step + 1] : Clock::now();
        std::printf("%-6s %7.3f s\n", names[step],
                    std::chrono::duration<double>(end - observer.stepStarts[step]).count());
    }
    const double waits = std::chrono::duration<double>(sleeper.asked).count();
    const double floor = port.bytes * kBitsPerByte / kWireBaud + waits;
    std::printf(
        "safe write %d baud  %zu bytes  wall %.3f s  floor %.3f s (Read + Write + Read)  "
        "ratio %.3f (at most %.2f: %s)  line %.3f s  waits %.3f s\n",
        kBaud, port.bytes, wall, floor, wall / floor, kAllowedRatio,
        wall / floor <= kAllowedRatio ? "met" : "NOT MET", port.inPort, sleeper.slept);
    return 0;
}
