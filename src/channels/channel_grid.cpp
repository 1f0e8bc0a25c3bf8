#include "channels/channel_grid.h"

#include <algorithm>
#include <cassert>

#include "channels/channel_flags.h"
#include "channels/channel_name.h"
#include "channels/channel_words.h"
#include "channels/frequency_codec.h"
#include "channels/tone_table.h"

namespace kw {
namespace {

using namespace channel_flag;

std::span<const std::uint8_t, 4> frequencyBytes(ConstImageRow record, std::size_t field) {
    return record.subspan(field).first<record::kFrequencySize>();
}

ToneBytes toneAt(ConstImageRow record, std::size_t field) {
    return {record[field], record[field + 1]};
}

std::string frequencyText(ConstImageRow record, std::size_t field) {
    const auto value = decodeFrequency(frequencyBytes(record, field));
    return value ? formatFrequency(*value) : std::string();
}

std::string_view busyLockWord(std::uint8_t flags, Language language) {
    switch (flags & kBusyLock) {
        case 0:
            return kBusyOffWord.in(language);
        case kBusyLockCarrier:
            return kBusyCarrierWord.in(language);
        default:
            return kBusyToneWord.in(language);
    }
}

std::uint8_t busyLockBits(std::string_view text) {
    if (kBusyOffWord.matches(text)) {
        return 0;
    }
    return kBusyCarrierWord.matches(text) ? kBusyLockCarrier : kBusyLockTone;
}

std::uint8_t bitIf(bool condition, std::uint8_t bit) {
    return condition ? bit : 0;
}

void putFrequency(ImageRow record, std::size_t field, std::string_view text) {
    const FrequencyBytes bytes = encodeFrequency(frequencyValue(text).value_or(0));
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(field));
}

void putTone(ImageRow record, std::size_t field, std::string_view text) {
    const ToneBytes tone = toneBytes(text);
    record[field] = tone.low;
    record[field + 1] = tone.high;
}

}  // namespace

ChannelGrid::ChannelGrid(Language language) : language_(language) {
    for (int column = 0; column < kGridColumnCount; ++column) {
        cells_[index(kTitleRow, column)] = columnTitle(column, language);
    }
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        cells_[index(row, kRowTitleColumn)] = rowTitle(row);
    }
}

void ChannelGrid::setText(GridCell cell, std::string text) {
    assert(isChannelCell(cell));
    cells_[index(cell.row, cell.column)] = std::move(text);
}

void ChannelGrid::clearChannel(int row) {
    for (int column = kRxColumn; column <= kBusyLockColumn; ++column) {
        cells_[index(row, column)].clear();
    }
}

void ChannelGrid::setCurrent(GridCell cell) {
    assert(isChannelCell(cell));
    current_ = cell;
}

void ChannelGrid::refill(const RadioImage& image, ProductState& product) {
    GbkCodec codec;
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        const ConstImageRow record = channelRecord(image, recordOfRow(row));
        const auto cell = [&](int column) -> std::string& { return cells_[index(row, column)]; };
        clearChannel(row);
        cell(kRxColumn) = frequencyText(record, record::kRxFrequency);
        cell(kTxColumn) = frequencyText(record, record::kTxFrequency);
        if (cell(kRxColumn).empty() || cell(kTxColumn).empty()) {
            continue;
        }
        const std::uint8_t flags = record[record::kFlags];
        cell(kDecodeToneColumn) = toneText(toneAt(record, record::kDecodeTone), language_);
        cell(kEncodeToneColumn) = toneText(toneAt(record, record::kEncodeTone), language_);
        cell(kNameColumn) =
            channelNameText(record.subspan<record::kName, record::kNameSize>(), codec);
        const auto word = [&](bool set, const ChannelWord& yes, const ChannelWord& no) {
            return std::string((set ? yes : no).in(language_));
        };
        cell(kPowerColumn) = word(flags & kHighPower, kHighPowerWord, kLowPowerWord);
        cell(kWidthColumn) = word(flags & kWide, kWideWord, kNarrowWord);
        cell(kScanAddColumn) = word(flags & kScanAdd, kYesWord, kNoWord);
        cell(kBusyLockColumn) = busyLockWord(flags, language_);
    }
    product.deriveFrom(image);
}

void ChannelGrid::commit(RadioImage& image, const ProductState& product) const {
    product.writeInto(image);
    GbkCodec codec;
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        commitRow(row, channelRecord(image, recordOfRow(row)), codec);
    }
}

std::array<std::uint8_t, kRowSize> ChannelGrid::recordBytes(int row) const {
    std::array<std::uint8_t, kRowSize> record;
    record.fill(kEmptyByte);
    GbkCodec codec;
    commitRow(row, record, codec);
    return record;
}

void ChannelGrid::commitRow(int row, ImageRow record, GbkCodec& codec) const {
    const auto cell = [&](int column) -> const std::string& { return text(row, column); };
    putFrequency(record, record::kRxFrequency, cell(kRxColumn));
    putFrequency(record, record::kTxFrequency, cell(kTxColumn));
    putTone(record, record::kDecodeTone, cell(kDecodeToneColumn));
    putTone(record, record::kEncodeTone, cell(kEncodeToneColumn));
    // Cell commits refuse names that do not fit; what fits is kept all the same.
    const ChannelNameBytes name = encodeChannelName(cell(kNameColumn), codec).bytes;
    std::copy(name.begin(), name.end(), record.begin() + record::kName);
    constexpr std::uint8_t kRebuilt = kOffsetDirection | kHighPower | kWide | kScanAdd | kBusyLock;
    record[record::kFlags] = static_cast<std::uint8_t>(
        (record[record::kFlags] & ~kRebuilt) |
        bitIf(kHighPowerWord.matches(cell(kPowerColumn)), kHighPower) |
        bitIf(kWideWord.matches(cell(kWidthColumn)), kWide) |
        bitIf(kYesWord.matches(cell(kScanAddColumn)), kScanAdd) |
        busyLockBits(cell(kBusyLockColumn)) | offsetDirection(cell(kRxColumn), cell(kTxColumn)));
}

}  // namespace kw
