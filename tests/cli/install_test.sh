#!/usr/bin/env bash
# agenda installed as a terminal program: `cmake --install` of the tree's agenda component
# (argument 1: the tree, where the Windows programs need not be built) puts the
# program, its manual page and its bash completion in place; the page renders without a warning
# and the completion, in a bash with nothing else loaded, completes commands, periods and options.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --component agenda --prefix "$prefix" >/dev/null
"$prefix/bin/agenda" --version >/dev/null

page=$prefix/share/man/man1/agenda.1
warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$warnings" ] || { echo "agenda.1: $warnings"; exit 1; }
groff -man -Tascii "$page" | grep -q "agenda - Tarvela's notes and Velmarix's records in a terminal"

completion=$prefix/share/bash-completion/completions/agenda
registered=$(bash --norc -c "source '$completion'; complete -p agenda")
[ "$registered" = "complete -F _agenda agenda" ] || { echo "complete -p agenda: $registered"; exit 1; }
# What the words of a command line, the last one being typed, complete to.
completes() {
  local expected=$1 got
  shift
  got=$(bash --norc -c "source '$completion'; COMP_WORDS=($(printf '%q ' "$@")); COMP_CWORD=\$((\${#COMP_WORDS[@]} - 1))
                        _agenda; echo \"\${COMPREPLY[*]}\"")
  [ "$got" = "$expected" ] || { echo "agenda ${*:2}: '$got', expected '$expected'"; exit 1; }
}
files=$prefix/files
mkdir -p "$files/notas" && touch "$files/otra.ics" "$files/otra.txt"
completes "list longterm" agenda l
completes "next-week next-month" agenda list ne
completes "--today" agenda list month --to
completes "add" agenda longterm a
completes "--csv" agenda export --c
completes "list" agenda --dir = "$files" li
completes "$files/notas" agenda due --dir = "$files/no"
completes "$files/notas $files/otra.ics" agenda import "$files/"
completes "--dry-run --dir" agenda import x.ics --d
echo "installed: $(cd "$prefix" && find bin share -type f | sort | tr '\n' ' ')"
