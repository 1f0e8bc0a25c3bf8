#include "platform/help_topics.h"

#include <array>
#include <optional>

#include "base/plain_name.h"
#include "res/command_ids.h"

namespace kw {
namespace {

struct TopicRange {
    HelpWindow window;
    int first;
    int last;
    std::string_view page;
};

using namespace command;

constexpr TopicRange commands(CommandId first, CommandId last, std::string_view page) {
    return {HelpWindow::Program, numberOf(first), numberOf(last), page};
}

constexpr TopicRange program(int first, int last, std::string_view page) {
    return {HelpWindow::Program, first, last, page};
}

constexpr std::array<TopicRange, 29> kTopics{{
    commands(kFileNew, kFileNew, "file_new.html"),
    commands(kFileOpen, kFileOpen, "file_open.html"),
    commands(kFileClose, kFileClose, "file_close.html"),
    commands(kFileSave, kFileSaveAs, "file_save.html"),
    commands(kFilePrintSetup, kFilePrintPreview, "file_print.html"),
    commands(kAppAbout, kAppAbout, "about.html"),
    commands(kAppExit, kAppExit, "exit.html"),
    commands(kViewToolbar, kViewStatusBar, "main_window.html"),
    commands(kControlBar, kControlBar, "control_bar.html"),
    commands(kRead, kRead, "read.html"),
    commands(kWrite, kWrite, "write.html"),
    commands(kComSetup, kComSetup, "com_setup.html"),
    commands(kProductInformation, kProductInformation, "product_information.html"),
    commands(kChannelInformation, kChannelInformation, "channel_information.html"),
    commands(kOptionalFeatures, kOptionalFeatures, "optional_features.html"),
    commands(kHelpTopics, kHelpTopics, "index.html"),
    commands(kLanguage, kLanguage, "language.html"),
    commands(kPreferences, kPreferences, "safe_write.html"),
    commands(kRestoreBackup, kOpenBackup, "safe_write.html"),
    commands(kCompare, kCompare, "compare.html"),
    commands(kFleetWrite, kFleetWrite, "fleet_write.html"),
    program(control::kModelList, control::kModelList, "product_information.html"),
    program(control::kLowerLimit, control::kUpperLimit, "product_information.html"),
    program(control::kEnglish, control::kChinese, "language.html"),
    // The channel grid (control 1022), its in-place editors and the contexts the
    // frequency and tone editors ask for by column.
    program(1022, 1022, "channel_information.html"),
    program(1126, 1134, "channel_information.html"),
    program(2127, 2133, "channel_information.html"),
    program(resource::kMainMenu, resource::kDocumentMenu, "main_window.html"),
    {HelpWindow::OptionalFeatures, 1115, 1137, "optional_features.html"},
}};

std::optional<std::string_view> pageIn(HelpWindow window, int number) {
    for (const TopicRange& topic : kTopics) {
        if (topic.window == window && number >= topic.first && number <= topic.last) {
            return topic.page;
        }
    }
    return std::nullopt;
}

struct TopicAnchor {
    int context;
    std::string_view anchor;
};

// The main window's contexts of the channel editors, one for each column they edit.
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

std::string_view helpPageFor(HelpContext context) {
    if (const auto page = pageIn(context.window(), context.number())) {
        return *page;
    }
    return pageIn(HelpWindow::Program, context.number()).value_or(kHelpIndexPage);
}

std::string_view helpAnchorFor(HelpContext context) {
    if (context.window() != HelpWindow::Program) {
        return {};
    }
    for (const TopicAnchor& topic : kChannelColumnAnchors) {
        if (topic.context == context.number()) {
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
