#include "channels/channel_rows.h"

#include <algorithm>
#include <array>
#include <set>

#include "channels/frequency_codec.h"
#include "channels/grid_layout.h"

namespace kw {
namespace {

using Record = std::array<std::uint8_t, kRowSize>;
using Records = std::vector<Record>;

constexpr Record kErasedRecord = [] {
    Record record{};
    record.fill(kEmptyByte);
    return record;
}();

// Both frequencies set, as the grid shows a channel.
bool inUse(ConstImageRow record) {
    return decodeFrequency(record.subspan<record::kRxFrequency, record::kFrequencySize>()) &&
           decodeFrequency(record.subspan<record::kTxFrequency, record::kFrequencySize>());
}

bool isChannelRow(int row) {
    return row >= kFirstChannelRow && row < kFrRow;
}

Record recordAt(const RadioImage& image, int row) {
    const ConstImageRow bytes = channelRecord(image, recordOfRow(row));
    Record record;
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return record;
}

void putRecord(RadioImage& image, int row, const Record& record) {
    std::copy(record.begin(), record.end(), channelRecord(image, recordOfRow(row)).begin());
}

// Channels 1-128 in row order.
Records channelRecords(const RadioImage& image) {
    Records records;
    for (int row = kFirstChannelRow; row < kFrRow; ++row) {
        records.push_back(recordAt(image, row));
    }
    return records;
}

// Puts channels 1-128 back; `edit.changed` tells whether a byte changed.
void putChannelRecords(RadioImage& image, const Records& records, RowEdit& edit) {
    for (int row = kFirstChannelRow; row < kFrRow; ++row) {
        const Record& record = records[static_cast<std::size_t>(recordOfRow(row))];
        if (record != recordAt(image, row)) {
            putRecord(image, row, record);
            edit.changed = true;
        }
    }
}

RowEdit refused(RowRefusal refusal) {
    RowEdit edit;
    edit.refusal = refusal;
    return edit;
}

// Rows a reordering may name: channels only, each once, ascending.
std::optional<RowRefusal> checkReorderedRows(const RowList& rows) {
    for (const int row : rows) {
        if (row == kFrRow) {
            return RowRefusal::FrNeverMoves;
        }
        if (!isChannelRow(row)) {
            return RowRefusal::NotAChannelRow;
        }
    }
    return std::nullopt;
}

RowList ascendingOnce(const RowList& rows) {
    const std::set<int> unique(rows.begin(), rows.end());
    return {unique.begin(), unique.end()};
}

RowList consecutiveRows(int first, std::size_t count) {
    RowList rows;
    for (std::size_t i = 0; i < count; ++i) {
        rows.push_back(first + static_cast<int>(i));
    }
    return rows;
}

std::size_t indexOfRow(int row) {
    return static_cast<std::size_t>(recordOfRow(row));
}

bool anyInUse(const Records& records, std::size_t from) {
    return std::any_of(records.begin() + static_cast<std::ptrdiff_t>(from), records.end(),
                       [](const Record& record) { return inUse(record); });
}

// The typing rules' verdict on a copied channel's frequencies in the target's band.
std::optional<MessageId> frequencyRefusal(const RadioImage& source, int row,
                                          const ProductState& product) {
    const ConstImageRow record = channelRecord(source, recordOfRow(row));
    const auto rx = decodeFrequency(record.subspan<record::kRxFrequency, record::kFrequencySize>());
    const auto tx = decodeFrequency(record.subspan<record::kTxFrequency, record::kFrequencySize>());
    if (const auto rejection = validateRx(rx, product)) {
        return rejection;
    }
    if (*tx < product.bandLowerLimit || *tx > product.bandUpperLimit) {
        return MessageId::OutOfRange;
    }
    return std::nullopt;
}

}  // namespace

std::string rowRefusalText(const RowEdit& edit, Language language) {
    if (!edit.refusal) {
        return {};
    }
    const bool chinese = language == Language::Chinese;
    switch (*edit.refusal) {
        case RowRefusal::NotAChannelRow:
            return chinese ? "信道行为 1-128（Fr 仅用于复制）。"
                           : "Channel rows are 1-128 (Fr only for a copy).";
        case RowRefusal::FrNeverMoves:
            return chinese ? "Fr 信道不能移动。" : "The Fr channel never moves.";
        case RowRefusal::FrOnlyIntoFr:
            return chinese ? "Fr 信道只能单独复制到 Fr。"
                           : "The Fr channel copies only into Fr, on its own.";
        case RowRefusal::LastChannelsInUse:
            return chinese ? "没有空位：会被推到第 128 信道之后的信道正在使用。"
                           : "No room: channels in use would be pushed past channel 128.";
        case RowRefusal::PastLastChannel:
            return chinese ? "没有空位：信道会超出第 128 信道。"
                           : "No room: the channels would go past channel 128.";
        case RowRefusal::FrequencyRefused: {
            const std::string_view reason =
                edit.frequencyMessage ? messageText(*edit.frequencyMessage, language) : "";
            return (chinese ? "信道 " : "Channel ") + rowTitle(edit.refusedRow) + ": " +
                   std::string(reason);
        }
    }
    return {};
}

bool isChannelInUse(const RadioImage& image, int row) {
    return inUse(channelRecord(image, recordOfRow(row)));
}

RowEdit insertEmptyChannel(RadioImage& image, int row) {
    if (const auto refusal = checkReorderedRows({row})) {
        return refused(*refusal);
    }
    Records records = channelRecords(image);
    if (anyInUse(records, records.size() - 1)) {
        return refused(RowRefusal::LastChannelsInUse);
    }
    records.pop_back();
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(indexOfRow(row)), kErasedRecord);
    RowEdit edit;
    edit.rows = {row};
    putChannelRecords(image, records, edit);
    return edit;
}

RowEdit deleteChannels(RadioImage& image, const RowList& rows) {
    if (const auto refusal = checkReorderedRows(rows)) {
        return refused(*refusal);
    }
    const RowList doomed = ascendingOnce(rows);
    Records records = channelRecords(image);
    for (auto row = doomed.rbegin(); row != doomed.rend(); ++row) {
        records.erase(records.begin() + static_cast<std::ptrdiff_t>(indexOfRow(*row)));
        records.push_back(kErasedRecord);
    }
    RowEdit edit;
    putChannelRecords(image, records, edit);
    return edit;
}

RowEdit moveChannelsByOne(RadioImage& image, const RowList& rows, MoveDirection direction) {
    if (const auto refusal = checkReorderedRows(rows)) {
        return refused(*refusal);
    }
    RowList moving = ascendingOnce(rows);
    RowEdit edit;
    edit.rows = moving;
    const bool up = direction == MoveDirection::Up;
    if (moving.empty() || (up ? moving.front() == kFirstChannelRow : moving.back() == kFrRow - 1)) {
        return edit;
    }
    Records records = channelRecords(image);
    if (!up) {
        std::reverse(moving.begin(), moving.end());
    }
    // Taken nearest the end they move toward first, each row passes one unselected one.
    for (const int row : moving) {
        const int neighbour = up ? row - 1 : row + 1;
        std::swap(records[indexOfRow(row)], records[indexOfRow(neighbour)]);
    }
    for (int& row : edit.rows) {
        row += up ? -1 : 1;
    }
    putChannelRecords(image, records, edit);
    return edit;
}

RowEdit moveChannelsTo(RadioImage& image, const RowList& rows, int firstRow) {
    if (const auto refusal = checkReorderedRows(rows)) {
        return refused(*refusal);
    }
    if (const auto refusal = checkReorderedRows({firstRow})) {
        return refused(*refusal);
    }
    const RowList moving = ascendingOnce(rows);
    if (firstRow + static_cast<int>(moving.size()) - 1 >= kFrRow) {
        return refused(RowRefusal::PastLastChannel);
    }
    Records records = channelRecords(image);
    Records taken;
    for (auto row = moving.rbegin(); row != moving.rend(); ++row) {
        const auto at = records.begin() + static_cast<std::ptrdiff_t>(indexOfRow(*row));
        taken.insert(taken.begin(), *at);
        records.erase(at);
    }
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(indexOfRow(firstRow)),
                   taken.begin(), taken.end());
    RowEdit edit;
    edit.rows = consecutiveRows(firstRow, moving.size());
    putChannelRecords(image, records, edit);
    return edit;
}

RowEdit duplicateChannels(RadioImage& image, const RowList& rows) {
    if (const auto refusal = checkReorderedRows(rows)) {
        return refused(*refusal);
    }
    const RowList originals = ascendingOnce(rows);
    if (originals.empty()) {
        return {};
    }
    const int first = originals.back() + 1;
    const std::size_t count = originals.size();
    if (first + static_cast<int>(count) - 1 >= kFrRow) {
        return refused(RowRefusal::PastLastChannel);
    }
    Records records = channelRecords(image);
    if (anyInUse(records, records.size() - count)) {
        return refused(RowRefusal::LastChannelsInUse);
    }
    Records copies;
    for (const int row : originals) {
        copies.push_back(records[indexOfRow(row)]);
    }
    records.resize(records.size() - count);
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(indexOfRow(first)), copies.begin(),
                   copies.end());
    RowEdit edit;
    edit.rows = consecutiveRows(first, count);
    putChannelRecords(image, records, edit);
    return edit;
}

RowEdit copyChannels(const RadioImage& source, const RowList& rows, RadioImage& target,
                     std::optional<int> at, const ProductState& targetProduct) {
    const bool namesFr = std::find(rows.begin(), rows.end(), kFrRow) != rows.end();
    if (namesFr && (rows.size() != 1 || (at && *at != kFrRow))) {
        return refused(RowRefusal::FrOnlyIntoFr);
    }
    if (!namesFr) {
        if (const auto refusal = checkReorderedRows(rows)) {
            return refused(*refusal);
        }
        if (at && !isChannelRow(*at)) {
            return refused(RowRefusal::NotAChannelRow);
        }
        if (at && *at + static_cast<int>(rows.size()) - 1 >= kFrRow) {
            return refused(RowRefusal::PastLastChannel);
        }
    }
    // All taken before any is put: the source may be the target itself.
    RowEdit edit;
    Records copies;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        edit.rows.push_back(at && !namesFr ? *at + static_cast<int>(i) : row);
        const bool used = isChannelInUse(source, row);
        copies.push_back(used ? recordAt(source, row) : kErasedRecord);
        if (!used) {
            continue;
        }
        if (const auto message = frequencyRefusal(source, row, targetProduct)) {
            RowEdit refusal = refused(RowRefusal::FrequencyRefused);
            refusal.refusedRow = row;
            refusal.frequencyMessage = message;
            return refusal;
        }
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (copies[i] != recordAt(target, edit.rows[i])) {
            putRecord(target, edit.rows[i], copies[i]);
            edit.changed = true;
        }
    }
    return edit;
}

}  // namespace kw
