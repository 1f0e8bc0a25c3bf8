#pragma once
// Resource identifiers shared by menus, toolbar, accelerators, dialogs and help contexts.

#include "res/messages.h"

namespace kw {

// A command of the menus, toolbar, accelerators and navigation tree. Its number is also
// the string table entry of its prompt and the help context of its page.
enum class CommandId : int {};

[[nodiscard]] constexpr int numberOf(CommandId command) {
    return static_cast<int>(command);
}

// An entry of the string table. A command keeps its prompt there and a message its text,
// each under its own number.
class StringId {
  public:
    constexpr explicit StringId(int number) : number_(number) {}
    constexpr StringId(CommandId command) : number_(numberOf(command)) {}
    constexpr StringId(MessageId message) : number_(static_cast<int>(message)) {}

    [[nodiscard]] constexpr int number() const { return number_; }
    friend constexpr bool operator==(StringId, StringId) = default;

  private:
    int number_;
};

namespace command {
inline constexpr CommandId kSeparator{0};  // a separator in a menu or the toolbar
inline constexpr CommandId kControlBar{32772};
inline constexpr CommandId kRead{32773};
inline constexpr CommandId kWrite{32774};
inline constexpr CommandId kComSetup{32777};
inline constexpr CommandId kProductInformation{32786};
inline constexpr CommandId kChannelInformation{32787};
inline constexpr CommandId kOptionalFeatures{32788};
inline constexpr CommandId kDtmf{32789};
inline constexpr CommandId kHelpTopics{32793};
inline constexpr CommandId kLanguage{32799};
inline constexpr CommandId kKeyAssignment{32800};
inline constexpr CommandId kFleetWrite{32810};
// Safe write, backups and compare.
inline constexpr CommandId kPreferences{32840};
inline constexpr CommandId kCompare{32841};
inline constexpr CommandId kRestoreBackup{32842};
inline constexpr CommandId kOpenBackup{32843};
// Channel editing: import and export, row operations, bulk edit and sort.
inline constexpr CommandId kFileImport{32850};
inline constexpr CommandId kFileExport{32851};
inline constexpr CommandId kInsertChannel{32852};
inline constexpr CommandId kDeleteChannels{32853};
inline constexpr CommandId kMoveChannelsUp{32854};
inline constexpr CommandId kMoveChannelsDown{32855};
inline constexpr CommandId kDuplicateChannels{32856};
inline constexpr CommandId kSetForSelectedRows{32857};
inline constexpr CommandId kFillDown{32858};
inline constexpr CommandId kSortRxAscending{32859};
inline constexpr CommandId kSortRxDescending{32860};
inline constexpr CommandId kSortNameAscending{32861};
inline constexpr CommandId kSortNameDescending{32862};

inline constexpr CommandId kFileNew{57600};
inline constexpr CommandId kFileOpen{57601};
inline constexpr CommandId kFileClose{57602};
inline constexpr CommandId kFileSave{57603};
inline constexpr CommandId kFileSaveAs{57604};
inline constexpr CommandId kFilePrintSetup{57606};
inline constexpr CommandId kFilePrint{57607};
inline constexpr CommandId kFilePrintPreview{57609};
inline constexpr CommandId kEditCopy{57634};
inline constexpr CommandId kEditCut{57635};
inline constexpr CommandId kEditPaste{57637};
inline constexpr CommandId kEditUndo{57643};
inline constexpr CommandId kEditRedo{57644};
inline constexpr CommandId kAppAbout{57664};
inline constexpr CommandId kAppExit{57665};
inline constexpr CommandId kHelp{57670};
inline constexpr CommandId kNextPane{57680};
inline constexpr CommandId kPreviousPane{57681};
inline constexpr CommandId kViewToolbar{59392};
inline constexpr CommandId kViewStatusBar{59393};
}  // namespace command

namespace resource {
inline constexpr int kMainMenu = 128;      // no document open
inline constexpr int kDocumentMenu = 129;  // a document window active
inline constexpr int kToolbar = 128;
inline constexpr int kAccelerators = 128;

inline constexpr int kAboutDialog = 100;
inline constexpr int kProductInfoDialog = 135;
inline constexpr int kProcessDialog = 146;
inline constexpr int kLanguageDialog = 201;
inline constexpr int kPortSettingDialog = 204;
inline constexpr int kPreferencesDialog = 220;
inline constexpr int kCompareWithDialog = 221;

inline constexpr StringId kIdleMessage{57345};  // "Ready"
inline constexpr StringId kIndicatorCaps{59137};
inline constexpr StringId kIndicatorNum{59138};
inline constexpr StringId kIndicatorScroll{59139};
}  // namespace resource

namespace control {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kUnnamedStatic = 65535;

inline constexpr int kFirstPortButton = 1007;  // COM1; COM16 is 1022
inline constexpr int kOtherPort = 1023;        // the path of any other device
inline constexpr int kTraceToFile = 1024;      // the protocol trace on or off
inline constexpr int kTraceFile = 1025;        // the file it goes to
inline constexpr int kModelList = 1013;
inline constexpr int kNavigationTree = 1030;
inline constexpr int kEnglish = 1076;
inline constexpr int kChinese = 1077;
inline constexpr int kAboutIcon = 1096;
inline constexpr int kAboutVersion = 1098;
inline constexpr int kAboutCopyrights = 1099;
inline constexpr int kAboutCopyrightsOwner = 1100;
inline constexpr int kLowerLimit = 1113;
inline constexpr int kUpperLimit = 1114;
inline constexpr int kProcessStatus = 1062;
inline constexpr int kProcessProgress = 1245;
inline constexpr int kProcessStep = 1246;  // the step of a safe write
inline constexpr int kBackupBeforeWrite = 1300;
inline constexpr int kShowChangesBeforeWrite = 1301;
inline constexpr int kVerifyAfterWrite = 1302;
inline constexpr int kCompareDocument = 1310;
inline constexpr int kCompareDocumentList = 1311;
inline constexpr int kCompareFile = 1312;
inline constexpr int kCompareRadio = 1313;
}  // namespace control

}  // namespace kw
