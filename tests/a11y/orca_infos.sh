#!/bin/bash
# What Orca (in German) says in the information window, and whether today's preview plays its
# sounds: the main window's transcript test (orca_hauptfenster.sh) on the test calendar with two
# daily appointments that play a one-second tone, with the program's GStreamer states logged.
# Without a sound card the audio goes to GStreamer's fake sink: the desktop's sinks are ranked out.
#
#   orca_infos.sh HARNESS ORVANTO TESTKALENDER CASES OUT
#
# Exit code non-zero when a case fails or the sound pipeline never reached PLAYING.
set -u
[ $# -eq 5 ] || { echo "usage: $0 HARNESS ORVANTO TESTKALENDER CASES OUT" >&2; exit 2; }
HARNESS=$1 ORVANTO=$(realpath "$2") TESTKALENDER=$(realpath "$3") CASES=$4 OUT=$5
HIER=$(dirname "$(realpath "$0")")
rm -rf "$OUT"
mkdir -p "$OUT"
OUT=$(realpath "$OUT")

/usr/bin/python3 - "$OUT/Klang.wav" <<'PY' || exit 3
import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb")
w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(b"".join(struct.pack("<h", int(6000 * math.sin(i * 0.3))) for i in range(8000)))
w.close()
PY
cat >"$OUT/testkalender" <<KAL
#!/bin/sh
exec "$TESTKALENDER" "\$1" "\$2" "$OUT/Klang.wav"
KAL
# Only the program's GStreamer is logged (Orca has one of its own).
cat >"$OUT/orvanto" <<PROG
#!/bin/sh
export GST_DEBUG=GST_STATES:4 GST_DEBUG_NO_COLOR=1 GST_DEBUG_FILE="$OUT/gst.log"
export GST_PLUGIN_FEATURE_RANK=pulsesink:NONE,alsasink:NONE,pipewiresink:NONE,jackaudiosink:NONE,osssink:NONE,oss4sink:NONE,openalsink:NONE
exec "$ORVANTO" "\$@"
PROG
chmod +x "$OUT/testkalender" "$OUT/orvanto"

# Down to the first appointment of today; Ctrl+I: the day part's first line, Down its second, Tab
# the entry part's first line; Escape back to the day list. F4: the preview of today, line by
# line to its second appointment, whose Return jumps to that appointment's line.
KEYS="Down ctrl+i Down Tab Escape F4 Down Down Down Down Return"
"$HIER/orca_hauptfenster.sh" "$HARNESS" "$OUT/orvanto" "$OUT/testkalender" "$CASES" "$OUT/orca" 2 "$KEYS" || exit 1
if ! grep -q "playbin.*completed state change to PLAYING" "$OUT/gst.log"; then
  echo "The preview's sound never reached PLAYING (log: $OUT/gst.log)." >&2
  exit 1
fi
