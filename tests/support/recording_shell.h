#pragma once
// A transfer's shell that writes down what it was told, and on which thread.

#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "session/transfer_worker.h"

namespace kw::test {

class RecordingShell final : public TransferShell {
  public:
    void setStatus(BuiltInText text) override {
        seen();
        statuses.push_back(text);
    }
    void setProgress(int position) override {
        seen();
        progress.push_back(position);
    }
    // Answers with `answerQuestion`, or Cancel without one.
    RetryAnswer askRetry(MessageId id) override {
        seen();
        questions.push_back(id);
        return answerQuestion ? answerQuestion() : RetryAnswer::Cancel;
    }
    void showMessage(const TransferMessage& message) override {
        seen();
        messages.push_back(message);
    }
    void transferFinished(const TransferResult& finished, const RadioImage& transferred) override {
        seen();
        result = finished;
        image = transferred;
    }

    std::function<RetryAnswer()> answerQuestion;

    std::vector<BuiltInText> statuses;
    std::vector<int> progress;
    std::vector<MessageId> questions;
    std::vector<TransferMessage> messages;
    std::optional<TransferResult> result;
    RadioImage image{};
    // Every call came on the thread that made the shell.
    bool onItsOwnThread = true;

  private:
    void seen() { onItsOwnThread = onItsOwnThread && std::this_thread::get_id() == thread_; }

    std::thread::id thread_ = std::this_thread::get_id();
};

}  // namespace kw::test
