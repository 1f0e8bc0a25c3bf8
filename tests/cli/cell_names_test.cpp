#include <gtest/gtest.h>

#include "cli_document.h"

namespace kw {
namespace {

using test::runCli;

TEST(SetCommand, ColumnsAnswerToTheirNumberHeadingsAndShortNamesInAnyCase) {
    struct Case {
        int column;
        std::vector<std::string> names;
        const char* english;  // a value to set, shown as given
        const char* chinese;
    };
    const Case cases[] = {
        {1,
         {"1", "rx", "RX", "Rx Frequency", " rx frequency ", "接收频率"},
         "145.50000",
         "145.50000"},
        {2, {"2", "tx", "Tx", "TX FREQUENCY", "发射频率"}, "146.00000", "146.00000"},
        {3, {"3", "dec", "DEC", "QT/DQT Dec", "qt/dqt dec", "QT/DQT解码"}, "D023N", "D023N"},
        {4, {"4", "enc", "Enc", "QT/DQT Enc", "qt/dqt编码"}, "88.5", "88.5"},
        {5, {"5", "name", "NAME", "Chnnel Name", "chnnel name", "信道名字"}, "CALL", "CALL"},
        {6, {"6", "power", "Power", "POWER", "功率"}, "Low", "低"},
        {7, {"7", "wn", "WN", "W/N", " w/n ", "宽/窄"}, "Narrow", "窄"},
        {8, {"8", "scan", "Scan", "Scan Add", "SCAN ADD", "扫描添加"}, "No", "否"},
        {9, {"9", "busy", "BUSY", "Busy Lock", "busy lock", "繁忙锁定"}, "Carrier", "载波"},
    };
    for (const std::string language : {"en", "zh"}) {
        test::Document doc;
        ASSERT_EQ(runCli({"set", doc.file, "12:1=145"}).status, 0);
        for (const Case& c : cases) {
            for (const std::string& name : c.names) {
                const std::string value = language == "en" ? c.english : c.chinese;
                const auto set =
                    runCli({"set", doc.file, "12:" + name + '=' + value, "--lang", language});
                ASSERT_EQ(set.status, 0) << name << ' ' << set.err;
                EXPECT_EQ(doc.cell(12, c.column, language), value) << name << ' ' << language;
                ASSERT_EQ(runCli({"set", doc.file, "12:1=", "12:1=145"}).status, 0);
            }
        }
    }
}

TEST(SetCommand, RowsAnswerToTheirTitlesAndFrInAnyCase) {
    const struct {
        const char* row;
        int number;
    } cases[] = {{"1", 1}, {"12", 12}, {"128", 128}, {"Fr", 129}, {"fr", 129}, {"FR", 129}};
    for (const auto& c : cases) {
        test::Document doc;
        const auto set = runCli({"set", doc.file, std::string(c.row) + ":rx=146"});
        ASSERT_EQ(set.status, 0) << c.row << ' ' << set.err;
        EXPECT_EQ(doc.cell(c.number, 1), "146.00000") << c.row;
    }
}

}  // namespace
}  // namespace kw
