#!/usr/bin/env bash
# Checks the built help document as a reader gets it, through its text (pdftotext):
#   - it has at least MIN_PAGES pages;
#   - it has the chapters it must have, with their accents intact (no "Ã", no "\[u00..]");
#   - it names the windows, buttons, files and commands a user looks for;
#   - each line of its table of contents leads to the page that holds that heading;
#   - every picture its source names is in it.
# Usage: check-help.sh TARVELA.pdf SOURCE.ms [MIN_PAGES]   (ctest runs it in the Windows trees)
set -uo pipefail
pdf=$1 source_ms=$2 min_pages=${3:-8}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
page_text() { pdftotext -q -enc UTF-8 -f "$1" -l "$1" "$pdf" - | tr '\n' ' ' | tr -s ' '; }

[ -s "$pdf" ] || { echo "FAIL: $pdf is missing or empty"; exit 1; }
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "${pages:-0}" -ge "$min_pages" ] || fail "$pages pages, expected at least $min_pages"
text=$(pdftotext -q -enc UTF-8 "$pdf" - | tr '\n' ' ' | tr -s ' ')

chapters=(
  "Presentación" "Tarvela: la ventana «Mi agenda»" "Los periodos" "La lista de notas"
  "Escribir una nota" "Corregir una nota" "Eliminar una nota" "Guardar y salir" "El menú"
  "Las herramientas: menú «Útiles»" "La ventana «Edición útiles»" "El fichero Tools.rel"
  "Cómo se abre una herramienta" "El arranque automático" "El modo de arranque: Tarvela 1"
  "En Windows: «Inclusión en el menú Inicio»" "Sólo en Linux, con Wine" "Velmarix: «Agenda por años»"
  "La ventana «Respecto a»" "Los ficheros de datos" "Dónde están" "Cómo se protegen"
  "La orden agenda" "Sólo en Linux: Tarvela y Velmarix con Wine")
terms=(
  "Todas" "hoy y mañ." "Semana actual" "Próxima semana" "Mes actual" "Próximo mes"
  "aceptar" "elimina" "nueva" "Aceptar" "Salir" "¿eliminar nota seleccionada?"
  "¿guardar los cambios?" "modificaciones guardadas" "Configuración" "Útiles" "Edición útiles"
  "<- ok" "esc" "Dir. de trabajo" "parámetros" ".exe" "Inclusión en el menú Inicio"
  "Tarvela.bat" "\"Tarvela.exe\" 1" "Tarvela 1" "Ok" "¿eliminar el registro?" "¿guardarlos?" "Respecto a Velmarix"
  "agenda.dat" "lonyrs.dat" "Tools.rel" "Tarvela.pdf" "agenda.dat.tmp" "Error al guardar"
  "255 notas" "1024" "~/TarvelaAgenda" "~/VelmarixAgenda" "sudo apt install"
  "tarvela --autostart on" "tarvela --autostart off" "agenda due" "agenda add" "agenda --help")
for wanted in "${chapters[@]}" "${terms[@]}"; do
  grep -qF -- "$wanted" <<<"$text" || fail "no \"$wanted\" in the text"
done
for broken in "Ã" "Â" "\\[u" "�"; do
  grep -qF -- "$broken" <<<"$text" && fail "broken characters (\"$broken\") in the text"
done

# The contents on page 1: "2.1 Los periodos.......3" or "2. Tarvela: ...........2".
contents=0
while IFS=$'\t' read -r number title page; do
  contents=$((contents + 1))
  [ "$page" -ge 1 ] && [ "$page" -le "$pages" ] || { fail "contents: $number on page $page"; continue; }
  grep -qF -- "$number. $title" <<<"$(page_text "$page")" ||
    fail "contents: \"$number. $title\" is not on page $page"
done < <(pdftotext -q -enc UTF-8 -f 1 -l 1 "$pdf" - |
  sed -nE 's/^([0-9]+(\.[0-9]+)*)\.? (.*[^ .]) *\.{5,} *([0-9]+)$/\1\t\3\t\4/p')
[ "$contents" -ge "${#chapters[@]}" ] || fail "contents: $contents lines, expected ${#chapters[@]}"

figures=$(grep -c '^\.FIGURA ' "$source_ms")
images=$(pdfimages -list "$pdf" | awk 'NR > 2 && $3 == "image"' | wc -l)
[ "$images" -eq "$figures" ] || fail "$images pictures in the PDF, the source names $figures"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed on $pdf"
  exit 1
fi
echo "help document: $pages pages, ${#chapters[@]} chapters and ${#terms[@]} terms found, $contents contents lines on their pages, $images pictures"
