#include "session/chirp_import.h"

namespace kw {

ChirpImport prepareChirpImport(DocumentSession& document, std::string_view text, bool replace) {
    return readChirpCsv(text, document.grid(), document.editors(), document.product(), replace);
}

void takeChirpImport(DocumentSession& document, ChirpImport&& import) {
    document.grid() = std::move(import.grid);
    document.editors() = std::move(import.editors);
    if (import.changed) {
        document.setModified(true);
    }
}

}  // namespace kw
