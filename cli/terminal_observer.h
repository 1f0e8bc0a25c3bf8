#pragma once
// A transfer on the terminal: progress on the error stream, Ctrl-C to cancel, and the
// Retry/Cancel question asked on the terminal when the input is one.

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "interrupt_watch.h"
#include "link/programming_session.h"
#include "link/session_observer.h"

namespace kw::cli {

enum class ProgressStyle {
    Bar,    // one line redrawn with carriage returns, for a terminal
    Lines,  // a plain line at each tenth ("Read 10% 19/191 1.1 s"), for logs and scripts
    Quiet,  // no status and no progress: only errors, warnings and questions
};

class TerminalObserver final : public SessionObserver {
  public:
    // `retries`: how many Retry/Cancel questions are answered Retry without asking.
    // `inputFd`: where a person may answer the rest; anything but a terminal answers
    // Cancel.
    TerminalObserver(std::ostream& err, InterruptWatch& interrupts, int retries, int inputFd,
                     ProgressStyle style = ProgressStyle::Bar,
                     TransferDirection direction = TransferDirection::Read);

    void setStatus(BuiltInText text) override;
    void setProgress(int position) override;
    bool cancelRequested() override;
    RetryAnswer askRetry(MessageId id) override;
    void showMessage(const TransferMessage& message) override;

    // A new transfer of a series begins under `label` ("Backup", "Write", "Verify"): its
    // progress gets a bar (or lines) of its own, named by the label.
    void beginStep(std::string_view label);
    // Asks `question` on the terminal; nothing when the input is no terminal or Ctrl-C
    // came first. An empty answer is No.
    std::optional<bool> askYesNo(std::string_view question);

    // Ends the bar's line once the transfer is over.
    void finish();
    // Some of the radio's blocks have moved.
    bool progressed() const { return progressed_; }
    // A person answered Cancel (not the automatic answer without a terminal).
    bool cancelledByUser() const { return cancelledByUser_; }

  private:
    void drawBar(int position, std::chrono::milliseconds elapsed);
    void writeTenth(int position, std::chrono::milliseconds elapsed);
    void endBarLine();
    RetryAnswer askOnTerminal();
    // A line typed on the input; nothing when Ctrl-C or the end of the input came first.
    std::optional<std::string> readAnswerLine();

    std::ostream& err_;
    InterruptWatch& interrupts_;
    int retriesLeft_;
    int inputFd_;
    ProgressStyle style_;
    TransferDirection direction_;
    std::string label_;  // the step's name, when the transfer is one of a series
    int tenthsShown_ = 0;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::optional<BuiltInText> shownStatus_;
    bool barShown_ = false;
    bool progressed_ = false;
    bool cancelledByUser_ = false;
};

}  // namespace kw::cli
