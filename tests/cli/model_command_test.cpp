#include <gtest/gtest.h>

#include "cli_document.h"

namespace kw {
namespace {

using test::lines;
using test::runCli;

TEST(ModelCommand, ChangesModelAndBandAndNeedsForceToClearChannels) {
    const std::string clears =
        "The band becomes 400-520 MHz, which clears the frequencies and tones of channels 3, Fr.\n";
    const struct {
        std::vector<std::string> channels;  // set before
        std::vector<std::string> words;     // after FILE
        int status;
        std::string err;
        const char* model;  // afterwards
        std::size_t used;   // rows `channels --used` lists afterwards, title row included
    } cases[] = {
        {{}, {"KW-217U"}, 0, "", "model: KW-217U", 1},
        {{"3:rx=145", "fr:rx=146"}, {"KW-217V"}, 0, "", "model: KW-217V", 3},
        {{"3:rx=145", "fr:rx=146"},
         {"KW-217U"},
         1,
         clears + "Give --force to change the model all the same.\n",
         "model: KW-217V",
         3},
        {{"3:rx=145", "fr:rx=146"}, {"KW-217U", "--force"}, 0, clears, "model: KW-217U", 1},
        {{},
         {"KW-217X"},
         2,
         "Unknown model \"KW-217X\"; choose KW-217V or KW-217U.\n",
         "model: KW-217V",
         1},
    };
    for (const auto& c : cases) {
        test::Document doc;
        if (!c.channels.empty()) {
            std::vector<std::string> set{"set", doc.file};
            set.insert(set.end(), c.channels.begin(), c.channels.end());
            ASSERT_EQ(runCli(set).status, 0);
        }
        std::vector<std::string> words{"model", doc.file};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const auto changed = runCli(words);
        EXPECT_EQ(changed.status, c.status) << c.words[0];
        EXPECT_EQ(changed.err, c.err);
        EXPECT_EQ(lines(runCli({"info", doc.file}).out).at(0), c.model);
        EXPECT_EQ(lines(runCli({"channels", doc.file, "--used"}).out).size(), c.used);
    }
}

}  // namespace
}  // namespace kw
