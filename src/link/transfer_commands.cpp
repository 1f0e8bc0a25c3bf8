#include "link/transfer_commands.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "res/command_ids.h"

namespace kw {
namespace {

// Commands that only show, hide or explain things.
constexpr std::array kCommandsAllowedDuringTransfer{
    command::kControlBar,    command::kChannelInformation,
    command::kHelpTopics,    command::kEditCopy,
    command::kHelp,          command::kNextPane,
    command::kPreviousPane,  command::kViewToolbar,
    command::kViewStatusBar,
};

}  // namespace

bool TransferCommands::onRead() {
    return offer(TransferDirection::Read, BuiltInText::ReadDataTitle);
}

bool TransferCommands::onWrite(GridSync& grid) {
    grid.cellCommit();
    return offer(TransferDirection::Write, BuiltInText::WriteDataTitle);
}

bool TransferCommands::offer(TransferDirection direction, BuiltInText title) {
    if (state_ != ProcessWindowState::Absent) {
        return false;
    }
    direction_ = direction;
    title_ = title;
    cancelRequested_ = false;
    state_ = ProcessWindowState::Offered;
    return true;
}

bool TransferCommands::start() {
    if (state_ != ProcessWindowState::Offered) {
        return false;
    }
    state_ = ProcessWindowState::Running;
    return true;
}

bool TransferCommands::cancel() {
    switch (state_) {
        case ProcessWindowState::Offered:
            state_ = ProcessWindowState::Absent;
            return true;
        case ProcessWindowState::Running:
            cancelRequested_ = true;
            return false;
        case ProcessWindowState::Absent:
            return false;
    }
    return false;
}

RadioImage TransferCommands::beginTransfer(GridSync& grid, const RadioImage& document) {
    assert(state_ == ProcessWindowState::Running);
    grid.cellCommit();
    grid.gridCommit();
    return document;
}

void TransferCommands::endTransfer(GridSync& grid, const TransferResult& result,
                                   const RadioImage& transferred, RadioImage& document) {
    assert(state_ == ProcessWindowState::Running);
    if (result && direction_ == TransferDirection::Read) {
        document = transferred;
        grid.refill();
    }
    state_ = ProcessWindowState::Absent;
}

TransferResult TransferCommands::onTransfer(GridSync& grid, ProgrammingSession& session,
                                            RadioImage& document, const std::string& portName) {
    RadioImage image = beginTransfer(grid, document);
    TransferResult result = session.run(direction_, image, portName);
    endTransfer(grid, result, image, document);
    return result;
}

bool TransferCommands::commandAllowed(CommandId commandId) const {
    return state_ == ProcessWindowState::Absent ||
           std::find(kCommandsAllowedDuringTransfer.begin(), kCommandsAllowedDuringTransfer.end(),
                     commandId) != kCommandsAllowedDuringTransfer.end();
}

}  // namespace kw
