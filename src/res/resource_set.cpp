#include "res/resource_set.h"

#include <algorithm>
#include <cctype>

#include "base/plain_name.h"
#include "res/chinese_resources.h"
#include "res/messages.h"

namespace kw {
namespace {

constexpr ResourceSet kEnglishSet{"English",         Language::English,      english::kMenus,
                                  english::kToolbar, english::kAccelerators, english::kStrings,
                                  english::kDialogs};
constexpr ResourceSet kChineseSet{"Chinese",         Language::Chinese,      chinese::kMenus,
                                  english::kToolbar, english::kAccelerators, chinese::kStrings,
                                  chinese::kDialogs};
constexpr std::array kSets{&kEnglishSet, &kChineseSet};

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

const MenuResource* ResourceSet::menu(int id) const {
    const auto found = std::ranges::find(menus, id, &MenuResource::id);
    return found == menus.end() ? nullptr : &*found;
}

const DialogResource* ResourceSet::dialog(int id) const {
    const auto found = std::ranges::find(dialogs, id, &DialogResource::id);
    return found == dialogs.end() ? nullptr : &*found;
}

std::string_view ResourceSet::string(StringId id) const {
    const auto found = std::ranges::find(strings, id, &StringResource::id);
    if (found != strings.end()) {
        return found->text;
    }
    // The messages kwcore reports by ID are part of every string table.
    if (const auto message = messageIdFromNumber(id.number())) {
        return messageText(*message, language);
    }
    return {};
}

const ResourceSet* findResourceSet(std::string_view languageName) {
    if (!isPlainName(languageName)) {
        return nullptr;
    }
    for (const ResourceSet* set : kSets) {
        if (equalIgnoringCase(set->name, languageName)) {
            return set;
        }
    }
    return nullptr;
}

std::string_view promptOf(std::string_view text) {
    return text.substr(0, text.find('\n'));
}

std::string_view toolTipOf(std::string_view text) {
    const auto newline = text.find('\n');
    return newline == std::string_view::npos ? text : text.substr(newline + 1);
}

}  // namespace kw
