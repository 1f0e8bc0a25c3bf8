// The line a port shows, and the fleet log keeps, when its radio ends.

#include <gtest/gtest.h>

#include "session/parallel_writes.h"

namespace kw {
namespace {

using namespace std::chrono_literals;

struct ReportCase {
    const char* name;
    SafeWriteOutcome outcome;
    std::optional<SafeWriteStep> stoppedIn;
    bool radioTouched;
    std::string line;
};

class RadioReportText : public ::testing::TestWithParam<ReportCase> {};

// A radio left half written says so, with the backup that puts it back.
TEST_P(RadioReportText, TellsWhatBecameOfTheRadio) {
    RadioReport report;
    report.result.outcome = GetParam().outcome;
    report.result.stoppedIn = GetParam().stoppedIn;
    report.result.radioTouched = GetParam().radioTouched;
    report.result.backupPath = "/b/KW-217V-20261208-143501.dat";
    report.took = 2500ms;
    EXPECT_EQ(radioReportText(report, SafeWriteOptions{}), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, RadioReportText,
    ::testing::Values(
        ReportCase{"Written", SafeWriteOutcome::Done, std::nullopt, true,
                   "written and verified (backup KW-217V-20261208-143501.dat) in 2.5 s"},
        ReportCase{"FailedInTheWrite", SafeWriteOutcome::Failed, SafeWriteStep::Write, true,
                   "failed; the radio is partly written (backup KW-217V-20261208-143501.dat) in "
                   "2.5 s"},
        ReportCase{"FailedBeforeAnyRow", SafeWriteOutcome::Failed, SafeWriteStep::Write, false,
                   "failed in 2.5 s"},
        ReportCase{"CancelledInTheWrite", SafeWriteOutcome::Cancelled, SafeWriteStep::Write, true,
                   "cancelled; the radio is partly written (backup "
                   "KW-217V-20261208-143501.dat) in 2.5 s"},
        ReportCase{"CancelledInTheVerify", SafeWriteOutcome::Cancelled, SafeWriteStep::Verify, true,
                   "cancelled in 2.5 s"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kw
