// kwprog-cli ports, read and write against kwradio-sim on a pseudo-terminal.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/run_cli.h"
#include "cli_process.h"
#include "link/posix_serial_port.h"
#include "model/document_file.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::CliProcess;
using test::CliRun;
using test::runCli;
using test::startSim;

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

class CliTransfer : public ::testing::Test {
  protected:
    std::string file(const std::string& name) const { return dir_.file(name); }

    // A document of the model made as kwprog-cli new makes it.
    std::string newDocument(const std::string& name, const std::string& model) {
        const std::string path = file(name);
        EXPECT_EQ(runCli({"new", path, "--model", model}).status, 0);
        return path;
    }

    test::TempDir dir_;
    // Every write backs the radio up: into this test's folder, not the user's.
    test::ScopedEnvironment dataHome_{"XDG_DATA_HOME", dir_.file("data")};
};

class CliBothModels : public CliTransfer, public ::testing::WithParamInterface<const char*> {};

TEST_P(CliBothModels, ReadSavesTheRadioAndWriteSendsADocumentBack) {
    const std::string saved = file("radio-memory.dat");
    auto sim = startSim({"--model", GetParam(), "--save", saved, "--link", file("radio")});
    EXPECT_EQ(sim.device(), std::filesystem::read_symlink(file("radio")).string());

    const CliRun read = runCli({"read", "--port", file("radio"), file("out.dat")});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_NE(runCli({"info", file("out.dat")}).out.find(std::string("model: ") + GetParam()),
              std::string::npos);

    // Change a byte that the grid carries unchanged (channel 1's signal type) and write it back.
    RadioImage image{};
    ASSERT_TRUE(loadDocumentFile(file("out.dat"), image));
    image[12] = 0x42;
    ASSERT_TRUE(storeDocumentFile(file("changed.dat"), image));
    const CliRun write = runCli({"write", "--port", sim.device(), file("changed.dat")});
    ASSERT_EQ(write.status, 0) << write.err;

    EXPECT_EQ(sim.stop(), 0);
    RadioImage radio{};
    ASSERT_TRUE(loadDocumentFile(saved, radio));
    EXPECT_EQ(radio[12], 0x42);
    EXPECT_FALSE(exists(file("radio")));  // the link goes with the simulator
}

INSTANTIATE_TEST_SUITE_P(Sim, CliBothModels, ::testing::Values("KW-217V", "KW-217U"));

TEST_F(CliTransfer, ReadIntoADocumentNeedsTheRadiosPassword) {
    auto sim = startSim({"--model", "KW-217V", "--password", "123456"});
    const std::string plain = newDocument("plain.dat", "KW-217V");
    const CliRun refused =
        runCli({"read", "--port", sim.device(), file("out.dat"), "--into", plain});
    EXPECT_EQ(refused.status, 3);
    EXPECT_NE(refused.err.find("Password Error!"), std::string::npos);
    EXPECT_FALSE(exists(file("out.dat")));

    RadioImage image{};
    ASSERT_TRUE(loadDocumentFile(plain, image));
    const std::string digits = "123456";
    std::copy(digits.begin(), digits.end(), image.begin() + kPassword);
    ASSERT_TRUE(storeDocumentFile(file("locked.dat"), image));
    const CliRun read =
        runCli({"read", "--port", sim.device(), file("out.dat"), "--into", file("locked.dat")});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_TRUE(exists(file("out.dat")));
}

TEST_F(CliTransfer, ReadTakesTheRadiosPasswordWithoutADocument) {
    auto sim = startSim({"--model", "KW-217V", "--password", "123456", "--baud", "0"});
    const struct {
        std::vector<std::string> password;
        int status;
    } cases[] = {{{}, 3},
                 {{"--password", "12345"}, 3},
                 {{"--password", ""}, 3},
                 {{"--password", "12a"}, 2},
                 {{"--password", "1234567"}, 2},
                 {{"--password", "123456"}, 0}};
    const std::string hint =
        "Password Error!\nThe radio has a password; give it with --password "
        "or --into a document holding it.\n";
    for (const auto& c : cases) {
        std::vector<std::string> words{"read", "--port", sim.device(), file("out.dat")};
        words.insert(words.end(), c.password.begin(), c.password.end());
        const CliRun read = runCli(words);
        EXPECT_EQ(read.status, c.status) << read.err;
        EXPECT_EQ(read.err.find(hint) != std::string::npos, c.status == 3) << read.err;
        EXPECT_EQ(exists(file("out.dat")), c.status == 0);
    }
}

TEST_F(CliTransfer, WriteToTheOtherModelIsRefused) {
    auto sim = startSim({"--model", "KW-217U"});
    const CliRun write = runCli({"write", "--port", sim.device(), newDocument("v.dat", "KW-217V")});
    EXPECT_EQ(write.status, 3);
    EXPECT_NE(write.err.find("Band not match"), std::string::npos);
}

TEST_F(CliTransfer, DisconnectDuringAReadWritesNoFile) {
    auto sim = startSim({"--model", "KW-217V", "--fault", "disconnect-at=0x0C30"});
    const CliRun read = runCli({"read", "--port", sim.device(), file("out.dat")});
    EXPECT_EQ(read.status, 3);
    EXPECT_NE(read.err.find("Program Interrupt, Please reset the radio and try again"),
              std::string::npos);
    EXPECT_FALSE(exists(file("out.dat")));
}

// A write is three transfers: the backup, the write and the read-back.
TEST_F(CliTransfer, SimulatorEndsAfterItsSessions) {
    auto sim = startSim({"--model", "KW-217V", "--sessions", "3"});
    ASSERT_EQ(runCli({"write", "--port", sim.device(), newDocument("v.dat", "KW-217V")}).status, 0);
    EXPECT_EQ(sim.wait(), 0);
}

TEST_F(CliTransfer, PortThatCannotBeOpenedSaysSo) {
    auto sim = startSim({"--model", "KW-217V"});
    PosixSerialPort holder;
    ASSERT_TRUE(holder.open(sim.device()));
    const std::string document = newDocument("v.dat", "KW-217V");
    const CliRun busy = runCli({"write", "--port", sim.device(), document});
    EXPECT_EQ(busy.status, 3);
    EXPECT_NE(busy.err.find("Could not Open the Port"), std::string::npos);

    const CliRun nowhere = runCli({"write", "--port", "COM17", document});
    EXPECT_EQ(nowhere.status, 3);
    EXPECT_NE(nowhere.err.find("COM17 has no device file."), std::string::npos);
}

TEST_F(CliTransfer, BadUsageIsRefusedBeforeThePortIsTouched) {
    const std::string document = newDocument("v.dat", "KW-217V");
    EXPECT_EQ(runCli({"write", document}).status, 2);
    EXPECT_EQ(runCli({"write", "--port", "COM1", "--retry", "many", document}).status, 2);
    EXPECT_EQ(
        runCli({"read", "--port", "COM1", file("out.dat"), "--into", file("none.dat")}).status, 2);
}

// Without a terminal the progress is a plain line at each tenth, never a redraw; the
// last line sums the transfer up, and --quiet leaves only errors and warnings.
TEST_F(CliTransfer, ProgressForScriptsIsPlainLinesAndASummary) {
    auto sim = startSim({"--model", "KW-217V", "--baud", "0"});
    ASSERT_EQ(runCli({"set", newDocument("v.dat", "KW-217V"), "1:rx=145", "fr:rx=146"}).status, 0);
    const struct {
        std::vector<std::string> words;
        const char* first;  // nullptr: nothing printed
        const char* last;
    } cases[] = {
        {{"write", "--port", sim.device(), file("v.dat")},
         "Write 10% 19/191 ",
         "Write complete in "},
        {{"read", "--port", sim.device(), file("r.dat")},
         "Read 10% 19/191 ",
         "Read complete: 2 channels in "},
        {{"write", "--port", sim.device(), file("v.dat"), "--quiet"}, nullptr, nullptr},
        {{"read", "--port", sim.device(), file("r.dat"), "--force", "--quiet"}, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        CliProcess run(c.words);
        ASSERT_EQ(run.wait(), 0) << run.stderrText;
        const std::string& err = run.stderrText;
        EXPECT_EQ(err.find('\r'), std::string::npos) << err;
        if (!c.first) {
            EXPECT_EQ(err, "");
            continue;
        }
        EXPECT_NE(err.find(std::string("\n") + c.first), std::string::npos) << err;
        EXPECT_NE(err.find(" 90% 171/191 "), std::string::npos) << err;
        const std::size_t lastLine = err.rfind('\n', err.size() - 2) + 1;
        EXPECT_EQ(err.substr(lastLine).rfind(c.last, 0), 0u) << err;
        EXPECT_EQ(err.substr(err.size() - 3), " s\n") << err;
    }
}

TEST_F(CliTransfer, AWriteThatFailsHalfwaySaysTheRadioMustBeWrittenAgain) {
    // The second transfer is the write; the first, the backup, goes well.
    auto sim = startSim({"--model", "KW-217V", "--fault", "disconnect-at=0x800", "--fault-session",
                         "2", "--baud", "0"});
    const CliRun write = runCli({"write", "--port", sim.device(), newDocument("v.dat", "KW-217V")});
    EXPECT_EQ(write.status, 3);
    EXPECT_NE(write.err.find("\nThe radio is partly written; write it again before use.\n"),
              std::string::npos)
        << write.err;
}

TEST_F(CliTransfer, PortsListsTheSixteenNumberedPorts) {
    const CliRun ports = runCli({"ports"});
    EXPECT_EQ(ports.status, 0);
    EXPECT_EQ(ports.out.rfind("COM1  /dev/ttyUSB0", 0), 0u) << ports.out;
    EXPECT_NE(ports.out.find("\nCOM16 /dev/ttyS3"), std::string::npos) << ports.out;
}

TEST_F(CliTransfer, SilentRadioIsRetriedAsToldThenCancelled) {
    auto sim = startSim({"--model", "KW-217V", "--fault", "silent"});
    CliProcess write(
        {"write", "--port", sim.device(), "--retry", "1", newDocument("v.dat", "KW-217V")});
    EXPECT_EQ(write.wait(), 3);
    const std::string question =
        "Communication Error, Please check all the connections and the radio power";
    EXPECT_NE(write.stderrText.find(question + " [Retry]\n"), std::string::npos);
    EXPECT_NE(write.stderrText.find(question + " [Cancel]\n"), std::string::npos);
}

TEST_F(CliTransfer, CtrlCDuringTheHandshakeCancels) {
    auto sim = startSim({"--model", "KW-217V", "--fault", "silent"});
    CliProcess read({"read", "--port", sim.device(), file("out.dat")});
    ASSERT_TRUE(read.waitForError("Waiting the response from radio"));
    read.interrupt();
    EXPECT_EQ(read.wait(), 4);
    EXPECT_FALSE(exists(file("out.dat")));
    EXPECT_EQ(probePort(sim.device()), PortStatus::Free);
}

TEST_F(CliTransfer, CtrlCDuringTheDataPhaseCancelsAndLeavesTheDocumentAlone) {
    auto sim = startSim({"--model", "KW-217V", "--baud", "9600"});
    const std::string document = newDocument("v.dat", "KW-217V");
    const std::string before = test::readFile(document);
    CliProcess read({"read", "--port", sim.device(), document, "--into", document});
    ASSERT_TRUE(read.waitForError(" 19/191"));
    read.interrupt();
    EXPECT_EQ(read.wait(), 4);
    EXPECT_NE(read.stderrText.find("Cancelled."), std::string::npos);
    EXPECT_EQ(test::readFile(document), before);
}

// A closed terminal or a stopping system stops a transfer as Ctrl-C does; a Write stopped
// halfway says the radio must be written again.
TEST_F(CliTransfer, StopSignalsDuringAWriteCancelAndSaySoAboutTheRadio) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        auto sim = startSim({"--model", "KW-217V", "--turnaround", "3", "--baud", "0"});
        const std::string document = newDocument(std::to_string(signal) + ".dat", "KW-217V");
        CliProcess write({"write", "--port", sim.device(), document});
        ASSERT_TRUE(write.waitForError("Write 10% 19/191")) << write.stderrText;
        write.interrupt(signal);
        EXPECT_EQ(write.wait(), 4) << signal;
        EXPECT_NE(write.stderrText.find("Cancelled.\nThe radio is partly written; write it "
                                        "again before use.\n"),
                  std::string::npos)
            << write.stderrText;
        EXPECT_EQ(probePort(sim.device()), PortStatus::Free);
    }
}

}  // namespace
}  // namespace kw
