#include "terminal_observer.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "link/programming_session.h"

namespace kw::cli {
namespace {

constexpr int kBarWidth = 40;
constexpr Language kLanguage = Language::English;

}  // namespace

TerminalObserver::TerminalObserver(std::ostream& err, InterruptWatch& interrupts, int retries,
                                   int inputFd)
    : err_(err), interrupts_(interrupts), retriesLeft_(retries), inputFd_(inputFd) {}

void TerminalObserver::setStatus(BuiltInText text) {
    if (shownStatus_ == text) {
        return;
    }
    endBarLine();
    err_ << builtInText(text, kLanguage) << '\n' << std::flush;
    shownStatus_ = text;
}

void TerminalObserver::setProgress(int position) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started_);
    const int filled = position * kBarWidth / kProgressRange;
    char line[160];
    std::snprintf(line, sizeof line, "\r[%s%s] %3d%% %3d/%d %4lld.%01llds",
                  std::string(static_cast<std::size_t>(filled), '#').c_str(),
                  std::string(static_cast<std::size_t>(kBarWidth - filled), '.').c_str(),
                  position * 100 / kProgressRange, position, kProgressRange,
                  static_cast<long long>(elapsed.count() / 1000),
                  static_cast<long long>(elapsed.count() % 1000 / 100));
    err_ << line << std::flush;
    barShown_ = true;
    shownStatus_.reset();
}

bool TerminalObserver::cancelRequested() {
    return interrupts_.interrupted();
}

RetryAnswer TerminalObserver::askRetry(MessageId id) {
    endBarLine();
    err_ << messageText(id, kLanguage);
    shownStatus_.reset();
    if (retriesLeft_ > 0) {
        --retriesLeft_;
        err_ << " [Retry]\n" << std::flush;
        return RetryAnswer::Retry;
    }
    if (!::isatty(inputFd_)) {
        err_ << " [Cancel]\n" << std::flush;
        return RetryAnswer::Cancel;
    }
    return askOnTerminal();
}

RetryAnswer TerminalObserver::askOnTerminal() {
    err_ << "\nRetry or Cancel? [r/C] " << std::flush;
    std::string answer;
    char c = 0;
    while (interrupts_.waitReadable(inputFd_) && ::read(inputFd_, &c, 1) == 1 && c != '\n') {
        answer += c;
    }
    const bool retry = !answer.empty() && (answer[0] == 'r' || answer[0] == 'R');
    if (interrupts_.interrupted()) {
        err_ << '\n';
    }
    return retry && !interrupts_.interrupted() ? RetryAnswer::Retry : RetryAnswer::Cancel;
}

void TerminalObserver::showMessage(const TransferMessage& message) {
    endBarLine();
    err_ << messageText(message, kLanguage) << '\n';
    if (!message.detail.empty()) {
        err_ << message.detail << '\n';
    }
    err_ << std::flush;
}

void TerminalObserver::finish() {
    endBarLine();
}

void TerminalObserver::endBarLine() {
    if (barShown_) {
        err_ << '\n';
        barShown_ = false;
    }
}

}  // namespace kw::cli
