#pragma once
// One document's undo and redo history: the committed image after each step, with the
// step's name. Whole images (6144 bytes) keep it simple and exact; the length is bounded,
// the oldest steps going first.

#include <cstddef>
#include <deque>
#include <optional>

#include "model/radio_image.h"
#include "session/history_step.h"

namespace kw {

class DocumentHistory {
  public:
    static constexpr std::size_t kDefaultStepLimit = 100;

    explicit DocumentHistory(std::size_t stepLimit = kDefaultStepLimit);

    // A new, opened or saved-as-new document: no steps, `state` is the saved state.
    void reset(const RadioImage& state);
    // `state` after a step named `step`; the redo steps are dropped. A state equal to
    // the current one is no step: returns false.
    bool record(HistoryStep step, const RadioImage& state);

    std::optional<HistoryStep> undoStep() const;
    std::optional<HistoryStep> redoStep() const;
    // The state to go back (or forward) to; empty when there is none.
    std::optional<RadioImage> undo();
    std::optional<RadioImage> redo();

    const RadioImage& current() const { return states_[position_]; }
    // The current state is what the file now holds.
    void markSaved() { saved_ = position_; }
    bool atSavedState() const { return saved_ == position_; }

  private:
    std::size_t stepLimit_;
    std::deque<RadioImage> states_;
    std::deque<HistoryStep> steps_;  // steps_[i] leads from states_[i] to states_[i + 1]
    std::size_t position_ = 0;
    std::optional<std::size_t> saved_;
};

}  // namespace kw
