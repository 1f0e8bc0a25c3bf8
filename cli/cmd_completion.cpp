#include <array>

#include "channels/cell_names.h"
#include "commands.h"
#include "exit_status.h"
#include "format_option.h"
#include "model/model_table.h"

namespace kw::cli {
namespace {

std::string joined(auto&& words) {
    std::string text;
    for (const auto& word : words) {
        text += (text.empty() ? "" : " ") + std::string(word);
    }
    return text;
}

std::string modelNames() {
    std::string names;
    for (const RadioModel& model : kRadioModels) {
        names += (names.empty() ? "" : " ") + std::string(model.text);
    }
    return names;
}

// A bash completion function made from the command table: commands, each command's
// options, the values of --lang, --format and --model, cells as ROW:COLUMN with the
// columns' short names, models for "model", sort keys for --by, and *.dat, *.csv and
// folders otherwise.
std::string bashScript() {
    std::string commands;
    std::string optionCases;
    for (const Command* command : allCommands()) {
        commands += (commands.empty() ? "" : " ") + std::string(command->name);
        std::string options;
        for (const Option& option : command->options) {
            options += (options.empty() ? "--" : " --") + std::string(option.name);
        }
        optionCases += "        " + std::string(command->name) + ") words=\"" + options + "\" ;;\n";
    }
    const std::string formats = joined(kTableFormats) + " text chirp";
    return "# bash completion for kwprog-cli, made by \"kwprog-cli completion bash\".\n"
           "_kwprog_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} words=\n"
           "    if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
           "        mapfile -t COMPREPLY < <(compgen -W \"help " +
           commands +
           "\" -- \"$cur\")\n"
           "        return\n"
           "    fi\n"
           "    case $prev in\n"
           "        --lang) words=\"en zh\" ;;\n"
           "        --format) words=\"" +
           formats +
           "\" ;;\n"
           "        --by) words=\"rx name\" ;;\n"
           "        --model) words=\"" +
           modelNames() +
           "\" ;;\n"
           "        --port) mapfile -t COMPREPLY < <(compgen -f -- \"${cur:-/dev/tty}\"); return "
           ";;\n"
           "    esac\n"
           "    if [ -z \"$words\" ] && [[ $cur == -* ]]; then\n"
           "        case ${COMP_WORDS[1]} in\n" +
           optionCases +
           "        esac\n"
           "    elif [ -z \"$words\" ] && [[ ${COMP_WORDS[1]} == help || "
           "${COMP_WORDS[1]} == completion ]]; then\n"
           "        [ \"${COMP_WORDS[1]}\" = help ] && words=\"" +
           commands +
           "\" || words=\"bash zsh\"\n"
           "    elif [ -z \"$words\" ] && [ \"${COMP_WORDS[1]}\" = model ] && [ \"$COMP_CWORD\" "
           "-eq 3 "
           "]; then\n"
           "        words=\"" +
           modelNames() +
           "\"\n"
           "    elif [ -z \"$words\" ] && [ \"${COMP_WORDS[1]}\" = set ] && [[ $cur == *:* ]]; "
           "then\n"
           "        local row=${cur%%:*} column\n"
           "        for column in " +
           joined(kColumnKeys) +
           "; do words+=\" $row:$column=\"; done\n"
           "        compopt -o nospace\n"
           "    fi\n"
           "    if [ -n \"$words\" ]; then\n"
           "        mapfile -t COMPREPLY < <(compgen -W \"$words\" -- \"$cur\")\n"
           "        return\n"
           "    fi\n"
           "    mapfile -t COMPREPLY < <(compgen -f -X '!*.@(dat|csv|ini)' -- \"$cur\"; compgen -d "
           "-- \"$cur\")\n"
           "}\n"
           "complete -o filenames -F _kwprog_cli kwprog-cli\n";
}

int runCompletion(const Arguments& arguments, CommandContext& context) {
    const std::string& shell = arguments.positionals()[0];
    if (shell == "bash") {
        context.out << bashScript();
    } else if (shell == "zsh") {
        context.out << "#compdef kwprog-cli\n"
                       "# zsh runs the bash completion through bashcompinit.\n"
                       "autoload -U +X bashcompinit && bashcompinit\n"
                    << bashScript();
    } else {
        context.err << "Unknown shell \"" << shell << "\"; choose bash or zsh.\n";
        return kBadInput;
    }
    return kDone;
}

}  // namespace

constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli completion bash > ~/.local/share/bash-completion/completions/kwprog-cli",
    "kwprog-cli completion zsh > ~/.zfunc/_kwprog-cli"};

const Command kCompletionCommand{
    "completion",
    "bash|zsh",
    {},
    1,
    1,
    runCompletion,
    {"Prints a shell completion script made from this command table.", {}, kExamples, {}}};

}  // namespace kw::cli
