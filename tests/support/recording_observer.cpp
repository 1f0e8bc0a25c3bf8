#include "support/recording_observer.h"

namespace kw::test {

bool RecordingObserver::cancelRequested() {
    ++cancelChecks;
    return (cancelAtCheck && cancelChecks >= *cancelAtCheck) ||
           (cancelAtProgress && !progress.empty() && progress.back() >= *cancelAtProgress);
}

RetryAnswer RecordingObserver::askRetry(MessageId id) {
    questions.push_back(id);
    if (answers.empty()) {
        return RetryAnswer::Cancel;
    }
    const RetryAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace kw::test
