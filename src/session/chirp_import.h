#pragma once
// A CHIRP CSV into an open document in two steps, so that a shell can show the lines the
// radio cannot hold and ask before anything changes: prepare, then take or drop.

#include <string_view>

#include "channels/chirp_csv.h"
#include "session/document_session.h"

namespace kw {

// Works the import out on a copy of the document's grid; the document is not touched.
// The shell commits the current cell first, as for a save.
[[nodiscard]] ChirpImport prepareChirpImport(DocumentSession& document, std::string_view text,
                                             bool replace);

// The prepared channels become the document's; a changed channel marks it modified.
void takeChirpImport(DocumentSession& document, ChirpImport&& import);

}  // namespace kw
