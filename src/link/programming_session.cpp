#include "link/programming_session.h"

#include <algorithm>
#include <array>

#include "link/protocol.h"
#include "link/radio_probe.h"
#include "model/model_table.h"
#include "model/radio_address.h"

namespace kw {
namespace {

// Unanswered wake-ups before the Retry question; the count starts again after it.
constexpr int kRetryLimit = 15;
// A missing ACK after the model exchange, once the wake-up has been sent more often than
// this since the start or the last Retry question, means the radio is in a state only a
// reset cures.
constexpr int kModelExchangeRetryLimit = 5;

// Before each wake-up the session waits a few milliseconds, looking for a cancel each one.
constexpr int kHandshakeCancelChecks = 6;
constexpr int kCancelCheckPauseMs = 1;
constexpr int kRetryPauseMs = 2;
constexpr int kFramePauseMs = 1;

constexpr int kFramesPerChannelRow = 3;
constexpr int kFramesPerSettingsRow = 2;
// The product block and the band bytes are the radio's own: a Write stops at the row
// before the product block and sends the password block on its own.
constexpr int kProductRow = static_cast<int>(kProductBlock / kRowSize);
static_assert(kProductBlock % kRowSize == 0);
constexpr std::size_t kFrameSize = protocol::kFrameLength;

using Frame = std::array<std::uint8_t, kFrameSize>;

struct Ending {
    TransferResult result;
    bool alreadyShown = false;  // the 61449 question was the message
};

// The second line of "Band not match": the radio's model and the document's, where known.
std::string modelMismatchDetail(std::uint8_t radioModel, std::uint8_t documentModel) {
    const auto radio = modelIndexOfType(radioModel);
    if (!radio) {
        return "The radio reports a model this program does not know.";
    }
    std::string detail = "The radio is a " + std::string(kRadioModels[*radio].text);
    if (const auto document = modelIndexOfType(documentModel)) {
        detail += "; the document is for a " + std::string(kRadioModels[*document].text);
    }
    return detail + ".";
}

Ending failed(TransferMessage message) {
    return {{TransferOutcome::Failed, std::move(message)}, false};
}
Ending interrupted() {
    return failed({MessageId::ProgramInterrupt, {}});
}
Ending cancelled() {
    return {{TransferOutcome::Cancelled, {}}, false};
}
Ending communicationErrorDeclined() {
    return {{TransferOutcome::Failed, TransferMessage{MessageId::CommunicationError, {}}}, true};
}

struct ByteRead {
    std::optional<std::uint8_t> byte;
    bool deviceError = false;
};

// The conversation of one transfer over an open port.
class Conversation {
  public:
    Conversation(SerialPort& port, SessionObserver& observer, Sleeper& sleeper)
        : port_(port), observer_(observer), sleeper_(sleeper) {}

    std::optional<Ending> handshake(TransferDirection direction, const RadioImage& image);
    std::optional<Ending> writeData(const RadioImage& image);
    std::optional<Ending> readData(RadioImage& image);

  private:
    bool wakeUpAnswered(bool identified);
    std::optional<Ending> identify(TransferDirection direction, const RadioImage& image);
    bool writeFrame(const RadioImage& image, std::size_t offset);
    bool readFrame(RadioImage& scratch, std::size_t offset, bool pauseBeforeAck);
    bool request(std::uint16_t address, std::span<std::uint8_t, kFrameSize> data);
    bool acknowledge();
    bool progressStep();
    bool cancelledDuringHandshakePause();
    bool send(std::span<const std::uint8_t> bytes);
    ByteRead readByte();
    bool readAck();
    void pause(int milliseconds);

    SerialPort& port_;
    SessionObserver& observer_;
    Sleeper& sleeper_;
    int progress_ = 0;
};

std::optional<Ending> Conversation::handshake(TransferDirection direction,
                                              const RadioImage& image) {
    int retry = 1;
    bool identified = false;
    while (true) {
        if (cancelledDuringHandshakePause()) {
            return cancelled();
        }
        observer_.setStatus(BuiltInText::WaitingForRadio);
        port_.purge(PurgeMode::AbortAndClear);
        sendWakeUp(port_, sleeper_);
        if (!wakeUpAnswered(identified)) {
            pause(kRetryPauseMs);
            if (++retry > kRetryLimit) {
                if (observer_.askRetry(MessageId::CommunicationError) == RetryAnswer::Cancel) {
                    return communicationErrorDeclined();
                }
                retry = 1;
            }
            continue;
        }
        pause(kFramePauseMs);
        port_.purge(PurgeMode::Clear);
        (void)send(protocol::kModelRequest);
        std::array<std::uint8_t, protocol::kModelReplySize> modelReply{};
        (void)port_.read(modelReply);  // its meaning is the radio's own

        // No discard between this ACK and its answer: on a fast line the answer can be
        // in before a discard would run, and would be lost.
        port_.purge(PurgeMode::Clear);
        (void)send(std::span(&protocol::kAck, 1));
        pause(kFramePauseMs);
        if (!readAck()) {
            if (retry > kModelExchangeRetryLimit) {
                return interrupted();
            }
            if (observer_.askRetry(MessageId::CommunicationError) == RetryAnswer::Cancel) {
                return communicationErrorDeclined();
            }
            retry = 1;
            continue;
        }
        if (identified) {
            return std::nullopt;
        }
        if (auto stopped = identify(direction, image)) {
            return stopped;
        }
        // The whole handshake runs once more before any data moves.
        identified = true;
    }
}

// A stray byte before the ACK is tolerated. After the second wake-up silence counts as
// an answer too, since radios need not answer it; a wrong byte still does not.
bool Conversation::wakeUpAnswered(bool identified) {
    const ByteRead first = readByte();
    if (first.deviceError) {
        return false;
    }
    if (first.byte == protocol::kAck || (identified && !first.byte)) {
        return true;
    }
    return readByte().byte == protocol::kAck;
}

std::optional<Ending> Conversation::identify(TransferDirection direction, const RadioImage& image) {
    Frame blockA{};
    Frame blockB{};
    for (const auto& [address, block] : {std::pair{protocol::kIdentificationA, &blockA},
                                         std::pair{protocol::kIdentificationB, &blockB}}) {
        if (!request(address, *block)) {
            return interrupted();
        }
        pause(kFramePauseMs);
        if (!acknowledge()) {
            return interrupted();
        }
    }
    const std::uint8_t radioModel = blockA[protocol::kModelTypeInBlockA];
    if (!modelIndexOfType(radioModel) ||
        (direction == TransferDirection::Write && radioModel != image[kModelType])) {
        return failed(
            {BuiltInText::BandNotMatch, modelMismatchDetail(radioModel, image[kModelType])});
    }
    return std::nullopt;
}

std::optional<Ending> Conversation::writeData(const RadioImage& image) {
    for (int row = 0; row < kTransferredChannelRows; ++row) {
        for (int frame = 0; frame < kFramesPerChannelRow; ++frame) {
            if (!writeFrame(image, rowOffset(row) + frame * kFrameSize)) {
                return interrupted();
            }
        }
        if (progressStep()) {
            return cancelled();
        }
    }
    for (int row = kFirstSettingsRow; row < kProductRow; ++row) {
        for (int frame = 0; frame < kFramesPerSettingsRow; ++frame) {
            if (!writeFrame(image, rowOffset(row) + frame * kFrameSize)) {
                return interrupted();
            }
        }
        if (progressStep()) {
            return cancelled();
        }
    }
    for (std::size_t part = 0; part < kPasswordBlockSize; part += kFrameSize) {
        if (!writeFrame(image, kPasswordBlock + part)) {
            return interrupted();
        }
    }
    return std::nullopt;
}

std::optional<Ending> Conversation::readData(RadioImage& image) {
    Frame passwordFrame{};
    if (!request(protocol::kPasswordFrame, passwordFrame)) {
        return interrupted();
    }
    if (!std::equal(passwordFrame.begin() + protocol::kPasswordInFrame, passwordFrame.end(),
                    image.begin() + kPassword)) {
        return failed({BuiltInText::PasswordError, {}});
    }
    if (!acknowledge()) {
        return interrupted();
    }
    // Frames land in a copy: a Read that stops half-way must not leave a mixed image.
    RadioImage scratch = image;
    for (int row = 0; row < kTransferredChannelRows; ++row) {
        for (int frame = 0; frame < kFramesPerChannelRow; ++frame) {
            if (frame > 0) {
                pause(kFramePauseMs);
            }
            if (!readFrame(scratch, rowOffset(row) + frame * kFrameSize, true)) {
                return interrupted();
            }
        }
        if (progressStep()) {
            return cancelled();
        }
    }
    for (int row = kFirstSettingsRow; row <= kLastSettingsRow; ++row) {
        for (int frame = 0; frame < kFramesPerSettingsRow; ++frame) {
            if (!readFrame(scratch, rowOffset(row) + frame * kFrameSize, false)) {
                return interrupted();
            }
        }
        if (progressStep()) {
            return cancelled();
        }
    }
    image = scratch;
    return std::nullopt;
}

bool Conversation::writeFrame(const RadioImage& image, std::size_t offset) {
    port_.purge(PurgeMode::Clear);
    if (!send(protocol::frameHeader(protocol::kWriteCommand, *radioAddressOf(offset)))) {
        return false;
    }
    pause(kFramePauseMs);
    return send(std::span(image).subspan(offset, kFrameSize)) && readAck();
}

bool Conversation::readFrame(RadioImage& scratch, std::size_t offset, bool pauseBeforeAck) {
    Frame data{};
    if (!request(*radioAddressOf(offset), data)) {
        return false;
    }
    std::copy(data.begin(), data.end(), scratch.begin() + offset);
    if (pauseBeforeAck) {
        pause(kFramePauseMs);
    }
    return acknowledge();
}

// Asks for the 8 bytes at `address`; a reply of fewer than 12 bytes is a failure.
bool Conversation::request(std::uint16_t address, std::span<std::uint8_t, kFrameSize> data) {
    port_.purge(PurgeMode::Clear);
    if (!send(protocol::frameHeader(protocol::kReadCommand, address))) {
        return false;
    }
    std::array<std::uint8_t, protocol::kReadReplySize> reply{};
    const PortReadResult got = port_.read(reply);
    if (got.deviceError || got.count < reply.size()) {
        return false;
    }
    std::copy(reply.begin() + protocol::kReadReplyHeaderSize, reply.end(), data.begin());
    return true;
}

bool Conversation::acknowledge() {
    port_.purge(PurgeMode::Clear);
    return send(std::span(&protocol::kAck, 1)) && readAck();
}

bool Conversation::progressStep() {
    if (progress_ < kProgressRange) {
        observer_.setProgress(++progress_);
    }
    return observer_.cancelRequested();
}

bool Conversation::cancelledDuringHandshakePause() {
    for (int i = 0; i < kHandshakeCancelChecks; ++i) {
        if (observer_.cancelRequested()) {
            return true;
        }
        pause(kCancelCheckPauseMs);
    }
    return false;
}

bool Conversation::send(std::span<const std::uint8_t> bytes) {
    return port_.write(bytes).complete(bytes.size());
}

ByteRead Conversation::readByte() {
    std::uint8_t byte = 0;
    const PortReadResult got = port_.read(std::span(&byte, 1));
    if (got.count == 1) {
        return {byte, false};
    }
    return {std::nullopt, got.deviceError};
}

// A read that brought no byte is no ACK, whatever was received before.
bool Conversation::readAck() {
    return readByte().byte == protocol::kAck;
}

void Conversation::pause(int milliseconds) {
    sleeper_.sleepFor(std::chrono::milliseconds(milliseconds));
}

}  // namespace

TransferResult ProgrammingSession::run(TransferDirection direction, RadioImage& image,
                                       const std::string& portName) {
    const PortOpenResult opened = port_.open(portName);
    Ending ending;
    if (!opened) {
        ending = failed({MessageId::CouldNotOpenPort, opened.detail});
    } else {
        Conversation conversation(port_, observer_, sleeper_);
        if (auto stopped = conversation.handshake(direction, image)) {
            ending = std::move(*stopped);
        } else if (auto stopped = direction == TransferDirection::Write
                                      ? conversation.writeData(image)
                                      : conversation.readData(image)) {
            ending = std::move(*stopped);
        }
    }
    port_.close();
    if (ending.result.message && !ending.alreadyShown) {
        observer_.showMessage(*ending.result.message);
    }
    return ending.result;
}

}  // namespace kw
