#pragma once
// --lang en|zh: the language a command reads and prints texts in, English by default.

#include <optional>

#include "base/arguments.h"
#include "command.h"
#include "res/language.h"

namespace kw::cli {

inline constexpr Option kLanguageOption{"lang"};
inline constexpr OptionHelp kLanguageHelp{"--lang en|zh",
                                          "the language of the words read and shown (English)"};

// Reports an unknown language on the error stream.
[[nodiscard]] std::optional<Language> languageOption(const Arguments& arguments,
                                                     CommandContext& context);

}  // namespace kw::cli
