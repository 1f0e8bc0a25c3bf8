#pragma once
// A session's user that writes down what it was told and answers from a script.

#include <deque>
#include <optional>
#include <vector>

#include "link/session_observer.h"

namespace kw::test {

class RecordingObserver final : public SessionObserver {
  public:
    void setStatus(BuiltInText text) override { statuses.push_back(text); }
    void setProgress(int position) override { progress.push_back(position); }
    bool cancelRequested() override;
    RetryAnswer askRetry(MessageId id) override;
    void showMessage(const TransferMessage& message) override { messages.push_back(message); }

    // Answers to the Retry/Cancel questions in turn; Cancel once they run out.
    std::deque<RetryAnswer> answers;
    // Cancel from this check on (1 = the first), or once the bar reaches this step.
    std::optional<int> cancelAtCheck;
    std::optional<int> cancelAtProgress;

    std::vector<BuiltInText> statuses;
    std::vector<int> progress;
    std::vector<MessageId> questions;
    std::vector<TransferMessage> messages;
    int cancelChecks = 0;
};

}  // namespace kw::test
