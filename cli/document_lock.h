#pragma once
// The lock every command that changes a file holds from before it reads the file until
// after it has saved it.

#include <optional>
#include <string>

#include "base/file_lock.h"
#include "command.h"

namespace kw::cli {

// Waits for another program's change to end; reports on the error stream when the file
// stays in use (exit status kBadInput).
[[nodiscard]] std::optional<FileLock> lockForChange(const std::string& path,
                                                    CommandContext& context);

}  // namespace kw::cli
