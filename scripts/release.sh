#!/usr/bin/env bash
# Builds the 64-bit and the 32-bit Windows trees and makes their release ZIPs with cpack
# (cmake/release.cmake), Tarvela-Velmarix-VERSION-win64.zip and -win32.zip, in build/release
# (or RELEASE_DIR); each is checked to hold both programs, agenda.exe, the help document and LÉAME.txt.
# Then the Debian package tarvela_VERSION_amd64.deb, made by cpack in the linux-release tree
# (linux/CMakeLists.txt) with the 64-bit programs: checked to hold exactly its files, and by
# lintian, which must find neither an error nor a warning.
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

tree=build/linux-release
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release
rm -rf "$tree/package"
(cd "$tree" && cpack -G DEB -B package >/dev/null)
deb=$(echo "$tree"/package/*.deb)
expected=(usr/bin/agenda usr/bin/tarvela usr/bin/velmarix
          usr/lib/tarvela/Tarvela.exe usr/lib/tarvela/Velmarix.exe usr/lib/tarvela/Tarvela.pdf
          usr/lib/tarvela/wine-prefix.sh
          usr/share/applications/tarvela.desktop usr/share/applications/velmarix.desktop
          usr/share/doc/tarvela/changelog.gz usr/share/doc/tarvela/copyright
          usr/share/man/man1/tarvela.1.gz usr/share/man/man1/velmarix.1.gz usr/share/man/man1/agenda.1.gz
          usr/share/bash-completion/completions/agenda)
for size in 16x16 32x32 48x48; do
  expected+=("usr/share/icons/hicolor/$size/apps/tarvela.png" "usr/share/icons/hicolor/$size/apps/velmarix.png")
done
listing=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
if ! diff <(printf '%s\n' "${expected[@]}" | sort) - <<<"$listing" >"$tree/package/files.diff"; then
  echo "$deb: other files than expected (< missing, > not expected):" >&2
  cat "$tree/package/files.diff" >&2
  exit 1
fi
lintian --fail-on error,warning "$deb" 2>&1 | (grep -v '^running with root privileges' || true)
cp "$deb" "$out/"
echo "$out/$(basename "$deb"): $(stat -c %s "$deb") bytes"
sed 's/^/    /' <<<"$listing"
