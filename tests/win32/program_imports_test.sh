#!/usr/bin/env bash
# Each program is under 150 KB, imports only these system DLLs (the rest is linked in),
# directly or delay-loaded (each delay-loaded function with its loading stub), and carries
# its manifest (resource 1 of type 24) asking to run as invoked, unvirtualised.
# Usage: program_imports_test.sh OBJDUMP [--delayed=DLL,...] PROGRAM... (the DLLs that the
# programs after the option must load on first use only)
set -uo pipefail
objdump=$1; shift
allowed=" kernel32.dll user32.dll gdi32.dll comdlg32.dll shell32.dll msvcrt.dll "
status=0
must_delay=
for program in "$@"; do
  case "$program" in --delayed=*) must_delay=${program#--delayed=}; must_delay=${must_delay//,/ }; continue ;; esac
  size=$(stat -c %s "$program") || exit 1
  [ "$size" -lt $((150 * 1024)) ] || { echo "$program: $size bytes, not under 150 KB"; status=1; }
  dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]\n' '[:lower:] ')
  [ -n "$dlls" ] || { echo "$program: no import table read"; status=1; }
  delayed=$(python3 "$(dirname "$0")/delay_imports.py" "$program" | tr "\n" " ") ||
    { echo "$program: delay imports unreadable or unsound"; status=1; }
  for dll in $dlls $delayed; do
    case "$allowed" in *" $dll "*) ;; *) echo "$program imports $dll"; status=1 ;; esac
  done
  manifest=$("$objdump" -p "$program" | awk '/^[0-9a-f]+   Entry: ID: 0x000018/ {t = 1; next} t && /Entry:/ {print $4; exit}')
  [ "$manifest" = 0x000001, ] && grep -qa 'level="asInvoker" uiAccess="false"' "$program" ||
    { echo "$program: no manifest 1 with asInvoker"; status=1; }
  # A DLL to be delay-loaded that is imported directly is loaded at every start after all.
  for dll in $must_delay; do
    case " $dlls " in *" $dll "*) echo "$program imports $dll directly, not delayed"; status=1 ;; esac
    case " $delayed " in *" $dll "*) ;; *) echo "$program does not delay-load $dll"; status=1 ;; esac
  done
done
exit $status
