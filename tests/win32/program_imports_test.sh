#!/usr/bin/env bash
# Each program is under 150 KB, imports only these system DLLs (the rest is linked in),
# directly or delay-loaded, and carries its manifest (resource 1 of type 24) asking to run
# as invoked, unvirtualised.
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
  manifest=$("$objdump" -p "$program" | awk '/^[0-9a-f]+   Entry: ID: 0x000018/ {t = 1; next} t && /Entry:/ {print $4; exit}')
  [ "$manifest" = 0x000001, ] && grep -qa 'level="asInvoker" uiAccess="false"' "$program" ||
    { echo "$program: no manifest 1 with asInvoker"; status=1; }
  # A delay-loaded DLL that is imported directly as well is loaded at every start after all.
  for dll in $delayed; do
    case " $dlls " in *" $dll "*) echo "$program imports $dll directly, not only delayed"; status=1 ;; esac
  done
done
exit $status
