#include "channels/channel_rows.h"

#include <gtest/gtest.h>

#include <functional>

#include "channels/channel_sort.h"
#include "channels/frequency_codec.h"
#include "channels/grid_layout.h"

namespace kw {
namespace {

// A layout names the channels from row 1 on: '.' an erased record, a letter a channel
// whose Rx falls as the letter rises (so Rx order is not name order) and whose name is the
// letter. Byte 14, which the grid never shows, holds the letter too, so a layout read
// back proves that whole records moved. '#' is a channel at 440 MHz, outside 136-174.
constexpr std::uint8_t kHiddenByte = 14;

void putChannel(ImageRow record, char letter) {
    std::fill(record.begin(), record.end(), kEmptyByte);
    if (letter == '.') {
        return;
    }
    const int rank = std::toupper(letter) - 'A';
    const std::int32_t rx = letter == '#' ? 44'000'000 : 14'600'000 - rank * kRaster6k25Hz;
    const FrequencyBytes bytes = encodeFrequency(rx);
    std::copy(bytes.begin(), bytes.end(), record.begin() + record::kRxFrequency);
    std::copy(bytes.begin(), bytes.end(), record.begin() + record::kTxFrequency);
    record[record::kName] = static_cast<std::uint8_t>(letter);
    record[kHiddenByte] = static_cast<std::uint8_t>(letter);
}

// Fr holds 'F'.
RadioImage imageOf(std::string_view layout) {
    RadioImage image{};
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        const auto at = static_cast<std::size_t>(recordOfRow(row));
        putChannel(channelRecord(image, recordOfRow(row)),
                   row == kFrRow ? 'F' : (at < layout.size() ? layout[at] : '.'));
    }
    return image;
}

// Channels 1-128, trailing empty rows left out; Fr must still hold 'F'.
std::string layoutOf(const RadioImage& image) {
    std::string layout;
    for (int row = kFirstChannelRow; row < kFrRow; ++row) {
        const ConstImageRow record = channelRecord(image, recordOfRow(row));
        layout += isChannelInUse(image, row) ? static_cast<char>(record[kHiddenByte]) : '.';
    }
    EXPECT_EQ(channelRecord(image, kFrRecord)[kHiddenByte], 'F') << "Fr moved";
    return layout.substr(0, layout.find_last_not_of('.') + 1);
}

const std::string kFull(kChannelCount, 'A');

struct Case {
    const char* name;
    std::string before;
    std::function<RowEdit(RadioImage&)> operation;
    std::string after;  // the layout when refused too
    RowList rows;
    std::optional<RowRefusal> refusal;
};

void check(const Case& c) {
    RadioImage image = imageOf(c.before);
    const RowEdit edit = c.operation(image);
    EXPECT_EQ(layoutOf(image), c.after) << c.name;
    EXPECT_EQ(edit.refusal, c.refusal) << c.name;
    EXPECT_EQ(edit.changed, c.before != c.after) << c.name;
    if (!c.refusal) {
        EXPECT_EQ(edit.rows, c.rows) << c.name;
    }
}

TEST(ChannelRows, ReorderingsMoveWholeRecordsAndNeverFr) {
    const auto up = [](RowList rows) {
        return [rows](RadioImage& i) { return moveChannelsByOne(i, rows, MoveDirection::Up); };
    };
    const auto down = [](RowList rows) {
        return [rows](RadioImage& i) { return moveChannelsByOne(i, rows, MoveDirection::Down); };
    };
    const auto to = [](RowList rows, int first) {
        return [rows, first](RadioImage& i) { return moveChannelsTo(i, rows, first); };
    };
    const auto del = [](RowList rows) {
        return [rows](RadioImage& i) { return deleteChannels(i, rows); };
    };
    const auto dup = [](RowList rows) {
        return [rows](RadioImage& i) { return duplicateChannels(i, rows); };
    };
    const auto insert = [](int row) {
        return [row](RadioImage& i) { return insertEmptyChannel(i, row); };
    };
    const Case cases[] = {
        {"insert", "ABC", insert(2), "A.BC", {2}, {}},
        {"insert at the end", "AB", insert(128), "AB", {128}, {}},
        {"insert, 128 in use", kFull, insert(1), kFull, {}, RowRefusal::LastChannelsInUse},
        {"insert at Fr", "AB", insert(kFrRow), "AB", {}, RowRefusal::FrNeverMoves},
        {"insert at 0", "AB", insert(0), "AB", {}, RowRefusal::NotAChannelRow},
        {"delete, rows below move up", "ABCD", del({3, 1, 3}), "BD", {}, {}},
        {"delete 128", kFull, del({128}), kFull.substr(1), {}, {}},
        {"delete Fr", "AB", del({1, kFrRow}), "AB", {}, RowRefusal::FrNeverMoves},
        {"up", "ABCDE", up({4, 2}), "BADCE", {1, 3}, {}},
        {"up, a block", "ABCDE", up({2, 3}), "BCADE", {1, 2}, {}},
        {"up from row 1", "ABC", up({1, 3}), "ABC", {1, 3}, {}},
        {"down", "ABCD", down({1, 2}), "CABD", {2, 3}, {}},
        {"down from 128", kFull, down({128}), kFull, {128}, {}},
        {"down Fr", "AB", down({kFrRow}), "AB", {}, RowRefusal::FrNeverMoves},
        {"to the top", "ABCDE", to({5, 4}, 1), "DEABC", {1, 2}, {}},
        {"to further down", "ABCDE", to({1}, 3), "BCADE", {3}, {}},
        {"to past 128", "AB", to({1, 2}, 128), "AB", {}, RowRefusal::PastLastChannel},
        {"to Fr", "AB", to({1}, kFrRow), "AB", {}, RowRefusal::FrNeverMoves},
        {"duplicate", "ABCD", dup({3, 1}), "ABCACD", {4, 5}, {}},
        {"duplicate, last in use", kFull, dup({1}), kFull, {}, RowRefusal::LastChannelsInUse},
        {"duplicate past 128", "AB", dup({128}), "AB", {}, RowRefusal::PastLastChannel},
    };
    for (const Case& c : cases) {
        check(c);
    }
}

TEST(ChannelRows, CopiesComeFromAnotherImageAtTheirRowsOrFromARow) {
    const RadioImage source = imageOf("ABC#.");
    const auto copy = [&source](RowList rows, std::optional<int> at = {}) {
        return [&source, rows, at](RadioImage& target) {
            return copyChannels(source, rows, target, at, ProductState{});
        };
    };
    const Case cases[] = {
        {"own rows", "xyz", copy({1, 2}), "ABz", {1, 2}, {}},
        {"from a row, in the order named", "xyz", copy({3, 1}, 5), "xyz.CA", {5, 6}, {}},
        {"an empty source empties", "xyz", copy({5}, 2), "x.z", {2}, {}},
        {"past 128", "xyz", copy({1, 2}, 128), "xyz", {}, RowRefusal::PastLastChannel},
        {"out of band", "xyz", copy({1, 4}), "xyz", {}, RowRefusal::FrequencyRefused},
        {"Fr with others", "xyz", copy({1, kFrRow}), "xyz", {}, RowRefusal::FrOnlyIntoFr},
        {"Fr at a row", "xyz", copy({kFrRow}, 3), "xyz", {}, RowRefusal::FrOnlyIntoFr},
        {"Fr into Fr", "xyz", copy({kFrRow}), "xyz", {kFrRow}, {}},
    };
    for (const Case& c : cases) {
        check(c);
    }
    RadioImage same = imageOf("ABC");
    ASSERT_TRUE(copyChannels(same, {1, 2}, same, 2, ProductState{}));
    EXPECT_EQ(layoutOf(same), "AAB") << "a copy within one image";
    RadioImage target = imageOf("");
    const RowEdit refused = copy({4})(target);
    EXPECT_EQ(rowRefusalText(refused, Language::English),
              "Channel 4: " + std::string(messageText(MessageId::OutOfRange, Language::English)));
}

TEST(ChannelSort, StableWithEmptyChannelsLast) {
    const auto sort = [](SortKey key, SortOrder order) {
        return [key, order](RadioImage& image) { return sortChannels(image, key, order); };
    };
    // Upper and lower case of a letter share Rx and name (names compare ignoring case).
    const Case cases[] = {
        {"Rx ascending",
         "Ca.BAb",
         sort(SortKey::RxFrequency, SortOrder::Ascending),
         "CBbaA",
         {},
         {}},
        {"Rx descending",
         "Ca.BAb",
         sort(SortKey::RxFrequency, SortOrder::Descending),
         "aABbC",
         {},
         {}},
        {"name ascending", "Ca.BAb", sort(SortKey::Name, SortOrder::Ascending), "aABbC", {}, {}},
        {"name descending", "Ca.BAb", sort(SortKey::Name, SortOrder::Descending), "CBbaA", {}, {}},
        {"sorted already", "ABC", sort(SortKey::Name, SortOrder::Ascending), "ABC", {}, {}},
    };
    for (const Case& c : cases) {
        check(c);
    }
}

}  // namespace
}  // namespace kw
