#pragma once
// Opening and saving documents the way the desktop program does, for every command.

#include <optional>
#include <string>

#include "command.h"
#include "model/program_doc.h"

namespace kw::cli {

// Opens with the open check; reports the reason on the error stream when it fails.
[[nodiscard]] std::optional<CProgramDoc> openDocument(const std::string& path,
                                                      CommandContext& context);

// Saves as a save does: product block and band bytes rebuilt from the product state.
[[nodiscard]] bool saveDocument(CProgramDoc& document, const std::string& path,
                                CommandContext& context);

}  // namespace kw::cli
