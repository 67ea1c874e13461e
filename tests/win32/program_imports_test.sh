#!/usr/bin/env bash
# Each program is under 150 KB and imports only these system DLLs (the rest is linked in),
# directly or delay-loaded.
# Usage: program_imports_test.sh OBJDUMP PROGRAM...
set -uo pipefail
objdump=$1; shift
allowed=" kernel32.dll user32.dll gdi32.dll comdlg32.dll shell32.dll msvcrt.dll "
status=0
for program in "$@"; do
  size=$(stat -c %s "$program") || exit 1
  [ "$size" -lt $((150 * 1024)) ] || { echo "$program: $size bytes, not under 150 KB"; status=1; }
  dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
  [ -n "$dlls" ] || { echo "$program: no import table read"; status=1; }
  delayed=$(python3 "$(dirname "$0")/delay_imports.py" "$program") || { echo "$program: delay imports not read"; status=1; }
  for dll in $dlls $delayed; do
    case "$allowed" in *" $dll "*) ;; *) echo "$program imports $dll"; status=1 ;; esac
  done
  # A delay-loaded DLL that is imported directly as well is loaded at every start after all.
  for dll in $delayed; do
    case " $dlls " in *" $dll "*) echo "$program imports $dll directly, not only delayed"; status=1 ;; esac
  done
done
exit $status
