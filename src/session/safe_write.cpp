#include "session/safe_write.h"

#include <algorithm>

#include "features/password_text.h"

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

// "Password Error!" from the backup Read gets a second line: how to write without a backup.
TransferMessage explained(TransferMessage message, SafeWriteStep step,
                          const SafeWriteOptions& options) {
    if (step == SafeWriteStep::Backup &&
        message.text == decltype(message.text){BuiltInText::PasswordError}) {
        message.detail = options.passwordErrorDetail;
    }
    return message;
}

// Passes the session's calls on, explaining its messages, and notes whether the radio's
// memory began to change.
class StepObserver final : public SessionObserver {
  public:
    StepObserver(SafeWriteObserver& shell, const SafeWriteOptions& options)
        : shell_(shell), options_(options) {}

    void setStatus(BuiltInText text) override { shell_.setStatus(text); }
    void setProgress(int position) override {
        progressed_ = true;
        shell_.setProgress(position);
    }
    bool cancelRequested() override { return shell_.cancelRequested(); }
    RetryAnswer askRetry(MessageId id) override { return shell_.askRetry(id); }
    void showMessage(const TransferMessage& message) override {
        shell_.showMessage(explained(message, step_, options_));
    }

    void beginStep(SafeWriteStep step) {
        step_ = step;
        progressed_ = false;
        shell_.beginStep(step);
    }
    bool progressed() const { return progressed_; }

  private:
    SafeWriteObserver& shell_;
    const SafeWriteOptions& options_;
    SafeWriteStep step_ = SafeWriteStep::Backup;
    bool progressed_ = false;
};

SafeWriteResult stopped(SafeWriteResult result, SafeWriteStep step, const TransferResult& transfer,
                        const SafeWriteOptions& options) {
    result.outcome = transfer.outcome == TransferOutcome::Cancelled ? SafeWriteOutcome::Cancelled
                                                                    : SafeWriteOutcome::Failed;
    result.stoppedIn = step;
    if (transfer.message) {
        result.message = explained(*transfer.message, step, options);
    }
    return result;
}

}  // namespace

std::string_view safeWriteStepText(SafeWriteStep step, Language language) {
    switch (step) {
        case SafeWriteStep::Backup:
            return pick(language, "Backup", "备份");
        case SafeWriteStep::Write:
            return pick(language, "Write", "写入");
        case SafeWriteStep::Verify:
            return pick(language, "Verify", "校验");
    }
    return {};
}

std::string verifyFailedLine(std::size_t differences, Language language) {
    const std::string count = std::to_string(differences);
    return language == Language::Chinese ? "校验失败：" + count + " 处不同"
                                         : "Verify failed: " + count + " differences";
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
    StepObserver observer(observer_, options);
    ProgrammingSession session(port_, observer, sleeper_);
    const auto written = [](auto visit) { forEachWrittenRange(visit); };
    SafeWriteResult result;

    if (options.backup) {
        observer.beginStep(SafeWriteStep::Backup);
        RadioImage radio{};
        RadioImage expected = image;
        if (options.radioPassword) {
            writePassword(expected, *options.radioPassword);
        }
        const TransferResult read = readRadioMemory(session, expected, radio, portName);
        if (!read) {
            return stopped(std::move(result), SafeWriteStep::Backup, read, options);
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
    const TransferResult write = session.run(TransferDirection::Write, sent, portName);
    result.radioTouched = observer.progressed();
    if (!write) {
        return stopped(std::move(result), SafeWriteStep::Write, write, options);
    }

    if (options.verify) {
        observer.beginStep(SafeWriteStep::Verify);
        RadioImage readBack{};
        const TransferResult read = readRadioMemory(session, image, readBack, portName);
        if (!read) {
            return stopped(std::move(result), SafeWriteStep::Verify, read, options);
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
