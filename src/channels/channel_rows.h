#pragma once
// Reordering of channel records in the image: insert, delete, move, duplicate and copy.
// Whole 24-byte records move, not the texts the grid shows: the signal type and numbers
// (bytes 12, 14, 15 and a bit of 13) are never shown yet belong to their channel, so a
// channel that moved by its texts would lose them or take its new row's.
// Rows are grid rows: 1-128 are channels 1-128, 129 is "Fr", which never moves.

#include <optional>
#include <string>
#include <vector>

#include "model/product_state.h"
#include "model/radio_image.h"
#include "res/language.h"
#include "res/messages.h"

namespace kw {

// Grid rows, in the order the user named them.
using RowList = std::vector<int>;

enum class RowRefusal {
    NotAChannelRow,     // a row outside 1-128 (or 1-129 where Fr is allowed)
    FrNeverMoves,       // a reordering names Fr
    FrOnlyIntoFr,       // Fr copies only into Fr, on its own
    LastChannelsInUse,  // channels in use would be pushed past channel 128
    PastLastChannel,    // the rows would land past channel 128
    FrequencyRefused,   // a copied channel's frequency this document cannot hold
};

enum class MoveDirection { Up, Down };

struct [[nodiscard]] RowEdit {
    std::optional<RowRefusal> refusal;
    int refusedRow = 0;                         // with FrequencyRefused: the source row
    std::optional<MessageId> frequencyMessage;  // with FrequencyRefused: the typing rule's
    RowList rows;  // where the named rows are now, in their order (the new selection)
    bool changed = false;

    explicit operator bool() const { return !refusal; }
};

// The refusal's reason in `language`; empty when nothing was refused.
[[nodiscard]] std::string rowRefusalText(const RowEdit& edit, Language language);

// A channel is in use when both of its frequencies are set, as the grid shows it.
[[nodiscard]] bool isChannelInUse(const RadioImage& image, int row);

// An erased record at `row`, the rows below one down; refused when channel 128 is in use.
RowEdit insertEmptyChannel(RadioImage& image, int row);
// The rows go; those below move up and erased records fill the end.
RowEdit deleteChannels(RadioImage& image, const RowList& rows);
// Each row swaps with its neighbour past the set; nothing moves when the set touches the
// end it moves toward.
RowEdit moveChannelsByOne(RadioImage& image, const RowList& rows, MoveDirection direction);
// The rows taken out and put back one after another, the first at `firstRow` (counted
// after the taking out, so the first moved channel ends up at `firstRow`).
RowEdit moveChannelsTo(RadioImage& image, const RowList& rows, int firstRow);
// Copies of the rows, in their order, right after the last of them; rows below move down.
RowEdit duplicateChannels(RadioImage& image, const RowList& rows);
// Records of `source` into `target`, each at its own row, or from `at` on one after
// another. An empty source channel copies as an empty channel; Fr only into Fr. A
// frequency the target's band (`targetProduct`) refuses, refuses the whole copy.
RowEdit copyChannels(const RadioImage& source, const RowList& rows, RadioImage& target,
                     std::optional<int> at, const ProductState& targetProduct);

}  // namespace kw
