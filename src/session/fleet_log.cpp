#include "session/fleet_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "channels/csv.h"

namespace kw {
namespace {

std::string localTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S", &local);
    return text.data();
}

std::string secondsText(std::chrono::steady_clock::duration took) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f", std::chrono::duration<double>(took).count());
    return text.data();
}

}  // namespace

std::unique_ptr<FleetLog> FleetLog::open(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = "Cannot write the log \"" + path + "\": " + std::strerror(errno) + ".";
        return nullptr;
    }
    std::unique_ptr<FleetLog> log(new FleetLog(fd));
    if (::lseek(fd, 0, SEEK_END) == 0 &&
        !log->put(csvLine({"time", "port", "radio", "model", "result", "seconds", "backup"}))) {
        error = "Cannot write the log \"" + path + "\": " + std::strerror(errno) + ".";
        return nullptr;
    }
    return log;
}

FleetLog::~FleetLog() {
    ::close(fd_);
}

bool FleetLog::append(const RadioReport& report, const std::string& portName,
                      const std::string& model) {
    const std::string time = localTimeText();
    const std::string radio = std::to_string(report.radio);
    const std::string result = radioResultText(report);
    const std::string seconds = secondsText(report.took);
    const std::string backup = std::filesystem::path(report.result.backupPath).filename().string();
    return put(csvLine({time, portName, radio, model, result, seconds, backup}));
}

// One write() per line: with O_APPEND it lands whole at the end.
bool FleetLog::put(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(fd_, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace kw
