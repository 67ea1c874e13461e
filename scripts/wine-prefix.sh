#!/usr/bin/env bash
# Makes the Wine prefix a build tree's tests and screenshots run in: a virtual desktop, so that
# hiding a window without a window manager does not cost two seconds each time, and Wine's own
# fonts in the prefix's Fonts folder.
# Usage: wine-prefix.sh [--no-desktop] PREFIX   (needs a display: run it under xvfb-run)
#   WINE names the loader, by default the 64-bit one (a plain `wine` means the 32-bit loader
#   once 32-bit Wine is installed); a 32-bit prefix also wants WINEARCH=win32.
#   --no-desktop: no virtual desktop (32-bit Wine under qemu failed with an X BadWindow in it).
#
# Why the fonts are linked: Debian's Wine 8 looks for its own fonts (package fonts-wine, in
# /usr/share/wine/fonts) under the NT path "Z:\usr\share\wine\../fonts", which never resolves
# (WINEDEBUG=+file shows it "not found"). Without them there is no Marlett, so the caption
# buttons come out as the letters "0 1 r" of a fallback font, no Tahoma for captions and menus,
# and no bitmap "System" font for dialogs without a font of their own. Wine does read
# C:\windows\Fonts, and takes the bitmap fonts the registry names (vgasys.fon, ...) from there.
set -euo pipefail
desktop=1
[ "$1" = --no-desktop ] && { desktop=0; shift; }
export WINEPREFIX="$1" WINEDEBUG=-all
wine=${WINE:-/usr/lib/wine/wine64}
wine_fonts=/usr/share/wine/fonts
if [ ! -f "$WINEPREFIX/.agenda-ready" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1 || true
  if [ $desktop = 1 ]; then
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  fi
  wineserver -w
  touch "$WINEPREFIX/.agenda-ready"
fi
# Done on every call, so that prefixes made before this step get the fonts too.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -e "$fonts/marlett.ttf" ]; then
  [ -f "$wine_fonts/marlett.ttf" ] || { echo "wine-prefix.sh: $wine_fonts/marlett.ttf missing (install fonts-wine)" >&2; exit 1; }
  mkdir -p "$fonts"
  ln -sf "$wine_fonts"/* "$fonts/"
fi
