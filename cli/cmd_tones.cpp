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

constexpr std::array<OptionHelp, 1> kHelp{{kLanguageHelp}};
constexpr std::array<std::string_view, 2> kExamples{"kwprog-cli tones",
                                                    "kwprog-cli tones --lang zh | head -3"};

const Command kTonesCommand{
    "tones",
    "[--lang en|zh]",
    kOptions,
    0,
    0,
    runTones,
    {"Lists the tone drop-down's texts, one a line: none, CTCSS, then DCS.", kHelp, kExamples, {}}};

}  // namespace kw::cli
