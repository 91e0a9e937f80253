#!/bin/bash
# Orca's speech in one of the program's dialogs, opened from dialog_fenster, checked against a table
# of utterances; the dialog's results (written by the program) are checked too, and the time from
# each key to each utterance is written to OUTFOLDER/verzoegerung.txt.
#   dialog_orca.sh HARNESS PROGRAM OUTFOLDER DIALOG TABLE "KEYS" "RESULTS"
# RESULTS: the lines the program writes, joined with "|" ("Beginn|Ende|Abbrechen|...").
# Orca 43 now and then hangs inside one of its own calls (its debug log stops while the window
# goes on taking keys), "orca --replace" kills every other Orca of the same user, and on a busy
# machine a focus change is now and then spoken only after the key's second is up. A failed run is
# therefore repeated, twice at most; a fault of the dialog fails every run.
set -u
# One Orca at a time on this machine: "orca --replace" would end the other one. The programs
# started get no copy of the lock (9>&-), so one left running cannot hold it.
exec 9>"${TMPDIR:-/tmp}/orvanto-orca.lock"
flock 9
HARNESS=$1 PROGRAMM=$2 AUSGABE=$3 DIALOG=$4 TABELLE=$5 TASTEN=$6 ERGEBNIS=$7
# A second per key: the pickers show their field 400 ms after the focus, and the number fields
# select their text then.
PROBE="--key-delay 1"

verzoegerung() {
  /usr/bin/python3 - "$AUSGABE/keys.log" "$AUSGABE/spoken.jsonl" >"$AUSGABE/verzoegerung.txt" <<'PY'
import html, json, re, sys
keys = [(float(t), k) for t, k in (l.rstrip("\n").split("\t", 1) for l in open(sys.argv[1]) if "\t" in l)]
said = [json.loads(l) for l in open(sys.argv[2]) if l.strip()]
for i, (t, k) in enumerate(keys):
    if k in ("<ready>", "<end>") or k.startswith("sleep:"):
        continue
    ende = keys[i + 1][0] if i + 1 < len(keys) else float("inf")
    for s in said:
        if t <= s["t"] < ende:
            text = html.unescape(re.sub(r"<[^>]+>", "", s["text"])).strip()
            print(f"{i}\t{k}\t{(s['t'] - t) * 1000:.0f} ms\t{text}")
PY
}

rc=1
for Versuch in 1 2 3; do
  rm -rf "$AUSGABE"
  "$HARNESS/announce.sh" --de --app "$PROGRAMM $DIALOG" --keys "$TASTEN" --out "$AUSGABE" \
    --probe-args "$PROBE" --expect "$TABELLE" 9>&-
  rc=$?
  [ $rc -eq 0 ] && break
  echo "attempt $Versuch failed; trying again" >&2
  sleep 5
done
[ -f "$AUSGABE/keys.log" ] && [ -f "$AUSGABE/spoken.jsonl" ] && verzoegerung
# The program's own lines, without GTK's warnings.
Geschrieben=$(grep -E '^(Beginn|Ende|OK|Abbrechen|Entfernt|Unverändert)' "$AUSGABE/app.stderr" 2>/dev/null | paste -sd'|')
if [ "$Geschrieben" != "$ERGEBNIS" ]; then
  echo "FAIL: the dialog gave \"$Geschrieben\", expected \"$ERGEBNIS\"" >&2
  exit 1
fi
echo "PASS: the dialog gave \"$Geschrieben\""
exit $rc
