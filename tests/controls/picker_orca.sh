#!/bin/bash
# Orca's speech in the picker test window, checked against picker_orca.tsv.
#   picker_orca.sh HARNESS PROGRAM OUTFOLDER
# "orca --replace" (as the harness starts it) kills every other Orca of the same user, also one in
# another session: when other transcript tests run on the machine at the same time, Orca may stop
# in the middle of a run (its log ends while the window goes on taking keys) or not come up at all
# (exit code 4). Such a run tells nothing about the pickers and is repeated, twice at most.
set -u
HARNESS=$1 PROGRAMM=$2 AUSGABE=$3
HIER=$(cd "$(dirname "$0")" && pwd)
TASTEN="Tab Right Up type:3 Left End type:2345 Left End Up Left Left Up Tab Up Right Up Up Page_Down Left"
# A second per key: on focus the field is spoken 400 ms after the label (see TWxFeldAnzeige).
PROBE="--key-delay 1"

# Orca writes its log while it handles each key; a log that ended more than 1.5 s before the
# last key's time was up means Orca was stopped.
orca_haengt() {
  local ende stand
  ende=$(awk -F'\t' '$2 == "<end>" { print $1 }' "$AUSGABE/keys.log" 2>/dev/null)
  stand=$(date -r "$AUSGABE/orca-debug.txt" +%s.%N 2>/dev/null)
  [ -n "$ende" ] && [ -n "$stand" ] && awk -v e="$ende" -v s="$stand" 'BEGIN { exit !(e - s > 1.5) }'
}

rc=1
for Versuch in 1 2 3; do
  rm -rf "$AUSGABE"
  "$HARNESS/announce.sh" --de --app "$PROGRAMM" --keys "$TASTEN" --out "$AUSGABE" \
    --probe-args "$PROBE" --expect "$HIER/picker_orca.tsv"
  rc=$?
  if [ $rc -eq 0 ] || { [ $rc -ne 4 ] && ! orca_haengt; }; then
    exit $rc
  fi
  echo "Orca was stopped or did not start in attempt $Versuch; trying again" >&2
done
exit $rc
