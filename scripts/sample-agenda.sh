#!/usr/bin/env bash
# Writes an agenda.dat with a few notes around today into FOLDER (for the screenshot).
# Usage: sample-agenda.sh FOLDER
set -euo pipefail
out="$1/agenda.dat"
: > "$out"
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8)))"; }
note() { # days-from-today text
  local when text length
  when=$(date -d "$1 days" +%-d/%-m/%Y)
  IFS=/ read -r day month year <<<"$when"
  text=$(printf '%s' "$2" | iconv -f UTF-8 -t CP1252)
  length=${#text}
  {
    le16 "$day"; le16 "$month"; le16 "$year"
    printf "\\x$(printf %02x "$length")"
    printf '%s' "$2" | iconv -f UTF-8 -t CP1252
    head -c $((255 - length)) /dev/zero
  } >> "$out"
}
export LC_ALL=C
note -2 "Revisión del coche: cambiar aceite"
note 0 "Comprar pan y café"
note 0 "Llamar a Íñigo por el cumpleaños"
note 1 "Reunión de vecinos a las 19:00"
note 4 "Dentista (traer informe)"
note 12 "Pagar el seguro del año"
note 30 "Renovar el carné de la biblioteca"
