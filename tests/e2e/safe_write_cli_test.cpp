// kwprog-cli write, restore, backups and diff --port against kwradio-sim: the backup holds
// the radio as it was, the radio ends as the document, and nothing is written unless it
// is safe and wanted.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "cli/run_cli.h"
#include "cli_process.h"
#include "model/document_file.h"
#include "model/radio_address.h"
#include "session/radio_backups.h"
#include "session/safe_write.h"
#include "sim_thread.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::CliProcess;
using test::CliRun;
using test::runCli;
using test::startSim;

RadioImage load(const std::string& path) {
    RadioImage image{};
    EXPECT_TRUE(loadDocumentFile(path, image)) << path;
    return image;
}

// Whether two images hold the same bytes at every radio address.
bool sameRadioBytes(const RadioImage& a, const RadioImage& b) {
    for (std::size_t offset = 0; offset < a.size(); ++offset) {
        if (radioAddressOf(offset) && a[offset] != b[offset]) {
            return false;
        }
    }
    return true;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class SafeWriteCli : public ::testing::Test {
  protected:
    SafeWriteCli() {
        EXPECT_EQ(runCli({"new", before_, "--model", "KW-217V"}).status, 0);
        EXPECT_EQ(runCli({"set", before_, "1:rx=146", "1:name=OLD"}).status, 0);
        EXPECT_EQ(runCli({"new", document_, "--model", "KW-217V"}).status, 0);
        EXPECT_EQ(runCli({"set", document_, "3:rx=145.5", "3:name=CALL"}).status, 0);
    }

    // A radio holding before.dat that saves its memory after every transfer.
    sim::SimProcess startRadio(std::vector<std::string> more = {}) {
        std::vector<std::string> words{"--model", "KW-217V", "--image", before_,
                                       "--save",  saved_,    "--baud",  "0"};
        words.insert(words.end(), more.begin(), more.end());
        return startSim(words);
    }
    std::vector<BackupEntry> backups() const {
        return listBackups(dir_.file("data/kwprog/backups"));
    }

    test::TempDir dir_;
    test::ScopedEnvironment dataHome_{"XDG_DATA_HOME", dir_.file("data")};
    const std::string before_ = dir_.file("before.dat");
    const std::string document_ = dir_.file("doc.dat");
    const std::string saved_ = dir_.file("saved.dat");
};

TEST_F(SafeWriteCli, BackupHoldsTheRadioBeforeAndTheRadioEndsAsTheDocument) {
    auto sim = startRadio();
    const CliRun write = runCli({"write", "--port", sim.device(), document_});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_TRUE(contains(write.out, "CH 1 Rx Frequency: 146.00000 -> (empty)\n")) << write.out;
    EXPECT_TRUE(contains(write.out, "CH 3 Rx Frequency: (empty) -> 145.50000\n")) << write.out;
    EXPECT_EQ(sim.stop(), 0);

    ASSERT_EQ(backups().size(), 1u);
    const std::string backup = backups().front().path;
    EXPECT_TRUE(contains(write.err, "Backup: " + backup + "\n")) << write.err;
    EXPECT_TRUE(sameRadioBytes(load(backup), load(before_)));
    EXPECT_TRUE(writtenBytesEqual(load(saved_), load(document_)));

    const CliRun listed = runCli({"backups"});
    EXPECT_EQ(listed.out, backupTimeText(backups().front().time) + "\tKW-217V\t" + backup + "\n");
}

// The dry run and a No on the terminal take the backup and leave the radio as it was.
TEST_F(SafeWriteCli, DryRunAndNoLeaveTheRadioAsItWas) {
    const struct {
        const char* option;
        const char* answer;  // typed on the terminal at the question, or nothing
        int status;
        const char* said;
    } cases[] = {
        {"--dry-run", nullptr, 0, "Dry run: nothing written.\n"},
        {"--quiet", "n\n", 4, "Write to the radio? [y/N] Nothing written.\n"},
    };
    std::size_t taken = 0;
    for (const auto& c : cases) {
        auto sim = startRadio();
        const sim::PseudoTerminal terminal = test::openPseudoTerminal();
        CliProcess write({"write", "--port", sim.device(), document_, c.option},
                         c.answer ? terminal.devicePath() : "/dev/null");
        if (c.answer) {
            ASSERT_TRUE(write.waitForError("Write to the radio? [y/N] ")) << write.stderrText;
            ASSERT_EQ(::write(terminal.master(), c.answer, 2), 2);
        }
        EXPECT_EQ(write.wait(), c.status) << write.stderrText;
        EXPECT_TRUE(contains(write.stderrText, c.said)) << write.stderrText;
        EXPECT_EQ(sim.stop(), 0);
        EXPECT_TRUE(sameRadioBytes(load(saved_), load(before_))) << c.option;
        EXPECT_EQ(backups().size(), ++taken) << c.option;
    }
}

TEST_F(SafeWriteCli, AWriteTheRadioDidNotKeepFailsTheVerify) {
    // Transfer 2 is the write; channel 1's name is at radio address 0x0010.
    auto sim = startRadio({"--fault", "drop-write-at=0x0010", "--fault-session", "2"});
    ASSERT_EQ(runCli({"set", document_, "1:rx=146", "1:name=CALL"}).status, 0);
    const CliRun write = runCli({"write", "--port", sim.device(), document_, "--quiet"});
    EXPECT_EQ(write.status, 3);
    EXPECT_EQ(write.err, "Verify failed: 1 differences\nCH 1 Chnnel Name: CALL -> OLD\n");
}

TEST_F(SafeWriteCli, AnotherPasswordStopsBeforeAnythingIsWritten) {
    auto sim = startRadio({"--password", "123456"});
    const CliRun refused = runCli({"write", "--port", sim.device(), document_, "--quiet"});
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.err,
              "Password Error!\nNo backup could be taken; --no-backup writes anyway.\n");
    EXPECT_TRUE(backups().empty());

    const CliRun anyway =
        runCli({"write", "--port", sim.device(), document_, "--no-backup", "--quiet"});
    EXPECT_EQ(anyway.status, 0) << anyway.err;
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_TRUE(writtenBytesEqual(load(saved_), load(document_)));
}

// The backup was taken before a later write gave the radio a password: the restore is
// told the radio's password now.
TEST_F(SafeWriteCli, RestorePutsABackupBackByteForByte) {
    auto sim = startRadio();
    ASSERT_EQ(runCli({"write", "--port", sim.device(), document_, "--quiet"}).status, 0);
    const std::string backup = backups().front().path;
    ASSERT_EQ(runCli({"features", document_, "--set", "Password=4711"}).status, 0);
    ASSERT_EQ(runCli({"write", "--port", sim.device(), document_, "--quiet"}).status, 3);
    ASSERT_EQ(runCli({"write", "--port", sim.device(), document_, "--quiet", "--no-backup"}).status,
              0);
    const CliRun refused = runCli({"restore", "--port", sim.device(), backup, "--quiet"});
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(contains(refused.err, "Password Error!\n")) << refused.err;

    const CliRun restore =
        runCli({"restore", "--port", sim.device(), backup, "--password", "4711", "--yes"});
    ASSERT_EQ(restore.status, 0) << restore.err;
    EXPECT_TRUE(contains(restore.out, "CH 1 Rx Frequency: (empty) -> 146.00000\n")) << restore.out;
    EXPECT_TRUE(contains(restore.out, "Password: changed\n")) << restore.out;
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_TRUE(sameRadioBytes(load(saved_), load(backup)));
    EXPECT_EQ(backups().size(), 2u);
}

// The new backup a restore takes prunes old ones, never the one being restored.
TEST_F(SafeWriteCli, RestoreOfAnOldBackupKeepsIt) {
    auto sim = startRadio();
    ASSERT_EQ(runCli({"write", "--port", sim.device(), document_, "--quiet"}).status, 0);
    const std::string old = dir_.file("data/kwprog/backups/KW-217V-20200101-000000.dat");
    std::filesystem::rename(backups().front().path, old);

    const CliRun restore = runCli({"restore", "--port", sim.device(), old, "--yes", "--quiet"});
    EXPECT_EQ(restore.status, 0) << restore.err;
    EXPECT_TRUE(std::filesystem::exists(old));
    EXPECT_EQ(backups().size(), 2u);
}

// Started with a standard stream closed, the CLI must not take its number for the port
// and print into the radio's line.
TEST_F(SafeWriteCli, AClosedStandardStreamNeverReachesTheRadio) {
    for (const char* closing : {"<&-", ">&-", "2>&-"}) {
        auto sim = startRadio();
        const std::string command = test::binary("kwprog-cli") + " write --port " + sim.device() +
                                    " " + document_ + " " + closing;
        EXPECT_EQ(std::system(command.c_str()), 0) << closing;
        EXPECT_EQ(sim.stop(), 0);
        EXPECT_TRUE(writtenBytesEqual(load(saved_), load(document_))) << closing;
    }
}

TEST_F(SafeWriteCli, DiffAgainstTheRadio) {
    auto sim = startRadio();
    auto locked = startSim({"--model", "KW-217V", "--password", "123456"});
    test::writeFile(dir_.file("short.dat"), "x");
    const struct {
        std::vector<std::string> words;
        int status;
        const char* out;
    } cases[] = {
        {{before_, "--port", sim.device()}, 0, ""},
        {{document_, "--port", sim.device()}, 1, "CH 1 Rx Frequency: (empty) -> 146.00000\n"},
        {{document_, "--port", locked.device()}, 3, ""},
        {{document_, "--port", locked.device(), "--password", "123456"}, 1, "CH 3 Rx Frequency"},
        {{dir_.file("short.dat"), "--port", sim.device()}, 2, ""},
        {{before_, document_, "--port", sim.device()}, 2, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words{"diff", "--quiet"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const CliRun diff = runCli(words);
        EXPECT_EQ(diff.status, c.status) << diff.err;
        EXPECT_TRUE(contains(diff.out, c.out)) << diff.out;
        if (c.status != 1) {
            EXPECT_EQ(diff.out, "") << diff.out;
        }
    }
}

}  // namespace
}  // namespace kw
