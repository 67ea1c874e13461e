#!/usr/bin/env bash
# Builds the help document Tarvela.pdf from its groff source (ms macros, groff's own PDF output).
# Usage: make-help.sh SOURCE.ms PICTURES_DIR WORK_DIR OUTPUT.pdf
#
# 1. Each picture the source names (".FIGURA NAME ...") is made from PICTURES_DIR/NAME.png into
#    WORK_DIR/NAME.pdf: ImageMagick puts it on white (img2pdf refuses transparency) and gives it
#    127 pixels to the inch, so that every screenshot has the same scale (a 582-pixel window is
#    11.6 cm wide), and img2pdf wraps it without recompressing. .PDFPIC takes PDF pictures only.
# 2. First pass, no output: the table of contents is empty, and each heading reports
#    "toc LEVEL NUMBER PAGE TITLE" on standard error.
# 3. Those lines become WORK_DIR/toc.ms (the contents and the bookmarks' texts), and the second pass writes the PDF with them. The
#    contents share the first page with the title and a page break follows them, so the body's
#    pages are the same in both passes; the second pass's report is compared to make sure.
# Needs groff, ghostscript (the fonts), poppler-utils (pdfinfo, for .PDFPIC), img2pdf, imagemagick.
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: make-help.sh SOURCE.ms PICTURES_DIR WORK_DIR OUTPUT.pdf" >&2; exit 2; }
source_ms=$(realpath "$1") pictures=$(realpath "$2") work=$3 output=$(realpath -m "$4")
mkdir -p "$work" "$(dirname "$output")"
cd "$work"

for name in $(sed -n 's/^\.FIGURA \([^ ]*\) .*/\1/p' "$source_ms"); do
  convert "$pictures/$name.png" -background white -alpha remove -alpha off \
    -units PixelsPerInch -density 127 "$name.flat.png"
  img2pdf -o "$name.pdf" "$name.flat.png"
done

# -k: UTF-8 source through preconv; -t: tables; -U: .PDFPIC runs pdfinfo; -P-e embeds every font.
format() { groff -k -Kutf8 -t -ms -U -Tpdf -dpaper=a4 -P-pa4 -P-e "$@" "$source_ms"; }
headings() { grep '^toc ' "$1" | sed 's/^toc //'; }
# LEVEL NUMBER PAGE TITLE lines -> the .ENTRADA lines of the contents, and each heading's
# bookmark text: a PDF outline takes no groff glyphs, so \[u00F3] becomes the string escape \363
# (PDFDocEncoding agrees with Latin-1 there).
to_toc() {
  while read -r level number page title; do
    printf '.ENTRADA %s "%s" %s "%s"\n' "$level" "$number" "$page" "$title"
    printf '.ds bm*%s %s\n' "$number" "$(perl -pe 's/\\\[u00([89A-F][0-9A-F])\]/sprintf("\\e%03o", hex $1)/ge' <<<"$title")"
  done
}

: > toc.ms
format -z 2> pass1.log || { cat pass1.log >&2; exit 1; }
headings pass1.log | to_toc > toc.ms
[ -s toc.ms ] || { echo "make-help.sh: no headings reported by the first pass" >&2; exit 1; }
format > "$output.part" 2> pass2.log || { cat pass2.log >&2; exit 1; }
if ! cmp -s <(headings pass1.log) <(headings pass2.log); then
  echo "make-help.sh: the table of contents moved the pages (does it still fit on page 1?)" >&2
  diff <(headings pass1.log) <(headings pass2.log) >&2 || true
  exit 1
fi
grep -v '^toc ' pass2.log >&2 || true # groff's own warnings, if any
mv "$output.part" "$output"
