#pragma once
// A language's user-interface resources as plain data: menus, toolbar, accelerators,
// string table and dialog templates under the identifiers the program uses. The desktop
// shell builds its widgets from these; nothing here knows about widgets.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "res/command_ids.h"
#include "res/control_id.h"
#include "res/dialog_rect.h"
#include "res/language.h"

namespace kw {

struct MenuItemResource {
    CommandId command = command::kSeparator;
    std::string_view text;
};

struct PopupResource {
    std::string_view text;
    std::span<const MenuItemResource> items;
};

struct MenuResource {
    int id;
    std::span<const PopupResource> popups;
};

struct AcceleratorResource {
    std::string_view keys;  // portable key text, e.g. "Ctrl+N", "Shift+F6"
    CommandId command;
};

struct StringResource {
    StringId id;
    std::string_view text;
};

enum class ControlKind {
    Static,
    GroupBox,
    PushButton,
    DefaultPushButton,
    RadioButton,   // auto radio button; `groupStart` begins a group
    DropDownList,  // combo box without an edit field
    Edit,
    Icon,
    CheckBox,  // auto check box
    ProgressBar,
};

struct ControlResource {
    int id;
    ControlKind kind;
    std::string_view text;
    DialogRect rect;
    bool groupStart = false;
    bool digitsOnly = false;
};

struct DialogResource {
    int id;
    std::string_view caption;
    int width;
    int height;
    std::string_view fontFace;
    int fontPointSize;
    std::span<const ControlResource> controls;
    HelpWindow helpWindow = HelpWindow::Program;  // the numbering its controls' help follows
};

struct ResourceSet {
    std::string_view name;  // the language name that selects this set
    Language language;      // the language of its texts
    std::span<const MenuResource> menus;
    std::span<const CommandId> toolbar;  // command per button, or a separator
    std::span<const AcceleratorResource> accelerators;
    std::span<const StringResource> strings;
    std::span<const DialogResource> dialogs;

    [[nodiscard]] const MenuResource* menu(int id) const;
    [[nodiscard]] const DialogResource* dialog(int id) const;
    // The string table entry; for a command, "prompt\ntool tip".
    [[nodiscard]] std::string_view string(StringId id) const;
};

// Looks a set up the way resource modules are found by file name: without regard to
// letter case, so "chinese" finds the Chinese set. A name that could leave the folder
// ("/", "\", "..") or that names no set gives nothing.
[[nodiscard]] const ResourceSet* findResourceSet(std::string_view languageName);

// A copy of `base` with the texts of `texts`; an empty text keeps the base text. A
// translation keeps every identifier, rectangle and command of the layout it translates.
template <typename Resource, std::size_t N>
[[nodiscard]] constexpr std::array<Resource, N> translated(
    const std::array<Resource, N>& base, const std::array<std::string_view, N>& texts) {
    std::array<Resource, N> result = base;
    for (std::size_t i = 0; i < N; ++i) {
        if (!texts[i].empty()) {
            result[i].text = texts[i];
        }
    }
    return result;
}

// The part of a string resource before "\n" (the status prompt) and after it (the tool tip).
[[nodiscard]] std::string_view promptOf(std::string_view text);
[[nodiscard]] std::string_view toolTipOf(std::string_view text);

}  // namespace kw
