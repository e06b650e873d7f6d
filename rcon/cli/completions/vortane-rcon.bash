# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for vortane-rcon: options, their values, and the saved @NAMEs.
_vortane_rcon() {
  local cur prev
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  case $prev in
    --color) COMPREPLY=($(compgen -W 'auto always never' -- "$cur")); return ;;
    --format) COMPREPLY=($(compgen -W 'text prometheus' -- "$cur")); return ;;
    --password-file|--messages) COMPREPLY=($(compgen -f -- "$cur")); return ;;
    -p|--password|--quiet|--timeout|--deadline|--pace|--interval) return ;;
  esac
  case $cur in
    @*) COMPREPLY=($(compgen -W "$(vortane-rcon --list-saved 2>/dev/null)" -- "$cur")) ;;
    -*) COMPREPLY=($(compgen -W '-p --password --password-file --status --json --format --raw
          --color --quiet --end-marker --no-end-marker --timeout --deadline --pace --messages
          --interval --help --help-all --version' -- "$cur")) ;;
  esac
}
complete -F _vortane_rcon vortane-rcon
