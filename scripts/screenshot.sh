#!/usr/bin/env bash
# Makes docs/tarvela.png: Tarvela on sample notes, shot in a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target Tarvela
prefix="$PWD/build/windows-x64/wineprefix"
work=$(mktemp -d)
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
scripts/sample-agenda.sh "$work"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  scripts/wine-prefix.sh '$prefix'
  export WINEPREFIX='$prefix' WINEDEBUG=-all
  (cd '$work' && wine '$PWD/build/windows-x64/notes/Tarvela.exe') &
  sleep 6
  import -window root '$work/desktop.png'
  wineserver -k"
# The desktop is one colour around the dialog: trim it away, keep a small margin.
convert "$work/desktop.png" -trim +repage -bordercolor '#2a6f97' -border 8 docs/tarvela.png
echo "wrote docs/tarvela.png"
