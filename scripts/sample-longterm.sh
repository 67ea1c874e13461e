#!/usr/bin/env bash
# Writes a lonyrs.dat with a few long-term notes into FOLDER (for the screenshot of Velmarix).
# Each record is 260 bytes: year and month as little-endian 16-bit numbers, the note's length
# in one byte, then the note in Windows-1252, padded with zeros to 255 bytes.
# Usage: sample-longterm.sh FOLDER
set -euo pipefail
out="$1/lonyrs.dat"
: > "$out"
byte() { printf "\\x$(printf %02x "$1")"; }
record() { # year month text
  local text length
  text=$(printf '%s' "$3" | iconv -f UTF-8 -t CP1252)
  length=${#text}
  {
    byte $(($1 & 255)); byte $(($1 >> 8)); byte $(($2 & 255)); byte $(($2 >> 8))
    byte "$length"
    printf '%s' "$3" | iconv -f UTF-8 -t CP1252
    head -c $((255 - length)) /dev/zero
  } >> "$out"
}
export LC_ALL=C
record 2025 3 "Renovar el pasaporte"
record 2025 9 "¿Cambiar de compañía?"
record 2026 6 "Revisión del tejado"
record 2027 1 "Boda de Begoña"
record 2028 10 "Viaje a Japón"
record 2030 12 "Último plazo hipoteca"
