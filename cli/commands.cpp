#include "commands.h"

#include <array>

namespace kw::cli {

std::span<const Command* const> allCommands() {
    static constexpr std::array kCommands{
        &kNewCommand,
        &kInfoCommand,
        &kFeaturesCommand,
    };
    return kCommands;
}

}  // namespace kw::cli
