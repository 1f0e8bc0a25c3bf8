#pragma once
// kwprog-cli and kwradio-sim as the user runs them: separate processes, found through
// KW_BIN_DIR, the CLI with no terminal on its input.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim_process.h"

extern char** environ;

namespace kw::test {

// The programs sit beside the test executable unless KW_BIN_DIR says otherwise.
inline std::string binary(const std::string& name) {
    const char* dir = std::getenv("KW_BIN_DIR");
    if (dir && *dir) {
        return std::string(dir) + "/" + name;
    }
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}

inline sim::SimProcess startSim(const std::vector<std::string>& arguments) {
    std::string error;
    auto process = sim::SimProcess::start(binary("kwradio-sim"), arguments, error);
    if (!process) {
        throw std::runtime_error(error);
    }
    return std::move(*process);
}

class CliProcess {
  public:
    // `input` is what the CLI reads as its input: nothing, or a terminal a test types on.
    explicit CliProcess(const std::vector<std::string>& arguments,
                        const std::string& input = "/dev/null") {
        int pipeFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
        std::vector<std::string> words{binary("kwprog-cli")};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        const int spawned = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        err_ = pipeFds[0];
        if (spawned != 0) {
            throw std::runtime_error("cannot start kwprog-cli");
        }
    }

    ~CliProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            (void)wait();
        }
        ::close(err_);
    }

    // Reads the error stream until `text` shows up (true) or the stream ends (false).
    bool waitForError(const std::string& text) {
        while (stderrText.find(text) == std::string::npos) {
            if (!readSome()) {
                return false;
            }
        }
        return true;
    }

    void interrupt(int signal = SIGINT) { ::kill(pid_, signal); }

    // The exit status once the process has ended, with all it wrote to stderr read.
    int wait() {
        while (readSome()) {
        }
        int raw = 0;
        while (::waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string stderrText;

  private:
    bool readSome() {
        char buffer[512];
        const ssize_t got = ::read(err_, buffer, sizeof buffer);
        if (got <= 0) {
            return false;
        }
        stderrText.append(buffer, static_cast<std::size_t>(got));
        return true;
    }

    pid_t pid_ = -1;
    int err_ = -1;
};

}  // namespace kw::test
