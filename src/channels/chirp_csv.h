#pragma once
// The channel list as CHIRP's CSV: one line per channel (Location 1-128) with the columns
// Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode,
// DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment and the four
// D-STAR columns. Frequencies are MHz; the tone mode says which tone columns count.

#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_editors.h"
#include "channels/channel_grid.h"
#include "model/product_state.h"

namespace kw {

// Channels 1-128 that hold a channel, in order; Fr is left out.
[[nodiscard]] std::string chirpCsv(const ChannelGrid& grid);

// A line of the file the radio cannot hold, and why (English).
struct ChirpRefusal {
    int line = 0;  // the file's line number, the header being line 1
    std::string column;
    std::string reason;
    friend bool operator==(const ChirpRefusal&, const ChirpRefusal&) = default;
};

// An import worked out on a copy of the grid: the caller shows `refused` and then takes
// `grid` and `editors` (every other line in, "the rest") or drops the whole import.
struct [[nodiscard]] ChirpImport {
    explicit ChirpImport(const ChannelGrid& from, const ChannelEditors& fromEditors)
        : grid(from), editors(fromEditors) {}

    std::string error;  // not CSV, or no CHIRP header: nothing can be imported
    std::vector<ChirpRefusal> refused;
    ChannelGrid grid;
    ChannelEditors editors;
    bool changed = false;  // some channel differs from the grid the import started from

    explicit operator bool() const { return error.empty(); }
};

// Each line goes in through the typing rules (editCell) as a whole channel; a line with a
// refused value leaves its channel as it was. Channels the file does not hold stay, or
// are cleared with `replace`. Busy Lock of a channel already there is kept, else Off.
ChirpImport readChirpCsv(std::string_view text, const ChannelGrid& grid,
                         const ChannelEditors& editors, const ProductState& product,
                         bool replace = false);

}  // namespace kw
