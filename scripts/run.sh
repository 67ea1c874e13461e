#!/usr/bin/env bash
# Builds Tarvela and starts it under Wine in its working folder, where it keeps agenda.dat.
# Usage: run.sh [ARGUMENT]   (any argument starts it in start-up mode)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target Tarvela
work="${TARVELA_HOME:-$HOME/TarvelaAgenda}"
mkdir -p "$work"
exe="$PWD/build/windows-x64/notes/Tarvela.exe"
echo "Tarvela keeps its notes in $work/agenda.dat"
cd "$work"
export WINEDEBUG="${WINEDEBUG:--all}"
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe" "$@"
else
  echo "No display: running in a virtual X display (nothing to see; Ctrl-C ends it)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$exe" "$@"
fi
