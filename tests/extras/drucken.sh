#!/bin/bash
# Prints the test lines (druck_fenster) through the system's print dialog, as a user does: the
# test chooses GTK's print-to-file printer, which writes output.pdf into the working folder, and
# prints; then it reads the PDF's text back: the whole text of every line in order, on several
# pages, in the font given, the over-wide lines wrapped inside the right margin onto indented
# continuation lines. Runs inside tests/gui/sitzung.sh.
#
#   drucken.sh DRUCK_FENSTER OUT-ORDNER
set -u
DRUCK=$1 OUT=$2
rm -rf "$OUT" && mkdir -p "$OUT" && cd "$OUT" || exit 1
ASAN_OPTIONS=detect_leaks=0 timeout 60 "$DRUCK" &
PROGRAMM=$!
DIALOG=$(timeout 30 xdotool search --sync --name '^(Print|Drucken)$' | head -1)
[ -n "$DIALOG" ] || { echo "no print dialog" >&2; kill "$PROGRAMM"; exit 1; }
xdotool windowactivate --sync "$DIALOG"
sleep 1
# Tab to the printer list, Down selects its only printer, Alt+P prints.
for taste in Tab Down alt+p; do
  xdotool key "$taste"
  sleep 0.5
done
wait "$PROGRAMM" || { echo "druck_fenster failed" >&2; exit 1; }
PDF="$OUT/output.pdf"
[ -s "$PDF" ] || { echo "no PDF written" >&2; exit 1; }
pdftotext -layout "$PDF" druck.txt || exit 1
fehler=0
pruefen() { grep -q -- "$1" druck.txt || { echo "missing: $1" >&2; fehler=1; }; }
pruefen 'W2 \+Mo 06\.01\.2025: "Dreikönig"'
pruefen '^ *Zeile 1$'
pruefen '^ *Zeile 150$'
# The whole text, every character of every line in its order and nothing else: only the spaces
# differ where a line was wrapped, so both are compared without spaces and line breaks.
tr -d '[:space:]' <zeilen.txt >soll.txt
tr -d '[:space:]' <druck.txt >ist.txt
cmp -s soll.txt ist.txt || { echo "the printed text is not the whole text in order (soll.txt, ist.txt)" >&2; fehler=1; }
# No word reaches into the right margin (2 cm = 57 points): with the whole text there, the
# over-wide lines were wrapped.
pdftotext -bbox "$PDF" woerter.html || exit 1
breite=$(pdfinfo "$PDF" | sed -n 's/^Page size: *\([0-9.]*\) x.*/\1/p')
rechts=$(sed -n 's/.*xMax="\([0-9.]*\)".*/\1/p' woerter.html | sort -g | tail -1)
awk -v r="${rechts:-9999}" -v b="${breite:-0}" 'BEGIN { exit !(r <= b - 50) }' ||
  { echo "text reaches into the right margin: up to ${rechts:-?} of ${breite:-?}" >&2; fehler=1; }
# A continuation line starts to the right of where its line began.
links() { sed -n "s/.*xMin=\"\([0-9.]*\)\".*>$1<.*/\1/p" woerter.html | head -1; }
anfang=$(links 'Breitx*') fortsetzung=$(links 'x*Ende')
awk -v a="${anfang:-9999}" -v f="${fortsetzung:-0}" 'BEGIN { exit !(f > a + 5) }' ||
  { echo "the continuation is not indented: it starts at ${fortsetzung:-?}, its line at ${anfang:-?}" >&2; fehler=1; }
seiten=$(pdfinfo "$PDF" | sed -n 's/^Pages: *//p')
[ "${seiten:-0}" -ge 2 ] || { echo "expected several pages, got ${seiten:-none}" >&2; fehler=1; }
pdffonts "$PDF" | grep -q 'DejaVuSansMono' || { echo "not printed in the font given" >&2; fehler=1; }
exit $fehler
