// A port that another kwprog-cli holds for its transfer: probing and the Port Setting
// rules show it as taken, every transfer on it is refused with "Could not Open the Port",
// and the other program's transfer goes on to its end.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "cli.h"
#include "cli_process.h"
#include "link/port_setting_rules.h"
#include "link/posix_serial_port.h"
#include "link/programming_session.h"
#include "model/document_file.h"
#include "sim_thread.h"
#include "support/fake_sleeper.h"
#include "support/recording_observer.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

const std::string kCouldNotOpen = "Could not Open the Port";

struct Refusal {
    std::string text;  // what the user was told
    int exitStatus;    // of kwprog-cli; 3 for a transfer that failed
};

Refusal cliTransfer(std::vector<std::string> words) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(words, out, err);
    return {err.str(), status};
}

Refusal sessionInThisProcess(TransferDirection direction, const std::string& device) {
    PosixSerialPort port;
    test::RecordingObserver observer;
    test::FakeSleeper sleeper;
    RadioImage image{};
    const TransferResult result =
        ProgrammingSession(port, observer, sleeper).run(direction, image, device);
    if (observer.messages.size() != 1 ||
        observer.messages[0].text != TransferMessage{MessageId::CouldNotOpenPort, {}}.text) {
        return {"not refused with 61451", -1};
    }
    EXPECT_FALSE(port.isOpen());
    return {std::string(messageText(observer.messages[0], Language::English)) + " " +
                observer.messages[0].detail,
            result.outcome == TransferOutcome::Failed ? 3 : -1};
}

TEST(PortsHeldByOthers, AreShownTakenAndRefusedWhileTheOtherTransferGoesOn) {
    test::TempDir dir;
    // Each answer waits a little, so the holder's Read lasts seconds; unlike a slow baud
    // rate, a loaded machine cannot make it miss the gap between two bytes.
    auto sim = test::startSim({"--model", "KW-217V", "--turnaround", "3"});
    test::CliProcess holder({"read", "--port", sim.device(), dir.file("held.dat")});
    ASSERT_TRUE(holder.waitForError(" 19/191")) << holder.stderrText;

    EXPECT_EQ(probePort(sim.device()), PortStatus::Busy);

    // COM2 stands for the held port, COM5 for one nobody holds.
    const sim::PseudoTerminal freeLine = test::openPseudoTerminal();
    const std::map<std::string, std::string> devices{{"COM2", sim.device()},
                                                     {"COM5", freeLine.devicePath()}};
    const PortSettingRules rules("COM2", [&](const std::string& name) {
        const auto device = devices.find(name);
        return device != devices.end() && probePort(device->second) == PortStatus::Free;
    });
    EXPECT_FALSE(rules.enabled(2));
    EXPECT_TRUE(rules.enabled(5));
    EXPECT_FALSE(rules.selection());

    const std::string document = dir.file("v.dat");
    ASSERT_EQ(cliTransfer({"new", document, "--model", "KW-217V"}).exitStatus, 0);
    const std::string before = test::readFile(document);
    const struct {
        const char* attempt;
        std::function<Refusal()> run;
    } attempts[] = {
        {"kwprog-cli write",
         [&] {
             return cliTransfer({"write", "--port", sim.device(), document});
         }},
        {"kwprog-cli read",
         [&] {
             return cliTransfer({"read", "--port", sim.device(), dir.file("other.dat")});
         }},
        {"a Read here",
         [&] { return sessionInThisProcess(TransferDirection::Read, sim.device()); }},
        {"a Write here",
         [&] { return sessionInThisProcess(TransferDirection::Write, sim.device()); }},
    };
    for (const auto& attempt : attempts) {
        const Refusal refusal = attempt.run();
        EXPECT_EQ(refusal.exitStatus, 3) << attempt.attempt;
        EXPECT_NE(refusal.text.find(kCouldNotOpen), std::string::npos)
            << attempt.attempt << ": " << refusal.text;
        EXPECT_NE(refusal.text.find(sim.device()), std::string::npos)
            << attempt.attempt << ": " << refusal.text;
    }
    EXPECT_EQ(test::readFile(document), before);
    EXPECT_FALSE(std::filesystem::exists(dir.file("other.dat")));

    // The holder was not disturbed: its Read ends well, and the port is free again.
    EXPECT_EQ(holder.wait(), 0) << holder.stderrText;
    RadioImage held{};
    EXPECT_TRUE(loadDocumentFile(dir.file("held.dat"), held));
    EXPECT_EQ(probePort(sim.device()), PortStatus::Free);
}

}  // namespace
}  // namespace kw
