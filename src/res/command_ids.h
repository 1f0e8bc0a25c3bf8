#pragma once
// Command identifiers shared by menus, accelerators, toolbar and help contexts.

namespace kw::command {

inline constexpr int kControlBar = 32772;
inline constexpr int kRead = 32773;
inline constexpr int kWrite = 32774;
inline constexpr int kChannelInformation = 32787;
inline constexpr int kHelpTopics = 32793;
inline constexpr int kEditCopy = 57634;
inline constexpr int kHelp = 57670;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

}  // namespace kw::command
