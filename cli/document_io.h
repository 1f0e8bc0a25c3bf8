#pragma once
// Opening and saving documents the way the desktop program does, for every command: a
// document is shown in a view whose grid is refilled from it (which also derives the
// product state), commands change the grid or the image, and a save first runs the grid
// commit (channel records, product block and band bytes) and then writes atomically.

#include <optional>
#include <string>

#include "channels/channel_editors.h"
#include "channels/channel_grid.h"
#include "command.h"
#include "model/program_doc.h"

namespace kw::cli {

struct DocumentView {
    CProgramDoc document;
    ChannelGrid grid;
    ChannelEditors editors;

    RadioImage& image() { return document.image(); }
    const RadioImage& image() const { return document.image(); }
};

// A new or opened document as its view shows it: the grid refilled in `language`.
[[nodiscard]] DocumentView viewDocument(CProgramDoc document, CommandContext& context,
                                        Language language = Language::English);

// Opens with the open check; reports the reason on the error stream when it fails.
[[nodiscard]] std::optional<DocumentView> openDocument(const std::string& path,
                                                       CommandContext& context,
                                                       Language language = Language::English);

// Saves as a save does: the grid commit, then the file.
[[nodiscard]] bool saveDocument(DocumentView& view, const std::string& path,
                                CommandContext& context);

}  // namespace kw::cli
