#!/bin/sh
# Makes the Wine prefix a build tree's tests, screenshots and benchmarks run in, as users' own
# prefixes are made (linux/wine-prefix.sh: Wine's fonts, no crash dialog, and under Xvfb, where
# no window manager runs, a virtual desktop).
# Usage: wine-prefix.sh [--no-desktop] PREFIX   (needs a display: run it under xvfb-run)
#   WINE names the loader, by default the 64-bit one; --no-desktop: no virtual desktop.
exec "$(dirname "$0")/../linux/wine-prefix.sh" "$@"
