#pragma once

#include <span>

#include "command.h"

namespace kw::cli {

// Every command of kwprog-cli, in the order the usage text lists them.
std::span<const Command* const> allCommands();

extern const Command kNewCommand;
extern const Command kInfoCommand;
extern const Command kModelCommand;
extern const Command kProfileCommand;
extern const Command kFeaturesCommand;
extern const Command kChannelsCommand;
extern const Command kSetCommand;
extern const Command kTonesCommand;
extern const Command kCopyCommand;
extern const Command kMoveCommand;
extern const Command kDeleteCommand;
extern const Command kInsertCommand;
extern const Command kSortCommand;
extern const Command kExportCommand;
extern const Command kImportCommand;
extern const Command kPortsCommand;
extern const Command kReadCommand;
extern const Command kWriteCommand;
extern const Command kCompletionCommand;

}  // namespace kw::cli
