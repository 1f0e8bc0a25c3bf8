#include "link/programming_session.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/product_state.h"
#include "model/radio_address.h"
#include "support/bytes.h"
#include "support/fake_sleeper.h"
#include "support/recording_observer.h"
#include "support/scripted_port.h"
#include "support/scripted_radio.h"

namespace kw {
namespace {

using test::bytes;
using test::hex;

std::vector<std::uint8_t> operator+(std::vector<std::uint8_t> a,
                                    const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::uint8_t> frame(std::uint8_t command, std::size_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), 0x08};
}

const std::vector<std::uint8_t> kWakeUp = bytes("02 50 52 4F 47 52 41");
const std::vector<std::uint8_t> kFirstHandshake =
    kWakeUp + bytes("4D 02  06  52 0F D0 08  06  52 0F D8 08  06");
const std::vector<std::uint8_t> kSecondHandshake = kWakeUp + bytes("4D 02  06");

std::uint8_t documentPatternAt(std::size_t address) {
    return static_cast<std::uint8_t>((address * 13 + 5) & 0xFF);
}

// A document whose radio bytes show their radio address, committed for `modelType`.
RadioImage documentFor(std::uint8_t modelType) {
    RadioImage image;
    image.fill(0xEE);
    for (std::uint16_t address = 0; address < 0x1000; ++address) {
        image[*imageOffsetOf(address)] = documentPatternAt(address);
    }
    ProductState product;
    product.storedModelType = modelType;
    product.writeInto(image);
    return image;
}

// The image a Read starts from: nothing in it but the radio's (empty) password.
RadioImage blankWithoutPassword() {
    RadioImage image;
    image.fill(0xEE);
    for (std::uint16_t address = 0x0FE2; address < 0x0FE8; ++address) {
        image[*imageOffsetOf(address)] = 0xFF;
    }
    return image;
}

struct SessionRig {
    explicit SessionRig(std::uint8_t modelType = 1)
        : radio(modelType), port([this](std::span<const std::uint8_t> w) { return radio(w); }) {}

    TransferResult run(TransferDirection direction, RadioImage& image) {
        ProgrammingSession session(port, observer, sleeper);
        return session.run(direction, image, "COM3");
    }

    test::ScriptedRadio radio;
    test::ScriptedPort port;
    test::RecordingObserver observer;
    test::FakeSleeper sleeper;
};

std::vector<int> oneTo(int last) {
    std::vector<int> steps(static_cast<std::size_t>(last));
    for (int i = 0; i < last; ++i) {
        steps[static_cast<std::size_t>(i)] = i + 1;
    }
    return steps;
}

class ExchangeTest : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(ExchangeTest, ReadSendsExactlyTheProtocolsBytes) {
    SessionRig rig(GetParam());
    RadioImage image = blankWithoutPassword();
    const RadioImage before = image;

    const TransferResult result = rig.run(TransferDirection::Read, image);

    ASSERT_EQ(result.outcome, TransferOutcome::Done);
    std::vector<std::uint8_t> expected =
        kFirstHandshake + kSecondHandshake + bytes("52 0F E0 08  06");
    for (std::size_t address = 0; address < 0x1000; address += 8) {
        expected = expected + frame(0x52, address) + bytes("06");
    }
    EXPECT_EQ(hex(rig.port.sent()), hex(expected));
    for (std::size_t offset = 0; offset < image.size(); ++offset) {
        const auto address = radioAddressOf(offset);
        ASSERT_EQ(image[offset], address ? rig.radio.memory[*address] : before[offset])
            << "image offset " << offset;
    }
    EXPECT_EQ(rig.observer.progress, oneTo(191));
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_EQ(rig.port.openedNames(), std::vector<std::string>{"COM3"});
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.sleeper.total, std::chrono::milliseconds(696));
}

TEST_P(ExchangeTest, WriteSendsExactlyTheProtocolsBytes) {
    SessionRig rig(GetParam());
    RadioImage image = documentFor(GetParam());
    const RadioImage before = image;

    const TransferResult result = rig.run(TransferDirection::Write, image);

    ASSERT_EQ(result.outcome, TransferOutcome::Done);
    const auto dataFrame = [](std::size_t address) {
        std::vector<std::uint8_t> data;
        for (std::size_t i = 0; i < 8; ++i) {
            data.push_back(documentPatternAt(address + i));
        }
        return frame(0x57, address) + data;
    };
    std::vector<std::uint8_t> expected = kFirstHandshake + kSecondHandshake;
    for (std::size_t address = 0; address < 0x0FD0; address += 8) {
        expected = expected + dataFrame(address);
    }
    expected = expected + dataFrame(0x0FE0) + dataFrame(0x0FE8);
    EXPECT_EQ(hex(rig.port.sent()), hex(expected));
    // The radio's product block and band bytes are never written.
    for (std::size_t address = 0x0FD0; address < 0x0FE0; ++address) {
        const std::uint8_t own =
            address == 0x0FD1 ? GetParam() : test::ScriptedRadio::patternAt(address);
        EXPECT_EQ(rig.radio.memory[address], own);
    }
    EXPECT_EQ(rig.radio.memory[0x0FF0], test::ScriptedRadio::patternAt(0x0FF0));
    EXPECT_EQ(image, before);
    EXPECT_EQ(rig.observer.progress, oneTo(188));
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.sleeper.total, std::chrono::milliseconds(554));
}

INSTANTIATE_TEST_SUITE_P(BothModels, ExchangeTest, ::testing::Values(1, 2));

bool isWakeUpEnd(std::span<const std::uint8_t> w) {
    return w.size() == 1 && w[0] == 0x41;
}
bool isRequestFor(std::span<const std::uint8_t> w, std::uint8_t command, std::size_t address) {
    return w.size() == 4 && w[0] == command && w[1] == (address >> 8) && w[2] == (address & 0xFF);
}
using Answer = std::optional<std::vector<std::uint8_t>>;

TEST(ProgrammingSession, StrayByteBeforeTheWakeUpAckIsTolerated) {
    SessionRig rig;
    rig.radio.interfere = [](std::span<const std::uint8_t> w) -> Answer {
        return isWakeUpEnd(w) ? Answer(bytes("55 06")) : std::nullopt;
    };
    RadioImage image = blankWithoutPassword();
    EXPECT_EQ(rig.run(TransferDirection::Read, image).outcome, TransferOutcome::Done);
    EXPECT_EQ(rig.observer.statuses.size(), 2u);  // one attempt per pass
}

TEST(ProgrammingSession, SilentRadioIsAskedAboutAfterFifteenAttemptsAndRetryStartsAfresh) {
    SessionRig rig;
    rig.radio.interfere = [](std::span<const std::uint8_t>) -> Answer { return bytes(""); };
    rig.observer.answers = {RetryAnswer::Retry, RetryAnswer::Cancel};
    RadioImage image = blankWithoutPassword();
    const RadioImage before = image;

    const TransferResult result = rig.run(TransferDirection::Read, image);

    EXPECT_EQ(result.outcome, TransferOutcome::Failed);
    EXPECT_EQ(result.message, (TransferMessage{MessageId::CommunicationError, {}}));
    EXPECT_EQ(rig.observer.questions.size(), 2u);
    EXPECT_EQ(rig.observer.statuses.size(), 30u);  // 15 attempts before each question
    std::vector<std::uint8_t> thirtyWakeUps;
    for (int i = 0; i < 30; ++i) {
        thirtyWakeUps = thirtyWakeUps + kWakeUp;
    }
    EXPECT_EQ(hex(rig.port.sent()), hex(thirtyWakeUps));
    EXPECT_TRUE(rig.observer.messages.empty());  // the question was the message
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(image, before);
}

TEST(ProgrammingSession, SilenceAfterTheSecondWakeUpIsAccepted) {
    SessionRig rig;
    int wakeUps = 0;
    rig.radio.interfere = [&wakeUps](std::span<const std::uint8_t> w) -> Answer {
        return isWakeUpEnd(w) && ++wakeUps == 2 ? Answer(bytes("")) : std::nullopt;
    };
    RadioImage image = blankWithoutPassword();
    EXPECT_EQ(rig.run(TransferDirection::Read, image).outcome, TransferOutcome::Done);
    EXPECT_EQ(rig.observer.statuses.size(), 2u);
}

TEST(ProgrammingSession, WrongByteAfterTheSecondWakeUpIsNoAnswer) {
    SessionRig rig;
    int wakeUps = 0;
    rig.radio.interfere = [&wakeUps](std::span<const std::uint8_t> w) -> Answer {
        return isWakeUpEnd(w) && ++wakeUps == 2 ? Answer(bytes("33")) : std::nullopt;
    };
    RadioImage image = blankWithoutPassword();
    EXPECT_EQ(rig.run(TransferDirection::Read, image).outcome, TransferOutcome::Done);
    EXPECT_EQ(rig.observer.statuses.size(), 3u);  // the second pass needed another attempt
}

TEST(ProgrammingSession, MissingAckAfterTheModelRequestAsksAtOnce) {
    SessionRig rig;
    bool modelRequested = false;
    rig.radio.interfere = [&](std::span<const std::uint8_t> w) -> Answer {
        if (w.size() == 2 && w[0] == 0x4D) {
            modelRequested = true;
        } else if (modelRequested && w.size() == 1 && w[0] == 0x06) {
            return bytes("");
        }
        return std::nullopt;
    };
    RadioImage image = blankWithoutPassword();
    const TransferResult result = rig.run(TransferDirection::Read, image);
    EXPECT_EQ(result.message, (TransferMessage{MessageId::CommunicationError, {}}));
    EXPECT_EQ(rig.observer.questions.size(), 1u);
    EXPECT_EQ(rig.observer.statuses.size(), 1u);
}

TEST(ProgrammingSession, MissingAckAfterTheModelRequestFollowingFiveFailedAttemptsInterrupts) {
    SessionRig rig;
    int wakeUps = 0;
    rig.radio.interfere = [&](std::span<const std::uint8_t> w) -> Answer {
        if (isWakeUpEnd(w)) {
            return ++wakeUps <= 5 ? Answer(bytes("")) : std::nullopt;
        }
        return w.size() == 1 && w[0] == 0x06 ? Answer(bytes("")) : std::nullopt;
    };
    RadioImage image = blankWithoutPassword();
    const TransferResult result = rig.run(TransferDirection::Read, image);
    EXPECT_EQ(result.message, (TransferMessage{MessageId::ProgramInterrupt, {}}));
    EXPECT_TRUE(rig.observer.questions.empty());
    ASSERT_EQ(rig.observer.messages.size(), 1u);
}

struct RadioFault {
    const char* name;
    TransferDirection direction;
    std::function<Answer(std::span<const std::uint8_t>)> interfere;
    TransferMessage expected;
};

class FaultTest : public ::testing::TestWithParam<RadioFault> {};

TEST_P(FaultTest, EndsWithItsMessageThePortClosedAndTheImageUnchanged) {
    SessionRig rig;
    rig.radio.interfere = GetParam().interfere;
    RadioImage image =
        GetParam().direction == TransferDirection::Read ? blankWithoutPassword() : documentFor(1);
    const RadioImage before = image;

    const TransferResult result = rig.run(GetParam().direction, image);

    EXPECT_EQ(result.outcome, TransferOutcome::Failed);
    EXPECT_EQ(result.message, GetParam().expected);
    ASSERT_EQ(rig.observer.messages.size(), 1u);
    EXPECT_EQ(rig.observer.messages[0], GetParam().expected);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(image, before);
}

Answer answerTo(std::uint8_t command, std::size_t address, std::vector<std::uint8_t> answer,
                std::span<const std::uint8_t> w) {
    return isRequestFor(w, command, address) ? Answer(std::move(answer)) : std::nullopt;
}

// Answers the ACK that follows the request for `address` with `answer`.
std::function<Answer(std::span<const std::uint8_t>)> ackAfterRead(
    std::size_t address, std::vector<std::uint8_t> answer) {
    auto armed = std::make_shared<bool>(false);
    return [=](std::span<const std::uint8_t> w) -> Answer {
        if (isRequestFor(w, 0x52, address)) {
            *armed = true;
        } else if (*armed && w.size() == 1 && w[0] == 0x06) {
            *armed = false;
            return answer;
        }
        return std::nullopt;
    };
}

// Replaces the answer to the data bytes of the write frame for `address`.
std::function<Answer(std::span<const std::uint8_t>)> ackAfterWrite(
    std::size_t address, std::vector<std::uint8_t> answer) {
    auto armed = std::make_shared<bool>(false);
    return [=](std::span<const std::uint8_t> w) -> Answer {
        if (isRequestFor(w, 0x57, address)) {
            *armed = true;
        } else if (*armed && w.size() == 8) {
            *armed = false;
            return answer;
        }
        return std::nullopt;
    };
}

const TransferMessage kInterrupt{MessageId::ProgramInterrupt, {}};
const TransferMessage kUnknownModel{BuiltInText::BandNotMatch,
                                    "The radio reports a model this program does not know."};
const TransferMessage kOtherModel{BuiltInText::BandNotMatch,
                                  "The radio is a KW-217U; the document is for a KW-217V."};

INSTANTIATE_TEST_SUITE_P(
    Radio, FaultTest,
    ::testing::Values(
        RadioFault{"ModelTypeZero", TransferDirection::Read,
                   [](auto w) {
                       return answerTo(0x52, 0x0FD0, bytes("A0 A1 A2 A3 00 00 00 00 88 00 AE 00"),
                                       w);
                   },
                   kUnknownModel},
        RadioFault{"ModelTypeThree", TransferDirection::Write,
                   [](auto w) {
                       return answerTo(0x52, 0x0FD0, bytes("A0 A1 A2 A3 00 03 00 00 88 00 AE 00"),
                                       w);
                   },
                   kUnknownModel},
        RadioFault{"OtherModelOnWrite", TransferDirection::Write,
                   [](auto w) {
                       return answerTo(0x52, 0x0FD0, bytes("A0 A1 A2 A3 00 02 00 00 90 01 08 02"),
                                       w);
                   },
                   kOtherModel},
        RadioFault{"ShortIdentification", TransferDirection::Read,
                   [](auto w) { return answerTo(0x52, 0x0FD8, bytes("A0 A1 A2 A3 00 00"), w); },
                   kInterrupt},
        RadioFault{"WrongPassword", TransferDirection::Read,
                   [](auto w) {
                       return answerTo(0x52, 0x0FE0, bytes("A0 A1 A2 A3 FF FF 31 32 33 FF FF FF"),
                                       w);
                   },
                   TransferMessage{BuiltInText::PasswordError, {}}},
        RadioFault{"ShortPasswordReply", TransferDirection::Read,
                   [](auto w) { return answerTo(0x52, 0x0FE0, bytes("A0 A1 A2"), w); }, kInterrupt},
        RadioFault{"ShortReadReply", TransferDirection::Read,
                   [](auto w) {
                       return answerTo(0x52, 0x0C30, bytes("A0 A1 A2 A3 01 02 03 04 05 06 07"), w);
                   },
                   kInterrupt},
        RadioFault{"NakDuringRead", TransferDirection::Read, ackAfterRead(0x0FF8, bytes("15")),
                   kInterrupt},
        RadioFault{"NoAckDuringRead", TransferDirection::Read, ackAfterRead(0x0100, bytes("")),
                   kInterrupt},
        RadioFault{"NakDuringWrite", TransferDirection::Write, ackAfterWrite(0x0C30, bytes("15")),
                   kInterrupt},
        RadioFault{"NoAckToTheFirstWriteFrame", TransferDirection::Write,
                   ackAfterWrite(0x0000, bytes("")), kInterrupt},
        RadioFault{"NoAckToThePasswordFrame", TransferDirection::Write,
                   ackAfterWrite(0x0FE8, bytes("")), kInterrupt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgrammingSession, WrongPasswordStopsBeforeAnyDataFrame) {
    SessionRig rig;
    rig.radio.memory[0x0FE2] = '1';
    RadioImage image = blankWithoutPassword();
    (void)rig.run(TransferDirection::Read, image);
    const auto& sent = rig.port.sent();
    EXPECT_EQ(hex(std::span(sent).last(4)), "52 0F E0 08");
}

TEST(ProgrammingSession, WriteToTheOtherModelSendsNoFrame) {
    SessionRig rig(2);
    RadioImage image = documentFor(1);
    EXPECT_EQ(rig.run(TransferDirection::Write, image).message, kOtherModel);
    EXPECT_EQ(std::count(rig.port.sent().begin(), rig.port.sent().end(), 0x57), 0);
}

TEST(ProgrammingSession, PulledCableDuringTheDataPhaseInterrupts) {
    SessionRig rig;
    rig.radio.interfere = [&rig](std::span<const std::uint8_t> w) -> Answer {
        if (isRequestFor(w, 0x52, 0x0800)) {
            rig.port.pullCable();
        }
        return std::nullopt;
    };
    RadioImage image = blankWithoutPassword();
    const RadioImage before = image;
    EXPECT_EQ(rig.run(TransferDirection::Read, image).message, kInterrupt);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(image, before);
}

TEST(ProgrammingSession, PortThatDoesNotOpenIsReportedWithItsReason) {
    SessionRig rig;
    rig.port.refuseOpen({PortOpenProblem::PermissionDenied, "You may not open /dev/ttyUSB2."});
    RadioImage image = blankWithoutPassword();
    const TransferResult result = rig.run(TransferDirection::Write, image);
    const TransferMessage expected{MessageId::CouldNotOpenPort, "You may not open /dev/ttyUSB2."};
    EXPECT_EQ(result.message, expected);
    ASSERT_EQ(rig.observer.messages.size(), 1u);
    EXPECT_EQ(rig.observer.messages[0], expected);
    EXPECT_TRUE(rig.port.sent().empty());
}

TEST(ProgrammingSession, CancelBeforeTheFirstWakeUpSendsNothing) {
    SessionRig rig;
    rig.observer.cancelAtCheck = 1;
    RadioImage image = blankWithoutPassword();
    const TransferResult result = rig.run(TransferDirection::Read, image);
    EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
    EXPECT_FALSE(result.message);
    EXPECT_TRUE(rig.port.sent().empty());
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(ProgrammingSession, CancelInTheSecondHandshakeStopsBeforeItsWakeUp) {
    SessionRig rig;
    rig.observer.cancelAtCheck = 7;  // the first of the second pass's six checks
    RadioImage image = documentFor(1);
    EXPECT_EQ(rig.run(TransferDirection::Write, image).outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(hex(rig.port.sent()), hex(kFirstHandshake));
}

TEST(ProgrammingSession, CancelDuringTheDataPhaseLeavesTheImageAsItWas) {
    SessionRig rig;
    rig.observer.cancelAtProgress = 150;
    RadioImage image = blankWithoutPassword();
    const RadioImage before = image;
    EXPECT_EQ(rig.run(TransferDirection::Read, image).outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(rig.observer.progress.back(), 150);
    EXPECT_EQ(image, before);
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_FALSE(rig.port.isOpen());
}

}  // namespace
}  // namespace kw
