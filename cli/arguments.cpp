#include "arguments.h"

#include <algorithm>

namespace kw::cli {

std::optional<Arguments> Arguments::parse(std::span<const std::string> words,
                                          std::span<const OptionSpec> options, std::string& error) {
    Arguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 3 || !word.starts_with("--")) {
            if (word == "--" && !optionsEnded) {
                optionsEnded = true;
                continue;
            }
            parsed.positionals_.push_back(word);
            continue;
        }
        std::string_view name = std::string_view(word).substr(2);
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        const auto known = std::find_if(options.begin(), options.end(),
                                       [&](const OptionSpec& s) { return s.name == name; });
        if (known == options.end()) {
            error = "Unknown option \"--" + std::string(name) + "\".";
            return std::nullopt;
        }
        auto& slot = parsed.options_[std::string(name)];
        if (!slot.empty() && !known->repeatable) {
            error = "Option \"--" + std::string(name) + "\" is given more than once.";
            return std::nullopt;
        }
        if (!known->takesValue) {
            if (inlineValue) {
                error = "Option \"--" + std::string(name) + "\" takes no value.";
                return std::nullopt;
            }
            slot.emplace_back();
            continue;
        }
        if (inlineValue) {
            slot.push_back(*inlineValue);
        } else if (i + 1 < words.size()) {
            slot.push_back(words[++i]);
        } else {
            error = "Option \"--" + std::string(name) + "\" needs a value.";
            return std::nullopt;
        }
    }
    return parsed;
}

bool Arguments::has(std::string_view option) const {
    return options_.contains(option);
}

std::string Arguments::value(std::string_view option, std::string_view fallback) const {
    const auto found = options_.find(option);
    if (found == options_.end() || found->second.empty()) {
        return std::string(fallback);
    }
    return found->second.front();
}

std::vector<std::string> Arguments::values(std::string_view option) const {
    const auto found = options_.find(option);
    return found == options_.end() ? std::vector<std::string>{} : found->second;
}

}  // namespace kw::cli
