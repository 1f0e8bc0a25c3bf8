#include <gtest/gtest.h>

#include <array>
#include <map>

#include "base/atomic_file.h"
#include "channels/channel_csv.h"
#include "channels/chirp_csv.h"
#include "channels/chirp_tones.h"

namespace kw {
namespace {

constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

struct Table {
    Table() : grid(Language::English), editors(Language::English) {}
    ChannelGrid grid;
    ChannelEditors editors;
    ProductState product;
};

using Row = std::array<std::string, 9>;

Row rowOf(const ChannelGrid& grid, int row) {
    Row cells;
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        cells[static_cast<std::size_t>(column - 1)] = grid.text(row, column);
    }
    return cells;
}

void fillRow(ChannelGrid& grid, int row, const Row& cells) {
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        grid.setText({row, column}, cells[static_cast<std::size_t>(column - 1)]);
    }
}

// A CHIRP line with the exporter's defaults, then `changes` as "Column=value".
std::string chirpLine(std::string_view location, std::initializer_list<std::string_view> changes) {
    std::map<std::string, std::string, std::less<>> fields{{"Location", std::string(location)},
                                                           {"Frequency", "146.520000"},
                                                           {"Offset", "0.000000"},
                                                           {"rToneFreq", "88.5"},
                                                           {"cToneFreq", "88.5"},
                                                           {"DtcsCode", "023"},
                                                           {"DtcsPolarity", "NN"},
                                                           {"RxDtcsCode", "023"},
                                                           {"CrossMode", "Tone->Tone"},
                                                           {"Mode", "FM"},
                                                           {"TStep", "5.00"},
                                                           {"Power", "5.0W"}};
    for (const std::string_view change : changes) {
        const auto equals = change.find('=');
        fields[std::string(change.substr(0, equals))] = std::string(change.substr(equals + 1));
    }
    std::string line = fields["Location"];
    for (const char* column : {"Name",      "Frequency", "Duplex",   "Offset",       "Tone",
                               "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode",
                               "CrossMode", "Mode",      "TStep",    "Skip",         "Power",
                               "Comment",   "URCALL",    "RPT1CALL", "RPT2CALL",     "DVCODE"}) {
        line += ',' + fields[column];
    }
    return line + "\r\n";
}

std::string fileOf(std::initializer_list<std::string> lines) {
    std::string file(kHeader);
    for (const std::string& line : lines) {
        file += line;
    }
    return file;
}

std::string dataFile(const char* name) {
    std::string text;
    EXPECT_TRUE(readWholeFile(std::string(KW_TEST_DATA_DIR) + '/' + name, text));
    return text;
}

TEST(ChirpTones, EveryModeReadsAndWritesTheSameTones) {
    struct Case {
        ChannelTones tones;  // decode, encode
        ChirpToneColumns columns;
        bool written;  // export writes these columns for these tones
    };
    const Case cases[] = {
        {{"None", "None"}, {}, true},
        {{"None", "100.0"}, {"Tone", "100.0"}, true},
        {{"103.5", "103.5"}, {"TSQL", "88.5", "103.5"}, true},
        {{"D023N", "D023N"}, {"DTCS", "88.5", "88.5", "023", "NN"}, true},
        {{"D754I", "D754N"}, {"DTCS", "88.5", "88.5", "754", "NR"}, true},
        {{"123.0", "67.0"}, {"Cross", "67.0", "123.0"}, true},
        {{"D445I", "123.0"}, {"Cross", "123.0", "88.5", "023", "NR", "445", "Tone->DTCS"}, true},
        {{"110.9", "D071I"}, {"Cross", "88.5", "110.9", "071", "RN", "023", "DTCS->Tone"}, true},
        {{"D503N", "D114I"}, {"Cross", "88.5", "88.5", "114", "RN", "503", "DTCS->DTCS"}, true},
        {{"127.3", "None"}, {"Cross", "88.5", "127.3", "023", "NN", "023", "->Tone"}, true},
        {{"D632I", "None"}, {"Cross", "88.5", "88.5", "023", "NR", "632", "->DTCS"}, true},
        {{"None", "D265I"}, {"Cross", "88.5", "88.5", "265", "RN", "023", "DTCS->"}, true},
        // Read only: export writes these tones another way.
        {{"None", "141.3"}, {"Cross", "141.3", "88.5", "023", "NN", "023", "Tone->"}, false},
        // Columns the mode does not select are not read, whatever they hold.
        {{"None", "None"}, {"", "1.0", "x", "999", "??", "1", "junk"}, false},
        {{"None", "67.0"}, {"tone", "67", "x", "999", "??", "1", "junk"}, false},
        {{"94.8", "94.8"}, {"TSQL", "x", "94.8", "999", "??", "1", "junk"}, false},
        {{"D051I", "D051N"}, {" dtcs ", "x", "x", "51", "nr", "1", "junk"}, false},
        {{"D051N", "None"}, {"Cross", "x", "x", "999", "RN", "051", "->DTCS"}, false},
    };
    for (const Case& c : cases) {
        const std::string name = c.columns.mode + ' ' + c.columns.crossMode;
        const ChirpToneReading read = readChirpTones(c.columns, Language::English);
        EXPECT_FALSE(read.problem) << name << ": " << read.problem->reason;
        EXPECT_EQ(read.tones.decode, c.tones.decode) << name;
        EXPECT_EQ(read.tones.encode, c.tones.encode) << name;
        if (c.written) {
            const ChirpToneColumns written = chirpToneColumns(c.tones);
            EXPECT_EQ(std::tie(written.mode, written.rToneFreq, written.cToneFreq, written.dtcsCode,
                               written.dtcsPolarity, written.rxDtcsCode, written.crossMode),
                      std::tie(c.columns.mode, c.columns.rToneFreq, c.columns.cToneFreq,
                               c.columns.dtcsCode, c.columns.dtcsPolarity, c.columns.rxDtcsCode,
                               c.columns.crossMode))
                << name;
        }
    }
}

TEST(ChirpTones, RefusesWhatTheRadioCannotHoldNamingTheColumn) {
    struct Case {
        ChirpToneColumns columns;
        const char* column;
        const char* reason;
    };
    const Case cases[] = {
        {{"DCS"}, "Tone", "\"DCS\" is not a Tone of CHIRP's: empty, Tone, TSQL, DTCS or Cross."},
        {{"Cross", "88.5", "88.5", "023", "NN", "023", "->"},
         "CrossMode",
         "\"->\" is not a CrossMode of CHIRP's: Tone->Tone, Tone->DTCS, DTCS->Tone, DTCS->DTCS, "
         "->Tone, ->DTCS, DTCS-> or Tone->."},
        {{"Cross", "88.5", "88.5", "023", "NN", "023", "Tone=>DTCS"}, "CrossMode", nullptr},
        {{"Tone", "88.6"}, "rToneFreq", "\"88.6\" is not a CTCSS tone of the radio."},
        {{"TSQL", "88.5", "1e2"}, "cToneFreq", "\"1e2\" is not a CTCSS tone of the radio."},
        {{"Tone", "100.05"}, "rToneFreq", nullptr},
        {{"DTCS", "88.5", "88.5", "024"}, "DtcsCode", "\"024\" is not a DCS code of the radio."},
        {{"Cross", "88.5", "88.5", "023", "NN", "0231", "->DTCS"}, "RxDtcsCode", nullptr},
        {{"DTCS", "88.5", "88.5", "023", "NX"},
         "DtcsPolarity",
         "\"NX\" is not two polarities, transmit then receive, each N or R."},
        {{"Cross", "88.5", "88.5", "023", "N", "023", "DTCS->"}, "DtcsPolarity", nullptr},
    };
    for (const Case& c : cases) {
        const ChirpToneReading read = readChirpTones(c.columns, Language::English);
        ASSERT_TRUE(read.problem) << c.column;
        EXPECT_EQ(read.problem->column, c.column);
        if (c.reason) {
            EXPECT_EQ(read.problem->reason, c.reason);
        }
    }
}

TEST(ChirpCsv, ExportWritesChirpsColumnsForEachChannelAndLeavesTheRestOut) {
    Table table;
    fillRow(table.grid, 3,
            {"146.94000", "146.34000", "D754I", "D754N", "A,B", "Low", "Narrow", "No", "Carrier"});
    fillRow(table.grid, 7,
            {"151.51250", "156.51250", "None", "100.0", "", "High", "Wide", "Yes", "Off"});
    fillRow(table.grid, kFrRow,
            {"146.52000", "146.52000", "None", "None", "", "High", "Wide", "Yes", "Off"});
    EXPECT_EQ(chirpCsv(table.grid),
              std::string(kHeader) +
                  "3,\"A,B\",146.940000,-,0.600000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,NFM,5.00,"
                  "S,1.0W,,,,,\r\n"
                  "7,,151.512500,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,6.25,,5.0W,,"
                  ",,,\r\n");
}

TEST(ChirpCsv, DuplexAndOffsetGiveTheTxFrequency) {
    struct Case {
        const char* duplex;
        const char* offset;
        const char* tx;  // nullptr: refused
        const char* column;
    };
    const Case cases[] = {
        {"", "0.000000", "146.52000", nullptr},     {"", "0.600000", "146.52000", nullptr},
        {"+", "0.600000", "147.12000", nullptr},    {"-", "0.600000", "145.92000", nullptr},
        {"-", "5", "141.52000", nullptr},           {"split", "150.000000", "150.00000", nullptr},
        {"SPLIT", "136", "136.00000", nullptr},     {"off", "0.000000", nullptr, "Duplex"},
        {"x", "0.000000", nullptr, "Duplex"},       {"+", "abc", nullptr, "Offset"},
        {"+", "30.000000", nullptr, "Offset"},      {"-", "147.000000", nullptr, "Offset"},
        {"split", "440.000000", nullptr, "Offset"},
    };
    for (const Case& c : cases) {
        Table table;
        const std::string duplex = std::string("Duplex=") + c.duplex;
        const std::string offset = std::string("Offset=") + c.offset;
        const ChirpImport imported = readChirpCsv(fileOf({chirpLine("1", {duplex, offset})}),
                                                  table.grid, table.editors, table.product);
        ASSERT_TRUE(imported) << imported.error;
        if (c.tx) {
            EXPECT_TRUE(imported.refused.empty()) << c.duplex << ' ' << c.offset;
            EXPECT_EQ(imported.grid.text(1, kTxColumn), c.tx) << c.duplex << ' ' << c.offset;
        } else {
            ASSERT_EQ(imported.refused.size(), 1u) << c.duplex << ' ' << c.offset;
            EXPECT_EQ(imported.refused[0].column, c.column);
            EXPECT_EQ(imported.grid.text(1, kRxColumn), "");
        }
    }
}

TEST(ChirpCsv, ImportSetsModePowerSkipAndNameAsTheRadioHoldsThem) {
    struct Case {
        const char* change;
        int column;
        const char* text;
    };
    const Case cases[] = {
        {"Mode=FM", kWidthColumn, "Wide"},
        {"Mode=NFM", kWidthColumn, "Narrow"},
        {"Skip=", kScanAddColumn, "Yes"},
        {"Skip=P", kScanAddColumn, "Yes"},
        {"Skip=S", kScanAddColumn, "No"},
        {"Power=Low", kPowerColumn, "Low"},
        {"Power=L", kPowerColumn, "Low"},
        {"Power=2.4W", kPowerColumn, "Low"},
        {"Power=0.5", kPowerColumn, "Low"},
        {"Power=2.5W", kPowerColumn, "High"},
        {"Power=High", kPowerColumn, "High"},
        {"Power=5.0W", kPowerColumn, "High"},
        {"Name=ABCDEFGHIJ", kNameColumn, "ABCDEFGH"},
        {"Name=中继台一号", kNameColumn, "中继台一"},
        {"Name=AB中继台一", kNameColumn, "AB中继台"},
        {"Name=SHORT", kNameColumn, "SHORT"},
        {"Frequency=151.512500", kRxColumn, "151.51250"},
        {"Frequency= 150.0", kRxColumn, "150.00000"},
        {"Frequency=147.330009999", kRxColumn, "147.33000"},
    };
    for (const Case& c : cases) {
        Table table;
        const ChirpImport imported = readChirpCsv(fileOf({chirpLine("1", {c.change})}), table.grid,
                                                  table.editors, table.product);
        ASSERT_TRUE(imported) << imported.error;
        EXPECT_TRUE(imported.refused.empty()) << c.change << ": " << imported.refused[0].reason;
        EXPECT_EQ(imported.grid.text(1, c.column), c.text) << c.change;
        EXPECT_EQ(imported.grid.text(1, kBusyLockColumn), "Off") << c.change;
    }
}

TEST(ChirpCsv, LocationsCountFromOneOrFromZero) {
    struct Case {
        std::initializer_list<const char*> locations;
        std::vector<int> rows;  // filled, in file order; 0: the line is refused
    };
    const Case cases[] = {
        {{"1", "2", "128"}, {1, 2, 128}},
        {{"0", "1", "127"}, {1, 2, 128}},
        {{"5", "0"}, {6, 1}},
        {{"1", "129"}, {1, 0}},
        {{"0", "128"}, {1, 0}},
        {{"3", "x", "", "-1"}, {3, 0, 0, 0}},
        {{"4", "4"}, {4, 0}},
    };
    for (const Case& c : cases) {
        Table table;
        std::string file(kHeader);
        int n = 0;
        for (const char* location : c.locations) {
            file += chirpLine(location, {"Name=L" + std::to_string(++n)});
        }
        const ChirpImport imported = readChirpCsv(file, table.grid, table.editors, table.product);
        ASSERT_TRUE(imported) << imported.error;
        std::size_t refused = 0;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            if (c.rows[i] == 0) {
                ASSERT_LT(refused, imported.refused.size());
                EXPECT_EQ(imported.refused[refused].line, static_cast<int>(i) + 2);
                EXPECT_EQ(imported.refused[refused++].column, "Location");
            } else {
                EXPECT_EQ(imported.grid.text(c.rows[i], kNameColumn), "L" + std::to_string(i + 1));
            }
        }
        EXPECT_EQ(imported.refused.size(), refused);
    }
}

TEST(ChirpCsv, RefusedLinesAreListedAndLeaveTheirChannelsAsTheyWere) {
    Table table;
    fillRow(table.grid, 2,
            {"150.00000", "150.00000", "None", "None", "KEEP", "Low", "Wide", "Yes", "QT/DQT"});
    const ChirpImport imported = readChirpCsv(
        fileOf({chirpLine("1", {"Name=GOOD"}), chirpLine("2", {"Frequency=146.521000", "Name=BAD"}),
                chirpLine("3", {"Mode=AM", "Skip=X", "Duplex=off"}),
                chirpLine("4", {"Frequency=440.000000"}), chirpLine("5", {"Name=😀"}), "6,SHORT\r\n",
                chirpLine("7", {"Tone=Tone", "rToneFreq=69.4"}),
                chirpLine("8", {"Frequency=abc"})}),
        table.grid, table.editors, table.product);
    ASSERT_TRUE(imported) << imported.error;
    const std::vector<ChirpRefusal> expected{
        {3, "Frequency", "Error data Value, please input according the step value(6.25K/5k)."},
        {4, "Duplex", "\"off\" cannot be stored: this radio has no transmit inhibit."},
        {4, "Mode", "\"AM\" is not a mode of this radio: FM (Wide) or NFM (Narrow)."},
        {4, "Skip", "\"X\" is not a Skip of CHIRP's: empty, P or S."},
        {5, "Frequency",
         "Out of range, please input again.\nA frequency must lie in the document's band "
         "136–174 MHz."},
        {6, "Name", "A channel name can hold only characters of the radio's code page (GBK)."},
        {7, "", "The line has 2 cells; the first line names 21 columns."},
        {8, "rToneFreq", "\"69.4\" is not a CTCSS tone of the radio."},
        {9, "Frequency", "Error Data Format, please input again."},
    };
    EXPECT_EQ(imported.refused, expected);
    EXPECT_EQ(imported.grid.text(1, kNameColumn), "GOOD");
    EXPECT_EQ(rowOf(imported.grid, 2), rowOf(table.grid, 2));
    for (int row = 3; row <= 8; ++row) {
        EXPECT_EQ(imported.grid.text(row, kRxColumn), "") << row;
    }
    EXPECT_TRUE(imported.changed);
    EXPECT_EQ(table.grid.text(1, kRxColumn), "") << "the document's grid is not touched";
    for (const InPlaceEditor& editor : imported.editors.all()) {
        EXPECT_FALSE(editor.visible());
    }
}

TEST(ChirpCsv, ReplaceClearsChannelsTheFileLacksAndKeepsBusyLockOfThoseItHolds) {
    for (const bool replace : {false, true}) {
        Table table;
        const Row busy{"150.00000", "150.00000", "None", "None",  "",
                       "Low",       "Wide",      "Yes",  "QT/DQT"};
        for (const int row : {2, 3, 9, kFrRow}) {
            fillRow(table.grid, row, busy);
        }
        const ChirpImport imported =
            readChirpCsv(fileOf({chirpLine("3", {}), chirpLine("9", {"Mode=AM"})}), table.grid,
                         table.editors, table.product, replace);
        ASSERT_TRUE(imported) << imported.error;
        EXPECT_EQ(imported.grid.text(2, kRxColumn), replace ? "" : "150.00000");
        EXPECT_EQ(imported.grid.text(3, kRxColumn), "146.52000");
        EXPECT_EQ(imported.grid.text(3, kBusyLockColumn), "QT/DQT");
        EXPECT_EQ(rowOf(imported.grid, 9), busy) << "a refused line's channel stays";
        EXPECT_EQ(rowOf(imported.grid, kFrRow), busy);
    }
}

TEST(ChirpCsv, HeaderIsReadByNameInAnyOrderAndCase) {
    Table table;
    const ChirpImport imported = readChirpCsv(
        "extra,FREQUENCY,location,name,duplex,offset,tone,rtonefreq,ctonefreq,dtcscode,"
        "dtcspolarity,rxdtcscode,crossmode,mode,tstep,skip,power,comment\n"
        "x,147.000000,12,NEW,+,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,1.0W,\n"
        "short line\n",
        table.grid, table.editors, table.product);
    ASSERT_TRUE(imported) << imported.error;
    EXPECT_EQ(imported.refused,
              (std::vector<ChirpRefusal>{
                  {3, "", "The line has 1 cells; the first line names 18 columns."}}));
    EXPECT_EQ(rowOf(imported.grid, 12), (Row{"147.00000", "147.60000", "None", "100.0", "NEW",
                                             "Low", "Narrow", "No", "Off"}));
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "The file is empty; the first line must name CHIRP's columns."},
        {"Location,Name,Frequency\r\n",
         "The first line must name CHIRP's columns; it lacks \"Duplex\", \"Offset\", \"Tone\", "
         "\"rToneFreq\", \"cToneFreq\", \"DtcsCode\", \"DtcsPolarity\", \"RxDtcsCode\", "
         "\"CrossMode\", \"Mode\", \"TStep\", \"Skip\", \"Power\", \"Comment\"."},
        {"a,\"b", "Line 1 is not valid CSV: a quoted field is not closed."},
    };
    for (const Case& c : cases) {
        const ChirpImport refused = readChirpCsv(c.text, table.grid, table.editors, table.product);
        EXPECT_EQ(refused.error, c.error);
    }
}

TEST(ChirpCsv, FortyChannelExportImportsToTheExpectedChannelTable) {
    Table chirp;
    const ChirpImport imported =
        readChirpCsv(dataFile("chirp_40_channels.csv"), chirp.grid, chirp.editors, chirp.product);
    ASSERT_TRUE(imported) << imported.error;
    const std::vector<ChirpRefusal> refused{
        {36, "Mode", "\"AM\" is not a mode of this radio: FM (Wide) or NFM (Narrow)."},
        {37, "Frequency",
         "Out of range, please input again.\nA frequency must lie in the document's band "
         "136–174 MHz."}};
    EXPECT_EQ(imported.refused, refused);
    Table expected;
    ASSERT_TRUE(importChannelsCsv(dataFile("chirp_40_channels_expected.csv"), expected.grid,
                                  expected.editors, expected.product));
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        EXPECT_EQ(rowOf(imported.grid, row), rowOf(expected.grid, row)) << "row " << row;
    }
}

TEST(ChirpCsv, ExportThenImportIntoANewDocumentGivesTheSameChannels) {
    Table source;
    const ChirpImport sample = readChirpCsv(dataFile("chirp_40_channels.csv"), source.grid,
                                            source.editors, source.product);
    source.grid = sample.grid;
    fillRow(source.grid, 128,
            {"173.99375", "136.00000", "D023I", "D023N", "A\\x7FB", "Low", "Narrow", "No", "Off"});
    Table target;
    const ChirpImport imported =
        readChirpCsv(chirpCsv(source.grid), target.grid, target.editors, target.product);
    ASSERT_TRUE(imported) << imported.error;
    EXPECT_TRUE(imported.refused.empty()) << imported.refused[0].reason;
    for (int row = kFirstChannelRow; row < kFrRow; ++row) {
        EXPECT_EQ(rowOf(imported.grid, row), rowOf(source.grid, row)) << "row " << row;
    }
}

TEST(ChirpCsv, AChineseGridReadsAndWritesTheSameFile) {
    Table english;
    const std::string file = dataFile("chirp_40_channels.csv");
    ChannelGrid chinese(Language::Chinese);
    const ChirpImport inChinese =
        readChirpCsv(file, chinese, ChannelEditors(Language::Chinese), english.product);
    EXPECT_EQ(inChinese.grid.text(1, kDecodeToneColumn), "无");
    EXPECT_EQ(inChinese.grid.text(5, kPowerColumn), "低");
    EXPECT_EQ(inChinese.refused.size(), 2u);
    EXPECT_EQ(chirpCsv(inChinese.grid),
              chirpCsv(readChirpCsv(file, english.grid, english.editors, english.product).grid));
}

}  // namespace
}  // namespace kw
