#include "simulated_radio.h"

#include <algorithm>

#include "link/protocol.h"
#include "model/model_table.h"

namespace kw::sim {
namespace {

constexpr std::uint8_t kStrayByte = 0x55;
constexpr std::uint8_t kJunkByte = 0x5A;
constexpr std::uint16_t kLastReadAddress = kRadioMemoryEnd - protocol::kFrameLength;
constexpr std::size_t kWriteFrameSize = protocol::kFrameHeaderSize + protocol::kFrameLength;
// The radio's own model type, as it sits in its product block.
constexpr std::uint16_t kModelTypeAddress =
    protocol::kIdentificationA + protocol::kModelTypeInBlockA;
constexpr std::size_t kShortReplySize = protocol::kReadReplySize / 2;

bool frameFits(std::uint16_t address, std::uint8_t length) {
    return length == protocol::kFrameLength && address + length <= kRadioMemoryEnd;
}

}  // namespace

Reaction SimulatedRadio::receive(std::uint8_t byte) {
    if (fault().kind == FaultKind::Silent) {
        return {};
    }
    // A wake-up can start whenever no command is half received, in either mode.
    if (pending_.empty() && (wakeUpMatched_ > 0 || byte == protocol::kWakeUp[0])) {
        if (byte == protocol::kWakeUp[wakeUpMatched_]) {
            if (++wakeUpMatched_ == protocol::kWakeUp.size()) {
                wakeUpMatched_ = 0;
                return wakeUpComplete();
            }
            return {};
        }
        wakeUpMatched_ = byte == protocol::kWakeUp[0] ? 1 : 0;
        if (wakeUpMatched_ == 1) {
            return {};
        }
    }
    if (mode_ == Mode::Idle) {
        return {};
    }
    return command(byte);
}

bool SimulatedRadio::lineIdle() {
    wakeUpMatched_ = 0;
    if (mode_ == Mode::Idle) {
        return false;
    }
    (void)endSession({});
    return true;
}

Reaction SimulatedRadio::wakeUpComplete() {
    if (mode_ == Mode::Idle) {
        ++sessionsStarted_;
    }
    mode_ = Mode::Programming;
    ++wakeUps_;
    pending_.clear();
    nextAckAnswer_.reset();
    if (fault().kind == FaultKind::SilentSecondWakeUp && wakeUps_ == 2) {
        return {};
    }
    if (fault().kind == FaultKind::StrayByte) {
        return {{kStrayByte, protocol::kAck}};
    }
    return {{protocol::kAck}};
}

Reaction SimulatedRadio::command(std::uint8_t byte) {
    pending_.push_back(byte);
    const std::uint8_t kind = pending_.front();
    if (kind == protocol::kAck) {
        pending_.clear();
        return acknowledge();
    }
    if (kind == protocol::kModelRequest[0]) {
        if (pending_.size() < protocol::kModelRequest.size()) {
            return {};
        }
        const bool valid = pending_[1] == protocol::kModelRequest[1];
        pending_.clear();
        if (!valid) {
            return {{protocol::kNak}};
        }
        std::vector<std::uint8_t> reply(protocol::kModelReplySize, 0x00);
        if (const auto model = modelIndexOfType(memory_[kModelTypeAddress])) {
            const std::string_view text = kRadioModels[static_cast<std::size_t>(*model)].text;
            std::copy_n(text.begin(), std::min(text.size(), reply.size()), reply.begin());
        }
        return {reply};
    }
    if (kind != protocol::kReadCommand && kind != protocol::kWriteCommand) {
        pending_.clear();
        return {{protocol::kNak}};
    }
    if (pending_.size() < protocol::kFrameHeaderSize) {
        return {};
    }
    const std::uint16_t address = protocol::frameAddress(pending_[1], pending_[2]);
    if (!frameFits(address, pending_[3])) {
        pending_.clear();
        return {{protocol::kNak}};
    }
    if (kind == protocol::kReadCommand) {
        pending_.clear();
        return readFrame(address);
    }
    return pending_.size() < kWriteFrameSize ? Reaction{} : writeFrame(address);
}

Reaction SimulatedRadio::readFrame(std::uint16_t address) {
    if (fault().at(address, FaultKind::DisconnectAt)) {
        return {{}, true};
    }
    const auto header = protocol::frameHeader(protocol::kWriteCommand, address);
    std::vector<std::uint8_t> reply(protocol::kReadReplySize);
    std::copy(header.begin(), header.end(), reply.begin());
    std::copy_n(memory_.begin() + address, protocol::kFrameLength,
                reply.begin() + protocol::kReadReplyHeaderSize);
    if (fault().at(address, FaultKind::ShortReplyAt)) {
        reply.resize(kShortReplySize);
    } else if (fault().at(address, FaultKind::NakAt)) {
        nextAckAnswer_ = protocol::kNak;
    } else if (fault().at(address, FaultKind::GarbageAt)) {
        std::fill(reply.begin(), reply.end(), kJunkByte);
        nextAckAnswer_ = kJunkByte;
    } else if (address == kLastReadAddress) {
        endAfterAck_ = true;
    }
    return {reply};
}

Reaction SimulatedRadio::writeFrame(std::uint16_t address) {
    std::vector<std::uint8_t> data(pending_.begin() + protocol::kFrameHeaderSize, pending_.end());
    pending_.clear();
    switch (fault().address == address ? fault().kind : FaultKind::None) {
        case FaultKind::DisconnectAt:
            return {{}, true};
        case FaultKind::NakAt:
            return {{protocol::kNak}};
        case FaultKind::ShortReplyAt:
            return {};
        case FaultKind::GarbageAt:
            return {{kJunkByte}};
        case FaultKind::DropWriteAt:
            return {{protocol::kAck}};
        default:
            break;
    }
    std::copy(data.begin(), data.end(), memory_.begin() + address);
    if (address == protocol::kPasswordSecondFrame) {
        return endSession({{protocol::kAck}});
    }
    return {{protocol::kAck}};
}

const Fault& SimulatedRadio::fault() const {
    static const Fault kNoFault;
    const int session = mode_ == Mode::Idle ? sessionsStarted_ + 1 : sessionsStarted_;
    return fault_.session == 0 || fault_.session == session ? fault_ : kNoFault;
}

std::chrono::milliseconds SimulatedRadio::extraAnswerDelay() const {
    return fault().kind == FaultKind::Slow ? fault().delay : std::chrono::milliseconds{0};
}

Reaction SimulatedRadio::acknowledge() {
    if (nextAckAnswer_) {
        const std::uint8_t answer = *nextAckAnswer_;
        nextAckAnswer_.reset();
        return {{answer}};
    }
    if (endAfterAck_) {
        endAfterAck_ = false;
        return endSession({{protocol::kAck}});
    }
    return {{protocol::kAck}};
}

Reaction SimulatedRadio::endSession(Reaction reaction) {
    mode_ = Mode::Idle;
    wakeUps_ = 0;
    pending_.clear();
    nextAckAnswer_.reset();
    endAfterAck_ = false;
    reaction.sessionEnded = true;
    return reaction;
}

}  // namespace kw::sim
