#include "platform/help_topics.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(HelpTopics, ContextNumbersNameTheirPages) {
    EXPECT_EQ(helpPageFor(32786), "product_information.html");  // the command
    EXPECT_EQ(helpPageFor(1013), "product_information.html");   // its model list
    EXPECT_EQ(helpPageFor(1114), "product_information.html");
    EXPECT_EQ(helpPageFor(1076), "language.html");
    EXPECT_EQ(helpPageFor(32799), "language.html");
    EXPECT_EQ(helpPageFor(32773), "read.html");
    EXPECT_EQ(helpPageFor(57604), "file_save.html");
    EXPECT_EQ(helpPageFor(129), "main_window.html");
    EXPECT_EQ(helpPageFor(32793), "index.html");
    EXPECT_EQ(helpPageFor(4711), "index.html");
}

TEST(HelpTopics, ChannelEditorsAndOptionalFeaturesControlsShareNumbersButNotPages) {
    EXPECT_EQ(helpPageFor(1127), "channel_information.html");  // the frequency editor
    EXPECT_EQ(helpPageFor(2128), "channel_information.html");  // ... in the Tx column
    EXPECT_EQ(helpPageFor(2133), "channel_information.html");  // the tone list, encode
    EXPECT_EQ(helpPageFor(1127, HelpWindow::OptionalFeatures), "optional_features.html");
    EXPECT_EQ(helpPageFor(1115, HelpWindow::OptionalFeatures), "optional_features.html");
    EXPECT_EQ(helpPageFor(1137, HelpWindow::OptionalFeatures), "optional_features.html");
    EXPECT_EQ(helpPageFor(32773, HelpWindow::OptionalFeatures), "read.html");
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
