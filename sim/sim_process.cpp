#include "sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace kw::sim {
namespace {

constexpr int kStartTimeoutMs = 5000;

}  // namespace

std::optional<SimProcess> SimProcess::start(const std::string& executable,
                                            const std::vector<std::string>& arguments,
                                            std::string& error) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    std::vector<std::string> words{executable};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned =
        ::posix_spawn(&pid, executable.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        error = "Cannot start " + executable + ": " + std::strerror(spawned);
        return std::nullopt;
    }
    SimProcess process(pid, pipeFds[0], {});
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    std::string line;
    while (line.empty() || line.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd entry{pipeFds[0], POLLIN, 0};
        char c = 0;
        if (left.count() <= 0 || ::poll(&entry, 1, static_cast<int>(left.count())) <= 0 ||
            ::read(pipeFds[0], &c, 1) != 1) {
            error = executable + " did not name its device.";
            return std::nullopt;
        }
        line += c;
    }
    line.pop_back();
    process.device_ = line;
    return process;
}

SimProcess::SimProcess(SimProcess&& other) noexcept
    : pid_(other.pid_), output_(other.output_), device_(std::move(other.device_)) {
    other.pid_ = -1;
    other.output_ = -1;
}

SimProcess::~SimProcess() {
    (void)stop();
}

int SimProcess::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
    }
    return wait();
}

int SimProcess::wait() {
    int status = -1;
    if (pid_ > 0) {
        int raw = 0;
        while (::waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
        }
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        pid_ = -1;
    }
    if (output_ >= 0) {
        ::close(output_);
        output_ = -1;
    }
    return status;
}

}  // namespace kw::sim
