// Every fault kwradio-sim can show, in a Read and a Write of both models: the programming
// session on the real serial port against the simulator's process on a pseudo-terminal.
// Each row says how the transfer ends, that the port is free again at once, what is left
// of the document and of the radio, and that it ended within its bound.
//
// The protocol's own 1-2 ms waits go to a fake sleeper; the port's time-outs are real.
// The silent rows are the slow ones by nature: 15 attempts of two 190 ms reads each.

#include <gtest/gtest.h>

#include <chrono>

#include "cli_process.h"
#include "link/posix_serial_port.h"
#include "link/programming_session.h"
#include "model/document_file.h"
#include "model/model_table.h"
#include "model/program_doc.h"
#include "radio_memory.h"
#include "sim_fault.h"
#include "support/fake_sleeper.h"
#include "support/recording_observer.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::seconds;

const TransferMessage kCommunicationError{MessageId::CommunicationError, {}};
const TransferMessage kProgramInterrupt{MessageId::ProgramInterrupt, {}};

enum class Stop {
    None,       // the transfer runs to its end
    Handshake,  // before any data frame
    Data,       // after at least one row of data
};

struct FaultRow {
    const char* name;
    const char* readFault;  // the --fault option for a Read
    const char* writeFault;
    TransferOutcome outcome;
    std::optional<TransferMessage> message;
    Stop stop;
    int questions;                // 61449 questions asked (each answered Cancel)
    std::optional<int> attempts;  // wake-up attempts, counted by their status line
    bool cancelAtFirstRow;        // the test cancels once the first row is in
    bool lineGone;                // the radio pulled the cable
    seconds bound;
};

// The addresses reach both memory areas, the last frame of a Read, and the last data
// frame and the password block of a Write.
const FaultRow kFaults[] = {
    {"Silent", "silent", "silent", TransferOutcome::Failed, kCommunicationError, Stop::Handshake, 1,
     15, false, false, seconds(20)},
    {"StrayByteBeforeEachAck",
     "stray-byte",
     "stray-byte",
     TransferOutcome::Done,
     {},
     Stop::None,
     0,
     2,
     false,
     false,
     seconds(15)},
    {"SilentSecondWakeUp",
     "silent-second-wakeup",
     "silent-second-wakeup",
     TransferOutcome::Done,
     {},
     Stop::None,
     0,
     2,
     false,
     false,
     seconds(15)},
    {"NakInTheChannelArea", "nak-at=0x0800", "nak-at=0x0800", TransferOutcome::Failed,
     kProgramInterrupt, Stop::Data, 0, 2, false, false, seconds(15)},
    {"NakNearTheEnd", "nak-at=0x0FF0", "nak-at=0x0FE8", TransferOutcome::Failed, kProgramInterrupt,
     Stop::Data, 0, 2, false, false, seconds(15)},
    {"ShortReply", "short-reply-at=0x0800", "short-reply-at=0x0C30", TransferOutcome::Failed,
     kProgramInterrupt, Stop::Data, 0, 2, false, false, seconds(15)},
    {"Garbage", "garbage-at=0x0C40", "garbage-at=0x0100", TransferOutcome::Failed,
     kProgramInterrupt, Stop::Data, 0, 2, false, false, seconds(15)},
    {"DisconnectAtTheLastFrame", "disconnect-at=0x0FF8", "disconnect-at=0x0FC8",
     TransferOutcome::Failed, kProgramInterrupt, Stop::Data, 0, 2, false, true, seconds(15)},
    // 100 ms before each answer: inside the 190 ms of a one-byte read, the shortest
    // time-out. A whole transfer would take minutes, so the first row is enough.
    {"SlowInsideTheTimeOuts",
     "slow=100",
     "slow=100",
     TransferOutcome::Cancelled,
     {},
     Stop::Data,
     0,
     2,
     true,
     false,
     seconds(20)},
    // 300 ms: past the 190 ms of a one-byte read, so the ACK after the model request is
    // missed and the question comes at once (the wake-up's late ACK still lands in the
    // second one-byte read).
    {"SlowPastTheAckTimeOut", "slow=300", "slow=300", TransferOutcome::Failed, kCommunicationError,
     Stop::Handshake, 1, 1, false, false, seconds(10)},
};

struct MatrixCase {
    FaultRow fault;
    TransferDirection direction;
    int modelIndex;
};

// A radio whose channel and settings bytes say where they came from; its password is
// left empty, as a new document's is.
RadioImage radioImage(int modelIndex) {
    RadioImage image = sim::factoryImage(modelIndex);
    for (std::uint16_t address = 0; address < 0x0FD0; ++address) {
        image[*imageOffsetOf(address)] = static_cast<std::uint8_t>(address * 5 + 1);
    }
    return image;
}

// A document for the model with other channel bytes than the radio's.
RadioImage documentImage(int modelIndex) {
    RadioImage image = sim::factoryImage(modelIndex);
    for (std::uint16_t address = 0; address < 0x0C30; ++address) {
        image[*imageOffsetOf(address)] = static_cast<std::uint8_t>(address * 3 + 2);
    }
    return image;
}

bool radiosOwn(std::size_t address) {
    return (address >= 0x0FD0 && address < 0x0FE0) || address >= 0x0FF0;
}

// Frames go out in address order, so a Write that stops has stored everything below the
// frame it stopped at.
std::size_t firstUnwrittenAddress(const FaultRow& fault, const TransferResult& result) {
    if (result) {
        return kRadioMemoryEnd;
    }
    switch (fault.stop) {
        case Stop::Data:
            return fault.cancelAtFirstRow ? kRowSize : sim::parseFault(fault.writeFault)->address;
        case Stop::Handshake:
        case Stop::None:
            break;
    }
    return 0;
}

class FaultMatrix : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(FaultMatrix, EndsAsStatedWithThePortFreeAndNothingHalfDone) {
    const FaultRow& fault = GetParam().fault;
    const bool reading = GetParam().direction == TransferDirection::Read;
    const int model = GetParam().modelIndex;

    test::TempDir dir;
    const RadioImage radioBefore = radioImage(model);
    ASSERT_TRUE(storeDocumentFile(dir.file("radio.dat"), radioBefore));
    auto sim = test::startSim({"--model", std::string(kRadioModels[model].text), "--image",
                               dir.file("radio.dat"), "--save", dir.file("saved.dat"), "--fault",
                               reading ? fault.readFault : fault.writeFault});

    PosixSerialPort port;
    test::RecordingObserver observer;
    test::FakeSleeper sleeper;
    if (fault.cancelAtFirstRow) {
        observer.cancelAtProgress = 1;
    }
    RadioImage document = documentImage(model);
    const RadioImage documentBefore = document;
    ProgrammingSession session(port, observer, sleeper);

    const Clock::time_point start = Clock::now();
    const TransferResult result = session.run(GetParam().direction, document, sim.device());
    const auto took = Clock::now() - start;

    EXPECT_EQ(result.outcome, fault.outcome);
    EXPECT_EQ(result.message, fault.message);
    EXPECT_LT(took, fault.bound);
    EXPECT_FALSE(port.isOpen());

    // The 61449 question is the message when it is answered Cancel; nothing more is shown.
    EXPECT_EQ(observer.questions.size(), static_cast<std::size_t>(fault.questions));
    if (fault.message && fault.questions == 0) {
        EXPECT_EQ(observer.messages, std::vector<TransferMessage>{*fault.message});
    } else {
        EXPECT_TRUE(observer.messages.empty());
    }
    if (fault.attempts) {
        EXPECT_EQ(observer.statuses.size(), static_cast<std::size_t>(*fault.attempts));
    }
    switch (fault.stop) {
        case Stop::None:
            ASSERT_FALSE(observer.progress.empty());
            EXPECT_EQ(observer.progress.back(), reading ? 191 : 188);
            break;
        case Stop::Handshake:
            EXPECT_TRUE(observer.progress.empty());
            break;
        case Stop::Data:
            if (fault.cancelAtFirstRow) {
                EXPECT_EQ(observer.progress, std::vector<int>{1});
            } else {
                EXPECT_FALSE(observer.progress.empty());
            }
            break;
    }

    if (fault.lineGone) {
        EXPECT_EQ(sim.wait(), 0);  // the simulator ends with its line
    } else {
        PosixSerialPort again;
        EXPECT_TRUE(again.open(sim.device()));
        again.close();
        EXPECT_EQ(sim.stop(), 0);
    }

    RadioImage saved{};
    ASSERT_TRUE(loadDocumentFile(dir.file("saved.dat"), saved));
    const sim::RadioMemory radioAfter = sim::memoryFromImage(saved);
    const sim::RadioMemory radioOld = sim::memoryFromImage(radioBefore);
    if (reading) {
        // A Read changes the document only when it is complete, and never the radio.
        EXPECT_EQ(radioAfter, radioOld);
        if (result) {
            EXPECT_EQ(sim::memoryFromImage(document), radioOld);
        } else {
            EXPECT_EQ(document, documentBefore);
        }
        return;
    }
    // A Write leaves the document alone and the radio's own blocks too; a Write that
    // stops has stored the frames before the one that failed, and nothing after it.
    EXPECT_EQ(document, documentBefore);
    const sim::RadioMemory sent = sim::memoryFromImage(document);
    const std::size_t firstUnwritten = firstUnwrittenAddress(fault, result);
    for (std::size_t address = 0; address < radioAfter.size(); ++address) {
        const bool written = address < firstUnwritten && !radiosOwn(address);
        ASSERT_EQ(radioAfter[address], written ? sent[address] : radioOld[address])
            << "radio address " << address;
    }
}

std::vector<MatrixCase> everyCase() {
    std::vector<MatrixCase> cases;
    for (const FaultRow& fault : kFaults) {
        for (const TransferDirection direction :
             {TransferDirection::Read, TransferDirection::Write}) {
            for (int model = 0; model < static_cast<int>(kRadioModels.size()); ++model) {
                cases.push_back({fault, direction, model});
            }
        }
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<MatrixCase>& info) {
    std::string model(kRadioModels[info.param.modelIndex].text);
    std::erase(model, '-');
    return std::string(info.param.fault.name) + "_" +
           (info.param.direction == TransferDirection::Read ? "Read" : "Write") + "_" + model;
}

INSTANTIATE_TEST_SUITE_P(Sim, FaultMatrix, ::testing::ValuesIn(everyCase()), caseName);

}  // namespace
}  // namespace kw
