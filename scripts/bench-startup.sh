#!/usr/bin/env bash
# Start-up times under Wine, in their own build tree (build/bench-startup): Tarvela and
# Velmarix with full data files (255 notes, 1024 records) until the dialog is visible and
# idle, Tarvela's start-up mode ("Tarvela 1") with 255 notes of which none is due, a minimal
# dialog program, each program's own main dialog opened with nothing behind it (its template,
# menu, icon and manifest: what the dialog itself costs) and a do-nothing program built by the
# same toolchain. Runs interleaved (RUNS, 30 by default), medians in ms and their ratios
# against the goals. Not a test: a busy machine stretches the ratios.
# Usage: bench-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
runs=${1:-30}
build=$(realpath -m "${BENCH_STARTUP_BUILD_DIR:-build/bench-startup}")
cmake -S bench/startup -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build "$build" -j2 --target Tarvela Velmarix minimal_dialog do_nothing startup_timer \
      tarvela_template velmarix_template >/dev/null

data="$build/data"
rm -rf "$data"
python3 bench/startup/make_data.py "$data"

prefix="$build/wineprefix"
cleanup() { WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; }
trap cleanup EXIT
w() { echo "Z:$1" | tr / '\\'; }
medians=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  scripts/wine-prefix.sh '$prefix' >/dev/null &&
  export WINEPREFIX='$prefix' WINEDEBUG=-all &&
  wineserver -p && /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1 &&
  /usr/lib/wine/wine64 '$build/startup_timer.exe' $runs \
    do_nothing '$(w "$build/do_nothing.exe")' '$(w "$data/empty")' - exit \
    minimal_dialog '$(w "$build/minimal_dialog.exe")' '$(w "$data/empty")' - dialog \
    tarvela_startup_none_due '$(w "$build/agenda/notes/Tarvela.exe")' '$(w "$data/none-due")' 1 exit \
    tarvela_template '$(w "$build/tarvela_template.exe")' '$(w "$data/empty")' - dialog \
    tarvela_full '$(w "$build/agenda/notes/Tarvela.exe")' '$(w "$data/full")' - dialog \
    velmarix_template '$(w "$build/velmarix_template.exe")' '$(w "$data/empty")' - dialog \
    velmarix_full '$(w "$build/agenda/longterm/Velmarix.exe")' '$(w "$data/longterm")' - dialog" | tr -d '\r')
echo "medians of $runs interleaved runs (ms):"
echo "$medians" | awk '{ printf "  %-26s %8.1f\n", $1, $2 }'
echo "$medians" | awk '
  { t[$1] = $2 }
  function ratio(label, a, b, goal) {
    printf "  %-44s %5.2f x  goal <= %.1f x  %s\n", label, t[a] / t[b], goal, t[a] / t[b] <= goal ? "met" : "NOT MET"
  }
  function share(label, a, b) { printf "  %-44s %5.2f x\n", label, t[a] / t[b] }
  END {
    ratio("Tarvela 1, nothing due / do-nothing", "tarvela_startup_none_due", "do_nothing", 2)
    ratio("Tarvela, 255 notes / minimal dialog", "tarvela_full", "minimal_dialog", 1.1)
    ratio("Velmarix, 1024 records / minimal dialog", "velmarix_full", "minimal_dialog", 1.1)
    print "  where it goes: the dialog alone, and the program beyond its dialog"
    share("Tarvela dialog, nothing behind / minimal", "tarvela_template", "minimal_dialog")
    share("Tarvela, 255 notes / its dialog alone", "tarvela_full", "tarvela_template")
    share("Velmarix dialog, nothing behind / minimal", "velmarix_template", "minimal_dialog")
    share("Velmarix, 1024 records / its dialog alone", "velmarix_full", "velmarix_template")
  }'
