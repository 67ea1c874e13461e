#!/usr/bin/env bash
# Makes a delay-import library for one system DLL from every function of the toolchain's own
# import library: each is loaded on its first call instead of when the program starts, and
# the linker takes only the functions the program calls.
# Usage: delay_import_lib.sh NM DLLTOOL OBJCOPY POINTER_BYTES IMPORT_LIBRARY DLL OUTPUT
set -euo pipefail
nm=$1 dlltool=$2 objcopy=$3 pointer_bytes=$4 import_library=$5 dll=$6 output=$7
if [ "$pointer_bytes" = 4 ]; then
  prefix=__imp__ kill_at=-k  # 32-bit names carry an underscore, and stdcall ones @N
else
  prefix=__imp_ kill_at=
fi
def="$output.def"
{ echo "LIBRARY $dll"; echo EXPORTS
  "$nm" -f posix "$import_library" | sed -n "s/^$prefix\([^ ]*\) I .*/\1/p" | sort -u; } >"$def"
"$dlltool" $kill_at -d "$def" -D "$dll" -y "$output"
# The 32-bit linker drops the code section of an import library's member when nothing calls
# its jump thunk by name, as calls through __imp_ never do. In a delay-import member that
# section also holds the loading stub the address-table slot points at: dropped, the slot
# holds 0 and the first call jumps there. Renamed and flagged as data, the section is not
# taken for a thunk; as .text$* it still goes into .text, where the stub runs.
if [ "$pointer_bytes" = 4 ]; then
  "$objcopy" --rename-section '.text=.text$delay,contents,alloc,load,readonly,data' "$output"
fi
