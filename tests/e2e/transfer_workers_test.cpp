// Two transfer workers at once, each with its own serial port, against two simulated
// radios: both Reads run side by side and each brings back its own radio.

#include <gtest/gtest.h>

#include "cli_process.h"
#include "link/posix_serial_port.h"
#include "model/model_table.h"
#include "model/program_doc.h"
#include "session/new_document.h"
#include "session/transfer_worker.h"
#include "support/recording_shell.h"
#include "support/shell_queue.h"

namespace kw {
namespace {

TEST(TransferWorkers, TwoReadsOnTwoPortsRunSideBySide) {
    struct Radio {
        sim::SimProcess sim;
        test::RecordingShell shell;
        std::optional<TransferWorker> worker;
    };
    test::ShellQueue queue;
    std::array<Radio, 2> radios{
        Radio{test::startSim({"--model", "KW-217V", "--baud", "0"}), {}, {}},
        Radio{test::startSim({"--model", "KW-217U", "--baud", "0"}), {}, {}}};
    RadioImage document;
    ProductState product;
    fillNewDocumentImage(document, product);
    for (Radio& radio : radios) {
        radio.worker.emplace(std::make_unique<PosixSerialPort>(), std::make_unique<ThreadSleeper>(),
                             radio.shell, queue.poster());
        radio.worker->start(TransferDirection::Read, document, radio.sim.device());
    }
    const auto finished = [&](const Radio& radio) { return radio.shell.result.has_value(); };

    ASSERT_TRUE(queue.runUntil([&] { return finished(radios[0]) || finished(radios[1]); }));
    for (const Radio& radio : radios) {
        EXPECT_FALSE(radio.shell.progress.empty()) << "both under way when the first ends";
    }
    ASSERT_TRUE(queue.runUntil([&] { return finished(radios[0]) && finished(radios[1]); }));
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const test::RecordingShell& shell = radios[i].shell;
        EXPECT_EQ(shell.result->outcome, TransferOutcome::Done) << i;
        EXPECT_EQ(shell.progress.size(), static_cast<std::size_t>(kProgressRange)) << i;
        EXPECT_EQ(shell.image[kModelType], kRadioModels[i].type) << i;
    }
}

}  // namespace
}  // namespace kw
