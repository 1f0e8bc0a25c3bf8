#pragma once
// The string table of the messages kwcore reports by ID; the shells show the texts.

#include <optional>
#include <string_view>

#include "res/language.h"

namespace kw {

enum class MessageId : int {
    OutOfRange = 61446,
    ErrorDataFormat = 61447,
    CommunicationError = 61449,
    AllDataWillBeCleared = 61450,
    CouldNotOpenPort = 61451,
    ProgramInterrupt = 61452,
    ErrorStepValue = 61454,
    Caution = 61456,
};

// Texts built into the program rather than taken from the string table.
enum class BuiltInText {
    BandNotMatch,
    PasswordError,
    WaitingForRadio,
    ChannelInformation,
    LoadLanguageFailed,
    ReadDataTitle,
    WriteDataTitle,
    PasswordDigitsOnly,
    ChannelNameTooLong,
    ChannelNameNotRepresentable,
    SaveChanges,
    HelpTitle,
    HelpBack,
    HelpForward,
    HelpHome,
    HelpClose,
    CancelTransferToClose,
    ChoosePortInComSetup,
    FileChangedOnDisk,
    DifferenceWhere,
    DifferenceWhat,
    DifferenceFrom,
    DifferenceTo,
    ChangesTitle,
    NoChanges,
    WriteButton,
    CloseButton,
    CompareTitle,
    NoDifferences,
    OpenBackupTitle,
    StepBackup,
    StepWrite,
    StepVerify,
    PasswordErrorNoBackup,
    WrittenWithBackup,
    VerifyFailed,
    BackupKeptIn,
    RadioName,
    NotAChoiceOfTheColumn,
    RowHasNoChannel,
    BeyondTheChannelTable,
    PasteRefusedCells,
    PasteTheRest,
    CellsNotSet,
    SetForSelectedRowsTitle,
    ColumnLabel,
    ValueLabel,
    BothTones,
    FillDownNeedsRows,
    ImportRefusedLines,
    ImportTheRest,
    OurCsvFilter,
    ChirpCsvFilter,
    FleetWriteTitle,
    FleetPorts,
    FleetRadioCount,
    FleetUntilStop,
    FleetStart,
    FleetStop,
    FleetColumnPort,
    FleetColumnRadio,
    FleetColumnStep,
    FleetColumnProgress,
    FleetColumnResult,
    FleetWaitingForRadio,
    FleetStarting,
    FleetUnplugRadio,
    FleetDone,
};

[[nodiscard]] std::string_view messageText(MessageId id, Language language);
[[nodiscard]] std::optional<MessageId> messageIdFromNumber(int number);
[[nodiscard]] std::string_view builtInText(BuiltInText text, Language language);

}  // namespace kw
