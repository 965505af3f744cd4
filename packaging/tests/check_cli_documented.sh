#!/bin/bash
# Every command and option that `tavro-cli --help` names is in the manual page,
# and the bash completion offers it.
#   check_cli_documented.sh TAVRO_CLI PACKAGING_FOLDER
set -o pipefail
cli=$1
pkg=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

help=$("$cli" --help) || { echo "FAIL: $cli --help exits with status $?"; exit 1; }
# The commands: the first word of each indented line below a "commands:" or
# "subcommands:" heading.
commands=$(awk 'tolower($0) ~ /^(sub)?commands:/ { inside = 1; next }
                /^[^ ]/ { inside = 0 }
                inside && NF { print $1 }' <<<"$help" | sort -u)
[ -n "$commands" ] || { echo "FAIL: no commands found in --help"; exit 1; }

# The manual page as plain text with its escaped hyphens undone.
man_text=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$pkg/man/tavro-cli.1")

# What the completion offers after the words given.
source /usr/share/bash-completion/bash_completion
source "$pkg/bash-completion/tavro-cli"
complete_after() {
  COMP_WORDS=(tavro-cli "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _tavro_cli
  printf '%s\n' "${COMPREPLY[@]}"
}

offered=$(complete_after "")
for command in $commands; do
  grep -qx -- "$command" <<<"$offered" || fail "completion does not offer the command $command"
  grep -q -- "^\.B $command\b" <<<"$man_text" || fail "manual page has no entry for the command $command"
  # Options from the command's line in the overview and from its own --help.
  options=$( { grep -E "^ +$command( |$)" <<<"$help"; timeout 20 "$cli" "$command" --help 2>/dev/null; } |
    grep -oE -- '--[a-z][a-z0-9-]*' | grep -vx -- '--help' | sort -u)
  first=""
  [ "$command" = list ] && first=new-years  # its first word is the kind of list
  offered_options=$(complete_after "$command" $first --)
  for option in $options; do
    grep -qx -- "$option" <<<"$offered_options" || fail "completion does not offer $option after $command"
    grep -q -- "$option\b" <<<"$man_text" || fail "manual page does not mention $option ($command)"
  done
done

# The manual page renders without warnings (every character drawable), and
# each example entry it gives is accepted.
warnings=$(groff -man -Tutf8 -ww "$pkg/man/tavro-cli.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page warnings: $warnings"
while read -r entry; do
  "$cli" convert --json "$entry" >/dev/null 2>&1 || fail "manual page example entry refused: $entry"
done < <(grep -oE '^\.BR? "\\\(dq[^\\]*\\\(dq"' "$pkg/man/tavro-cli.1" | sed 's/^[^"]*"\\(dq//; s/\\(dq"$//; s/\\-/-/g')

# The calendar codes offered are the ones --calendar accepts.
codes=$("$cli" convert --help | grep -- '--calendar ' | grep -oE '\(.*\)' | grep -oE '\b[A-Z]{2,6}\b' | grep -vx CODE | sort -u)
offered_codes=$(complete_after convert --calendar "" | sort -u)
[ "$codes" = "$offered_codes" ] || fail "completion offers calendars '$(echo $offered_codes)', the program takes '$(echo $codes)'"
# Values are offered only after a command that has the option.
[ -z "$(complete_after convert --format "")" ] || fail "completion offers values of convert --format"

echo "$(wc -w <<<"$commands") commands checked"
[ "$failures" -eq 0 ]
