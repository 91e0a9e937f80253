#!/bin/bash
# What Orca (in German) says in the main window, key by key, checked against a table of cases.
# The program runs without a German locale (LANG=C.UTF-8), as it may on any desktop, in a private
# HOME with its own XDG folders, on a fixed today and a test calendar named by the settings file;
# the second recent file is unreadable, so opening it shows an error box.
#
#   orca_hauptfenster.sh HARNESS ORVANTO TESTKALENDER CASES OUT [DAILY-ENTRIES [KEYS]]
#
# DAILY-ENTRIES adds that many daily appointments to the calendar (for timing a large calendar);
# KEYS replaces the keys of the test; ORVANTO_TASTENPAUSE is the pause after each key (seconds).
# Exit code non-zero when a case fails.
set -u
# One Orca at a time on this machine: "orca --replace" would end the other one. The programs
# started get no copy of the lock (9>&-), so one left running cannot hold it.
exec 9>"${TMPDIR:-/tmp}/orvanto-orca.lock"
flock 9
[ $# -ge 5 ] || { echo "usage: $0 HARNESS ORVANTO TESTKALENDER CASES OUT [DAILY-ENTRIES [KEYS]]" >&2; exit 2; }
HARNESS=$1 ORVANTO=$2 TESTKALENDER=$3 CASES=$(realpath "$4") OUT=$5 TAEGLICH=${6:-0}
# Start: title, list, today's line. Then the arrows, a view change there and back, a toggle, keys
# the program leaves alone (they must not move the line), the period box (Shift+Tab) with its list
# (Alt+Down, Down, Return), back to the list (Tab), and the error box of an unreadable file. Then
# paging, a calendar jump and a refused page, the jump menu on an entry line (every item with its
# shortcut) and on a day line (the entry jumps are disabled and not offered). Last the entry search:
# a term, the found entry, the jump, the continue key, and a term that finds nothing; then a date
# chosen with Ctrl+G, and today within the week shown, twice: the line is read both times.
KEYS=${7:-"Down Up Down ctrl+m ctrl+w ctrl+0 ctrl+Home ctrl+End ctrl+f Escape Down shift+Tab alt+Down Down Return Tab alt+d 2 Tab Escape ctrl+Down ctrl+Up alt+Home ctrl+Up ctrl+h alt+p Down Down Down Down Down Down Escape Down alt+p Down Down Down Escape ctrl+f type:zahn Return Return F3 Return ctrl+f type:kino Return Return Escape ctrl+g Up Return ctrl+h ctrl+h"}
rm -rf "$OUT"
mkdir -p "$OUT"
OUT=$(realpath "$OUT")
HEIM="$OUT/home"
# Every run starts from the same files: a run's settings (Ctrl+0 saves) must not reach the next.
heim_anlegen() {
  rm -rf "$HEIM"
  mkdir -p "$HEIM/config/Orvanto" "$HEIM/data" "$HEIM/cache" "$HEIM/Dokumente"
  "$TESTKALENDER" "$HEIM/Dokumente/Termine.ovk" "$TAEGLICH" || exit 3
  printf 'kein Kalender\n' >"$HEIM/Dokumente/Kaputt.ovk"
  printf '[MainForm]\nShowSplashScreen=0\nKalFilename=%s\nHistory2=%s\n' \
    "$HEIM/Dokumente/Termine.ovk" "$HEIM/Dokumente/Kaputt.ovk" >"$HEIM/config/Orvanto/Orvanto.ini"
}

# Orca speaks German; the locale is compiled once into the build's cache (no system change).
LOCALES="${ORVANTO_LOCALE_CACHE:-$OUT/../orca-locale}"
if [ ! -d "$LOCALES/de_DE.UTF-8" ]; then
  mkdir -p "$LOCALES" && localedef -i de_DE -f UTF-8 "$LOCALES/de_DE.UTF-8" || exit 5
fi
export LOCPATH="$LOCALES" LANGUAGE=
export A11Y_HOME="$HEIM" XDG_CONFIG_HOME="$HEIM/config" XDG_DATA_HOME="$HEIM/data" XDG_CACHE_HOME="$HEIM/cache"
APP="env LANG=C.UTF-8 LC_ALL= ORVANTO_HEUTE=06.01.2025 ASAN_OPTIONS=detect_leaks=0 $ORVANTO"

# "orca --replace" ends every other Orca of the same user, so Orca runs of other programs on this
# machine end ours too (CI runs the tests one at a time), and on a busy machine a focus change is
# now and then spoken only after the key's pause is up. A failed run is repeated, twice at most,
# after any other Orca run is over; a fault of the window fails every run.
andere_orca() { pgrep -u "$(id -u)" -x orca >/dev/null; }
orca_wache() {
  while [ ! -e "$OUT/orca-fertig" ]; do
    # Orca renames itself; ours is the one writing our debug file (ours may count as another
    # in its first moments, before it opens the file: that only repeats a failed run).
    for p in $(pgrep -u "$(id -u)" -x orca); do
      ls -l "/proc/$p/fd" 2>/dev/null | grep -q -- "$OUT/orca/orca-debug.txt" || touch "$OUT/orca-zwei"
    done
    sleep 0.2
  done
}
for versuch in 1 2 3; do
  for _ in $(seq 300); do andere_orca || break; sleep 1; done
  rm -rf "$OUT/orca" "$OUT/orca-fertig" "$OUT/orca-zwei"
  heim_anlegen
  orca_wache 9>&- & WACHE=$!
  "$HARNESS/a11y-session.sh" --timeout 280 -- "$HARNESS/orca-run.sh" --lang de_DE.UTF-8 --app "$APP" \
    --keys "$KEYS" --out "$OUT/orca" --expect "$CASES" --probe-args "--key-delay ${ORVANTO_TASTENPAUSE:-1.2}" 9>&-
  rc=$?
  touch "$OUT/orca-fertig"
  wait "$WACHE"
  [ $rc -eq 0 ] && exit 0
  [ -e "$OUT/orca-zwei" ] && echo "Another Orca ran on this machine meanwhile (run $versuch)." >&2
  echo "run $versuch failed; again." >&2
done
exit 1
