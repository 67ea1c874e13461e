#!/usr/bin/env bash
# Installs what the build and the tests need, on Debian 12 as root. Does nothing when all is there.
set -euo pipefail
# fonts-wine is only recommended by wine: scripts/wine-prefix.sh links its fonts into prefixes.
packages=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64 g++-mingw-w64-i686
          wine wine64 fonts-wine xvfb xauth imagemagick
          # the help document (groff's PDF output, ghostscript's fonts) and its test (poppler)
          groff ghostscript poppler-utils img2pdf
          # the Debian package: its dependencies (dpkg-shlibdeps, which reads binaries with
          # file), its checker, and what its test runs the launchers with: a window
          # manager's presence and the screen's size (x11-utils), processes (procps), the
          # desktop entries' validator and a real launcher (gio)
          dpkg-dev file lintian x11-utils procps desktop-file-utils libglib2.0-bin
          # agenda's test reads its iCalendar export back with a real parser
          python3-icalendar
          # fuzzing (clang with libFuzzer, llvm-symbolizer for the reports) and the core's benchmarks
          clang libclang-rt-14-dev llvm libbenchmark-dev
          # the code checks (scripts/tidy.sh)
          clang-tidy)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi
