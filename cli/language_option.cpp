#include "language_option.h"

namespace kw::cli {

std::optional<Language> languageOption(const Arguments& arguments, CommandContext& context) {
    const std::string text = arguments.value(kLanguageOption.name, "en");
    if (text == "en") {
        return Language::English;
    }
    if (text == "zh") {
        return Language::Chinese;
    }
    context.err << "Unknown language \"" << text << "\"; choose en or zh.\n";
    return std::nullopt;
}

}  // namespace kw::cli
