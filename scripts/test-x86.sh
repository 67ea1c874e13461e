#!/usr/bin/env bash
# Runs the tests of the built 32-bit Windows tree (build/windows-x86) under 32-bit Wine, in a
# virtual X display; scripts/test.sh calls it. Where the kernel runs 32-bit programs itself,
# every test runs as in the 64-bit tree, with Wine's virtual desktop (preset windows-x86).
# Where they go through qemu's user-mode emulator (scripts/install-deps.sh), Wine is slower
# and its own processes now and then crash, which can fail the tests that follow: no virtual
# desktop (an X BadWindow there), the programs in brief instead of the whole win32_test
# (preset windows-x86-emulated), and each test on its own: one that fails after such a crash
# in its Wine session runs once more in a new session, saying so.
set -euo pipefail
[ -n "${AGENDA_X86_DISPLAY:-}" ] || AGENDA_X86_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
cd "$(dirname "$0")/.."
tree=build/windows-x86
emulated=0
grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null && emulated=1
if [ $emulated = 1 ]; then
  export WINEPREFIX="$PWD/$tree/wineprefix-emulated"
  WINE=/usr/lib/wine/wine WINEARCH=win32 scripts/wine-prefix.sh --no-desktop "$WINEPREFIX"
else
  export WINEPREFIX="$PWD/$tree/wineprefix"
  WINE=/usr/lib/wine/wine WINEARCH=win32 scripts/wine-prefix.sh "$WINEPREFIX"
fi
export WINEDEBUG=-all
# One wine server and its services per session, started here so that they hold no pipe of
# ctest's; what Wine's own processes print (their crashes too) goes to wine_log.
wine_log="$tree/wine-own.log"
: >"$wine_log"
start_wine() { wineserver -p && /usr/lib/wine/wine cmd /c exit </dev/null >>"$wine_log" 2>&1; }
stop_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w || true
  # In the emulator a Wine process can outlive its server: end those left of this prefix.
  for p in $(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3); do
    case $(readlink "/proc/$p/exe") in */wine-preloader* | */qemu-i386-static) kill -9 "$p" || true ;; esac
  done
}
trap stop_wine EXIT
if [ $emulated = 0 ]; then
  start_wine
  ctest --preset windows-x86
  exit
fi

# What the emulator's failures print; faults_in counts them in what it reads: "N kind,...".
fault_pattern='qemu: uncaught target signal [0-9]+|Got unexpected trap|stack smashing detected'
fault_pattern+='|failed to map segment|Inconsistency detected by ld.so'
faults_in() { grep -oE "$fault_pattern" | sort | uniq -c | sed 's/^ *//' | paste -sd ',' || true; }
# A new Wine session; its part of wine_log starts at byte mark. Its start may stumble too.
fresh_wine() {
  stop_wine
  mark=$(stat -c %s "$wine_log")
  start_wine || echo "test-x86.sh: Wine's services did not start cleanly in the emulator"
}
# The emulator's failures seen in this session and in the last test's output.
session_faults() { { tail -c +"$((mark + 1))" "$wine_log"; cat "$tree/Testing/Temporary/LastTest.log"; } | faults_in; }
fresh_wine
failed=()
for test in $(ctest --preset windows-x86-emulated -N | sed -n 's/^ *Test *#[0-9]*: //p'); do
  ctest --preset windows-x86-emulated -R "^$test\$" && continue
  faults=$(session_faults)
  if [ -n "$faults" ]; then
    echo "test-x86.sh: $test failed while the emulator failed Wine ($faults): once more, in a new Wine session"
    fresh_wine
    ctest --preset windows-x86-emulated -R "^$test\$" && continue
  fi
  failed+=("$test")
done
[ ${#failed[@]} -eq 0 ] || { echo "test-x86.sh: failed: ${failed[*]}"; exit 1; }
