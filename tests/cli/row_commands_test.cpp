#include <gtest/gtest.h>

#include "cli_document.h"

namespace kw {
namespace {

using test::runCli;

constexpr std::size_t kRecordSize = 24;
constexpr std::size_t kHiddenByte = 14;  // a byte of the record no column shows
constexpr std::size_t kFrRecordIndex = 128;

// A document whose channels 1, 2, ... are named by `layout` ('.' empty) and Fr by `fr`.
// Rx falls as the letter rises; the hidden byte holds the letter, so it tells whole
// records moved.
struct LaidOutDocument : test::Document {
    explicit LaidOutDocument(std::string_view layout, const char* model = "KW-217V",
                             char fr = 'F') {
        EXPECT_EQ(runCli({"new", file, "--model", model, "--force"}).status, 0);
        std::vector<std::string> words{"set", file};
        const std::string all =
            std::string(layout) + std::string(kFrRecordIndex - layout.size(), '.') + fr;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i] == '.') {
                continue;
            }
            const std::string row = i == kFrRecordIndex ? "Fr" : std::to_string(i + 1);
            const double base = std::string(model) == "KW-217V" ? 150 : 450;
            words.push_back(row +
                            ":rx=" + std::to_string(base - 0.5 * (std::toupper(all[i]) - 'A')));
            words.push_back(row + ":name=" + std::string(1, all[i]));
        }
        if (words.size() > 2) {
            EXPECT_EQ(runCli(words).status, 0);
        }
        std::string bytes = test::readFile(file);
        for (std::size_t i = 0; i < all.size(); ++i) {
            bytes[i * kRecordSize + kHiddenByte] = all[i];
        }
        test::writeFile(file, bytes);
    }

    // Channels 1-128 by their hidden byte, trailing empty rows left out, then "|" and Fr's.
    std::string layout() const {
        const std::string bytes = test::readFile(file);
        std::string layout;
        for (std::size_t record = 0; record <= kFrRecordIndex; ++record) {
            const bool used = static_cast<std::uint8_t>(bytes[record * kRecordSize]) != 0xFF;
            layout += used ? bytes[record * kRecordSize + kHiddenByte] : '.';
        }
        const char fr = layout.back();
        layout.pop_back();
        return layout.substr(0, layout.find_last_not_of('.') + 1) + '|' + fr;
    }
};

TEST(RowCommands, ReorderWholeChannelsAndRefuseBadRows) {
    struct Case {
        std::vector<std::string> words;  // after the command name and FILE
        int status;
        const char* layout;
    };
    const Case cases[] = {
        {{"move", "3", "--to", "1"}, 0, "CAB|F"},
        {{"move", "1,3", "--to", "2"}, 0, "BAC|F"},
        {{"move", "1-3", "--to", "127"}, 1, "ABC|F"},
        {{"move", "1"}, 2, "ABC|F"},
        {{"move", "Fr", "--to", "1"}, 2, "ABC|F"},
        {{"move", "1", "--to", "Fr"}, 2, "ABC|F"},
        {{"delete", "1-2"}, 0, "C|F"},
        {{"delete", "3,1"}, 0, "B|F"},
        {{"delete", "3-1"}, 2, "ABC|F"},
        {{"delete", "1,,2"}, 2, "ABC|F"},
        {{"delete", "0"}, 2, "ABC|F"},
        {{"delete", "129"}, 2, "ABC|F"},
        {{"insert", "2"}, 0, "A.BC|F"},
        {{"insert", "Fr"}, 2, "ABC|F"},
        {{"sort", "--by", "name", "--descending"}, 0, "CBA|F"},
        {{"sort", "--by", "rx"}, 0, "CBA|F"},
        {{"sort", "--by", "rx", "--descending"}, 0, "ABC|F"},
        {{"sort", "--by", "tx"}, 2, "ABC|F"},
    };
    for (const Case& c : cases) {
        LaidOutDocument doc("ABC");
        std::vector<std::string> words{c.words.front(), doc.file};
        words.insert(words.end(), c.words.begin() + 1, c.words.end());
        const auto run = runCli(words);
        EXPECT_EQ(run.status, c.status) << words[0] << ' ' << words[2] << run.err;
        EXPECT_EQ(run.status == 0, run.err.empty()) << words[0] << ' ' << words[2];
        EXPECT_EQ(doc.layout(), c.layout) << words[0] << ' ' << words[2];
    }
    LaidOutDocument full(std::string(128, 'A'));
    const auto refused = runCli({"insert", full.file, "1"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "No room: channels in use would be pushed past channel 128.\n");
}

TEST(CopyCommand, CopiesWholeChannelsIntoAnotherDocument) {
    struct Case {
        std::vector<std::string> words;  // between SRC and DST, and after DST
        const char* sourceModel;
        int status;
        const char* layout;
    };
    const Case cases[] = {
        {{"1-2"}, "KW-217V", 0, "ABz|T"},
        {{"3,1", "--at", "5"}, "KW-217V", 0, "xyz.CA|T"},
        {{"4", "--at", "1"}, "KW-217V", 0, ".yz|T"},
        {{"1-2", "--at", "128"}, "KW-217V", 1, "xyz|T"},
        {{"1"}, "KW-217U", 1, "xyz|T"},
        {{"1,Fr"}, "KW-217V", 2, "xyz|T"},
        {{"Fr", "--at", "3"}, "KW-217V", 2, "xyz|T"},
        {{"Fr"}, "KW-217V", 0, "xyz|S"},
        {{"1-"}, "KW-217V", 2, "xyz|T"},
    };
    for (const Case& c : cases) {
        LaidOutDocument source("ABC.", c.sourceModel, 'S');
        LaidOutDocument target("xyz", "KW-217V", 'T');
        std::vector<std::string> words{"copy", source.file, c.words.front(), target.file};
        words.insert(words.end(), c.words.begin() + 1, c.words.end());
        const auto run = runCli(words);
        EXPECT_EQ(run.status, c.status) << c.words.front() << run.err;
        EXPECT_EQ(target.layout(), c.layout) << c.words.front();
    }
}

}  // namespace
}  // namespace kw
