# bash completion for vorn-cli
#
# Commands and options are read from vorn-cli's own help, so they follow the
# program installed; an archive's folders and files from `vorn-cli list`.

# The commands, or with a command its options, as its help lists them.
_vorn_cli_from_help()
{
    local line word
    if [[ -z ${1-} ]]; then
        local in_commands=
        while IFS= read -r line; do
            [[ $line == Subcommands:* ]] && in_commands=1 && continue
            [[ $in_commands && $line =~ ^\ +([a-z][a-z0-9-]*) ]] && printf '%s\n' "${BASH_REMATCH[1]}"
        done < <(vorn-cli --help 2>/dev/null)
    else
        while IFS= read -r line; do
            [[ $line =~ ^\ +(-[a-zA-Z],)?(--[a-z][a-z0-9-]*) ]] && printf '%s\n' "${BASH_REMATCH[2]}"
        done < <(vorn-cli "$1" --help 2>/dev/null)
    fi
}

# Every folder and file of the archive as DATA/SUB/NAME, nothing when it cannot be read.
_vorn_cli_items()
{
    local line path
    local -A seen=()
    while IFS= read -r line; do
        [[ $line =~ ^\ *[0-9]+\ +[0-9]+\ \\(.*)$ ]] || continue
        path=${BASH_REMATCH[1]//\\//}
        while [[ -z ${seen[$path]-} ]]; do
            seen[$path]=1
            printf '%s\n' "$path"
            [[ $path == */* ]] || break
            path=${path%/*}
        done
    done < <(vorn-cli list "${@}" 2>/dev/null)
}

# The items of the archive (with --format/--encoding) that start with the word.
_vorn_cli_complete_items()
{
    local cur=$1 item
    shift
    COMPREPLY=()
    while IFS= read -r item; do
        [[ $item == "$cur"* ]] && COMPREPLY+=("$item")
    done < <(_vorn_cli_items "$@")
}

# Archives (.pck, .dir in any case) and the folders that may lead to them.
_vorn_cli_archives()
{
    local path
    COMPREPLY=()
    while IFS= read -r path; do
        if [[ -d $path ]]; then
            COMPREPLY+=("$path")
        else
            case ${path,,} in *.pck | *.dir) COMPREPLY+=("$path") ;; esac
        fi
    done < <(compgen -f -- "$1")
}

_vorn_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local command= i word
    local -a positionals=() archive_options=()
    # Options that take a value: their value is not a positional.
    local valued='^(--format|--encoding|-C|--directory|-o|--output|-j|--jobs|--order-from|--glob|--replace|--add|--delete|--rename|--mkdir)$'
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ -z $command ]]; then
            [[ $word != -* ]] && command=$word
        elif [[ $word =~ $valued ]]; then
            [[ $word == --format || $word == --encoding ]] && archive_options+=("$word" "${COMP_WORDS[i+1]-}")
            ((i++))
        elif [[ $word != -* && $word != = ]]; then
            positionals+=("$word")
        fi
    done

    if [[ -z $command ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_vorn_cli_from_help) --help --version" -- "$cur")
        return
    fi

    case $prev in
    --format)
        mapfile -t COMPREPLY < <(compgen -W "dir pck" -- "$cur")
        return ;;
    --encoding)
        mapfile -t COMPREPLY < <(compgen -W "Windows-1252 Windows-1250 Windows-1251 Windows-1253 Windows-1254
            Windows-1257 Shift-JIS GBK Big5 EUC-KR UTF-8 ISO-8859-1 CP437 CP866" -- "$cur")
        return ;;
    -C | --directory)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return ;;
    --order-from)
        compopt -o filenames 2>/dev/null
        _vorn_cli_archives "$cur"
        return ;;
    -o | --output | =)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return ;;
    -j | --jobs | --glob)
        return ;;
    --replace | --add | --delete | --rename | --mkdir)
        ((${#positionals[@]})) && _vorn_cli_complete_items "$cur" "${positionals[0]}" "${archive_options[@]}"
        return ;;
    esac

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_vorn_cli_from_help "$command")" -- "$cur")
        return
    fi

    case $command:${#positionals[@]} in
    pack:0)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
    mount:1)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
    extract:0 | cat:0 | list:0 | tree:0 | check:0 | update:0 | mount:0 | diff:[01])
        compopt -o filenames 2>/dev/null
        _vorn_cli_archives "$cur" ;;
    extract:* | cat:*)
        _vorn_cli_complete_items "$cur" "${positionals[0]}" "${archive_options[@]}" ;;
    esac
}
complete -F _vorn_cli vorn-cli
