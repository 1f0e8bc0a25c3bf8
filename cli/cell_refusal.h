#pragma once
// The sentence a command prints when the grid's editing rules refuse a value.

#include <string>
#include <string_view>

#include "channels/cell_edit.h"
#include "model/band.h"

namespace kw::cli {

// Why `value` was refused for `cell`: the message the desktop program would show (with
// the band on a second line when the frequency is outside it), or the drop-down texts it
// could have been.
[[nodiscard]] std::string refusalReason(const CellEditResult& result, const ChannelEditors& editors,
                                        GridCell cell, std::string_view value, BandLimits band);

}  // namespace kw::cli
