#pragma once
// A write that cannot lose the radio's old memory or go wrong unseen: a Read into a
// backup (with the Read's own password check), the changes from the radio to the image
// shown and agreed, the Write, and a Read back compared with every byte the Write sent.
// Each step is a whole Read or Write of its own, with the wire bytes of any other.

#include <optional>
#include <string>
#include <vector>

#include "link/programming_session.h"
#include "session/image_differences.h"
#include "session/radio_backups.h"

namespace kw {

enum class SafeWriteStep { Backup, Write, Verify };

struct SafeWriteOptions {
    bool backup = true;   // read and save the radio first; without it nothing is shown or asked
    bool ask = true;      // ask before writing, showing the changes
    bool verify = true;   // read back and compare
    bool dryRun = false;  // the backup and the changes only; nothing is written
    // The password the backup Read expects when the radio's is not the image's (a restore
    // of a backup taken before the password changed); valid by isValidPassword.
    std::optional<std::string> radioPassword;
    // The second line under "Password Error!" when the backup Read finds another password:
    // how this shell writes without a backup.
    std::string passwordErrorDetail =
        "No backup could be taken; a write without a backup writes anyway.";
    // The language of the changes and the verify differences.
    Language language = Language::English;
};

// The user of a safe write: the session's calls for each step, the step changes and the
// question whether to go on.
class SafeWriteObserver : public SessionObserver {
  public:
    // A new step begins; its progress starts again from the first position.
    virtual void beginStep(SafeWriteStep step) = 0;
    // The changes from the radio's memory to the image about to be written; true goes on.
    virtual bool confirmChanges(const std::vector<ImageDifference>& changes) = 0;
};

enum class SafeWriteOutcome {
    Done,       // written (and verified when asked), or a dry run's backup taken
    Declined,   // the question was answered No: nothing written
    Cancelled,  // a cancel during a step
    Failed,     // a step failed; `message` says why
};

struct [[nodiscard]] SafeWriteResult {
    SafeWriteOutcome outcome = SafeWriteOutcome::Done;
    std::optional<SafeWriteStep> stoppedIn;  // the step a cancel or failure ended
    std::optional<TransferMessage> message;  // what the user was told, if anything
    std::string backupPath;                  // empty when no backup was saved
    std::string backupError;                 // why the backup file could not be saved
    std::vector<ImageDifference> changes;    // radio -> image, when the radio was read first
    // When the Read back disagrees: written image -> radio, over the bytes a Write sends.
    std::vector<ImageDifference> verifyDifferences;
    bool radioTouched = false;  // some of the Write's rows reached the radio

    explicit operator bool() const { return outcome == SafeWriteOutcome::Done; }
};

// "Backup", "Write", "Verify" in `language`.
[[nodiscard]] std::string_view safeWriteStepText(SafeWriteStep step, Language language);

// "Verify failed: 3 differences" in `language`.
[[nodiscard]] std::string verifyFailedLine(std::size_t differences,
                                           Language language = Language::English);

// `base` with every byte a Read brings taken from `read`: what the radio holds, in the
// words of `base` wherever a Read brings nothing.
[[nodiscard]] RadioImage withReadBytes(const RadioImage& base, const RadioImage& read);

// Whether `a` and `b` agree on every byte a Write sends.
[[nodiscard]] bool writtenBytesEqual(const RadioImage& a, const RadioImage& b);

class SafeWrite {
  public:
    SafeWrite(SerialPort& port, SafeWriteObserver& observer, Sleeper& sleeper)
        : port_(port), observer_(observer), sleeper_(sleeper) {}

    // Writes `image` exactly as it is (the caller has committed any grid into it). The
    // backup Read expects the radio to have `image`'s password, or the options' one.
    SafeWriteResult run(const RadioImage& image, const std::string& portName,
                        const SafeWriteOptions& options, const BackupPlace& backups);

  private:
    SerialPort& port_;
    SafeWriteObserver& observer_;
    Sleeper& sleeper_;
};

// A Read of the radio into a new document's bytes, checked against `password`'s
// password bytes: the radio's memory as a backup holds it.
TransferResult readRadioMemory(ProgrammingSession& session, const RadioImage& password,
                               RadioImage& memory, const std::string& portName);

}  // namespace kw
