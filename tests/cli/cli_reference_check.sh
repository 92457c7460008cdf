#!/usr/bin/env bash
# Holds the command line's reference to the program: every command, argument and option that
# the --help of varnoltdbq-cli and of each of its commands lists must be in the reference, a
# command's in its own section ("### `varnoltdbq-cli COMMAND ..."), the global ones in
# "## Options".
# Usage: cli_reference_check.sh CLI REFERENCE
set -uo pipefail
cli=$1
reference=$2
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The reference's section whose heading begins with $1 (followed by a blank, "`" or the line's
# end), heading included, up to the next heading of its level or above.
section() {
  awk -v head="$1" '
    /^#+ / && on && length($1) <= level { exit }
    index($0, head) == 1 && substr($0, length(head) + 1, 1) ~ /^([ `]|)$/ { on = 1; level = length($1) }
    on { print }
  ' "$reference"
}

# The names a help text lists under one of its headings ("Options:", "Subcommands:", ...), one
# a line; "-h,--help" is two names.
listed() {
  awk -v block="$1" '
    /^[A-Z][a-z]*:$/ { on = ($0 == block); next }
    /^$/ { on = 0 }
    on && /^  [^ ]/ { n = split($1, names, ","); for (i = 1; i <= n; i++) print names[i] }
  '
}

check() {
  local help text name
  help=$("$cli" "$@" --help) || fail "varnoltdbq-cli $* --help"
  if (($# == 0)); then
    text=$(section "## Options")
  else
    text=$(section "### \`varnoltdbq-cli $*")
  fi
  [[ -n $text ]] || fail "no section in the reference for: varnoltdbq-cli $*"
  for name in $(listed "Options:" <<<"$help") $(listed "Positionals:" <<<"$help"); do
    # Every command takes --help; the reference says so once, among the global options.
    if (($# > 0)) && [[ $name == -h || $name == --help ]]; then continue; fi
    grep -qF -- "$name" <<<"$text" || fail "varnoltdbq-cli $*: $name is not in the reference"
  done
  for name in $(listed "Subcommands:" <<<"$help"); do check "$@" "$name"; done
}

check
((failures == 0)) && echo "the reference lists every command and option"
exit $((failures > 0))
