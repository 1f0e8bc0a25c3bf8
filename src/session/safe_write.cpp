#include "session/safe_write.h"

#include <algorithm>

namespace kw {
namespace {

struct ByteRange {
    std::size_t offset;
    std::size_t size;
};

// The product block and the band bytes are the radio's own: a Write stops at the row
// before the product block and sends the password block on its own.
constexpr int kProductRow = static_cast<int>(kProductBlock / kRowSize);

template <typename Visit>
void forEachReadRange(Visit visit) {
    visit(ByteRange{0, rowOffset(kTransferredChannelRows)});
    for (int row = kFirstSettingsRow; row <= kLastSettingsRow; ++row) {
        visit(ByteRange{rowOffset(row), kSettingsBytesPerRow});
    }
}

template <typename Visit>
void forEachWrittenRange(Visit visit) {
    visit(ByteRange{0, rowOffset(kTransferredChannelRows)});
    for (int row = kFirstSettingsRow; row < kProductRow; ++row) {
        visit(ByteRange{rowOffset(row), kSettingsBytesPerRow});
    }
    visit(ByteRange{kPasswordBlock, kPasswordBlockSize});
}

template <typename ForEachRange>
RadioImage overlay(const RadioImage& base, const RadioImage& source, ForEachRange forEachRange) {
    RadioImage image = base;
    forEachRange([&](ByteRange range) {
        std::copy_n(source.begin() + range.offset, range.size, image.begin() + range.offset);
    });
    return image;
}

// Passes the session's calls on, notes whether the radio's memory began to change, and
// says under "Password Error!" how to write without a backup.
class StepObserver final : public SessionObserver {
  public:
    StepObserver(SafeWriteObserver& shell, std::string passwordErrorDetail)
        : shell_(shell), passwordErrorDetail_(std::move(passwordErrorDetail)) {}

    void setStatus(BuiltInText text) override { shell_.setStatus(text); }
    void setProgress(int position) override {
        progressed_ = true;
        shell_.setProgress(position);
    }
    bool cancelRequested() override { return shell_.cancelRequested(); }
    RetryAnswer askRetry(MessageId id) override { return shell_.askRetry(id); }
    void showMessage(const TransferMessage& message) override {
        if (explainPasswordError_ &&
            message.text == decltype(message.text){BuiltInText::PasswordError}) {
            shell_.showMessage({message.text, passwordErrorDetail_});
            return;
        }
        shell_.showMessage(message);
    }

    void beginStep(SafeWriteStep step) {
        explainPasswordError_ = step == SafeWriteStep::Backup;
        progressed_ = false;
        shell_.beginStep(step);
    }
    bool progressed() const { return progressed_; }

  private:
    SafeWriteObserver& shell_;
    std::string passwordErrorDetail_;
    bool explainPasswordError_ = false;
    bool progressed_ = false;
};

SafeWriteResult stopped(SafeWriteResult result, SafeWriteStep step, TransferResult transfer,
                        const TransferMessage* detailed) {
    result.outcome = transfer.outcome == TransferOutcome::Cancelled ? SafeWriteOutcome::Cancelled
                                                                    : SafeWriteOutcome::Failed;
    result.stoppedIn = step;
    result.message = std::move(transfer.message);
    if (detailed != nullptr && result.message) {
        result.message = *detailed;
    }
    return result;
}

}  // namespace

std::string verifyFailedLine(std::size_t differences) {
    return "Verify failed: " + std::to_string(differences) + " differences";
}

RadioImage withReadBytes(const RadioImage& base, const RadioImage& read) {
    return overlay(base, read, [](auto visit) { forEachReadRange(visit); });
}

bool writtenBytesEqual(const RadioImage& a, const RadioImage& b) {
    bool equal = true;
    forEachWrittenRange([&](ByteRange range) {
        equal = equal && std::equal(a.begin() + range.offset, a.begin() + range.offset + range.size,
                                    b.begin() + range.offset);
    });
    return equal;
}

TransferResult readRadioMemory(ProgrammingSession& session, const RadioImage& password,
                               RadioImage& memory, const std::string& portName) {
    memory = backupReadStart(password);
    return session.run(TransferDirection::Read, memory, portName);
}

SafeWriteResult SafeWrite::run(const RadioImage& image, const std::string& portName,
                               const SafeWriteOptions& options, const BackupPlace& backups) {
    StepObserver observer(observer_, options.passwordErrorDetail);
    ProgrammingSession session(port_, observer, sleeper_);
    const auto written = [](auto visit) { forEachWrittenRange(visit); };
    SafeWriteResult result;

    if (options.backup) {
        observer.beginStep(SafeWriteStep::Backup);
        RadioImage radio{};
        TransferResult read = readRadioMemory(session, image, radio, portName);
        if (!read) {
            const bool passwordError =
                read.message &&
                read.message->text == decltype(read.message->text){BuiltInText::PasswordError};
            const TransferMessage detailed{BuiltInText::PasswordError, options.passwordErrorDetail};
            return stopped(std::move(result), SafeWriteStep::Backup, std::move(read),
                           passwordError ? &detailed : nullptr);
        }
        BackupSaveResult saved = saveBackup(backups, radio);
        if (!saved) {
            result.outcome = SafeWriteOutcome::Failed;
            result.stoppedIn = SafeWriteStep::Backup;
            result.backupError = std::move(saved.error);
            return result;
        }
        result.backupPath = std::move(saved.path);
        result.changes = imageDifferences(overlay(image, radio, written), image, options.language);
        if (options.ask && !observer_.confirmChanges(result.changes)) {
            result.outcome = SafeWriteOutcome::Declined;
            return result;
        }
    }
    if (options.dryRun) {
        return result;
    }

    observer.beginStep(SafeWriteStep::Write);
    RadioImage sent = image;
    TransferResult write = session.run(TransferDirection::Write, sent, portName);
    result.radioTouched = observer.progressed();
    if (!write) {
        return stopped(std::move(result), SafeWriteStep::Write, std::move(write), nullptr);
    }

    if (options.verify) {
        observer.beginStep(SafeWriteStep::Verify);
        RadioImage readBack{};
        TransferResult read = readRadioMemory(session, image, readBack, portName);
        if (!read) {
            return stopped(std::move(result), SafeWriteStep::Verify, std::move(read), nullptr);
        }
        if (!writtenBytesEqual(image, readBack)) {
            result.outcome = SafeWriteOutcome::Failed;
            result.stoppedIn = SafeWriteStep::Verify;
            result.verifyDifferences =
                imageDifferences(image, overlay(image, readBack, written), options.language);
        }
    }
    return result;
}

}  // namespace kw
