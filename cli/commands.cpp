#include "commands.h"

#include <array>

namespace kw::cli {

std::span<const Command* const> allCommands() {
    static constexpr std::array kCommands{
        &kNewCommand,      &kInfoCommand,   &kModelCommand, &kProfileCommand,    &kFeaturesCommand,
        &kChannelsCommand, &kSetCommand,    &kTonesCommand, &kCopyCommand,       &kMoveCommand,
        &kDeleteCommand,   &kInsertCommand, &kSortCommand,  &kExportCommand,     &kImportCommand,
        &kPortsCommand,    &kReadCommand,   &kWriteCommand, &kCompletionCommand,
    };
    return kCommands;
}

}  // namespace kw::cli
