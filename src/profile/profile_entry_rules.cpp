#include "profile/profile_entry_rules.h"

#include "profile/profile_text.h"

namespace kw {
namespace {

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

bool hasBlankEnds(std::string_view text) {
    return stripBlanks(text).size() != text.size();
}

std::optional<std::string> keyReason(std::string_view key) {
    const std::string named = "the key " + quoted(key);
    if (key.empty()) {
        return std::string("the key is empty");
    }
    if (key.find('=') != key.npos) {
        return named + " holds \"=\"";
    }
    if (kProfileCommentStarts.find(key.front()) != kProfileCommentStarts.npos) {
        return named + " begins with " + quoted(key.substr(0, 1)) + ", which starts a comment";
    }
    if (hasBlankEnds(key)) {
        return named + " has white space at an end";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> unreadableEntryReason(std::string_view key, std::string_view value) {
    if (auto reason = keyReason(key)) {
        return reason;
    }
    const std::string named = "the value " + quoted(value);
    if (hasBlankEnds(value)) {
        return named + " has white space at an end";
    }
    for (const std::string_view cut : kProfileValueCuts) {
        if (value.find(cut) != value.npos) {
            return named + " holds " +
                   (cut == "\t;" ? std::string("a tab followed by \";\"") : quoted(cut)) +
                   ", which starts a comment";
        }
    }
    if (key.front() == '[' && !value.empty() && value.back() == ']') {
        return "the line would read back as a section name";
    }
    return std::nullopt;
}

}  // namespace kw
