#pragma once
// Safe writes of one document on several ports at once, for write with more than one
// --port and for fleet.

#include <optional>
#include <string>

#include "command.h"
#include "model/radio_image.h"

namespace kw::cli {

// --port given more than once.
inline constexpr Option kPortsOption{"port", true, true};

// The document at `path` through the Write command's commits: the image a write sends.
// Nothing, reported on the error stream, when it cannot be opened.
[[nodiscard]] std::optional<RadioImage> imageToWrite(const std::string& path,
                                                     CommandContext& context);

// One safe write per port, in parallel; a line per port as each ends, then the failed
// ports. Exit status 0 when every port succeeded, else 3 (4 when cancels were all).
[[nodiscard]] int runParallelWrite(const RadioImage& image, const Arguments& arguments,
                                   CommandContext& context);

// Radio after radio on every port (see fleet's help). The same exit statuses.
[[nodiscard]] int runFleetWrite(const RadioImage& image, const Arguments& arguments,
                                CommandContext& context);

}  // namespace kw::cli
