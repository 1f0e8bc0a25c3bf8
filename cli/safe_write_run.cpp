#include "safe_write_run.h"

#include <unistd.h>

#include "exit_status.h"
#include "interrupt_watch.h"
#include "platform/settings_store.h"
#include "radio_read.h"
#include "session/safe_write.h"
#include "session/transfer_summary.h"
#include "session/user_settings.h"

namespace kw::cli {
namespace {

// The terminal as a safe write's user: the changes on the output, the question on the
// terminal when there is one and --yes was not given.
class SafeWriteTerminal final : public SafeWriteObserver {
  public:
    SafeWriteTerminal(TerminalObserver& terminal, CommandContext& context, bool ask, bool quiet)
        : terminal_(terminal), context_(context), ask_(ask), quiet_(quiet) {}

    void setStatus(BuiltInText text) override { terminal_.setStatus(text); }
    void setProgress(int position) override { terminal_.setProgress(position); }
    bool cancelRequested() override { return terminal_.cancelRequested(); }
    RetryAnswer askRetry(MessageId id) override { return terminal_.askRetry(id); }
    void showMessage(const TransferMessage& message) override { terminal_.showMessage(message); }

    void beginStep(SafeWriteStep step) override {
        terminal_.beginStep(safeWriteStepText(step, Language::English));
    }

    bool confirmChanges(const std::vector<ImageDifference>& changes) override {
        terminal_.finish();
        if (!quiet_) {
            if (changes.empty()) {
                context_.err << "The radio already holds every byte to be written.\n";
            }
            for (const ImageDifference& change : changes) {
                context_.out << differenceLine(change) << '\n';
            }
            context_.out << std::flush;
        }
        if (!ask_) {
            return true;
        }
        // Without a terminal nobody can answer: the write goes on, as without the question.
        return terminal_.askYesNo("Write to the radio?").value_or(!::isatty(STDIN_FILENO));
    }

  private:
    TerminalObserver& terminal_;
    CommandContext& context_;
    bool ask_;
    bool quiet_;
};

void reportVerifyFailure(const SafeWriteResult& result, std::ostream& err) {
    err << verifyFailedLine(result.verifyDifferences.size()) << '\n';
    for (const ImageDifference& difference : result.verifyDifferences) {
        err << differenceLine(difference) << '\n';
    }
}

// A Write that stopped after some blocks left the radio half old, half new.
void warnIfPartlyWritten(const SafeWriteResult& result, const std::string& portName,
                         std::ostream& err) {
    if (!result.radioTouched || result.stoppedIn != SafeWriteStep::Write) {
        return;
    }
    err << "The radio is partly written; write it again before use.\n";
    if (!result.backupPath.empty()) {
        err << "Its old memory is in " << result.backupPath << " (kwprog-cli restore --port "
            << portName << " " << result.backupPath << ").\n";
    }
}

}  // namespace

SafeWriteOptions safeWriteOptionsOf(const Arguments& arguments) {
    SafeWriteOptions options;
    options.backup = !arguments.has(kNoBackupOption.name);
    options.verify = !arguments.has(kNoVerifyOption.name);
    options.dryRun = arguments.has(kDryRunOption.name);
    options.passwordErrorDetail = "No backup could be taken; --no-backup writes anyway.";
    return options;
}

BackupPlace userBackupPlaceOf(const Arguments& arguments, const CommandContext& context) {
    const std::string configHome = userConfigHome();
    BackupPlace place = userBackupPlace(SettingsStore(
        userSettingsPath(ProgramFiles(context.programDirectory, configHome), configHome)));
    place.spared = arguments.positionals().front();
    return place;
}

int runSafeWrite(const RadioImage& image, const Arguments& arguments, CommandContext& context) {
    const auto setup = transferTerminalOf(arguments, context);
    if (!setup) {
        return kBadInput;
    }
    SafeWriteOptions options = safeWriteOptionsOf(arguments);
    if (!passwordOption(arguments, context, options.radioPassword)) {
        return kBadInput;
    }
    // The terminal shows the changes in any case, and asks only when it should.
    const bool ask = !arguments.has(kYesOption.name) && !options.dryRun;
    const bool quiet = setup->style == ProgressStyle::Quiet;
    const BackupPlace backups = userBackupPlaceOf(arguments, context);

    const auto started = std::chrono::steady_clock::now();
    InterruptWatch interrupts;
    TerminalObserver terminal(context.err, interrupts, setup->retries, STDIN_FILENO, setup->style);
    SafeWriteTerminal observer(terminal, context, ask, quiet);
    const auto port = setup->openablePort();
    ThreadSleeper sleeper;
    const SafeWriteResult result =
        SafeWrite(*port, observer, sleeper).run(image, setup->portName, options, backups);
    terminal.finish();
    if (!result.backupPath.empty() && !quiet) {
        context.err << "Backup: " << result.backupPath << '\n';
    }
    switch (result.outcome) {
        case SafeWriteOutcome::Done:
            if (!quiet) {
                context.err << (options.dryRun
                                    ? std::string("Dry run: nothing written.")
                                    : transferSummary(TransferDirection::Write, image,
                                                      std::chrono::steady_clock::now() - started))
                            << '\n';
            }
            return kDone;
        case SafeWriteOutcome::Declined:
            context.err << "Nothing written.\n";
            return kCancelled;
        case SafeWriteOutcome::Cancelled:
            context.err << "Cancelled.\n";
            warnIfPartlyWritten(result, setup->portName, context.err);
            return kCancelled;
        case SafeWriteOutcome::Failed:
            break;
    }
    if (!result.backupError.empty()) {
        context.err << result.backupError << "\nNothing written; --no-backup writes anyway.\n";
        return kBadInput;
    }
    if (!result.verifyDifferences.empty()) {
        reportVerifyFailure(result, context.err);
        return kRadioFailure;
    }
    warnIfPartlyWritten(result, setup->portName, context.err);
    return interrupts.interrupted() || terminal.cancelledByUser() ? kCancelled : kRadioFailure;
}

}  // namespace kw::cli
