#include <gtest/gtest.h>

#include "cli_document.h"

namespace kw {
namespace {

using test::lines;
using test::runCli;

const std::string kFortyChannels = std::string(KW_TEST_DATA_DIR) + "/chirp_40_channels.csv";

constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n";

// A file with lines the radio cannot hold: nothing goes in unless --skip-bad, which takes
// the rest and only warns.
TEST(ChirpFormat, RefusedLinesStopTheImportUnlessSkipBadIsGiven) {
    for (const bool skipBad : {false, true}) {
        test::Document doc;
        const std::string before = test::readFile(doc.file);
        std::vector<std::string> words{"import", doc.file, kFortyChannels, "--format", "chirp"};
        if (skipBad) {
            words.push_back("--skip-bad");
        }
        const auto imported = runCli(words);
        EXPECT_EQ(imported.status, skipBad ? 0 : 1) << imported.err;
        const std::string prefix = skipBad ? "Warning: \"" : "Cannot import \"";
        EXPECT_EQ(lines(imported.err).at(0),
                  prefix + kFortyChannels +
                      "\" line 36, column \"Mode\": \"AM\" is not a mode of this radio: FM "
                      "(Wide) or NFM (Narrow).");
        EXPECT_NE(imported.err.find(prefix + kFortyChannels + "\" line 37, column \"Frequency\""),
                  std::string::npos);
        EXPECT_EQ(imported.err.find("Nothing imported: the radio cannot hold 2 lines; --skip-bad "
                                    "imports the rest.") == std::string::npos,
                  skipBad);
        if (!skipBad) {
            EXPECT_EQ(test::readFile(doc.file), before);
            continue;
        }
        const auto rows = lines(runCli({"channels", doc.file}).out);
        EXPECT_EQ(rows[7], "7\t147.06000\t147.66000\tD445I\t123.0\tXTD\tHigh\tWide\tYes\tOff");
        EXPECT_EQ(rows[100], "100\t\t\t\t\t\t\t\t\t");
        EXPECT_EQ(rows[105], "105\t146.58000\t146.58000\tD051N\tD051N\tHOME\tHigh\tWide\tYes\tOff");
    }
}

TEST(ChirpFormat, ExportThenImportIntoANewDocumentGivesTheSameFile) {
    test::Document source;
    ASSERT_EQ(
        runCli({"import", source.file, kFortyChannels, "--format", "chirp", "--skip-bad"}).status,
        0);
    const std::string csv = source.dir.file("out.csv");
    ASSERT_EQ(runCli({"export", source.file, csv, "--format", "chirp"}).status, 0);
    EXPECT_EQ(lines(test::readFile(csv)).size(), 39u);
    test::Document target;
    const auto imported = runCli({"import", target.file, csv, "--format", "chirp"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(test::readFile(target.file), test::readFile(source.file));
}

TEST(ChirpFormat, ReplaceClearsChannelsTheFileLacksButNotFr) {
    for (const bool replace : {false, true}) {
        test::Document doc;
        ASSERT_EQ(runCli({"set", doc.file, "100:rx=147", "fr:rx=146"}).status, 0);
        const std::string csv = doc.dir.file("one.csv");
        test::writeFile(csv, std::string(kHeader) +
                                 "0,ONE,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                                 "5.00,,5.0W,\n");
        std::vector<std::string> words{"import", doc.file, csv, "--format", "chirp"};
        if (replace) {
            words.push_back("--replace");
        }
        ASSERT_EQ(runCli(words).status, 0);
        const auto rows = lines(runCli({"channels", doc.file}).out);
        EXPECT_EQ(rows[1], "1\t145.50000\t145.50000\tNone\tNone\tONE\tHigh\tWide\tYes\tOff");
        EXPECT_EQ(test::fields(rows[100])[1], replace ? "" : "147.00000");
        EXPECT_EQ(test::fields(rows[129])[1], "146.00000");
    }
}

TEST(ChirpFormat, BadUsageAndUnreadableFilesChangeNothing) {
    const struct {
        std::vector<std::string> options;
        std::string csv;
        const char* error;
    } cases[] = {
        {{"--format", "xml"}, kHeader, "Unknown format \"xml\"; choose csv or chirp."},
        {{"--skip-bad"}, kHeader, "--skip-bad is for --format chirp"},
        {{"--format", "chirp"},
         "Location,Frequency\n",
         "\": The first line must name CHIRP's columns; it lacks \"Name\""},
    };
    for (const auto& c : cases) {
        test::Document doc;
        const std::string before = test::readFile(doc.file);
        const std::string csv = doc.dir.file("in.csv");
        test::writeFile(csv, c.csv);
        std::vector<std::string> words{"import", doc.file, csv};
        words.insert(words.end(), c.options.begin(), c.options.end());
        const auto imported = runCli(words);
        EXPECT_EQ(imported.status, 2) << imported.err;
        EXPECT_NE(imported.err.find(c.error), std::string::npos) << imported.err;
        EXPECT_EQ(test::readFile(doc.file), before);
    }
    test::Document doc;
    EXPECT_EQ(runCli({"export", doc.file, "-", "--format", "tsv"}).status, 2);
}

}  // namespace
}  // namespace kw
