#pragma once
// A kwradio-sim process for tests and benchmarks: started with its arguments, known by
// the device path it prints first, ended with SIGTERM.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace kw::sim {

class SimProcess {
  public:
    // Nothing, with the reason in `error`, when the process does not start or does not
    // name its device within a few seconds.
    [[nodiscard]] static std::optional<SimProcess> start(const std::string& executable,
                                                         const std::vector<std::string>& arguments,
                                                         std::string& error);

    SimProcess(SimProcess&& other) noexcept;
    SimProcess& operator=(SimProcess&&) = delete;
    SimProcess(const SimProcess&) = delete;
    ~SimProcess();

    const std::string& device() const { return device_; }
    pid_t pid() const { return pid_; }
    // Sends SIGTERM unless it has ended already, waits, and returns its exit status (-1
    // when it died of a signal).
    int stop();
    // Waits for it to end by itself.
    int wait();

  private:
    SimProcess(pid_t pid, int output, std::string device)
        : pid_(pid), output_(output), device_(std::move(device)) {}

    pid_t pid_ = -1;
    int output_ = -1;
    std::string device_;
};

}  // namespace kw::sim
