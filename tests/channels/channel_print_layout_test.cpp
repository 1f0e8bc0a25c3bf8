#include <gtest/gtest.h>

#include "channels/channel_print_layout.h"

namespace kw {
namespace {

TEST(ChannelPrintLayout, PrintsEveryRowThatHoldsAnyTextFrFromTheGrid) {
    ChannelGrid grid(Language::English);
    EXPECT_TRUE(printedRows(grid).empty());
    grid.setText({1, kRxColumn}, "145.00000");
    grid.setText({5, kNameColumn}, "ONLY");  // a name alone still marks a row as used
    grid.setText({kFrRow, kBusyLockColumn}, "Off");
    EXPECT_EQ(printedRows(grid), (std::vector<int>{1, 5, kFrRow}));
}

struct HeaderCase {
    std::uint8_t modelType;
    int lowerMhz;
    int upperMhz;
    Language language;
    const char* expected;
};

class PrintHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(PrintHeader, NamesTheDocumentModelAndBand) {
    const HeaderCase& c = GetParam();
    ProductState product;
    product.storedModelType = c.modelType;
    product.bandLowerLimit = c.lowerMhz * kUnitsPerMhz;
    product.bandUpperLimit = c.upperMhz * kUnitsPerMhz;
    EXPECT_EQ(printHeaderText("radio.dat", product, c.language), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Models, PrintHeader,
    testing::Values(
        HeaderCase{1, 136, 174, Language::English,
                   "radio.dat    Model: KW-217V    Band: 136-174 MHz"},
        HeaderCase{2, 400, 520, Language::English,
                   "radio.dat    Model: KW-217U    Band: 400-520 MHz"},
        HeaderCase{0, 136, 174, Language::English, "radio.dat    Model: -    Band: 136-174 MHz"},
        HeaderCase{7, 136, 174, Language::English, "radio.dat    Model: -    Band: 136-174 MHz"},
        HeaderCase{2, 420, 470, Language::Chinese,
                   "radio.dat    机型：KW-217U    频段：420-470 MHz"}));

TEST(ChannelPrintLayout, PageNumbersInBothLanguages) {
    EXPECT_EQ(pageNumberText(2, 3, Language::English), "Page 2 of 3");
    EXPECT_EQ(pageNumberText(1, 1, Language::Chinese), "第 1 页，共 1 页");
}

struct PageCase {
    int rows;
    int pageHeight;
    int reserved;
    int rowHeight;
    int rowsPerPage;
    int pageCount;
};

class Paginate : public testing::TestWithParam<PageCase> {};

TEST_P(Paginate, FitsWholeRowsBelowTheHeaderAndAlwaysOnePage) {
    const PageCase& c = GetParam();
    const PrintPages pages = paginate(c.rows, c.pageHeight, c.reserved, c.rowHeight);
    EXPECT_EQ(pages.rowsPerPage, c.rowsPerPage);
    EXPECT_EQ(pages.pageCount, c.pageCount);
}

INSTANTIATE_TEST_SUITE_P(Pages, Paginate,
                         testing::Values(PageCase{0, 1000, 100, 10, 90, 1},    // header only
                                         PageCase{1, 1000, 100, 10, 90, 1},    //
                                         PageCase{90, 1000, 100, 10, 90, 1},   // exactly full
                                         PageCase{91, 1000, 100, 10, 90, 2},   // one over
                                         PageCase{129, 1000, 100, 10, 90, 2},  //
                                         PageCase{129, 1009, 100, 10, 90, 2},  // partial row
                                         PageCase{3, 100, 200, 10, 1, 3},  // no room: one a page
                                         PageCase{3, 100, 0, 0, 1, 3}));   // no row height

TEST(ChannelPrintLayout, PagesTakeTheRowsInOrderWithoutLosingOrRepeatingAny) {
    std::vector<int> rows;
    for (int row = 1; row <= 25; ++row) {
        rows.push_back(row);
    }
    const PrintPages pages{10, 3};
    EXPECT_EQ(rowsOfPage(rows, pages, 0).front(), 1);
    EXPECT_EQ(rowsOfPage(rows, pages, 1),
              (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(rowsOfPage(rows, pages, 2), (std::vector<int>{21, 22, 23, 24, 25}));
    EXPECT_TRUE(rowsOfPage(rows, pages, 3).empty());
    EXPECT_TRUE(rowsOfPage({}, PrintPages{}, 0).empty());
}

}  // namespace
}  // namespace kw
