#!/bin/bash
# Orca's speech in the picker test window, checked against picker_orca.tsv.
#   picker_orca.sh HARNESS PROGRAM OUTFOLDER
# "orca --replace" (as the harness starts it) kills every other Orca of the same user, also one in
# another session, Orca 43 now and then hangs inside one of its own calls, and on a busy machine a
# focus change is now and then spoken only after the key's second is up. A failed run is therefore
# repeated, twice at most; a fault of the pickers fails every run.
set -u
# One Orca at a time on this machine: "orca --replace" would end the other one. The programs
# started get no copy of the lock (9>&-), so one left running cannot hold it.
exec 9>"${TMPDIR:-/tmp}/orvanto-orca.lock"
flock 9
HARNESS=$1 PROGRAMM=$2 AUSGABE=$3
HIER=$(cd "$(dirname "$0")" && pwd)
TASTEN="Tab Right Up type:3 Left End type:2345 Left End Up Left Left Up Tab Up Right Up Up Page_Down Left"
# A second per key: on focus the field is spoken 400 ms after the label (see TWxFeldAnzeige).
PROBE="--key-delay 1"

rc=1
for Versuch in 1 2 3; do
  rm -rf "$AUSGABE"
  "$HARNESS/announce.sh" --de --app "$PROGRAMM" --keys "$TASTEN" --out "$AUSGABE" \
    --probe-args "$PROBE" --expect "$HIER/picker_orca.tsv" 9>&-
  rc=$?
  [ $rc -eq 0 ] && exit 0
  echo "attempt $Versuch failed; trying again" >&2
done
exit $rc
