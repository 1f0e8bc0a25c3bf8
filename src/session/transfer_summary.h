#pragma once
// The line that ends a completed Read or Write, the same in the desktop program's status
// bar and on the command line's error stream.

#include <chrono>
#include <string>

#include "link/programming_session.h"
#include "model/radio_image.h"
#include "res/language.h"

namespace kw {

// Records 1-128 and Fr whose Rx and Tx frequencies are both set.
[[nodiscard]] int channelsInUse(const RadioImage& image);

// "Read complete: 129 channels in 10.8 s" (the channels `image` holds in use) or
// "Write complete in 7.2 s", in `language`.
[[nodiscard]] std::string transferSummary(TransferDirection direction, const RadioImage& image,
                                          std::chrono::steady_clock::duration took,
                                          Language language = Language::English);

}  // namespace kw
