# bash completion for varnoltdbq-cli.
# Commands, options and their choices are read from the program's own --help, so a new command
# or option completes without a change here; only the report codes are listed.

_varnoltdbq_cli_report_codes="S#1 S#2 S#3 S#4 S#5 J#1 J#2 J#3 J#4 J#5 J#6 W#1 W#2 W#3 C#1 C#2 C#3 C#4 R#1 R#2 P#1 P#2 D#1 D#2"

# The names listed under "Subcommands:" in a help text.
_varnoltdbq_cli_subcommands() {
  sed -n '/^Subcommands:/,/^$/s/^  \([a-z][a-z0-9-]*\) .*/\1/p' <<<"$1"
}

# The choices of an option or positional as the help prints them: "NAME TEXT:{a,b,c}".
_varnoltdbq_cli_choices() {
  sed -n "s/^ *\(-[^ ]*,\)\{0,1\}$2 [A-Z]*:{\([^}]*\)}.*/\2/p" <<<"$1" | head -n 1 | tr ',' ' '
}

# Whether an option takes a value: the help prints its type after it ("--format TEXT").
_varnoltdbq_cli_takes_value() {
  grep -q -- "^ *\(-[a-z],\)\{0,1\}$2 [A-Z]" <<<"$1"
}

_varnoltdbq_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local program=${COMP_WORDS[0]} top help command="" i positionals=0
  COMPREPLY=()
  top=$("$program" --help 2>/dev/null) || return 0

  case $prev in
    --db | --log-dir)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -d -- "$cur")
      return 0
      ;;
    --today)
      mapfile -t COMPREPLY < <(compgen -W "$(date +%F)" -- "$cur")
      return 0
      ;;
  esac

  # The command is the first word that is not a global option or its value; the words after it
  # that are not options are its positionals.
  for ((i = 1; i < COMP_CWORD; i++)); do
    local word=${COMP_WORDS[i]}
    if [[ -z $command ]]; then
      case $word in
        --db | --today | --log-dir) ((i++)) ;;
        -*) ;;
        *) command=$word ;;
      esac
    elif [[ $word == -* ]]; then
      if [[ $word != -- ]] && _varnoltdbq_cli_takes_value "$help" "$word"; then ((i++)); fi
    else
      ((positionals++))
    fi
    [[ -n $command && -z $help ]] && help=$("$program" "$command" --help 2>/dev/null)
  done

  local words
  if [[ -z $command ]]; then
    if [[ $cur == -* ]]; then
      words=$(sed -n '/^Options:/,/^$/p' <<<"$top" | grep -o -- '--[a-z][a-z-]*' | sort -u)
    else
      words=$(_varnoltdbq_cli_subcommands "$top")
    fi
  elif [[ $prev == -* ]] && words=$(_varnoltdbq_cli_choices "$help" "$prev") && [[ -n $words ]]; then
    :
  elif [[ $cur == -* ]]; then
    words=$(sed -n '/^Options:/,/^$/p' <<<"$help" | grep -o -- '--[a-z][a-z-]*' | sort -u)
  elif ((positionals == 0)); then
    if [[ $command == report ]]; then
      words=$_varnoltdbq_cli_report_codes
    else
      words=$(_varnoltdbq_cli_subcommands "$help")
      [[ -n $words ]] || words=$(sed -n '/^Positionals:/,/^$/p' <<<"$help" |
        sed -n '2s/^  [A-Z_]* [A-Z]*:{\([^}]*\)}.*/\1/p' | tr ',' ' ')
    fi
  fi
  mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
  return 0
}

complete -F _varnoltdbq_cli varnoltdbq-cli
