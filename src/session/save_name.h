#pragma once
// The names a save works with. Asking for a name (the file dialog) is the shell's job;
// what it proposes and what it takes back follow these rules.

#include <string>
#include <string_view>

#include "model/program_doc.h"

namespace kw {

inline constexpr std::string_view kDocumentSuffix = ".dat";

// Save As always asks; Save asks when the document has no file yet, or its file is gone
// or cannot be written.
[[nodiscard]] bool saveAsksName(const CProgramDoc& document, bool saveAs);

// The name the question proposes: the document's path, or for a new document its proposed
// name as a bare file name (so a file of that name in whatever folder is current is never
// saved over unasked); with the suffix when it has none.
[[nodiscard]] std::string proposedSaveName(const CProgramDoc& document);

// A chosen name without a suffix gets ".dat"; the suffix is what follows the last dot of
// the file name.
[[nodiscard]] std::string withDocumentSuffix(std::string name);

}  // namespace kw
