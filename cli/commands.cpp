#include "commands.h"

#include <array>

namespace kw::cli {

std::span<const Command* const> allCommands() {
    static constexpr std::array kCommands{
        &kNewCommand,
        &kInfoCommand,
        &kProfileCommand,
        &kFeaturesCommand,
        &kChannelsCommand,
        &kSetCommand,
        &kExportCommand,
        &kImportCommand,
        &kNewCommand,   &kInfoCommand, &kProfileCommand, &kFeaturesCommand,
        &kPortsCommand, &kReadCommand, &kWriteCommand,
    };
    return kCommands;
}

}  // namespace kw::cli
