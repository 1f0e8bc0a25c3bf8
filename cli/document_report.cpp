#include "document_report.h"

namespace kw::cli {

bool openDocument(DocumentSession& document, const std::string& path, CommandContext& context) {
    const DocumentLoadResult loaded = document.open(path, Language::English);
    if (!loaded) {
        context.err << "Cannot open \"" << path << "\": " << loaded.error << '\n';
    }
    return static_cast<bool>(loaded);
}

bool saveDocument(DocumentSession& document, const std::string& path, CommandContext& context) {
    const DocumentSaveResult saved = document.save(path);
    if (!saved) {
        context.err << saved.written.error << '\n';
    }
    return static_cast<bool>(saved);
}

}  // namespace kw::cli
