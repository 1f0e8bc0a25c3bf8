#pragma once
// Resource identifiers shared by menus, toolbar, accelerators, dialogs and help contexts.

namespace kw {

namespace command {
inline constexpr int kControlBar = 32772;
inline constexpr int kRead = 32773;
inline constexpr int kWrite = 32774;
inline constexpr int kComSetup = 32777;
inline constexpr int kProductInformation = 32786;
inline constexpr int kChannelInformation = 32787;
inline constexpr int kOptionalFeatures = 32788;
inline constexpr int kDtmf = 32789;
inline constexpr int kHelpTopics = 32793;
inline constexpr int kLanguage = 32799;
inline constexpr int kKeyAssignment = 32800;

inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kHelp = 57670;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
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

inline constexpr int kIdleMessage = 57345;  // "Ready"
inline constexpr int kIndicatorCaps = 59137;
inline constexpr int kIndicatorNum = 59138;
inline constexpr int kIndicatorScroll = 59139;
}  // namespace resource

namespace control {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kUnnamedStatic = 65535;

inline constexpr int kFirstPortButton = 1007;  // COM1; COM16 is 1022
inline constexpr int kOtherPort = 1023;        // the path of any other device
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
}  // namespace control

}  // namespace kw
