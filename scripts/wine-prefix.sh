#!/usr/bin/env bash
# Makes the Wine prefix a build tree's tests run in: a virtual desktop, so that hiding a
# window without a window manager does not cost two seconds each time.
# Usage: wine-prefix.sh PREFIX   (needs a display: run it under xvfb-run)
set -euo pipefail
export WINEPREFIX="$1" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/.agenda-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.agenda-ready"
fi
