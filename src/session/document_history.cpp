#include "session/document_history.h"

#include <cassert>

namespace kw {

DocumentHistory::DocumentHistory(std::size_t stepLimit)
    : stepLimit_(stepLimit), states_(1), saved_(0) {
    assert(stepLimit_ > 0);
}

void DocumentHistory::reset(const RadioImage& state) {
    states_.assign(1, state);
    steps_.clear();
    position_ = 0;
    saved_ = 0;
}

bool DocumentHistory::record(HistoryStep step, const RadioImage& state) {
    if (state == current()) {
        return false;
    }
    states_.resize(position_ + 1);
    steps_.resize(position_);
    if (saved_ && *saved_ > position_) {
        saved_.reset();  // the saved state was among the redo steps just dropped
    }
    states_.push_back(state);
    steps_.push_back(step);
    ++position_;
    if (steps_.size() > stepLimit_) {
        states_.pop_front();
        steps_.pop_front();
        --position_;
        if (saved_) {
            saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
        }
    }
    return true;
}

std::optional<HistoryStep> DocumentHistory::undoStep() const {
    if (position_ == 0) {
        return std::nullopt;
    }
    return steps_[position_ - 1];
}

std::optional<HistoryStep> DocumentHistory::redoStep() const {
    if (position_ == steps_.size()) {
        return std::nullopt;
    }
    return steps_[position_];
}

std::optional<RadioImage> DocumentHistory::undo() {
    if (position_ == 0) {
        return std::nullopt;
    }
    return states_[--position_];
}

std::optional<RadioImage> DocumentHistory::redo() {
    if (position_ == steps_.size()) {
        return std::nullopt;
    }
    return states_[++position_];
}

}  // namespace kw
