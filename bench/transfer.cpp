// bench_transfer: a full Read and a full Write against kwradio-sim, throttled to 9600
// baud and unthrottled. Reports wall time, the floor (bytes on the wire x 10 / 9600 s
// plus the waits the protocol asks for), their ratio, the CPU time this process used and
// how the wall time splits between the line, the waits and this program.
//
//   build/bin/bench_transfer [--model KW-217V|KW-217U]

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "link/posix_serial_port.h"
#include "link/programming_session.h"
#include "model/model_table.h"
#include "session/new_document.h"
#include "sim_process.h"

namespace {

using namespace kw;
using Clock = std::chrono::steady_clock;

constexpr double kBitsPerByte = 10.0;
constexpr double kWireBaud = 9600.0;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Counts every byte that crosses the line and the time spent waiting on it.
class CountingPort final : public SerialPort {
  public:
    PortOpenResult open(const std::string& name) override { return port_.open(name); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    void purge(PurgeMode mode) override { port_.purge(mode); }
    PortReadResult read(std::span<std::uint8_t> buffer) override {
        const Clock::time_point start = Clock::now();
        const PortReadResult got = port_.read(buffer);
        inPort += secondsSince(start);
        bytes += got.count;
        return got;
    }
    PortWriteResult write(std::span<const std::uint8_t> data) override {
        const Clock::time_point start = Clock::now();
        const PortWriteResult put = port_.write(data);
        inPort += secondsSince(start);
        bytes += put.count;
        return put;
    }

    std::size_t bytes = 0;
    double inPort = 0;  // seconds blocked in reads and writes: the line and the radio

  private:
    PosixSerialPort port_;
};

class CountingSleeper final : public Sleeper {
  public:
    void sleepFor(std::chrono::milliseconds duration) override {
        asked += duration;
        const Clock::time_point start = Clock::now();
        sleeper_.sleepFor(duration);
        slept += secondsSince(start);
    }

    std::chrono::milliseconds asked{0};
    double slept = 0;

  private:
    ThreadSleeper sleeper_;
};

class QuietObserver final : public SessionObserver {
  public:
    void setStatus(BuiltInText) override {}
    void setProgress(int) override {}
    bool cancelRequested() override { return false; }
    RetryAnswer askRetry(MessageId) override { return RetryAnswer::Cancel; }
    void showMessage(const TransferMessage&) override {}
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

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
    const std::string model = argc == 3 && std::string(argv[1]) == "--model" ? argv[2] : "KW-217V";
    const auto modelIndex = modelIndexOfText(model);
    if (!modelIndex) {
        std::fprintf(stderr, "Usage: bench_transfer [--model KW-217V|KW-217U]\n");
        return 2;
    }
    const std::string simulator =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "kwradio-sim").string();
    for (const int baud : {9600, 0}) {
        std::string error;
        auto sim = sim::SimProcess::start(
            simulator, {"--model", model, "--baud", std::to_string(baud)}, error);
        if (!sim) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 3;
        }
        RadioImage image;
        ProductState product;
        product.storedModelType = kRadioModels[static_cast<std::size_t>(*modelIndex)].type;
        fillNewDocumentImage(image, product);
        if (!measure("Read", TransferDirection::Read, image, sim->device(), baud) ||
            !measure("Write", TransferDirection::Write, image, sim->device(), baud)) {
            return 3;
        }
    }
    return 0;
}
