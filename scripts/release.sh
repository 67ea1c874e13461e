#!/usr/bin/env bash
# Builds the 64-bit and the 32-bit Windows trees and makes their release ZIPs with cpack
# (cmake/release.cmake), Tarvela-Velmarix-VERSION-win64.zip and -win32.zip, in build/release
# (or RELEASE_DIR); each is checked to hold both programs, agenda.exe, the help document and LÉAME.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# In the plain C locale libarchive can neither store nor list the name LÉAME.txt.
export LC_ALL=C.UTF-8
out="${RELEASE_DIR:-build/release}"
mkdir -p "$out"
for preset in windows-x64 windows-x86; do
  tree="build/$preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  rm -rf "$tree/package"
  (cd "$tree" && cpack -G ZIP -B package >/dev/null)
  zip=$(echo "$tree"/package/*.zip)
  listing=$(cmake -E tar tf "$zip")
  top=$(basename "$zip" .zip)
  for file in Tarvela.exe Velmarix.exe agenda.exe Tarvela.pdf LÉAME.txt; do
    grep -qxF "$top/$file" <<<"$listing" || { echo "$zip: no $file in it" >&2; exit 1; }
  done
  cp "$zip" "$out/"
  echo "$out/$(basename "$zip"): $(stat -c %s "$zip") bytes"
  sed 's/^/    /' <<<"$listing"
done
