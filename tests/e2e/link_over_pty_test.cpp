// The programming session on the real serial port, against a simulated radio on a
// pseudo-terminal.

#include <gtest/gtest.h>

#include "link/posix_serial_port.h"
#include "link/programming_session.h"
#include "model/model_table.h"
#include "session/new_document.h"
#include "sim_thread.h"
#include "support/recording_observer.h"

namespace kw {
namespace {

using test::SimThread;

// A radio of `modelIndex` whose channel and settings bytes say where they came from.
RadioImage radioImage(int modelIndex) {
    RadioImage image = sim::factoryImage(modelIndex);
    for (std::uint16_t address = 0; address < 0x0FD0; ++address) {
        image[*imageOffsetOf(address)] = static_cast<std::uint8_t>(address * 5 + 1);
    }
    return image;
}

RadioImage newDocument(int modelIndex) {
    RadioImage image;
    ProductState product;
    product.storedModelType = kRadioModels[static_cast<std::size_t>(modelIndex)].type;
    fillNewDocumentImage(image, product);
    for (std::uint16_t address = 0; address < 0x0C30; ++address) {
        image[*imageOffsetOf(address)] = static_cast<std::uint8_t>(address * 3 + 2);
    }
    sim::setModel(image, modelIndex);
    return image;
}

struct Rig {
    TransferResult run(TransferDirection direction, RadioImage& image, const std::string& device) {
        ProgrammingSession session(port, observer, sleeper);
        return session.run(direction, image, device);
    }

    PosixSerialPort port;
    test::RecordingObserver observer;
    ThreadSleeper sleeper;
};

class BothModels : public ::testing::TestWithParam<int> {};

TEST_P(BothModels, ReadTakesTheWholeRadio) {
    SimThread radio(radioImage(GetParam()));
    Rig rig;
    RadioImage image = newDocument(0);
    EXPECT_EQ(rig.run(TransferDirection::Read, image, radio.device()).outcome,
              TransferOutcome::Done);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(probePort(radio.device()), PortStatus::Free);
    const sim::RadioMemory memory = radio.stop();
    EXPECT_EQ(sim::memoryFromImage(image), memory);
    EXPECT_EQ(rig.observer.progress.back(), 191);
}

TEST_P(BothModels, WriteSendsEverythingButTheRadiosOwnBlocks) {
    const RadioImage before = radioImage(GetParam());
    SimThread radio(before);
    Rig rig;
    RadioImage image = newDocument(GetParam());
    EXPECT_EQ(rig.run(TransferDirection::Write, image, radio.device()).outcome,
              TransferOutcome::Done);
    const sim::RadioMemory memory = radio.stop();
    const sim::RadioMemory sent = sim::memoryFromImage(image);
    const sim::RadioMemory old = sim::memoryFromImage(before);
    for (std::size_t address = 0; address < memory.size(); ++address) {
        const bool radiosOwn = (address >= 0x0FD0 && address < 0x0FE0) || address >= 0x0FF0;
        ASSERT_EQ(memory[address], radiosOwn ? old[address] : sent[address]) << address;
    }
    EXPECT_EQ(rig.observer.progress.back(), 188);
}

INSTANTIATE_TEST_SUITE_P(Radio, BothModels, ::testing::Values(0, 1));

TEST(LinkOverPty, WriteToTheOtherModelIsRefusedBeforeAnyFrame) {
    const RadioImage before = radioImage(1);
    SimThread radio(before);
    Rig rig;
    RadioImage image = newDocument(0);
    EXPECT_EQ(rig.run(TransferDirection::Write, image, radio.device()).message,
              (TransferMessage{BuiltInText::BandNotMatch,
                               "The radio is a KW-217U; the document is for a KW-217V."}));
    EXPECT_EQ(radio.stop(), sim::memoryFromImage(before));
}

TEST(LinkOverPty, ReadWithTheWrongPasswordLeavesTheDocumentAlone) {
    RadioImage locked = radioImage(0);
    ASSERT_TRUE(sim::setPassword(locked, "4711"));
    SimThread radio(locked);
    Rig rig;
    RadioImage image = newDocument(0);
    const RadioImage before = image;
    EXPECT_EQ(rig.run(TransferDirection::Read, image, radio.device()).message,
              (TransferMessage{BuiltInText::PasswordError, {}}));
    EXPECT_EQ(image, before);
}

TEST(LinkOverPty, ReadWithTheRightPasswordWorks) {
    RadioImage locked = radioImage(0);
    ASSERT_TRUE(sim::setPassword(locked, "4711"));
    SimThread radio(locked);
    Rig rig;
    RadioImage image = newDocument(0);
    ASSERT_TRUE(sim::setPassword(image, "4711"));
    EXPECT_EQ(rig.run(TransferDirection::Read, image, radio.device()).outcome,
              TransferOutcome::Done);
}

TEST(LinkOverPty, CancelDuringTheHandshakeStopsWithoutAMessage) {
    SimThread radio(radioImage(0), {sim::FaultKind::Silent});
    Rig rig;
    rig.observer.cancelAtCheck = 20;  // the third attempt
    RadioImage image = newDocument(0);
    EXPECT_EQ(rig.run(TransferDirection::Read, image, radio.device()).outcome,
              TransferOutcome::Cancelled);
    EXPECT_TRUE(rig.observer.messages.empty());
    EXPECT_EQ(rig.observer.statuses.size(), 3u);
    EXPECT_EQ(probePort(radio.device()), PortStatus::Free);
}

TEST(LinkOverPty, CancelDuringTheDataPhaseLeavesTheDocumentAlone) {
    SimThread radio(radioImage(1));
    Rig rig;
    rig.observer.cancelAtProgress = 100;
    RadioImage image = newDocument(0);
    const RadioImage before = image;
    EXPECT_EQ(rig.run(TransferDirection::Read, image, radio.device()).outcome,
              TransferOutcome::Cancelled);
    EXPECT_EQ(image, before);
    EXPECT_EQ(rig.observer.progress.back(), 100);
    EXPECT_EQ(probePort(radio.device()), PortStatus::Free);
}

}  // namespace
}  // namespace kw
