#include <gtest/gtest.h>

#include "cli_document.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::runCli;

constexpr std::size_t kRecordSize = 24;

std::string recordHex(const std::string& file, int record) {
    const std::string contents = test::readFile(file);
    return test::hex(
        std::span(reinterpret_cast<const std::uint8_t*>(contents.data()) + record * kRecordSize,
                  kRecordSize));
}

using test::Document;
using test::lines;

TEST(ChannelsCommand, ListsTheTitleRowChannels1To128AndFr) {
    Document doc;
    ASSERT_EQ(runCli({"set", doc.file, "2:1=145.5", "Fr:1=433", "Fr:6=Low"}).status, 1);
    ASSERT_EQ(runCli({"set", doc.file, "2:1=145.5", "Fr:1=146", "Fr:6=Low"}).status, 0);
    struct Case {
        std::vector<std::string> language;
        const char* titles;
        const char* row2;
        const char* fr;
    };
    const Case cases[] = {
        {{},
         "CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tChnnel Name\tPower\t W/N \t"
         "Scan Add\tBusy Lock",
         "2\t145.50000\t145.50000\tNone\tNone\t\tHigh\tWide\tYes\tOff",
         "Fr\t146.00000\t146.00000\tNone\tNone\t\tLow\tWide\tYes\tOff"},
        {{"--lang", "zh"},
         "信道\t接收频率\t发射频率\tQT/DQT解码\tQT/DQT编码\t信道名字\t功率\t宽/窄\t扫描添加\t"
         "繁忙锁定",
         "2\t145.50000\t145.50000\t无\t无\t\t高\t宽\t是\t关",
         "Fr\t146.00000\t146.00000\t无\t无\t\t低\t宽\t是\t关"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"channels", doc.file};
        words.insert(words.end(), c.language.begin(), c.language.end());
        const auto listed = runCli(words);
        ASSERT_EQ(listed.status, 0) << listed.err;
        const std::vector<std::string> rows = lines(listed.out);
        ASSERT_EQ(rows.size(), 130u);
        EXPECT_EQ(rows[0], c.titles);
        EXPECT_EQ(rows[1], "1\t\t\t\t\t\t\t\t\t");
        EXPECT_EQ(rows[2], c.row2);
        EXPECT_EQ(rows[128], "128\t\t\t\t\t\t\t\t\t");
        EXPECT_EQ(rows[129], c.fr);
    }
    EXPECT_EQ(runCli({"channels", doc.file, "--lang", "fr"}).status, 2);
    EXPECT_EQ(runCli({"channels", doc.dir.file("missing.dat")}).status, 2);
}

TEST(SetCommand, AssignmentsAreCellCommitsAndTheDocumentIsSaved) {
    Document doc;
    const auto set =
        runCli({"set", doc.file, "1:1=145.1", "1:2=145.7", "1:3=D023N", "1:4=88.5", "1:5=信道",
                "1:6=Low", "1:7=Narrow", "1:8=No", "1:9=Carrier", "Fr:1=150.0125", "Fr:2=180"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.err, "Warning: cell Fr:2 was given \"180\" and stored as \"136.00000\".\n");
    EXPECT_EQ(recordHex(doc.file, 0),
              "00 00 51 14 00 00 57 14 23 80 85 08 FF 83 FF FF D0 C5 B5 C0 FF FF FF FF");
    // Tx out of band becomes the band's lower limit; an empty row stores busy lock 10
    // beside the kept bit 0.
    EXPECT_EQ(recordHex(doc.file, 128),
              "50 12 00 15 00 00 60 13 FF FF FF FF FF 79 FF FF FF FF FF FF FF FF FF FF");
    EXPECT_EQ(recordHex(doc.file, 127),
              "FF FF FF FF FF FF FF FF FF FF FF FF FF 05 FF FF FF FF FF FF FF FF FF FF");

    const auto chinese = runCli({"set", doc.file, "1:6=高", "1:3=无", "--lang", "zh"});
    ASSERT_EQ(chinese.status, 0) << chinese.err;
    EXPECT_EQ(recordHex(doc.file, 0).substr(24, 15), "FF FF 85 08 FF ");
    EXPECT_EQ(test::readFile(doc.file)[13], '\xA3');
}

TEST(SetCommand, TheFirstRefusalLeavesTheFileUntouched) {
    struct Case {
        std::vector<std::string> assignments;
        int status;
        const char* error;
    };
    const Case cases[] = {
        {{"1:1=145.5", "2:1=145.003"},
         1,
         "Cell 2:1: Error data Value, please input according the step value(6.25K/5k).\n"},
        {{"1:1=50"}, 1, "Cell 1:1: Error Data Format, please input again.\n"},
        {{"1:1=999999999"}, 1, "Cell 1:1: Error Data Format, please input again.\n"},
        {{"Fr:1=180"},
         1,
         "Cell Fr:1: Out of range, please input again.\nA frequency must lie in the document's "
         "band 136–174 MHz.\n"},
        {{"3:5=ABCDEFGHI"},
         1,
         "Cell 3:5: A channel name is at most 8 bytes in the radio's code page: 8 letters or "
         "digits, or 4 Chinese characters.\n"},
        {{"3:6=Medium"},
         1,
         "Cell 3:6: \"Medium\" is not a value of \"Power\"; choose \"Low\" or \"High\".\n"},
        {{"3:3=77.7"},
         1,
         "Cell 3:3: \"77.7\" is not a value of \"QT/DQT Dec\"; choose one of the 261 texts of "
         "its list, \"None\", \"67.0\" ... \"D754I\"; see \"kwprog-cli tones\".\n"},
        {{"3:6=高"},
         1,
         "Cell 3:6: \"高\" is not a value of \"Power\"; choose \"Low\" or \"High\".\n"},
        // Only what the frequency editor lets through is a frequency.
        {{"4:1=146,5"}, 1, "Cell 4:1: Error Data Format, please input again.\n"},
        {{"4:1=0x92"}, 1, "Cell 4:1: Error Data Format, please input again.\n"},
        {{"4:1=146.5MHz"}, 1, "Cell 4:1: Error Data Format, please input again.\n"},
        {{"4:1=146=5"}, 1, "Cell 4:1: Error Data Format, please input again.\n"},
        {{"3:2=..5"}, 1, "Cell 3:2: Error Data Format, please input again.\n"},
        // A value needs a channel: an Rx now or from the same command.
        {{"20:5=ABC"}, 1, "Cell 20:5: row 20 has no Rx frequency.\n"},
        {{"128:6=High"}, 1, "Cell 128:6: row 128 has no Rx frequency.\n"},
        {{"3:2=145", "3:1="}, 1, "Cell 3:2: row 3 has no Rx frequency.\n"},
        {{"129:1=145"}, 2, nullptr},
        {{"0:1=145"}, 2, nullptr},
        {{"1:10=145"}, 2, nullptr},
        {{"frr:1=145"}, 2, nullptr},
        {{"1:rxx=145"}, 2, nullptr},
        {{"1:0=145"}, 2, nullptr},
        {{"1-1=145"}, 2, nullptr},
    };
    for (const Case& c : cases) {
        Document doc;
        ASSERT_EQ(runCli({"set", doc.file, "3:1=145", "3:2=146"}).status, 0);
        const std::string before = test::readFile(doc.file);
        std::vector<std::string> words{"set", doc.file};
        words.insert(words.end(), c.assignments.begin(), c.assignments.end());
        const auto set = runCli(words);
        EXPECT_EQ(set.status, c.status) << c.assignments.back();
        if (c.error) {
            EXPECT_EQ(set.err, c.error);
        } else {
            EXPECT_NE(set.err.find("is not CELL=VALUE"), std::string::npos) << set.err;
        }
        EXPECT_EQ(test::readFile(doc.file), before) << c.assignments.back();
    }
}

TEST(ExportImport, ExportedChannelsImportIntoANewDocumentAsTheSameRecords) {
    Document source;
    ASSERT_EQ(
        runCli({"set", source.file, "1:1=145.1", "1:2=145.7", "1:3=D023N", "1:4=88.5",
                "1:5=A,\"B\"", "1:6=Low", "1:7=Narrow", "1:8=No", "1:9=Carrier", "64:1=136.00625",
                "64:4=D754I", "64:5=信道名字", "64:9=QT/DQT", "Fr:1=174", "Fr:2=136", "2:1=145"})
            .status,
        0);
    // A name as a radio may hold it: a literal "\x41", then a byte that is no character.
    std::string contents = test::readFile(source.file);
    contents.replace(kRecordSize + 16, 5, "\\x41\xB0");
    test::writeFile(source.file, contents);
    const std::string csv = source.dir.file("channels.csv");
    const auto exported = runCli({"export", source.file, csv});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::vector<std::string> rows = lines(test::readFile(csv));
    ASSERT_EQ(rows.size(), 130u);
    EXPECT_EQ(rows[1], "145.10000,145.70000,D023N,88.5,\"A,\"\"B\"\"\",Low,Narrow,No,Carrier\r");
    EXPECT_EQ(rows[2], "145.00000,145.00000,None,None,\\\\x41\\xB0,High,Wide,Yes,Off\r");
    EXPECT_EQ(rows[64], "136.00625,136.00625,None,D754I,信道名字,High,Wide,Yes,QT/DQT\r");
    EXPECT_EQ(rows[129], "174.00000,136.00000,None,None,,High,Wide,Yes,Off\r");

    Document target;
    const auto imported = runCli({"import", target.file, csv});
    ASSERT_EQ(imported.status, 0) << imported.err;
    for (int record = 0; record <= 128; ++record) {
        EXPECT_EQ(recordHex(target.file, record), recordHex(source.file, record)) << record;
    }
}

TEST(ExportImport, RefusalsNameTheCellAndLeaveTheDocumentUntouched) {
    Document doc;
    ASSERT_EQ(runCli({"set", doc.file, "1:1=145"}).status, 0);
    const std::string before = test::readFile(doc.file);
    const std::string csv = doc.dir.file("in.csv");
    ASSERT_EQ(runCli({"export", doc.file, csv}).status, 0);
    const std::string text = test::readFile(csv);
    std::string rasterRow2 = text;
    const std::size_t row2 = text.find("\r\n", text.find("\r\n") + 2) + 2;
    rasterRow2.replace(row2, std::string_view(",,,,,,,,").size(), "145.003,,,,,,,,");
    std::string nameWithoutRx = text;
    nameWithoutRx.replace(row2, std::string_view(",,,,,,,,").size(), ",,,,ABC,,,,");
    struct Case {
        std::string csv;
        int status;
        const char* error;
    };
    const Case cases[] = {
        {rasterRow2, 1,
         ": line 3, row 2, column 1 \"Rx Frequency\": Error data Value, please input according the "
         "step value(6.25K/5k).\n"},
        {nameWithoutRx, 1,
         ": line 3, row 2, column 5 \"Chnnel Name\": row 2 has no Rx frequency.\n"},
        {text + ",,,,,,,,\r\n", 2, ": The file has 130 channel rows"},
        {"\"unclosed", 2, ": Line 1 is not valid CSV: a quoted field is not closed."},
    };
    for (const Case& c : cases) {
        test::writeFile(csv, c.csv);
        const auto imported = runCli({"import", doc.file, csv});
        EXPECT_EQ(imported.status, c.status);
        EXPECT_NE(imported.err.find("Cannot import \"" + csv + "\"" + c.error), std::string::npos)
            << imported.err;
        EXPECT_EQ(test::readFile(doc.file), before);
    }
    EXPECT_EQ(runCli({"import", doc.file, doc.dir.file("missing.csv")}).status, 2);
    EXPECT_EQ(runCli({"export", doc.file, doc.dir.file("no/such/dir/out.csv")}).status, 2);
    EXPECT_EQ(test::readFile(doc.file), before);
}

}  // namespace
}  // namespace kw
