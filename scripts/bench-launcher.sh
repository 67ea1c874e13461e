#!/usr/bin/env bash
# What starting Tarvela costs on Linux, before and after the launcher (linux/tarvela.sh), each
# against what it cannot beat:
#   the log-on check, 255 notes none due:   agenda due alone (goal: at most 2 x)
#     before: run.sh tarvela 1 of the commit before the launcher
#     after:  tarvela --logon; and run.sh tarvela --logon with nothing changed
#   Tarvela, 255 notes, until its dialog is visible: wine starting Tarvela.exe in its data
#   folder, with the same warm Wine server (goal: at most 1.2 x)
#     before: run.sh of the commit before the launcher
#     after:  tarvela; and run.sh with nothing changed
# "after" is this checkout's build/stage (what run.sh installs: the package's files). Cases run
# interleaved, one of each in a random order, RUNS rounds (15 by default; the quick log-on
# cases ten times a round); medians in ms, every sample in build/bench-launcher/samples.txt.
# The moment a dialog is visible is taken inside Wine by window-helper, which then ends the
# program. Not a test: a busy machine stretches the ratios, and so does editing the checkout
# meanwhile (run.sh then builds).
# Usage: bench-launcher.sh [RUNS]   (as root: the old run.sh installs packages)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
runs=${1:-15}
work="$repo/build/bench-launcher"
scripts/run.sh --help >/dev/null # builds and installs build/stage
stage="$repo/build/stage"
first=$(git log --diff-filter=A --format=%H -- linux/tarvela.sh | tail -n 1)
if [ ! -d "$work/before" ]; then
  git clone -q --no-checkout "$repo" "$work/before"
  git -C "$work/before" checkout -q "$first^"
fi
(cd "$work/before" && cmake --preset windows-x64 >/dev/null &&
  cmake --build --preset windows-x64 --target Tarvela TarvelaHelp >/dev/null)
# Each side its own data folders: the old run.sh copies Tarvela.pdf where the launcher links it.
rm -rf "$work/data"
python3 bench/startup/make_data.py "$work/data"
cp -r "$work/data/none-due" "$work/data/none-due-before"
cp -r "$work/data/full" "$work/data/full-before"
cmake --preset windows-x64 >/dev/null && cmake --build --preset windows-x64 --target window_helper >/dev/null
cp build/windows-x64/tools/window-helper.exe "$work/"
export XDG_DATA_HOME="$work/xdg" WINEDEBUG=-all
export WINEPREFIX="$XDG_DATA_HOME/tarvela/wine" # the launcher's own, for the others too
cleanup() { /usr/lib/wine/wineserver64 -k 2>/dev/null || true; }
trap cleanup EXIT

# elapsed START [END_MS]: ms from START (s, as $EPOCHREALTIME) to END_MS or now.
elapsed() {
  awk -v from="$1" -v to="${2:-}" -v now="$EPOCHREALTIME" \
    'BEGIN { if (to == "") to = now * 1000; printf "%.1f", to - from * 1000 }'
}
# time_exit COMMAND...: ms until it has ended.
time_exit() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1
  elapsed "$start"
}
# time_dialog COMMAND...: ms from its start until Tarvela's dialog is visible.
time_dialog() {
  local out="$work/appear.out" start program
  /usr/lib/wine/wine64 "$work/window-helper.exe" appear 'Mi agenda' >"$out" &
  local helper=$!
  until grep -q ready "$out" 2>/dev/null; do
    kill -0 "$helper" 2>/dev/null || return 1
    sleep 0.01
  done
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 &
  program=$!
  wait "$helper" || kill "$program"
  wait "$program" || true
  sleep 0.15 # Wine's teardown of the program's windows, before the next start
  elapsed "$start" "$(tail -n 1 "$out" | tr -d '\r')"
}
in_folder() { (cd "$1" && shift && exec "$@"); }

# The cases: each prints the ms of one run.
none="$work/data/none-due" full="$work/data/full"
logon_before() { TARVELA_HOME=$none-before time_exit "$work/before/scripts/run.sh" tarvela 1; }
agenda_due() { time_exit "$stage/bin/agenda" due --dir "$none"; }
logon_after() { TARVELA_HOME=$none time_exit "$stage/bin/tarvela" --logon; }
logon_run_sh() { TARVELA_HOME=$none time_exit scripts/run.sh tarvela --logon; }
dialog_before() { TARVELA_HOME=$full-before time_dialog "$work/before/scripts/run.sh"; }
wine_direct() { time_dialog in_folder "$full" /usr/lib/wine/wine64 "$stage/lib/tarvela/Tarvela.exe"; }
dialog_after() { TARVELA_HOME=$full time_dialog "$stage/bin/tarvela"; }
dialog_run_sh() { TARVELA_HOME=$full time_dialog scripts/run.sh; }
# in_turn CASE...: "CASE MS" for each case, in a new random order each time, so that no case
# always runs after the same one.
in_turn() {
  local case
  for case in $(shuf -e "$@"); do echo "$case $("$case")"; done
}
quick_logons() { # ten rounds of the quick log-on cases
  for _ in $(seq 10); do in_turn agenda_due logon_after logon_run_sh; done
}

bench() {
  # The launcher's prefix, made as the launcher makes it; one server serves every start.
  mkdir -p "${WINEPREFIX%/*}"
  "$stage/lib/tarvela/wine-prefix.sh" "$WINEPREFIX"
  /usr/lib/wine/wineserver64 -p
  /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1
  for _ in $(seq "$runs"); do
    echo "logon_before $(logon_before)"
    quick_logons
    in_turn dialog_before wine_direct dialog_after dialog_run_sh
  done
  /usr/lib/wine/wineserver64 -k
}
export work stage runs none full
# xvfb-run is a sh script, which does not hand exported functions on: they go as text.
functions=$(declare -f elapsed time_exit time_dialog in_folder logon_before agenda_due logon_after logon_run_sh \
  dialog_before wine_direct dialog_after dialog_run_sh in_turn quick_logons bench)
samples=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$functions; bench")
echo "$samples" >"$work/samples.txt"
echo "medians of $runs interleaved rounds (ms), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg):"
awk '
  { v[$1] = v[$1] " " $2 }
  function median(name,   n, a, i, j, t) {
    n = split(v[name], a, " ")
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  function row(label, name, base, goal,   m) {
    m = median(name)
    printf "  %-46s %8.1f", label, m
    if (base != "") printf "  %6.2f x", m / median(base)
    if (goal != "") printf "  goal <= %.1f x: %s", goal, m / median(base) <= goal ? "met" : "NOT MET"
    print ""
  }
  END {
    print "log-on check, 255 notes, none due"
    row("agenda due alone", "agenda_due")
    row("before: run.sh tarvela 1", "logon_before", "agenda_due", 2)
    row("after: tarvela --logon", "logon_after", "agenda_due", 2)
    row("after: run.sh tarvela --logon, nothing changed", "logon_run_sh", "agenda_due")
    print "Tarvela, 255 notes, until its dialog is visible"
    row("wine Tarvela.exe, warm server", "wine_direct")
    row("before: run.sh", "dialog_before", "wine_direct", 1.2)
    row("after: tarvela", "dialog_after", "wine_direct", 1.2)
    row("after: run.sh, nothing changed", "dialog_run_sh", "wine_direct")
  }' <<<"$samples"
