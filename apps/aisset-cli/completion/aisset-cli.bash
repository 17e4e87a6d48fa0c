# bash completion for aisset-cli. The commands, each command's words and
# options are read from the tool's own help when completing, so that they
# follow the tool as it gains commands and options.

_aisset_cli_help()
{
    "$1" ${2:+"$2"} --help 2>/dev/null
}

# The stable names of the serial adapters: the by-id folder of the port
# mapping file ("by-id = FOLDER"), else the system's.
_aisset_cli_by_id()
{
    local conf=${XDG_CONFIG_HOME:-$HOME/.config}/aisset/ports.conf folder
    folder=$(sed -n 's/^[[:space:]]*by-id[[:space:]]*=[[:space:]]*\(.*[^[:space:]]\)[[:space:]]*$/\1/Ip' "$conf" 2>/dev/null | tail -n 1)
    compgen -G "${folder:-/dev/serial/by-id}/*" 2>/dev/null
}

_aisset_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local cli=${COMP_WORDS[0]} command="" i
    local valued
    # The options that take a value, from the option column of the help.
    valued=$(_aisset_cli_help "$cli" | sed -n 's/^ *\(\(-[a-z], \)\?--[a-z-]*\) <.*/\1/p' | tr ',\n' '  ')

    # The command is the first word that is neither an option nor an option's value.
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            -*) [[ " $valued " == *" ${COMP_WORDS[i]} "* ]] && ((i++)) ;;
            *) command=${COMP_WORDS[i]}; break ;;
        esac
    done

    case $prev in
        --port)
            COMPREPLY=($(compgen -W "$(seq 1 16) $(_aisset_cli_by_id) $(compgen -G '/dev/tty[UA]*' 2>/dev/null)" -- "$cur"))
            return ;;
        --store)
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --timeout)
            return ;;
        -*)
            if [[ " $valued " == *" $prev "* ]]; then
                # A value name with choices ("<json|csv>") offers them, any other a file.
                local choices
                choices=$(_aisset_cli_help "$cli" "$command" | sed -n "s/.*--[a-z-]* <\([a-z]*|[a-z|]*\)>.*/\1/p")
                if [[ -n $choices ]]; then
                    COMPREPLY=($(compgen -W "${choices//|/ }" -- "$cur"))
                else
                    COMPREPLY=($(compgen -f -- "$cur"))
                fi
                return
            fi ;;
    esac

    if [[ -z $command || $command == help ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
        elif [[ $command == help && ${COMP_WORDS[COMP_CWORD - 1]} != help ]]; then
            return
        else
            COMPREPLY=($(compgen -W "$(_aisset_cli_help "$cli" | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\).*/\1/p')" -- "$cur"))
        fi
        return
    fi

    local help
    help=$(_aisset_cli_help "$cli" "$command")
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(sed -n 's/^ *\(-[a-z], \)\?\(--[a-z-]*\).*/\2/p' <<<"$help")" -- "$cur"))
        return
    fi
    # The usage line's words after the command: "ownship|system|factory",
    # "[show MMSI | export | import FILE]". The first word after the command is
    # one of its lower-case words; the word after one that the usage follows
    # with FILE is a file; names in capitals stand for any other text.
    local usage
    usage=" $(sed -n "s/^Usage: [^ ]* \[options\] $command//p" <<<"$help" | tr '[]|' '   ' | tr -s ' ') "
    local j before=0
    for ((j = i + 1; j < COMP_CWORD; j++)); do
        case ${COMP_WORDS[j]} in
            -*) [[ " $valued " == *" ${COMP_WORDS[j]} "* ]] && ((j++)) ;;
            *) ((before++)) ;;
        esac
    done
    if ((before == 0)); then
        local word fixed=""
        for word in $usage; do
            [[ $word =~ ^[a-z-]+$ ]] && fixed+=" $word"
        done
        COMPREPLY=($(compgen -W "$fixed" -- "$cur"))
    elif [[ $usage == *" $prev FILE "* ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}

complete -F _aisset_cli aisset-cli
