#pragma once
// The Product Information dialog without widgets: what it shows when it opens, what a
// selection change does, and what OK stores.

#include <optional>
#include <string>

#include "model/product_state.h"
#include "model/radio_image.h"

namespace kw {

class ProductInfoRules {
  public:
    // OnInitDialog: selection and limits from the product state, normalised to the model.
    explicit ProductInfoRules(const ProductState& product);

    std::optional<int> selection() const { return selection_; }
    // The texts of the two (disabled) limit edits, in whole MHz; empty without a model.
    std::string lowerText() const;
    std::string upperText() const;

    void select(int index);

    // OK needs a model: without one it would clear every channel and store limits 0-0.
    bool canAccept() const { return selection_.has_value(); }

    enum class Outcome { NotAccepted, Unchanged, ChannelsCleared };
    // OnOK: stores the model and band into the state and the image. When the limits
    // changed, clears the frequencies and tones of every channel; the caller then runs
    // the grid refill.
    Outcome accept(ProductState& product, RadioImage& image) const;

  private:
    void setLimits(BandLimits limits) { lower_ = limits.lowerMhz, upper_ = limits.upperMhz; }

    std::optional<int> selection_;
    std::optional<int> lower_;
    std::optional<int> upper_;
    std::int32_t openedLower_;
    std::int32_t openedUpper_;
};

// Bytes 0-11 (frequencies and tones) of records 0-128 become 0xFF; names and flags stay.
void clearChannelFrequenciesAndTones(RadioImage& image);

}  // namespace kw
