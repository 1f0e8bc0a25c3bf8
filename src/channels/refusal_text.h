#pragma once
// Why the cell commit refused a value, in English, for a list of refusals: the message
// the desktop program shows, and for a frequency outside the band the band itself.

#include <string>

#include "channels/channel_editors.h"
#include "model/band.h"

namespace kw {

[[nodiscard]] std::string commitRefusalText(const CellCommitOutcome& outcome, BandLimits band);

}  // namespace kw
