#include "platform/help_topics.h"

#include <gtest/gtest.h>

#include "channels/channel_editors.h"
#include "features/feature_settings.h"

namespace kw {
namespace {

HelpContext program(int number) {
    return {number, HelpWindow::Program};
}

TEST(HelpTopics, ContextNumbersNameTheirPages) {
    EXPECT_EQ(helpPageFor(program(32786)), "product_information.html");  // the command
    EXPECT_EQ(helpPageFor(program(1013)), "product_information.html");   // its model list
    EXPECT_EQ(helpPageFor(program(1114)), "product_information.html");
    EXPECT_EQ(helpPageFor(program(1076)), "language.html");
    EXPECT_EQ(helpPageFor(program(32799)), "language.html");
    EXPECT_EQ(helpPageFor(program(32773)), "read.html");
    EXPECT_EQ(helpPageFor(program(57604)), "file_save.html");
    EXPECT_EQ(helpPageFor(program(129)), "main_window.html");
    EXPECT_EQ(helpPageFor(program(32793)), "index.html");
    EXPECT_EQ(helpPageFor(program(32840)), "safe_write.html");  // Preferences
    EXPECT_EQ(helpPageFor(program(32843)), "safe_write.html");  // Open Backup
    EXPECT_EQ(helpPageFor(program(32841)), "compare.html");
    EXPECT_EQ(helpPageFor(program(32810)), "fleet_write.html");
    EXPECT_EQ(helpPageFor(program(4711)), "index.html");
}

TEST(HelpTopics, ChannelEditorsAndOptionalFeaturesControlsShareNumbersButNotPages) {
    EXPECT_EQ(helpPageFor(program(1127)), "channel_information.html");  // the frequency editor
    EXPECT_EQ(helpPageFor(program(2128)), "channel_information.html");  // ... in the Tx column
    EXPECT_EQ(helpPageFor(program(2133)), "channel_information.html");  // the tone list, encode
    EXPECT_EQ(helpPageFor({1127, HelpWindow::OptionalFeatures}), "optional_features.html");
    EXPECT_EQ(helpPageFor({1115, HelpWindow::OptionalFeatures}), "optional_features.html");
    EXPECT_EQ(helpPageFor({1137, HelpWindow::OptionalFeatures}), "optional_features.html");
    EXPECT_EQ(helpPageFor({32773, HelpWindow::OptionalFeatures}), "read.html");
}

// A control's identifier carries its window, so equal numbers of different windows
// cannot reach the same page.
TEST(HelpTopics, ControlsOfDifferentWindowsWithEqualNumbersOpenTheirOwnPages) {
    struct Case {
        HelpContext context;
        std::string_view page;
    };
    const Case cases[] = {
        {kFrequencyEditorId, "channel_information.html"},
        {FeatureControlId{1127}, "optional_features.html"},  // Beep
        {kToneListId, "channel_information.html"},
        {FeatureControlId{1132}, "optional_features.html"},  // MSK Type
        {command::kRead, "read.html"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(helpPageFor(c.context), c.page) << c.context.number();
    }
}

TEST(HelpTopics, ChannelEditorsOpenTheSectionOfTheirColumn) {
    struct Case {
        int context;
        HelpWindow window;
        std::string_view anchor;
    };
    const Case cases[] = {
        {2127, HelpWindow::Program, "rx-frequency"},
        {2128, HelpWindow::Program, "tx-frequency"},
        {2132, HelpWindow::Program, "decode-tone"},
        {2133, HelpWindow::Program, "encode-tone"},
        {1126, HelpWindow::Program, "channel-name"},
        {1129, HelpWindow::Program, "power"},
        {1128, HelpWindow::Program, "width"},
        {1134, HelpWindow::Program, "scan-add"},
        {1130, HelpWindow::Program, "busy-lock"},
        {1022, HelpWindow::Program, ""},
        {32773, HelpWindow::Program, ""},
        {1126, HelpWindow::OptionalFeatures, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(helpAnchorFor({c.context, c.window}), c.anchor) << c.context;
    }
}

TEST(HelpTopics, HelpFileNamesNameAFolderBesideTheProgram) {
    EXPECT_EQ(helpPagePath("/opt/kw/", "enHelp.chm", "read.html"), "/opt/kw/help/enHelp/read.html");
    EXPECT_EQ(helpPagePath("/opt/kw", "chHelp.chm", "index.html"),
              "/opt/kw/help/chHelp/index.html");
    EXPECT_EQ(helpPagePath("/opt/kw/", "../enHelp.chm", "read.html"), std::nullopt);
    EXPECT_EQ(helpPagePath("/opt/kw/", "enHelp.chm", "../read.html"), std::nullopt);
    EXPECT_EQ(helpPagePath("/opt/kw/", ".chm", "read.html"), std::nullopt);
}

}  // namespace
}  // namespace kw
