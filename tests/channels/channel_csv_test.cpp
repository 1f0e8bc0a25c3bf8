#include <gtest/gtest.h>

#include "channels/channel_csv.h"
#include "channels/csv.h"

namespace kw {
namespace {

constexpr const char* kHeader =
    "Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Chnnel Name,Power, W/N ,Scan Add,Busy Lock"
    "\r\n";

TEST(Csv, QuotesOnlyFieldsThatNeedItAndReadsThemBack) {
    const std::vector<std::string_view> fields{"plain",        "a,b", "say \"hi\"",
                                               "two\r\nlines", "",    "信道"};
    const std::string line = csvLine(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",,信道\r\n");
    const CsvParseResult parsed = parseCsv(line + line);
    ASSERT_TRUE(parsed) << parsed.error;
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(parsed.records[1], CsvRecord(fields.begin(), fields.end()));
}

TEST(Csv, AcceptsAByteOrderMarkBareLineFeedsAndNoFinalLineBreak) {
    const CsvParseResult parsed = parseCsv(
        "\xEF\xBB\xBF"
        "a,b\n\"c\",\nlast");
    ASSERT_TRUE(parsed) << parsed.error;
    EXPECT_EQ(parsed.records, (std::vector<CsvRecord>{{"a", "b"}, {"c", ""}, {"last"}}));
}

TEST(Csv, RefusesWhatIsNotCsvNamingTheLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"a,b\r\nc,\"d", "Line 2 is not valid CSV: a quoted field is not closed."},
        {"a\n\"b\"c", "Line 2 is not valid CSV: text follows a closing quote."},
        {"a\nb\nc\"d", "Line 3 is not valid CSV: a quote inside an unquoted field."},
        {"a\rb", "Line 1 is not valid CSV: a carriage return without a line feed."},
        {"\"x\ny\"\nz\"", "Line 3 is not valid CSV: a quote inside an unquoted field."},
    };
    for (const Case& c : cases) {
        const CsvParseResult parsed = parseCsv(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
    }
}

struct Table {
    Table() : grid(Language::English), editors(Language::English) {}
    ChannelGrid grid;
    ChannelEditors editors;
    ProductState product;
};

void fillRow(ChannelGrid& grid, int row, const std::vector<std::string>& cells) {
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        grid.setText({row, column}, cells[static_cast<std::size_t>(column - 1)]);
    }
}

TEST(ChannelCsv, ExportsTheHeaderAndEveryChannelRow) {
    Table table;
    fillRow(table.grid, 2,
            {"145.00000", "145.60000", "88.5", "D023N", "A,\"B\"", "High", "Wide", "Yes", "Off"});
    fillRow(table.grid, kFrRow,
            {"146.00000", "146.00000", "None", "None", "信道", "Low", "Narrow", "No", "QT/DQT"});
    const std::string csv = channelsCsv(table.grid);
    const CsvParseResult parsed = parseCsv(csv);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed.records.size(), 130u);
    EXPECT_TRUE(csv.starts_with(kHeader));
    EXPECT_EQ(csvLine({"", "", "", "", "", "", "", "", ""}), ",,,,,,,,\r\n");
    EXPECT_NE(csv.find("\r\n145.00000,145.60000,88.5,D023N,\"A,\"\"B\"\"\",High,Wide,Yes,Off\r\n"),
              std::string::npos);
    EXPECT_TRUE(csv.ends_with("\r\n146.00000,146.00000,None,None,信道,Low,Narrow,No,QT/DQT\r\n"));
}

TEST(ChannelCsv, ImportIntoAnEmptyTableReproducesTheExportedTable) {
    Table source;
    fillRow(source.grid, 1,
            {"145.00000", "145.60000", "88.5", "D023N", "A,\"B\"", "High", "Wide", "Yes", "Off"});
    fillRow(
        source.grid, 64,
        {"150.01250", "136.00000", "D754I", "254.1", "ABCDEFGH", "Low", "Narrow", "No", "Carrier"});
    fillRow(source.grid, kFrRow,
            {"174.00000", "174.00000", "None", "None", "信道", "Low", "Narrow", "No", "QT/DQT"});
    Table target;
    const CsvImportResult imported =
        importChannelsCsv(channelsCsv(source.grid), target.grid, target.editors, target.product);
    ASSERT_TRUE(imported) << imported.error;
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
            EXPECT_EQ(target.grid.text(row, column), source.grid.text(row, column))
                << row << ':' << column;
        }
    }
    for (const InPlaceEditor& editor : target.editors.all()) {
        EXPECT_FALSE(editor.visible());
    }
}

std::string tableWith(int row, const std::string& line) {
    std::string csv = kHeader;
    for (int r = kFirstChannelRow; r <= kFrRow; ++r) {
        csv += (r == row ? line : ",,,,,,,,") + "\r\n";
    }
    return csv;
}

TEST(ChannelCsv, ARefusedCellRefusesTheWholeFile) {
    struct Case {
        std::string csv;
        GridCell cell;
        bool notAnItem;
        std::optional<MessageId> message;
    };
    const Case cases[] = {
        {tableWith(5, "145.003,,,,,,,,"), {5, kRxColumn}, false, MessageId::ErrorStepValue},
        {tableWith(5, "\"146,5\",,,,,,,,"), {5, kRxColumn}, false, MessageId::ErrorDataFormat},
        // A value in a row without Rx could not be stored.
        {tableWith(7, ",145.5,,,,,,,"), {7, kTxColumn}, false, std::nullopt},
        {tableWith(7, ",,,,ABC,,,,"), {7, kNameColumn}, false, std::nullopt},
        {tableWith(129, "180,180,None,None,,High,Wide,Yes,Off"),
         {129, kRxColumn},
         false,
         MessageId::OutOfRange},
        {tableWith(3, "145.00000,145.00000,None,None,,Hi,Wide,Yes,Off"),
         {3, kPowerColumn},
         true,
         std::nullopt},
        {tableWith(3, "145.00000,145.00000,Nothing,None,,High,Wide,Yes,Off"),
         {3, kDecodeToneColumn},
         true,
         std::nullopt},
    };
    for (const Case& c : cases) {
        Table table;
        fillRow(table.grid, 1,
                {"145.00000", "145.60000", "88.5", "D023N", "", "High", "Wide", "Yes", "Off"});
        const ChannelGrid before = table.grid;
        const CsvImportResult result =
            importChannelsCsv(c.csv, table.grid, table.editors, table.product);
        EXPECT_EQ(result.status, CsvImportStatus::Rejected);
        EXPECT_EQ(result.cell, c.cell);
        EXPECT_EQ(result.edit.notAnItem, c.notAnItem);
        EXPECT_EQ(result.edit.commit.message, c.message);
        for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
            for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
                ASSERT_EQ(table.grid.text(row, column), before.text(row, column));
            }
        }
    }
}

TEST(ChannelCsv, RefusesFilesOfAnotherShape) {
    std::string longFile = kHeader;
    for (int r = 0; r < 130; ++r) {
        longFile += ",,,,,,,,\r\n";
    }
    struct Case {
        std::string csv;
        const char* error;
    };
    const Case cases[] = {
        {"",
         "The first line must be the column titles \"Rx Frequency\", \"Tx Frequency\", "
         "\"QT/DQT Dec\", \"QT/DQT Enc\", \"Chnnel Name\", \"Power\", \" W/N \", "
         "\"Scan Add\", \"Busy Lock\" (in any order, in either language, after an optional "
         "\"CH\")."},
        {longFile, "The file has 130 channel rows; there are only 129 (channels 1-128, then Fr)."},
        {tableWith(7, ",,,,,,,"), "Line 8 has 8 cells; every channel row needs 9."},
        {tableWith(7, "\"open"), "Line 8 is not valid CSV: a quoted field is not closed."},
    };
    for (const Case& c : cases) {
        Table table;
        const CsvImportResult result =
            importChannelsCsv(c.csv, table.grid, table.editors, table.product);
        EXPECT_EQ(result.status, CsvImportStatus::Malformed);
        EXPECT_EQ(result.error, c.error);
    }
}

}  // namespace
}  // namespace kw
