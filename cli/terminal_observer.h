#pragma once
// A transfer on the terminal: progress on the error stream, Ctrl-C to cancel, and the
// Retry/Cancel question asked on the terminal when the input is one.

#include <chrono>
#include <optional>
#include <ostream>

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

    std::ostream& err_;
    InterruptWatch& interrupts_;
    int retriesLeft_;
    int inputFd_;
    ProgressStyle style_;
    TransferDirection direction_;
    int tenthsShown_ = 0;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::optional<BuiltInText> shownStatus_;
    bool barShown_ = false;
    bool progressed_ = false;
    bool cancelledByUser_ = false;
};

}  // namespace kw::cli
