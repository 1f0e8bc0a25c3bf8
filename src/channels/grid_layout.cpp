#include "channels/grid_layout.h"

namespace kw {

std::string rowTitle(int row) {
    return row == kFrRow ? std::string("Fr") : std::to_string(row);
}

}  // namespace kw
