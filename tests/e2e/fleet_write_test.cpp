// kwprog-cli write on several ports at once and kwprog-cli fleet, against kwradio-sim.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "channels/csv.h"
#include "cli.h"
#include "cli_process.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::CliProcess;
using test::startSim;

// Long enough that the probe after a radio's last session finds the line silent.
const std::string kGapMs = "1000";

class FleetWrite : public ::testing::Test {
  protected:
    void SetUp() override {
        std::ostringstream ignored;
        const std::vector<std::string> words{"new", document(), "--model", "KW-217V"};
        ASSERT_EQ(cli::runCli(words, ignored, ignored), 0);
    }

    std::string document() const { return dir_.file("doc.dat"); }
    std::string file(const std::string& name) const { return dir_.file(name); }

    // The log's records after its header, which must be the first line.
    std::vector<CsvRecord> logRecords(const std::string& path) const {
        const CsvParseResult parsed = parseCsv(test::readFile(path));
        EXPECT_TRUE(parsed) << parsed.error;
        EXPECT_FALSE(parsed.records.empty());
        EXPECT_EQ(parsed.records.front(),
                  (CsvRecord{"time", "port", "radio", "model", "result", "seconds", "backup"}));
        return {parsed.records.begin() + 1, parsed.records.end()};
    }

    test::TempDir dir_;
    test::ScopedEnvironment dataHome_{"XDG_DATA_HOME", dir_.file("data")};
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        all.push_back(line);
    }
    return all;
}

bool hasLineStarting(const std::string& text, const std::string& start) {
    const auto all = lines(text);
    return std::any_of(all.begin(), all.end(),
                       [&](const std::string& line) { return line.starts_with(start); });
}

TEST_F(FleetWrite, ThreePortsAtOnceWithOneFaultyEndWithTheFailedPort) {
    auto good1 = startSim({"--model", "KW-217V"});
    auto faulty =
        startSim({"--model", "KW-217V", "--fault", "nak-at=0x0100", "--fault-session", "2"});
    auto good2 = startSim({"--model", "KW-217V"});

    CliProcess write({"write", "--port", good1.device(), "--port", faulty.device(), "--port",
                      good2.device(), document()});

    EXPECT_EQ(write.wait(), 3);
    const std::string& err = write.stderrText;
    for (const auto* sim : {&good1, &good2}) {
        EXPECT_TRUE(hasLineStarting(err, sim->device() + ": written and verified (backup KW-217V-"))
            << err;
    }
    EXPECT_TRUE(hasLineStarting(err, faulty.device() + ": Program Interrupt")) << err;
    EXPECT_EQ(lines(err).back(), "Failed: " + faulty.device());
}

TEST_F(FleetWrite, FleetsOnOneAndOnTwoPortsWriteAndLogEveryRadio) {
    struct Case {
        int ports;
        int radiosEach;
    };
    for (const Case shape : {Case{1, 3}, Case{2, 2}}) {
        std::vector<sim::SimProcess> sims;
        std::vector<std::string> words{"fleet", document(), "--log", file("fleet.csv")};
        for (int port = 0; port < shape.ports; ++port) {
            sims.push_back(
                startSim({"--model", "KW-217V", "--fleet", std::to_string(shape.radiosEach),
                          "--gap", kGapMs, "--save", file("p" + std::to_string(port) + ".dat")}));
            words.insert(words.end(), {"--port", sims.back().device()});
        }
        const int radios = shape.ports * shape.radiosEach;
        words.insert(words.end(), {"--count", std::to_string(radios)});
        std::filesystem::remove(file("fleet.csv"));

        CliProcess fleet(words);

        ASSERT_EQ(fleet.wait(), 0) << fleet.stderrText;
        std::vector<CsvRecord> records = logRecords(file("fleet.csv"));
        ASSERT_EQ(records.size(), static_cast<std::size_t>(radios));
        std::vector<std::string> numbers;
        for (const CsvRecord& record : records) {
            EXPECT_EQ(record[3], "KW-217V");
            EXPECT_EQ(record[4], "ok");
            EXPECT_TRUE(record[6].starts_with("KW-217V-")) << record[6];
            numbers.push_back(record[2]);
            EXPECT_EQ(std::count_if(records.begin(), records.end(),
                                    [&](const CsvRecord& r) { return r[1] == record[1]; }),
                      shape.radiosEach);
        }
        std::sort(numbers.begin(), numbers.end());
        EXPECT_EQ(numbers.front(), "1");
        EXPECT_EQ(numbers.back(), std::to_string(radios));
        EXPECT_EQ(std::unique(numbers.begin(), numbers.end()), numbers.end());
        for (std::size_t port = 0; port < sims.size(); ++port) {
            EXPECT_EQ(sims[port].wait(), 0);  // every radio served its three sessions
            EXPECT_TRUE(std::filesystem::exists(file("p" + std::to_string(port) + "-" +
                                                     std::to_string(shape.radiosEach) + ".dat")));
        }
    }
}

TEST_F(FleetWrite, CtrlCInTheMiddleCancelsTheRadioInProgressAndLogsIt) {
    auto sim = startSim({"--model", "KW-217V", "--fleet", "3", "--gap", kGapMs});
    CliProcess fleet({"fleet", "--port", sim.device(), document(), "--log", file("fleet.csv")});
    ASSERT_TRUE(fleet.waitForError(sim.device() + ": Write 10%")) << fleet.stderrText;

    fleet.interrupt();

    EXPECT_EQ(fleet.wait(), 4) << fleet.stderrText;
    EXPECT_TRUE(hasLineStarting(fleet.stderrText,
                                sim.device() + ": radio 1: cancelled; the radio is partly written"))
        << fleet.stderrText;
    const std::vector<CsvRecord> records = logRecords(file("fleet.csv"));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][4], "cancelled; the radio is partly written");
}

}  // namespace
}  // namespace kw
