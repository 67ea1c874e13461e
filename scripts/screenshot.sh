#!/usr/bin/env bash
# Makes the README's pictures, each shot in a virtual X display and cut to its window:
#   docs/tarvela.png   Tarvela on sample notes around today (scripts/sample-agenda.sh)
#   docs/velmarix.png  Velmarix on sample long-term notes (scripts/sample-longterm.sh)
#   docs/about.png     the About window, opened from Tarvela's menu item 801
# BUILD_DIR is the build tree to build the programs in and to take the Wine prefix from
# (default build/windows-x64, the preset's own).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD="${BUILD_DIR:-build/windows-x64}"
[[ "$BUILD" = /* ]] || BUILD="$PWD/$BUILD"
export BUILD
cmake --preset windows-x64 -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2 --target Tarvela Velmarix window_helper
WORK=$(mktemp -d)
export PREFIX="$BUILD/wineprefix" WORK
trap 'WINEPREFIX="$PREFIX" wineserver -k 2>/dev/null || true; rm -rf "$WORK"' EXIT
mkdir "$WORK/notes" "$WORK/longterm"
scripts/sample-agenda.sh "$WORK/notes"
scripts/sample-longterm.sh "$WORK/longterm"

# helper ARGS...: runs window-helper under Wine; prints the window's rectangle.
helper() { /usr/lib/wine/wine64 "$BUILD/tools/window-helper.exe" "$@" | tr -d '\r'; }
# start FOLDER EXE: starts a copy of a program in its data folder, in the background, as it is
# installed: the About window shows the year of the program file found there.
start() {
  cp "$BUILD/$2" "$WORK/$1/"
  (cd "$WORK/$1" && exec /usr/lib/wine/wine64 "$(basename "$2")") &
}
# shot NAME RECT: the screen as it is now, cut to RECT with a margin of the desktop's colour.
shot() {
  sleep 1.5 # let the window paint itself
  import -window root "$WORK/screen.png"
  local desktop
  desktop=$(convert "$WORK/screen.png" -format '%[pixel:p{0,0}]' info:)
  convert "$WORK/screen.png" -crop "$2" +repage -bordercolor "$desktop" -border 8 "docs/$1.png"
  echo "wrote docs/$1.png ($2)"
}
take_pictures() {
  set -euo pipefail
  scripts/wine-prefix.sh "$PREFIX"
  export WINEPREFIX="$PREFIX" WINEDEBUG=-all
  local rect
  start notes notes/Tarvela.exe
  rect=$(helper front 'Mi agenda')
  shot tarvela "$rect"
  helper command 'Mi agenda' 801
  rect=$(helper class FerSobre)
  shot about "$rect"
  wineserver -k && wineserver -w
  start longterm longterm/Velmarix.exe
  rect=$(helper front 'Agenda por a')
  shot velmarix "$rect"
  wineserver -k
}
# xvfb-run is a sh script, which does not hand exported functions on: pass them as text.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f helper start shot take_pictures); take_pictures"
