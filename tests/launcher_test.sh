#!/usr/bin/env bash
# Tests the launcher (linux/tarvela.sh) without Wine: its arguments, what --logon decides on
# agenda's answer, and the log-on entry of --autostart, started by a real launcher (gio). It runs
# from a folder with a blank, a quote, $ and \ in its name, beside a stand-in agenda that records
# how it was asked and answers with $AGENDA_STATUS; a scratch HOME, no display. A start that
# gets as far as Wine ends at once with "no display": that is how a start shows here.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
{ command -v gio && command -v desktop-file-validate; } >/dev/null ||
  { echo "FAIL: gio or desktop-file-validate missing (scripts/install-deps.sh)"; exit 1; }

bin="$tmp/my \"apps\" \$HOME a\\b/bin"
mkdir -p "$bin" "$tmp/home"
cp "$repo/linux/tarvela.sh" "$bin/tarvela"
ln -s tarvela "$bin/velmarix"
cat >"$bin/agenda" <<'EOF'
#!/bin/sh
printf '%s|' "$@" >"$AGENDA_LOG"
exit "$AGENDA_STATUS"
EOF
chmod +x "$bin/tarvela" "$bin/agenda"
export HOME="$tmp/home" AGENDA_LOG="$tmp/agenda.log" AGENDA_STATUS=1
unset DISPLAY XDG_DATA_HOME XDG_CONFIG_HOME TARVELA_HOME VELMARIX_HOME

# run PROGRAM ARGUMENTS...: the launcher's status, output and error output in $status, $out.
run() {
  rm -f "$AGENDA_LOG"
  out=$("$bin/$1" "${@:2}" 2>&1)
  status=$?
}
expect() { # STATUS TEXT DESCRIPTION: the last run ended with STATUS and said TEXT
  [ "$status" = "$1" ] && [[ $out == *"$2"* ]] || fail "$3: status $status, said: $out"
}

# 1. Wrong arguments are errors that start nothing, also the old start-up mode's "1".
for arguments in "--bogus" "1" "--logon extra" "--autostart" "--autostart maybe" "velmarix"; do
  # shellcheck disable=SC2086
  run tarvela $arguments
  expect 2 "tarvela" "tarvela $arguments"
done
for arguments in "--logon" "--autostart on"; do
  # shellcheck disable=SC2086
  run velmarix $arguments
  expect 2 "velmarix: unknown arguments" "velmarix $arguments"
done
[ -z "$(ls -A "$tmp/home")" ] || fail "wrong arguments wrote $(ls -A "$tmp/home")"
[ ! -e "$AGENDA_LOG" ] || fail "wrong arguments asked agenda"
run tarvela --help
expect 0 "--autostart on" "tarvela --help"
run velmarix --help
expect 0 "--logon" "velmarix --help"

# 2. --logon asks agenda about the data folder, and starts Tarvela unless nothing is due.
export TARVELA_HOME="$tmp/notas de Íñigo"
for answer in "1 0 " "0 1 no display to show Tarvela" "2 1 no display to show Tarvela"; do
  read -r AGENDA_STATUS expected said <<<"$answer"
  run tarvela --logon
  expect "$expected" "$said" "--logon with agenda's status $AGENDA_STATUS"
  [ "$(cat "$AGENDA_LOG" 2>/dev/null)" = "due|--dir|$TARVELA_HOME|" ] ||
    fail "--logon asked agenda: $(cat "$AGENDA_LOG" 2>/dev/null)"
done
[ -d "$TARVELA_HOME" ] || fail "--logon did not make the data folder"

# 3. --autostart on names the launcher by its path when no tarvela on PATH leads to it, and the
#    entry starts it with --logon; off takes the entry away.
entry="$tmp/home/.config/autostart/tarvela.desktop"
run tarvela --autostart on
expect 0 "$entry" "--autostart on"
desktop-file-validate "$entry" || fail "the log-on entry is not valid"
AGENDA_STATUS=1 timeout 20 gio launch "$entry" >/dev/null 2>&1 || fail "gio launch $entry failed"
for _ in $(seq 50); do [ -f "$AGENDA_LOG" ] && break; sleep 0.1; done
[ "$(cat "$AGENDA_LOG" 2>/dev/null)" = "due|--dir|$TARVELA_HOME|" ] ||
  fail "the log-on entry did not run --logon: $(cat "$AGENDA_LOG" 2>/dev/null)"
PATH="$bin:$PATH" run tarvela --autostart on
grep -qx 'Exec=tarvela --logon' "$entry" || fail "with tarvela on PATH: $(grep Exec= "$entry")"
run tarvela --autostart off
expect 0 "Nothing runs at log-on" "--autostart off"
[ -z "$(find "$tmp/home/.config" -type f)" ] || fail "--autostart off left $(find "$tmp/home/.config" -type f)"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "launcher: arguments, --logon's decision, --autostart on and off: all passed"
