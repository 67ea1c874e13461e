#!/usr/bin/env bash
# Builds all three presets and runs every test: natively with sanitizers, then each Windows
# build under Wine of its word size in a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Formatting first: it takes a second. Then every build fails on a compiler warning in the
# project's code.
scripts/format.sh
strict=-DAGENDA_WARNINGS_AS_ERRORS=ON
cmake --preset native $strict
cmake --build --preset native
ctest --preset native
# The fuzz targets of fuzz/ for about 15 s each, and one short pass of the core's benchmarks
# (their own build trees; the benchmarks' goals are judged by scripts/bench.sh, not here).
scripts/fuzz.sh 15
BENCH_REPETITIONS=1 scripts/bench.sh --benchmark_min_time=0.01

cmake --preset windows-x86 $strict
cmake --build --preset windows-x86
# Under 32-bit Wine: every test where the kernel runs 32-bit programs, fewer in an emulator.
scripts/test-x86.sh

cmake --preset windows-x64 $strict
cmake --build --preset windows-x64
# clang-tidy over the programs' code, with both trees configured (about 75 s on 2 cores).
scripts/tidy.sh
# The release ZIPs of both trees and the Debian package, each checked to hold its files, the
# package by lintian too (a few seconds once both trees are built)...
scripts/release.sh >/dev/null
# ... then installed, used by an unprivileged user and removed (about 40 s).
tests/package_test.sh "${RELEASE_DIR:-build/release}"/tarvela_*_amd64.deb
prefix="$PWD/build/windows-x64/wineprefix"
cleanup() { WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; }
trap cleanup EXIT
# One wine server and its services for the whole run, so each test program starts in a
# fraction of a second. The services start here, with no pipe of ctest's to hold open.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  scripts/wine-prefix.sh '$prefix' &&
  export WINEPREFIX='$prefix' WINEDEBUG=-all &&
  wineserver -p && /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1 &&
  ctest --preset windows-x64"
