#!/bin/bash
# Prints the test lines (druck_fenster) through the system's print dialog, as a user does: the
# test chooses GTK's print-to-file printer, which writes output.pdf into the working folder, and
# prints; then it reads the PDF's text back: every line in order, on several pages, in the font
# given, the over-wide line cut at the margin. Runs inside tests/gui/sitzung.sh.
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
pruefen 'Di 07\.01\.2025: Zahnarzt'
pruefen '^ *Zeile 1$'
pruefen '^ *Zeile 150$'
pruefen '^ *Breitxxxx'
# The wide line ends at the right margin (2 cm = 57 points), not at the paper's edge.
breite=$(pdfinfo "$PDF" | sed -n 's/^Page size: *\([0-9.]*\) x.*/\1/p')
rechts=$(pdftotext -bbox "$PDF" - | sed -n 's/.*xMax="\([0-9.]*\)".*>Breitx.*/\1/p' | head -1)
awk -v r="${rechts:-9999}" -v b="${breite:-0}" 'BEGIN { exit !(r <= b - 50) }' ||
  { echo "the wide line was not cut at the margin: it ends at ${rechts:-?} of ${breite:-?}" >&2; fehler=1; }
# The lines in their order, each once.
grep -o 'Zeile [0-9]*' druck.txt | sed 's/Zeile //' >nummern.txt
seq 1 150 | cmp -s - nummern.txt || { echo "lines out of order or lost" >&2; fehler=1; }
seiten=$(pdfinfo "$PDF" | sed -n 's/^Pages: *//p')
[ "${seiten:-0}" -ge 2 ] || { echo "expected several pages, got ${seiten:-none}" >&2; fehler=1; }
pdffonts "$PDF" | grep -q 'DejaVuSansMono' || { echo "not printed in the font given" >&2; fehler=1; }
exit $fehler
