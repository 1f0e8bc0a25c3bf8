#include <array>

#include "channels/tone_table.h"
#include "commands.h"
#include "exit_status.h"
#include "language_option.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 1> kOptions{{kLanguageOption}};

int runTones(const Arguments& arguments, CommandContext& context) {
    const auto language = languageOption(arguments, context);
    if (!language) {
        return kBadInput;
    }
    for (const std::string& tone : buildToneList(*language)) {
        context.out << tone << '\n';
    }
    return kDone;
}

}  // namespace

const Command kTonesCommand{"tones", "[--lang en|zh]", kOptions, 0, 0, runTones};

}  // namespace kw::cli
