// kwradio-sim: a KW-217V or KW-217U radio on a pseudo-terminal, for tests and demos.

#include <signal.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/arguments.h"
#include "base/standard_streams.h"
#include "model/document_file.h"
#include "model/model_table.h"
#include "platform/version_answer.h"
#include "radio_fleet.h"
#include "radio_line.h"

namespace {

using kw::Option;

constexpr std::array<Option, 13> kOptions{{
    {"model"},
    {"image"},
    {"password"},
    {"save"},
    {"baud"},
    {"turnaround"},
    {"fault"},
    {"fault-session"},
    {"link"},
    {"sessions"},
    {"fleet"},
    {"per-radio"},
    {"gap"},
}};

constexpr int kDone = 0;
constexpr int kBadUsage = 2;
constexpr int kLineFailure = 3;
constexpr int kMaxTurnaroundMs = 60000;
constexpr int kMaxBaud = 4'000'000;
constexpr int kMaxFleet = 10000;
constexpr int kMaxGapMs = 600000;

constexpr std::string_view kUsage =
    "Usage: kwradio-sim --model KW-217V|KW-217U [--image FILE.dat] [--password DIGITS] "
    "[--save FILE.dat] [--baud N] [--turnaround MS] [--fault FAULT] [--fault-session K] "
    "[--link PATH] [--sessions N] [--fleet N [--per-radio S] [--gap MS]]\n";
constexpr std::string_view kHelp =
    "A simulated KW-217V or KW-217U on a pseudo-terminal; prints its device path first.\n"
    "\n"
    "Options:\n"
    "  --model KW-217V|KW-217U  the radio's model and band (always set)\n"
    "  --image FILE.dat         start from this document's memory (else a factory radio)\n"
    "  --password DIGITS        the radio's password, up to 6 digits\n"
    "  --save FILE.dat          save the memory as a document after each session and at the end\n"
    "  --baud N                 each byte takes 10/N s (0, the default: no delay)\n"
    "  --turnaround MS          wait MS before each answer\n"
    "  --fault FAULT            one fault, such as silent, nak-at=ADDR or slow=MS (see the "
    "README)\n"
    "  --fault-session K        the fault shows only in transfer K (1 the first), not in all\n"
    "  --link PATH              make PATH a symbolic link to the device\n"
    "  --sessions N             end after N transfers\n"
    "  --fleet N                N radios one after another (then end); --save FILE.dat saves\n"
    "                           radio k as FILE-k.dat\n"
    "  --per-radio S            each radio of the fleet serves S sessions (default 3)\n"
    "  --gap MS                 the line is silent MS between two radios (default 1500)\n"
    "\n"
    "Examples:\n"
    "  kwradio-sim --model KW-217V --link /tmp/radio &\n"
    "  kwradio-sim --model KW-217U --image radio.dat --password 1234 --save out.dat --baud 9600\n"
    "  kwradio-sim --model KW-217V --fleet 5 --save radio.dat --link /tmp/radio\n";

bool parseCount(const kw::Arguments& arguments, std::string_view option, int limit, int& value) {
    if (!arguments.has(option)) {
        return true;
    }
    const std::string text = arguments.value(option);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0 ||
        value > limit) {
        std::cerr << "--" << option << " needs a whole number from 0 to " << limit << ".\n";
        return false;
    }
    return true;
}

bool saveMemory(const std::string& path, kw::RadioImage image, const kw::sim::RadioMemory& memory) {
    kw::sim::copyMemoryIntoImage(memory, image);
    const kw::FileWriteResult written = kw::storeDocumentFile(path, image);
    if (!written) {
        std::cerr << written.error << '\n';
    }
    return static_cast<bool>(written);
}

// A symbolic link at `path` to the device, replacing an old link but never a file.
bool makeLink(const std::string& path, const std::string& device) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        std::filesystem::remove(path, error);
    }
    std::filesystem::create_symlink(device, path, error);
    if (error) {
        std::cerr << "Cannot make the link " << path << ": " << error.message() << ".\n";
        return false;
    }
    return true;
}

void removeLink(const std::string& path) {
    if (!path.empty()) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

int lineFailed() {
    std::cerr << "The pseudo-terminal failed.\n";
    return kLineFailure;
}

int run(const std::vector<std::string>& words) {
    const kw::ParsedArguments parsed = kw::parseArguments(words, {kOptions});
    const kw::Arguments& arguments = parsed.arguments;
    if (!parsed || !arguments.positionals().empty() || !arguments.has("model")) {
        std::cerr << (parsed ? "" : parsed.refusal->sentence() + " ") << kUsage;
        return kBadUsage;
    }
    const auto model = kw::modelIndexOfText(arguments.value("model"));
    if (!model) {
        std::cerr << "Unknown model \"" << arguments.value("model")
                  << "\"; choose KW-217V or KW-217U.\n";
        return kBadUsage;
    }
    kw::RadioImage image = kw::sim::factoryImage(*model);
    if (arguments.has("image")) {
        const kw::DocumentLoadResult loaded = kw::loadDocumentFile(arguments.value("image"), image);
        if (!loaded) {
            std::cerr << "Cannot open \"" << arguments.value("image") << "\": " << loaded.error
                      << '\n';
            return kBadUsage;
        }
        kw::sim::setModel(image, *model);
    }
    if (arguments.has("password") && !kw::sim::setPassword(image, arguments.value("password"))) {
        std::cerr << "--password takes up to " << kw::sim::kMaxPasswordDigits << " digits.\n";
        return kBadUsage;
    }
    kw::sim::LineOptions options;
    int turnaroundMs = 0;
    if (!parseCount(arguments, "baud", kMaxBaud, options.baud) ||
        !parseCount(arguments, "turnaround", kMaxTurnaroundMs, turnaroundMs) ||
        !parseCount(arguments, "sessions", kMaxBaud, options.sessions)) {
        return kBadUsage;
    }
    options.turnaround = std::chrono::milliseconds(turnaroundMs);
    kw::sim::Fault fault;
    kw::sim::FleetOptions fleet;
    int gapMs = static_cast<int>(fleet.gap.count());
    if (!parseCount(arguments, "fleet", kMaxFleet, fleet.radios) ||
        !parseCount(arguments, "per-radio", kMaxFleet, fleet.sessionsPerRadio) ||
        !parseCount(arguments, "gap", kMaxGapMs, gapMs)) {
        return kBadUsage;
    }
    fleet.gap = std::chrono::milliseconds(gapMs);
    const bool isFleet = arguments.has("fleet");
    if (isFleet && (fleet.radios < 1 || fleet.sessionsPerRadio < 1)) {
        std::cerr << "--fleet and --per-radio need at least 1.\n";
        return kBadUsage;
    }
    if (arguments.has("fault")) {
        const auto parsed = kw::sim::parseFault(arguments.value("fault"));
        if (!parsed) {
            std::cerr << "Unknown fault \"" << arguments.value("fault")
                      << "\"; see the usage in the README.\n";
            return kBadUsage;
        }
        fault = *parsed;
    }
    if (!parseCount(arguments, "fault-session", kMaxBaud, fault.session)) {
        return kBadUsage;
    }

    // SIGTERM and SIGINT end the run through a descriptor the line waits on.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGTERM);
    sigaddset(&endSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &endSignals, nullptr);
    const int signalFd = ::signalfd(-1, &endSignals, SFD_CLOEXEC);
    options.stopFd = signalFd;

    std::string error;
    auto line = kw::sim::PseudoTerminal::open(error);
    if (!line) {
        std::cerr << error << '\n';
        return kLineFailure;
    }
    const std::string linkPath = arguments.value("link");
    if (!linkPath.empty() && !makeLink(linkPath, line->devicePath())) {
        return kBadUsage;
    }
    std::cout << line->devicePath() << std::endl;

    const std::string savePath = arguments.value("save");
    bool saved = true;
    if (isFleet) {
        if (!savePath.empty()) {
            fleet.sessionEnded = [&](int radio, const kw::sim::RadioMemory& memory) {
                saved = saveMemory(kw::sim::fleetSavePath(savePath, radio), image, memory) && saved;
            };
        }
        const kw::sim::LineEnd end =
            kw::sim::runRadioFleet(*line, kw::sim::memoryFromImage(image), fault, options, fleet);
        removeLink(linkPath);
        return end == kw::sim::LineEnd::LineError ? lineFailed() : saved ? kDone : kLineFailure;
    }
    if (!savePath.empty()) {
        options.sessionEnded = [&](const kw::sim::RadioMemory& memory) {
            saved = saveMemory(savePath, image, memory) && saved;
        };
    }
    kw::sim::SimulatedRadio radio(kw::sim::memoryFromImage(image), fault);
    const kw::sim::LineEnd end = kw::sim::runRadioLine(*line, radio, options);
    if (!savePath.empty()) {
        saved = saveMemory(savePath, image, radio.memory()) && saved;
    }
    removeLink(linkPath);
    if (end == kw::sim::LineEnd::LineError) {
        return lineFailed();
    }
    return saved ? kDone : kLineFailure;
}

}  // namespace

int main(int argc, char** argv) {
    kw::keepStandardStreamsOpen();
    // The line's timing is the point of the simulator: wake when a byte is due, not up
    // to the default 50 us later.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    if (const auto version = kw::versionAnswer("kwradio-sim", {argv + 1, argv + argc})) {
        std::cout << *version;
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::cout << kUsage << kHelp;
        return kDone;
    }
    return run(std::vector<std::string>(argv + 1, argv + argc));
}
