#!/bin/sh
# Makes a Wine prefix for the programs, once: the users' own (made by the launcher on first
# use, under its lock) and the tests' and screenshots' (scripts/wine-prefix.sh) alike.
# Usage: wine-prefix.sh [--no-desktop] PREFIX   (with a display: DISPLAY set)
#   WINE names the loader, by default the 64-bit one (a plain `wine` means the 32-bit loader
#   once 32-bit Wine is installed). --no-desktop: no virtual desktop in any case.
#
# - Wine's own fonts linked into its Fonts folder. Debian's Wine 8 looks for them (package
#   fonts-wine, in /usr/share/wine/fonts) under the NT path "Z:\usr\share\wine\../fonts", which
#   never resolves: without them there is no Marlett, so the caption buttons come out as the
#   letters "0 1 r" of a fallback font, no Tahoma for captions and menus, and no bitmap
#   "System" font for dialogs without a font of their own. Wine does read C:\windows\Fonts,
#   and takes the bitmap fonts the registry names (vgasys.fon, ...) from there.
# - No crash dialog: a program that fails ends instead of waiting for a click.
# - A virtual desktop of the screen's size, only when no window manager runs (a bare X server,
#   Xvfb): without one Wine waits about two seconds every time a window is hidden.
# - No offer to install Wine's .NET and HTML engines, which the programs do not use.
set -eu
desktop=yes
[ "$1" != --no-desktop ] || { desktop=no; shift; }
export WINEPREFIX="$1" WINEDEBUG=-all
wine=${WINE:-/usr/lib/wine/wine64}
wine_fonts=/usr/share/wine/fonts
ready="$WINEPREFIX/.tarvela-ready"
[ ! -f "$ready" ] || exit 0
[ -f "$wine_fonts/marlett.ttf" ] || { echo "wine-prefix.sh: $wine_fonts/marlett.ttf missing (install fonts-wine)" >&2; exit 1; }

mkdir -p "$WINEPREFIX"
WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot -i >/dev/null 2>&1 || true
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
ln -sf "$wine_fonts"/* "$fonts/"
reg() { "$wine" reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
if [ $desktop = yes ] && command -v xprop >/dev/null &&
  ! xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  size=$(xdpyinfo 2>/dev/null | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\) .*/\1/p')
  reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
  reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${size:-1280x1024}"
fi
# Until the server has ended and written the registry, a program started next could still
# join the desktop wineboot opened without these settings.
/usr/lib/wine/wineserver64 -w
touch "$ready"
