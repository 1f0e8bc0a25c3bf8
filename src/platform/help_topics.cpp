#include "platform/help_topics.h"

#include <array>

#include "base/plain_name.h"
#include "res/command_ids.h"

namespace kw {
namespace {

struct TopicRange {
    int first;
    int last;
    std::string_view page;
};

using namespace command;

constexpr std::array<TopicRange, 24> kTopics{{
    {kFileNew, kFileNew, "file_new.html"},
    {kFileOpen, kFileOpen, "file_open.html"},
    {kFileClose, kFileClose, "file_close.html"},
    {kFileSave, kFileSaveAs, "file_save.html"},
    {kFilePrintSetup, kFilePrintPreview, "file_print.html"},
    {kAppAbout, kAppAbout, "about.html"},
    {kAppExit, kAppExit, "exit.html"},
    {kViewToolbar, kViewStatusBar, "main_window.html"},
    {kControlBar, kControlBar, "control_bar.html"},
    {kRead, kRead, "read.html"},
    {kWrite, kWrite, "write.html"},
    {kComSetup, kComSetup, "com_setup.html"},
    {kProductInformation, kProductInformation, "product_information.html"},
    {kChannelInformation, kChannelInformation, "channel_information.html"},
    {kOptionalFeatures, kOptionalFeatures, "optional_features.html"},
    {kHelpTopics, kHelpTopics, "index.html"},
    {kLanguage, kLanguage, "language.html"},
    {control::kModelList, control::kModelList, "product_information.html"},
    {control::kLowerLimit, control::kUpperLimit, "product_information.html"},
    {control::kEnglish, control::kChinese, "language.html"},
    // The channel grid (control 1022), its in-place editors and the contexts the
    // frequency and tone editors ask for by column.
    {1022, 1022, "channel_information.html"},
    {1126, 1134, "channel_information.html"},
    {2127, 2133, "channel_information.html"},
    {resource::kMainMenu, resource::kDocumentMenu, "main_window.html"},
}};

struct TopicAnchor {
    int context;
    std::string_view anchor;
};

// The contexts of the channel editors, one for each column they edit.
constexpr std::array<TopicAnchor, 9> kChannelColumnAnchors{{
    {2127, "rx-frequency"},
    {2128, "tx-frequency"},
    {2132, "decode-tone"},
    {2133, "encode-tone"},
    {1126, "channel-name"},
    {1129, "power"},
    {1128, "width"},
    {1134, "scan-add"},
    {1130, "busy-lock"},
}};

}  // namespace

constexpr TopicRange kOptionalFeaturesControls{1115, 1137, "optional_features.html"};

std::string_view helpPageFor(int context, HelpWindow window) {
    if (window == HelpWindow::OptionalFeatures && context >= kOptionalFeaturesControls.first &&
        context <= kOptionalFeaturesControls.last) {
        return kOptionalFeaturesControls.page;
    }
    for (const TopicRange& topic : kTopics) {
        if (context >= topic.first && context <= topic.last) {
            return topic.page;
        }
    }
    return kHelpIndexPage;
}

std::string_view helpAnchorFor(int context, HelpWindow window) {
    if (window != HelpWindow::Program) {
        return {};
    }
    for (const TopicAnchor& topic : kChannelColumnAnchors) {
        if (topic.context == context) {
            return topic.anchor;
        }
    }
    return {};
}

std::optional<std::string> helpPagePath(std::string_view programDirectory,
                                        std::string_view helpFileName, std::string_view page) {
    constexpr std::string_view kExtension = ".chm";
    if (!isPlainName(helpFileName) || !isPlainName(page)) {
        return std::nullopt;
    }
    std::string_view folder = helpFileName;
    if (folder.ends_with(kExtension)) {
        folder.remove_suffix(kExtension.size());
    }
    if (folder.empty()) {
        return std::nullopt;
    }
    std::string path(programDirectory);
    if (!path.empty() && !path.ends_with('/')) {
        path += '/';
    }
    path += "help/";
    path += folder;
    path += '/';
    path += page;
    return path;
}

}  // namespace kw
