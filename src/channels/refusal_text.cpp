#include "channels/refusal_text.h"

namespace kw {

std::string commitRefusalText(const CellCommitOutcome& outcome, BandLimits band) {
    std::string reason(rejectionText(outcome, Language::English));
    if (outcome.message == MessageId::OutOfRange) {
        reason += "\nA frequency must lie in the document's band " + std::to_string(band.lowerMhz) +
                  "–" + std::to_string(band.upperMhz) + " MHz.";
    }
    return reason;
}

}  // namespace kw
