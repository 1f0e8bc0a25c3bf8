#pragma once

namespace kw::cli {

// Exit statuses every command keeps; scripts rely on them.
enum ExitStatus : int {
    kDone = 0,
    kRefused = 1,       // a value the rules reject
    kBadInput = 2,      // bad file or bad usage
    kRadioFailure = 3,  // radio or port failure
    kCancelled = 4,
};

}  // namespace kw::cli
