#include "terminal_observer.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "link/programming_session.h"

namespace kw::cli {
namespace {

constexpr int kBarWidth = 40;
constexpr Language kLanguage = Language::English;

std::string lowerCase(std::string_view text) {
    std::string word;
    for (const char c : text) {
        word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return word;
}

std::optional<RetryAnswer> retryChoiceOf(std::string_view answer) {
    const std::string word = lowerCase(answer);
    if (word == "r" || word == "retry") {
        return RetryAnswer::Retry;
    }
    if (word.empty() || word == "c" || word == "cancel") {
        return RetryAnswer::Cancel;
    }
    return std::nullopt;
}

std::optional<bool> yesNoChoiceOf(std::string_view answer) {
    const std::string word = lowerCase(answer);
    if (word == "y" || word == "yes") {
        return true;
    }
    if (word.empty() || word == "n" || word == "no") {
        return false;
    }
    return std::nullopt;
}

}  // namespace

TerminalObserver::TerminalObserver(std::ostream& err, InterruptWatch& interrupts, int retries,
                                   int inputFd, ProgressStyle style, TransferDirection direction)
    : err_(err),
      interrupts_(interrupts),
      retriesLeft_(retries),
      inputFd_(inputFd),
      style_(style),
      direction_(direction) {}

void TerminalObserver::setStatus(BuiltInText text) {
    if (shownStatus_ == text || style_ == ProgressStyle::Quiet) {
        return;
    }
    endBarLine();
    err_ << builtInText(text, kLanguage) << '\n' << std::flush;
    shownStatus_ = text;
}

void TerminalObserver::setProgress(int position) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started_);
    progressed_ = progressed_ || position > 0;
    if (style_ == ProgressStyle::Bar) {
        drawBar(position, elapsed);
    } else if (style_ == ProgressStyle::Lines) {
        writeTenth(position, elapsed);
    }
}

void TerminalObserver::drawBar(int position, std::chrono::milliseconds elapsed) {
    const int filled = position * kBarWidth / kProgressRange;
    char line[160];
    std::snprintf(line, sizeof line, "\r%s%s[%s%s] %3d%% %3d/%d %4lld.%01llds", label_.c_str(),
                  label_.empty() ? "" : " ",
                  std::string(static_cast<std::size_t>(filled), '#').c_str(),
                  std::string(static_cast<std::size_t>(kBarWidth - filled), '.').c_str(),
                  position * 100 / kProgressRange, position, kProgressRange,
                  static_cast<long long>(elapsed.count() / 1000),
                  static_cast<long long>(elapsed.count() % 1000 / 100));
    err_ << line << std::flush;
    barShown_ = true;
    shownStatus_.reset();
}

// The share is rounded to whole percent first, so 19/191 (9.95%) is the line of 10%.
void TerminalObserver::writeTenth(int position, std::chrono::milliseconds elapsed) {
    const int percent = (position * 100 + kProgressRange / 2) / kProgressRange;
    const int tenths = percent / 10;
    if (tenths <= tenthsShown_) {
        return;
    }
    tenthsShown_ = tenths;
    char line[96];
    const char* name = !label_.empty()                         ? label_.c_str()
                       : direction_ == TransferDirection::Read ? "Read"
                                                               : "Write";
    std::snprintf(line, sizeof line, "%s %d%% %d/%d %lld.%01lld s\n", name, tenths * 10, position,
                  kProgressRange, static_cast<long long>(elapsed.count() / 1000),
                  static_cast<long long>(elapsed.count() % 1000 / 100));
    err_ << line << std::flush;
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

// Asks until the answer is Retry or Cancel; an empty line is Cancel, as the prompt shows.
RetryAnswer TerminalObserver::askOnTerminal() {
    err_ << '\n';
    for (;;) {
        err_ << "Retry or Cancel? [r/C] " << std::flush;
        const auto answer = readAnswerLine();
        if (!answer) {
            return RetryAnswer::Cancel;
        }
        if (const auto choice = retryChoiceOf(*answer)) {
            cancelledByUser_ = *choice == RetryAnswer::Cancel;
            return *choice;
        }
    }
}

std::optional<bool> TerminalObserver::askYesNo(std::string_view question) {
    endBarLine();
    shownStatus_.reset();
    if (!::isatty(inputFd_)) {
        return std::nullopt;
    }
    for (;;) {
        err_ << question << " [y/N] " << std::flush;
        const auto answer = readAnswerLine();
        if (!answer) {
            return std::nullopt;
        }
        if (const auto choice = yesNoChoiceOf(*answer)) {
            return *choice;
        }
    }
}

std::optional<std::string> TerminalObserver::readAnswerLine() {
    std::string answer;
    char c = 0;
    bool lineEnded = false;
    while (interrupts_.waitReadable(inputFd_) && ::read(inputFd_, &c, 1) == 1 &&
           !(lineEnded = c == '\n')) {
        answer += c;
    }
    if (interrupts_.interrupted() || !lineEnded) {
        err_ << '\n';
        return std::nullopt;
    }
    return answer;
}

void TerminalObserver::showMessage(const TransferMessage& message) {
    endBarLine();
    err_ << messageText(message, kLanguage) << '\n';
    if (!message.detail.empty()) {
        err_ << message.detail << '\n';
    }
    if (direction_ == TransferDirection::Read && label_.empty() &&
        message.text == std::variant<MessageId, BuiltInText>(BuiltInText::PasswordError)) {
        err_ << "The radio has a password; give it with --password or --into a document "
                "holding it.\n";
    }
    if (message.text == std::variant<MessageId, BuiltInText>(MessageId::CouldNotOpenPort)) {
        err_ << "\"kwprog-cli ports\" lists the ports and which are free.\n";
    }
    err_ << std::flush;
}

void TerminalObserver::beginStep(std::string_view label) {
    endBarLine();
    label_ = label;
    tenthsShown_ = 0;
    started_ = std::chrono::steady_clock::now();
    shownStatus_.reset();
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
