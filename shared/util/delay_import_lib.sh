#!/usr/bin/env bash
# Makes a delay-import library for one system DLL from every function of the toolchain's own
# import library: each is loaded on its first call instead of when the program starts, and
# the linker takes only the functions the program calls.
# Usage: delay_import_lib.sh NM DLLTOOL POINTER_BYTES IMPORT_LIBRARY DLL OUTPUT
set -euo pipefail
nm=$1 dlltool=$2 pointer_bytes=$3 import_library=$4 dll=$5 output=$6
if [ "$pointer_bytes" = 4 ]; then
  prefix=__imp__ kill_at=-k  # 32-bit names carry an underscore, and stdcall ones @N
else
  prefix=__imp_ kill_at=
fi
def="$output.def"
{ echo "LIBRARY $dll"; echo EXPORTS
  "$nm" -f posix "$import_library" | sed -n "s/^$prefix\([^ ]*\) I .*/\1/p" | sort -u; } >"$def"
"$dlltool" $kill_at -d "$def" -D "$dll" -y "$output"
