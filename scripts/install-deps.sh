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
          # the code checks (scripts/format.sh, scripts/tidy.sh)
          clang-format clang-tidy)
# The packages of those named that are not installed.
missing() {
  for p; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
apt_install() {
  echo "Installing: $*"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "$@"
}
mapfile -t absent < <(missing "${packages[@]}")
[ ${#absent[@]} -eq 0 ] || apt_install "${absent[@]}"

# The 32-bit build's tests run under 32-bit Wine. Where the kernel cannot run 32-bit programs
# ("Exec format error"), qemu's user-mode emulator runs them, registered with binfmt_misc
# before any is installed (some packages run theirs when installed); the flag F opens the
# emulator now, so that it works in other mount namespaces too. A registration does not
# survive a reboot: checked on every run, with the smallest 32-bit program (exit(0)).
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
python3 - "$probe" <<'END'
import struct, sys
header = b"\x7fELF\x01\x01\x01" + bytes(9) + struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, 0x08048054, 52, 0, 0, 52, 32, 1, 0, 0, 0)
segment = struct.pack("<8I", 1, 0, 0x08048000, 0x08048000, 93, 93, 5, 0x1000)
code = bytes.fromhex("b801000000 31db cd80")  # mov eax, 1 (exit); xor ebx, ebx; int 0x80
open(sys.argv[1], "wb").write(header + segment + code)
END
chmod +x "$probe"
if ! "$probe" 2>/dev/null; then
  mapfile -t absent < <(missing qemu-user-static)
  [ ${#absent[@]} -eq 0 ] || apt_install "${absent[@]}"
  binfmt=/proc/sys/fs/binfmt_misc
  mountpoint -q "$binfmt" || mount -t binfmt_misc binfmt_misc "$binfmt"
  [ -e "$binfmt/qemu-i386" ] || printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' >"$binfmt/register"
  "$probe" || { echo "install-deps.sh: 32-bit programs do not run, even through qemu" >&2; exit 1; }
fi
# wine32's preloader is essential: without it a 32-bit prefix takes minutes to make, and fails.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
mapfile -t absent < <(missing wine32:i386 wine32-preloader:i386)
[ ${#absent[@]} -eq 0 ] || apt_install --no-install-recommends "${absent[@]}"
