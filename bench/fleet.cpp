// bench_fleet: one safe write (backup read, write, verify read) on one port, then on
// four ports at once, each against its own kwradio-sim at 9600 baud. Reports the wall
// time of each, their ratio (goal: at most 1.10) and the CPU time this process used per
// port as a share of the wall time (goal: under 5 %).
//
//   build/bin/bench_fleet [--ports N]

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_radio.h"
#include "link/posix_serial_port.h"
#include "session/parallel_writes.h"

namespace {

using namespace kw;
using Clock = std::chrono::steady_clock;

class SilentShell final : public ParallelWriteShell {
  public:
    void activity(std::size_t, PortActivity, int) override {}
    void beginStep(std::size_t, SafeWriteStep) override {}
    void setProgress(std::size_t, int) override {}
    void radioFinished(const RadioReport&) override {}
};

double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Run {
    double wall = 0;
    double cpu = 0;     // this process
    double simCpu = 0;  // the simulated radios
    bool ok = false;
};

Run writeOn(int ports, const std::string& backups) {
    std::vector<sim::SimProcess> sims;
    ParallelWriteSetup setup;
    for (int i = 0; i < ports; ++i) {
        auto sim = bench::startSimulator({"--model", "KW-217V", "--baud", "9600"});
        if (!sim) {
            return {};
        }
        setup.ports.push_back(sim->device());
        sims.push_back(std::move(*sim));
    }
    setup.image = bench::newDocumentOf(0);
    setup.options.ask = false;
    setup.backups.folder = backups;
    setup.makePort = [] { return std::make_unique<PosixSerialPort>(); };
    setup.makeSleeper = [] { return std::make_unique<ThreadSleeper>(); };
    SilentShell shell;

    Run run;
    const double cpuBefore = cpuSeconds(RUSAGE_SELF);
    const double simCpuBefore = cpuSeconds(RUSAGE_CHILDREN);
    const Clock::time_point start = Clock::now();
    const std::vector<RadioReport> reports = writeAllPorts(setup, shell, {});
    run.wall = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpu = cpuSeconds(RUSAGE_SELF) - cpuBefore;
    run.ok = true;
    for (const RadioReport& report : reports) {
        if (!report.result) {
            std::fprintf(stderr, "%s: %s\n", setup.ports[report.port].c_str(),
                         radioResultText(report).c_str());
            run.ok = false;
        }
    }
    for (sim::SimProcess& sim : sims) {
        (void)sim.stop();
    }
    run.simCpu = cpuSeconds(RUSAGE_CHILDREN) - simCpuBefore;
    return run;
}

void print(int ports, const Run& run) {
    std::printf(
        "%d port%s  wall %7.3f s  cpu %6.3f s (%4.2f %% of wall per port)  "
        "simulators' cpu %6.3f s\n",
        ports, ports == 1 ? " " : "s", run.wall, run.cpu, 100.0 * run.cpu / run.wall / ports,
        run.simCpu);
}

}  // namespace

int main(int argc, char** argv) {
    const int ports = argc == 3 && std::string(argv[1]) == "--ports" ? std::stoi(argv[2]) : 4;
    const auto backups =
        std::filesystem::temp_directory_path() / ("bench_fleet-" + std::to_string(::getpid()));
    const Run one = writeOn(1, backups.string());
    const Run many = one.ok ? writeOn(ports, backups.string()) : Run{};
    std::filesystem::remove_all(backups);
    if (!one.ok || !many.ok) {
        return 3;
    }
    print(1, one);
    print(ports, many);
    std::printf("ratio %5.3f (goal <= 1.10)\n", many.wall / one.wall);
    return 0;
}
