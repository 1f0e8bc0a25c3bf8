#pragma once
// Opening and saving a command's document, with the reason on the error stream when the
// file is refused. The work itself (open check, refill, commits before the write) is the
// document session's.

#include <string>

#include "command.h"
#include "session/document_session.h"

namespace kw::cli {

[[nodiscard]] bool openDocument(DocumentSession& document, const std::string& path,
                                CommandContext& context);
[[nodiscard]] bool saveDocument(DocumentSession& document, const std::string& path,
                                CommandContext& context);

}  // namespace kw::cli
