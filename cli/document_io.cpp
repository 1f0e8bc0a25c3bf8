#include "document_io.h"

namespace kw::cli {

std::optional<CProgramDoc> openDocument(const std::string& path, CommandContext& context) {
    CProgramDoc document;
    const DocumentLoadResult loaded = document.open(path, Language::English);
    if (!loaded) {
        context.err << "Cannot open \"" << path << "\": " << loaded.error << '\n';
        return std::nullopt;
    }
    context.product.deriveFrom(document.image());
    return document;
}

bool saveDocument(CProgramDoc& document, const std::string& path, CommandContext& context) {
    context.product.writeInto(document.image());
    const FileWriteResult written = document.save(path);
    if (!written) {
        context.err << written.error << '\n';
        return false;
    }
    return true;
}

}  // namespace kw::cli
