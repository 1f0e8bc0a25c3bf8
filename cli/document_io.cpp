#include "document_io.h"

namespace kw::cli {

DocumentView viewDocument(CProgramDoc document, CommandContext& context, Language language) {
    DocumentView view{std::move(document), ChannelGrid(language), ChannelEditors(language)};
    view.grid.refill(view.image(), context.product);
    return view;
}

std::optional<DocumentView> openDocument(const std::string& path, CommandContext& context,
                                         Language language) {
    CProgramDoc document;
    const DocumentLoadResult loaded = document.open(path, Language::English);
    if (!loaded) {
        context.err << "Cannot open \"" << path << "\": " << loaded.error << '\n';
        return std::nullopt;
    }
    return viewDocument(std::move(document), context, language);
}

bool saveDocument(DocumentView& view, const std::string& path, CommandContext& context) {
    view.grid.commit(view.image(), context.product);
    const FileWriteResult written = view.document.save(path);
    if (!written) {
        context.err << written.error << '\n';
        return false;
    }
    return true;
}

}  // namespace kw::cli
