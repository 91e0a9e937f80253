#!/bin/bash
# Starts the Windows window program under wine on the X display it is given, waits for its main
# window with the empty calendar's title, closes it with Alt+F4 and expects it to end with exit
# code 0. Runs inside scripts/windows, in its wine prefix.
#
#   fensterstart.sh ORVANTO.EXE
set -u
exe=$1
wine=/usr/lib/wine/wine64
titel="KeinName - Orvanto V1.03"
"$wine" "$exe" >/dev/null 2>&1 &
pid=$!
fenster=""
for _ in $(seq 120); do
  fenster=$(xdotool search --name "^$titel\$" 2>/dev/null | head -n1)
  [ -n "$fenster" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
if [ -z "$fenster" ]; then
  echo "FAILED: no window \"$titel\" within 60 s"
  kill "$pid" 2>/dev/null
  exit 1
fi
echo "window \"$(xdotool getwindowname "$fenster")\" is up"
xdotool windowactivate --sync "$fenster" 2>/dev/null
xdotool key --window "$fenster" alt+F4
for _ in $(seq 60); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAILED: still running 30 s after Alt+F4"
  kill "$pid"
  exit 1
fi
wait "$pid"
code=$?
[ "$code" -eq 0 ] || { echo "FAILED: exit code $code after Alt+F4"; exit 1; }
echo "window program: started and closed"
