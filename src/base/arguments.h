#pragma once
// The one place where command lines are taken apart, for every program here: positional
// words and options. "--name VALUE" and "--name=VALUE" give a value; "--" ends the
// options. A grammar with single-dash options ("-h", "-Embedding") reads every word with
// one leading dash as an option; one without keeps such words ("-", "-5") as positionals.

#include <cstddef>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

enum class OptionForm {
    DoubleDash,         // --name
    SingleDash,         // -name
    SingleDashAnyCase,  // -name in any case: the switches other programs start us with
};

struct Option {
    std::string_view name;  // without its dashes
    bool takesValue = true;
    bool repeatable = false;
    OptionForm form = OptionForm::DoubleDash;
};

struct ArgumentGrammar {
    std::span<const Option> options;
    // A positional beyond these is refused where it stands.
    std::size_t maxPositionals = std::numeric_limits<std::size_t>::max();
};

enum class ArgumentFault {
    UnknownOption,
    RepeatedOption,
    UnwantedValue,  // a value given to an option that takes none
    MissingValue,   // the option is the last word
    ExtraPositional,
};

struct ArgumentRefusal {
    ArgumentFault fault;
    std::string word;  // the refused word as given
    std::string
        option;  // its option with the dashes ("--port" of "--port=x"); empty for a positional

    // The sentence the command-line tools print: "Unknown option "--x"." and the like.
    [[nodiscard]] std::string sentence() const;
};

struct ParsedArguments;

class Arguments {
  public:
    const std::vector<std::string>& positionals() const { return positionals_; }
    // Options are known by their name without dashes, whatever case a word gave them in.
    bool has(std::string_view option) const;
    // The value of a single-valued option, or `fallback` when it was not given.
    std::string value(std::string_view option, std::string_view fallback = {}) const;
    std::vector<std::string> values(std::string_view option) const;

  private:
    friend ParsedArguments parseArguments(std::span<const std::string> words,
                                          const ArgumentGrammar& grammar);

    std::vector<std::string> positionals_;
    std::map<std::string, std::vector<std::string>, std::less<>> options_;
};

struct [[nodiscard]] ParsedArguments {
    Arguments arguments;  // every word before a refused one
    std::optional<ArgumentRefusal> refusal;

    explicit operator bool() const { return !refusal; }
};

// Reads the words in order and stops at the first one the grammar refuses.
ParsedArguments parseArguments(std::span<const std::string> words, const ArgumentGrammar& grammar);

}  // namespace kw
