#pragma once
// The English resource set: the layout of every menu and dialog with its English texts.
// Other languages translate the texts and keep the layout.

#include <array>

#include "res/command_ids.h"
#include "res/resource_set.h"

namespace kw::english {

using namespace command;
using namespace control;

inline constexpr std::array<MenuItemResource, 7> kMainFile{{
    {kFileNew, "&New\tCtrl+N"},
    {kFileOpen, "&Open...\tCtrl+O"},
    {kOpenBackup, "Open &Backup..."},
    {kSeparator, {}},
    {kFilePrintSetup, "P&rint Setup..."},
    {kSeparator, {}},
    {kAppExit, "E&xit"},
}};
inline constexpr std::array<MenuItemResource, 2> kMainView{{
    {kViewToolbar, "&Toolbar"},
    {kViewStatusBar, "&Status Bar"},
}};
inline constexpr std::array<MenuItemResource, 1> kMainHelp{{{kAppAbout, "&About ..."}}};
inline constexpr std::array<PopupResource, 3> kMainMenuPopups{{
    {"&File", kMainFile},
    {"&View", kMainView},
    {"&Help", kMainHelp},
}};

inline constexpr std::array<MenuItemResource, 15> kDocFile{{
    {kFileNew, "&New\tCtrl+N"},
    {kFileOpen, "&Open...\tCtrl+O"},
    {kOpenBackup, "Open &Backup..."},
    {kFileClose, "&Close"},
    {kFileSave, "&Save\tCtrl+S"},
    {kFileSaveAs, "Save &As..."},
    {kSeparator, {}},
    {kFileImport, "&Import..."},
    {kFileExport, "E&xport..."},
    {kSeparator, {}},
    {kFilePrint, "&Print...\tCtrl+P"},
    {kFilePrintPreview, "Print Preview"},
    {kFilePrintSetup, "Print Setup..."},
    {kSeparator, {}},
    {kAppExit, "&Exit"},
}};
inline constexpr std::array<MenuItemResource, 27> kDocEdit{{
    {kProductInformation, "Product Information"},
    {kChannelInformation, "Channel Information"},
    {kSeparator, {}},
    {kOptionalFeatures, "Optional Features"},
    {kSeparator, {}},
    {kDtmf, "DTMF"},
    {kKeyAssignment, "Key Assignment"},
    {kSeparator, {}},
    // The program names the step: "Undo Paste".
    {kEditUndo, "&Undo\tCtrl+Z"},
    {kEditRedo, "&Redo\tCtrl+Y"},
    {kSeparator, {}},
    {kEditCut, "Cu&t\tCtrl+X"},
    {kEditCopy, "&Copy\tCtrl+C"},
    {kEditPaste, "&Paste\tCtrl+V"},
    {kSeparator, {}},
    {kInsertChannel, "&Insert Channel"},
    {kDeleteChannels, "&Delete Channels"},
    {kMoveChannelsUp, "Move U&p\tAlt+Up"},
    {kMoveChannelsDown, "Move Do&wn\tAlt+Down"},
    {kDuplicateChannels, "Dup&licate"},
    {kSetForSelectedRows, "Set for selected rows…"},
    {kFillDown, "&Fill Down\tCtrl+D"},
    {kSeparator, {}},
    {kSortRxAscending, "Sort by Rx Frequency, Ascending"},
    {kSortRxDescending, "Sort by Rx Frequency, Descending"},
    {kSortNameAscending, "Sort by Name, Ascending"},
    {kSortNameDescending, "Sort by Name, Descending"},
}};
inline constexpr std::array<MenuItemResource, 6> kDocProgram{{
    {kRead, "&Read    Ctrl+R"},
    {kWrite, "&Write   Ctrl+W"},
    {kSeparator, {}},
    {kCompare, "&Compare..."},
    {kRestoreBackup, "Restore &Backup..."},
    {kFleetWrite, "&Fleet Write..."},
}};
inline constexpr std::array<MenuItemResource, 3> kDocSetup{{
    {kComSetup, "Com Setup"},
    {kLanguage, "Language"},
    {kPreferences, "Preferences..."},
}};
inline constexpr std::array<MenuItemResource, 4> kDocView{{
    {kViewToolbar, "&Toolbar"},
    {kViewStatusBar, "&Status Bar"},
    {kSeparator, {}},
    {kControlBar, "Control &Bar   Ctrl+B"},
}};
inline constexpr std::array<MenuItemResource, 3> kDocHelp{{
    {kHelpTopics, "&Help Topics"},
    {kSeparator, {}},
    {kAppAbout, "&About ..."},
}};
inline constexpr std::array<PopupResource, 6> kDocumentMenuPopups{{
    {"&File", kDocFile},
    {"&Edit", kDocEdit},
    {"&Program", kDocProgram},
    {"Setup", kDocSetup},
    {"&View", kDocView},
    {"&Help", kDocHelp},
}};

inline constexpr std::array<MenuResource, 2> kMenus{{
    {resource::kMainMenu, kMainMenuPopups},
    {resource::kDocumentMenu, kDocumentMenuPopups},
}};

inline constexpr std::array kToolbar{kFileNew,   kFileOpen, kFileSave,  kSeparator, kRead,
                                     kSeparator, kWrite,    kSeparator, kFilePrint, kAppAbout};

inline constexpr std::array<AcceleratorResource, 23> kAccelerators{{
    {"Ctrl+N", kFileNew},        {"Ctrl+O", kFileOpen},
    {"Ctrl+S", kFileSave},       {"Ctrl+P", kFilePrint},
    {"Ctrl+R", kRead},           {"Ctrl+W", kWrite},
    {"Ctrl+B", kControlBar},     {"F1", kHelp},
    {"F6", kNextPane},           {"Shift+F6", kPreviousPane},
    {"Ctrl+C", kEditCopy},       {"Ctrl+Ins", kEditCopy},
    {"Ctrl+V", kEditPaste},      {"Shift+Ins", kEditPaste},
    {"Ctrl+X", kEditCut},        {"Shift+Del", kEditCut},
    {"Ctrl+Z", kEditUndo},       {"Alt+Backspace", kEditUndo},
    {"Ctrl+Y", kEditRedo},       {"Ctrl+Shift+Z", kEditRedo},
    {"Alt+Up", kMoveChannelsUp}, {"Alt+Down", kMoveChannelsDown},
    {"Ctrl+D", kFillDown},
}};

inline constexpr std::array<StringResource, 48> kStrings{{
    {resource::kIdleMessage, "Ready"},
    {resource::kIndicatorCaps, "CAP"},
    {resource::kIndicatorNum, "NUM"},
    {resource::kIndicatorScroll, "SCRL"},
    {kFileNew, "Create a new document\nNew"},
    {kFileOpen, "Open an existing document\nOpen"},
    {kFileClose, "Close the active document\nClose"},
    {kFileSave, "Save the active document\nSave"},
    {kFileSaveAs, "Save the active document with a new name\nSave As"},
    {kFilePrintSetup, "Change the printing options\nPage Setup"},
    {kFilePrint, "Print the active document\nPrint"},
    {kFilePrintPreview, "Display full pages\nPrint Preview"},
    {kAppAbout, "Display program information, version number and copyright\nAbout"},
    {kAppExit, "Quit the application; prompts to save documents\nExit"},
    {kViewToolbar, "Show or hide the toolbar\nToggle ToolBar"},
    {kViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
    {kControlBar, "Show or hide the navigation bar\nControl Bar"},
    {kRead, "Read Data From Radio\nRead"},
    {kWrite, "Write Data To Radio\nWrite"},
    {kComSetup, "Choose the serial port of the programming cable\nCom Setup"},
    {kProductInformation, "Choose the radio model and its band\nProduct Information"},
    {kChannelInformation, "Show the channel table\nChannel Information"},
    {kOptionalFeatures, "Edit the radio-wide options and the password\nOptional Features"},
    {kHelpTopics, "List the help topics\nHelp Topics"},
    {kLanguage, "Switch the interface language; the program starts again\nLanguage"},
    {kPreferences, "Choose what every Write does around itself\nPreferences"},
    {kCompare, "List the differences from another document, a file or the radio\nCompare"},
    {kRestoreBackup, "Write a backup back to the radio\nRestore Backup"},
    {kOpenBackup, "Open a backup of a radio's memory\nOpen Backup"},
    {kFleetWrite, "Write the document into radio after radio on several ports\nFleet Write"},
    {kFileImport, "Read channels from a CSV file, ours or CHIRP's\nImport"},
    {kFileExport, "Write the channels to a CSV file, ours or CHIRP's\nExport"},
    {kEditUndo, "Undo the last change\nUndo"},
    {kEditRedo, "Redo the change last undone\nRedo"},
    {kEditCut, "Copy the selection to the clipboard and empty it\nCut"},
    {kEditCopy, "Copy the selection to the clipboard as tab-separated text\nCopy"},
    {kEditPaste, "Paste tab-separated text from the current cell on\nPaste"},
    {kInsertChannel, "Insert an empty channel; the channels below move down\nInsert Channel"},
    {kDeleteChannels, "Delete the selected channels; the channels below move up\nDelete Channels"},
    {kMoveChannelsUp, "Move the selected channels up by one\nMove Up"},
    {kMoveChannelsDown, "Move the selected channels down by one\nMove Down"},
    {kDuplicateChannels, "Copy the selected channels to the rows after them\nDuplicate"},
    {kSetForSelectedRows, "Set one column for all selected channels\nSet for selected rows"},
    {kFillDown, "Copy the first selected channel's values into the others\nFill Down"},
    {kSortRxAscending, "Sort the channels by Rx frequency, lowest first\nSort"},
    {kSortRxDescending, "Sort the channels by Rx frequency, highest first\nSort"},
    {kSortNameAscending, "Sort the channels by name, A to Z\nSort"},
    {kSortNameDescending, "Sort the channels by name, Z to A\nSort"},
}};

inline constexpr std::string_view kDialogFont = "Times New Roman";
inline constexpr int kDialogPointSize = 10;

inline constexpr std::array<ControlResource, 6> kAboutControls{{
    {kAboutIcon, ControlKind::Icon, {}, {11, 14, 21, 20}},
    {kAboutVersion, ControlKind::Static, "Program Version 1.0", {44, 10, 150, 9}},
    {kAboutCopyrights, ControlKind::Static, {}, {44, 24, 150, 9}},
    {kAboutCopyrightsOwner, ControlKind::Static, {}, {44, 38, 150, 9}},
    {kUnnamedStatic, ControlKind::Static, "For the KW-217V and KW-217U radios", {44, 52, 150, 9}},
    {kOk, ControlKind::DefaultPushButton, "OK", {200, 8, 42, 14}, true},
}};

inline constexpr std::array<ControlResource, 9> kProductInfoControls{{
    {kUnnamedStatic, ControlKind::GroupBox, "Model Info", {7, 5, 139, 76}},
    {kUnnamedStatic, ControlKind::Static, "Model", {26, 18, 22, 9}},
    {kModelList, ControlKind::DropDownList, "KW-205A", {50, 18, 78, 54}, true},
    {kUnnamedStatic, ControlKind::Static, "Field", {30, 41, 20, 9}},
    {kLowerLimit, ControlKind::Edit, {}, {51, 41, 23, 12}, false, true},
    {kUnnamedStatic, ControlKind::Static, "——", {81, 41, 18, 9}},
    {kUpperLimit, ControlKind::Edit, {}, {102, 41, 23, 12}, false, true},
    {kOk, ControlKind::DefaultPushButton, "OK", {34, 87, 32, 12}, true},
    {kCancel, ControlKind::PushButton, "Cancel", {88, 87, 32, 12}},
}};

inline constexpr std::array<ControlResource, 5> kLanguageControls{{
    {kUnnamedStatic, ControlKind::GroupBox, "Language", {10, 7, 100, 48}},
    {kEnglish, ControlKind::RadioButton, "English", {24, 20, 70, 10}, true},
    {kChinese, ControlKind::RadioButton, "Chinese", {24, 36, 70, 10}},
    {kOk, ControlKind::DefaultPushButton, "OK", {120, 10, 40, 14}, true},
    {kCancel, ControlKind::PushButton, "Cancel", {120, 32, 40, 14}},
}};

inline constexpr std::array<ControlResource, 23> kPortSettingControls{{
    {kUnnamedStatic, ControlKind::GroupBox, "Port", {16, 13, 196, 84}},
    {1007, ControlKind::RadioButton, "COM1", {28, 27, 36, 10}, true},
    {1008, ControlKind::RadioButton, "COM2", {74, 27, 36, 10}},
    {1009, ControlKind::RadioButton, "COM3", {120, 27, 36, 10}},
    {1010, ControlKind::RadioButton, "COM4", {166, 27, 36, 10}},
    {1011, ControlKind::RadioButton, "COM5", {28, 43, 36, 10}},
    {1012, ControlKind::RadioButton, "COM6", {74, 43, 36, 10}},
    {1013, ControlKind::RadioButton, "COM7", {120, 43, 36, 10}},
    {1014, ControlKind::RadioButton, "COM8", {166, 43, 36, 10}},
    {1015, ControlKind::RadioButton, "COM9", {28, 59, 36, 10}},
    {1016, ControlKind::RadioButton, "COM10", {74, 59, 38, 10}},
    {1017, ControlKind::RadioButton, "COM11", {120, 59, 38, 10}},
    {1018, ControlKind::RadioButton, "COM12", {166, 59, 38, 10}},
    {1019, ControlKind::RadioButton, "COM13", {28, 75, 38, 10}},
    {1020, ControlKind::RadioButton, "COM14", {74, 75, 38, 10}},
    {1021, ControlKind::RadioButton, "COM15", {120, 75, 38, 10}},
    {1022, ControlKind::RadioButton, "COM16", {166, 75, 38, 10}},
    // Any other device: a /dev/serial/by-id link, a pseudo-terminal.
    {kUnnamedStatic, ControlKind::Static, "Other device", {16, 106, 52, 9}},
    {kOtherPort, ControlKind::Edit, {}, {70, 104, 142, 12}},
    // Every byte on the line into a file, for support.
    {kTraceToFile, ControlKind::CheckBox, "Trace to file", {16, 124, 54, 10}},
    {kTraceFile, ControlKind::Edit, {}, {70, 123, 142, 12}},
    {kOk, ControlKind::DefaultPushButton, "OK", {58, 144, 35, 14}, true},
    {kCancel, ControlKind::PushButton, "Cancel", {134, 144, 35, 14}},
}};

inline constexpr std::array<ControlResource, 6> kProcessControls{{
    {kOk, ControlKind::DefaultPushButton, "Start", {7, 7, 38, 12}, true},
    {kUnnamedStatic, ControlKind::Static, "Progress：", {7, 39, 39, 8}},
    {kProcessStatus, ControlKind::Static, "Not start yet", {48, 39, 110, 9}},
    {kCancel, ControlKind::PushButton, "Cancel", {162, 38, 38, 12}},
    {kProcessProgress, ControlKind::ProgressBar, {}, {6, 25, 195, 9}},
    {kProcessStep, ControlKind::Static, {}, {52, 9, 150, 9}},
}};

inline constexpr std::array<ControlResource, 5> kPreferencesControls{{
    {kBackupBeforeWrite,
     ControlKind::CheckBox,
     "Back up the radio before writing",
     {12, 10, 160, 10},
     true},
    {kShowChangesBeforeWrite,
     ControlKind::CheckBox,
     "Show the changes before writing",
     {12, 26, 160, 10}},
    {kVerifyAfterWrite, ControlKind::CheckBox, "Verify after writing", {12, 42, 160, 10}},
    {kOk, ControlKind::DefaultPushButton, "OK", {42, 62, 40, 14}, true},
    {kCancel, ControlKind::PushButton, "Cancel", {102, 62, 40, 14}},
}};

inline constexpr std::array<ControlResource, 7> kCompareWithControls{{
    {kUnnamedStatic, ControlKind::GroupBox, "Compare the document with", {7, 5, 206, 66}},
    {kCompareDocument, ControlKind::RadioButton, "Another open document", {14, 18, 96, 10}, true},
    {kCompareDocumentList, ControlKind::DropDownList, {}, {112, 17, 94, 60}},
    {kCompareFile, ControlKind::RadioButton, "A file...", {14, 34, 96, 10}},
    {kCompareRadio, ControlKind::RadioButton, "The radio", {14, 50, 96, 10}},
    {kOk, ControlKind::DefaultPushButton, "OK", {52, 78, 40, 14}, true},
    {kCancel, ControlKind::PushButton, "Cancel", {128, 78, 40, 14}},
}};

inline constexpr std::array<DialogResource, 7> kDialogs{{
    {resource::kAboutDialog, "About Program", 250, 70, kDialogFont, kDialogPointSize,
     kAboutControls},
    {resource::kProductInfoDialog, "Product Information", 155, 107, kDialogFont, kDialogPointSize,
     kProductInfoControls},
    {resource::kLanguageDialog, "Language", 170, 64, kDialogFont, kDialogPointSize,
     kLanguageControls},
    {resource::kPortSettingDialog, "Port Setting", 227, 166, kDialogFont, kDialogPointSize,
     kPortSettingControls},
    {resource::kProcessDialog, "Process", 207, 60, kDialogFont, kDialogPointSize, kProcessControls},
    {resource::kPreferencesDialog, "Preferences", 184, 84, kDialogFont, kDialogPointSize,
     kPreferencesControls},
    {resource::kCompareWithDialog, "Compare", 220, 100, kDialogFont, kDialogPointSize,
     kCompareWithControls},
}};

}  // namespace kw::english
