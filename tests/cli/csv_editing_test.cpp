#include <gtest/gtest.h>

#include "cli_document.h"

namespace kw {
namespace {

using test::lines;
using test::runCli;

constexpr const char* kFr = "Fr\t146.00000\t146.00000\tNone\tNone\t低\tLow\tNarrow\tNo\tCarrier";
constexpr const char* kRow100 = "100\t147.00000\t147.00000\tNone\tNone\tKEEP\tHigh\tWide\tYes\tOff";
constexpr const char* kEmpty100 = "100\t\t\t\t\t\t\t\t\t";

// CSV as people edit it: a few lines, either language, a loose header, an optional CH
// column; rows the file does not hold stay unless --replace clears them.
TEST(ImportCommand, TakesPartialFilesInEitherLanguageWithOrWithoutCh) {
    const std::string english =
        " rx frequency ,TX FREQUENCY,qt/dqt dec,QT/DQT Enc,chnnel name,power,w/n,SCAN ADD,"
        "Busy Lock\n";
    const std::string lines5 =
        "145.5,,,,,,,,\n146,146.5,100,d023n,A,Low,Narrow,No,Carrier\n147,,,,,,,,\n"
        "148,,none,off,,,,,\n149.5,,,,B,,,,\n";
    const std::string chinese =
        "信道,接收频率,发射频率,QT/DQT解码,QT/DQT编码,信道名字,功率,宽/窄,扫描添加,繁忙锁定\n"
        "fr,146,,无,None,低,低,窄,否,载波\n2,146,146.5,100,d023n,A,Low,Narrow,No,Carrier\n"
        "1,145.5,,,,,,,,\n5,149.5,,,,B,,,,\n3,147,,,,,,,,\n";
    const struct {
        const char* name;
        std::string csv;
        std::vector<std::string> options;
        std::vector<std::pair<std::size_t, std::string>> rows;
    } cases[] = {
        {"english, no CH", english + lines5, {}, {{100, kRow100}}},
        {"byte-order mark", "\xEF\xBB\xBF" + english + lines5, {}, {{100, kRow100}}},
        {"chinese, CH", chinese, {}, {{129, kFr}, {100, kRow100}, {4, "4\t\t\t\t\t\t\t\t\t"}}},
        {"CH in English, replace",
         "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Chnnel Name,Power, W/N ,Scan Add,"
         "Busy Lock\n1,145.5,,,,,,,,\n2,146,146.5,100,d023n,A,Low,Narrow,No,Carrier\n",
         {"--replace"},
         {{100, kEmpty100}}},
    };
    for (const auto& c : cases) {
        test::Document doc;
        ASSERT_EQ(runCli({"set", doc.file, "100:rx=147", "100:name=KEEP"}).status, 0);
        const std::string csv = doc.dir.file("in.csv");
        test::writeFile(csv, c.csv);
        std::vector<std::string> words{"import", doc.file, csv};
        words.insert(words.end(), c.options.begin(), c.options.end());
        const auto imported = runCli(words);
        ASSERT_EQ(imported.status, 0) << c.name << ' ' << imported.err;
        const auto rows = lines(runCli({"channels", doc.file}).out);
        EXPECT_EQ(rows[1], "1\t145.50000\t145.50000\tNone\tNone\t\tHigh\tWide\tYes\tOff") << c.name;
        EXPECT_EQ(rows[2], "2\t146.00000\t146.50000\t100.0\tD023N\tA\tLow\tNarrow\tNo\tCarrier")
            << c.name;
        for (const auto& [row, text] : c.rows) {
            EXPECT_EQ(rows[row], text) << c.name;
        }
    }
}

TEST(ImportCommand, ARefusedLineNamesItsLineAndNothingIsImported) {
    const struct {
        std::string csv;
        int status;
        const char* error;
    } cases[] = {
        {"rx,tx,dec,enc,name,power,wn,scan\n", 2, ": The first line must be the column titles"},
        {"Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Chnnel Name,Power, W/N ,Scan Add,Busy "
         "Lock\n145,,,,,,,,\n146,,77.7,,,,,,\n",
         1, ": line 3, row 2, column 3 \"QT/DQT Dec\": \"77.7\" is not a value"},
        {"CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Chnnel Name,Power, W/N ,Scan Add,Busy "
         "Lock\n7,145,,,,,,,,\n200,146,,,,,,,,\n",
         2, ": Line 3: \"200\" is not a channel; CH is 1-128 or Fr."},
        {"CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Chnnel Name,Power, W/N ,Scan Add,Busy "
         "Lock\n7,145,,,,,,,,\n7,146,,,,,,,,\n",
         2, ": Line 3 names row 7 again."},
    };
    for (const auto& c : cases) {
        test::Document doc;
        ASSERT_EQ(runCli({"set", doc.file, "1:rx=147"}).status, 0);
        const std::string before = test::readFile(doc.file);
        const std::string csv = doc.dir.file("in.csv");
        test::writeFile(csv, c.csv);
        const auto imported = runCli({"import", doc.file, csv});
        EXPECT_EQ(imported.status, c.status) << imported.err;
        EXPECT_NE(imported.err.find("Cannot import \"" + csv + "\"" + c.error), std::string::npos)
            << imported.err;
        EXPECT_EQ(test::readFile(doc.file), before);
    }
}

TEST(ExportCommand, ChineseExportImportsBackAsTheSameDocument) {
    test::Document source;
    ASSERT_EQ(runCli({"set", source.file, "3:rx=145.5", "3:dec=D023N", "3:power=Low", "fr:rx=146",
                      "fr:busy=Carrier"})
                  .status,
              0);
    const std::string csv = source.dir.file("zh.csv");
    ASSERT_EQ(runCli({"export", source.file, csv, "--lang", "zh"}).status, 0);
    EXPECT_EQ(lines(test::readFile(csv))[0],
              "接收频率,发射频率,QT/DQT解码,QT/DQT编码,信道名字,功率,宽/窄,扫描添加,繁忙锁定\r");
    test::Document target;
    const auto imported = runCli({"import", target.file, csv});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(test::readFile(target.file), test::readFile(source.file));
}

}  // namespace
}  // namespace kw
