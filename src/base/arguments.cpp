#include "base/arguments.h"

#include <algorithm>
#include <cctype>

namespace kw {
namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool matches(const Option& option, std::size_t dashes, std::string_view name) {
    switch (option.form) {
        case OptionForm::DoubleDash:
            return dashes == 2 && name == option.name;
        case OptionForm::SingleDash:
            return dashes == 1 && name == option.name;
        case OptionForm::SingleDashAnyCase:
            return dashes == 1 && equalsIgnoringCase(name, option.name);
    }
    return false;
}

std::size_t leadingDashes(std::string_view word, bool singleDashOptions) {
    if (word.size() >= 3 && word.starts_with("--")) {
        return 2;
    }
    if (singleDashOptions && word.size() >= 2 && word.starts_with('-')) {
        return word[1] == '-' ? 2 : 1;
    }
    return 0;
}

}  // namespace

std::string ArgumentRefusal::sentence() const {
    switch (fault) {
        case ArgumentFault::UnknownOption:
            return "Unknown option \"" + option + "\".";
        case ArgumentFault::RepeatedOption:
            return "Option \"" + option + "\" is given more than once.";
        case ArgumentFault::UnwantedValue:
            return "Option \"" + option + "\" takes no value.";
        case ArgumentFault::MissingValue:
            return "Option \"" + option + "\" needs a value.";
        case ArgumentFault::ExtraPositional:
            break;
    }
    return "Wrong number of arguments.";
}

ParsedArguments parseArguments(std::span<const std::string> words, const ArgumentGrammar& grammar) {
    const bool singleDashOptions = std::ranges::any_of(
        grammar.options, [](const Option& o) { return o.form != OptionForm::DoubleDash; });
    ParsedArguments parsed;
    Arguments& arguments = parsed.arguments;
    const auto refuse = [&](ArgumentFault fault, const std::string& word, std::string_view option) {
        parsed.refusal = ArgumentRefusal{fault, word, std::string(option)};
        return std::move(parsed);
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        const std::size_t dashes = optionsEnded ? 0 : leadingDashes(word, singleDashOptions);
        if (dashes == 0) {
            if (arguments.positionals_.size() == grammar.maxPositionals) {
                return refuse(ArgumentFault::ExtraPositional, word, {});
            }
            arguments.positionals_.push_back(word);
            continue;
        }
        const std::string_view spelled = std::string_view(word).substr(0, word.find('='));
        const std::string_view name = spelled.substr(dashes);
        const auto known = std::ranges::find_if(
            grammar.options, [&](const Option& o) { return matches(o, dashes, name); });
        if (known == grammar.options.end()) {
            return refuse(ArgumentFault::UnknownOption, word, spelled);
        }
        if (!known->repeatable && arguments.has(known->name)) {
            return refuse(ArgumentFault::RepeatedOption, word, spelled);
        }
        const bool inlineValue = spelled.size() < word.size();
        std::string value;
        if (!known->takesValue) {
            if (inlineValue) {
                return refuse(ArgumentFault::UnwantedValue, word, spelled);
            }
        } else if (inlineValue) {
            value = word.substr(spelled.size() + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            return refuse(ArgumentFault::MissingValue, word, spelled);
        }
        arguments.options_[std::string(known->name)].push_back(std::move(value));
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

}  // namespace kw
