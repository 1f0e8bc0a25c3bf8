# bash completion for kwprog-cli. Commands and their options come from the tool's own
# "help", so they always match the installed version.
_kwprog_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} usage
    usage=$("${COMP_WORDS[0]}" help 2> /dev/null)
    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W "help $(awk '$1 == "kwprog-cli" { print $2 }' <<< "$usage")" -- "$cur")
        return
    fi
    if [[ $cur == -* ]]; then
        local options
        options=$(awk -v c="${COMP_WORDS[1]}" '$1 == "kwprog-cli" && $2 == c' <<< "$usage" | grep -o -- '--[a-z-]*')
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    if [ "${COMP_WORDS[COMP_CWORD - 1]}" = --port ]; then
        mapfile -t COMPREPLY < <(compgen -f -- "${cur:-/dev/tty}")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}
complete -o filenames -F _kwprog_cli kwprog-cli
