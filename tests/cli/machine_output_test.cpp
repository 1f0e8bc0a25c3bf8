#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "channels/cell_names.h"
#include "cli_document.h"

namespace kw {
namespace {

using nlohmann::json;
using test::fields;
using test::lines;
using test::runCli;

struct Filled : test::Document {
    Filled() {
        EXPECT_EQ(runCli({"set", file, "3:rx=145.5", "3:dec=D023N", "3:name=A\"\\\\x41",
                          "3:power=Low", "77:rx=146", "77:name=信道", "fr:rx=150"})
                      .status,
                  0);
    }
};

TEST(ChannelsCommand, UsedJsonAndCsvHoldWhatTheTableShows) {
    Filled doc;
    for (const std::string language : {"en", "zh"}) {
        const auto table = runCli({"channels", doc.file, "--lang", language});
        const auto used = runCli({"channels", doc.file, "--used", "--lang", language});
        const auto csv =
            runCli({"channels", doc.file, "--used", "--format", "csv", "--lang", language});
        const auto listed =
            runCli({"channels", doc.file, "--used", "--format", "json", "--lang", language});
        ASSERT_EQ(listed.status, 0) << listed.err;
        const std::vector<std::string> all = lines(table.out);
        const std::vector<std::string> rows = lines(used.out);
        ASSERT_EQ(rows, (std::vector<std::string>{all[0], all[3], all[77], all[129]}));
        const std::vector<std::string> csvRows = lines(csv.out);
        ASSERT_EQ(csvRows.size(), rows.size());
        const json channels = json::parse(listed.out);
        ASSERT_EQ(channels.size(), rows.size() - 1);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto cells = fields(rows[i]);
            // Row 3's name, with its quote, is the one field CSV quotes.
            std::string expectedCsv = rows[i];
            std::replace(expectedCsv.begin(), expectedCsv.end(), '\t', ',');
            if (const auto name = expectedCsv.find("A\""); name != std::string::npos) {
                expectedCsv.replace(name, 2, "\"A\"\"");
                expectedCsv.insert(expectedCsv.find(',', name + 4), 1, '"');
            }
            EXPECT_EQ(csvRows[i], expectedCsv + '\r') << language;
            if (i == 0) {
                continue;
            }
            const json& channel = channels[i - 1];
            EXPECT_EQ(channel.size(), 10u);
            EXPECT_EQ(channel.at("ch"), cells[0]);
            for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
                EXPECT_EQ(channel.at(std::string(columnKey(column))),
                          cells[static_cast<std::size_t>(column)])
                    << cells[0] << ' ' << columnKey(column) << ' ' << language;
            }
        }
    }
    EXPECT_EQ(runCli({"channels", doc.file, "--format", "xml"}).status, 2);
}

TEST(ReportCommands, JsonHoldsWhatTheTextShowsButNeverThePassword) {
    Filled doc;
    const auto info = runCli({"info", doc.file, "--format", "json"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(
        json::parse(info.out),
        json::parse(
            R"({"model": "KW-217V", "band": "136-174", "channels": 3, "password": "empty"})"));
    ASSERT_EQ(runCli({"features", doc.file, "--set", "Password=123456"}).status, 0);
    EXPECT_EQ(json::parse(runCli({"info", doc.file, "--format", "json"}).out).at("password"),
              "set");
    for (const std::string language : {"en", "zh"}) {
        const auto text = lines(runCli({"features", doc.file, "--lang", language}).out);
        const auto listed = runCli({"features", doc.file, "--lang", language, "--format", "json"});
        ASSERT_EQ(listed.status, 0) << listed.err;
        EXPECT_EQ(listed.out.find("123456"), std::string::npos);
        const json features = json::parse(listed.out);
        ASSERT_EQ(features.size(), text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto cells = fields(text[i]);
            EXPECT_EQ(features[i].at("label"), cells[0]);
            EXPECT_EQ(features[i].at("value"), cells[1] == "123456" ? "set" : cells[1]) << cells[0];
        }
    }
    EXPECT_EQ(runCli({"info", doc.file, "--format", "csv"}).status, 2);
}

}  // namespace
}  // namespace kw
