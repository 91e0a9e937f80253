#!/usr/bin/python3
"""Times from a run of orca_hauptfenster.sh (its OUT/orca folder): from the program's start, and
from each key, to the first word said after it (by Orca or by the program itself through
speech-dispatcher), and to Orca's own first word; Orca's echo of the key is left out. A measuring
aid run by hand, not a test.

    orca_zeiten.py OUT/orca"""
import html, json, re, sys

ECHO = {"Steuerung links", "Steuerung rechts", "Umschalt links", "Umschalt rechts", "Alt links", "Enter",
        "Tab", "Escape", "Leertaste"} | {f"F{n}" for n in range(1, 13)}


def klar(text):
    return html.unescape(re.sub(r"<[^>]+>", "", text)).strip().replace("\n", " / ")


ordner = sys.argv[1]
tasten = [(float(t), k) for t, k in (z.rstrip("\n").split("\t", 1) for z in open(ordner + "/keys.log") if "\t" in z)]
gesagt = [(s["t"], klar(s["text"]), "Orca" in s.get("client", ""))
          for s in map(json.loads, open(ordner + "/spoken.jsonl")) if s.get("text")]
gesagt = [(t, s, o) for t, s, o in gesagt if s not in ECHO and len(s) > 1]
# The probe starts the program at its time 0; events.log gives each key's time since then.
relativ = [float(z.split()[0]) for z in open(ordner + "/events.log") if " ---- " in z]
erste = [(t, k) for t, k in tasten if not k.startswith("<")]
start = erste[0][0] - relativ[0] if relativ and erste else None
print(f"{'key':<10} {'first word':<42} {'Orca first word'}")
marken = ([(start, "<start>")] if start else []) + [(t, k) for t, k in erste if not k.startswith("sleep:")]
for i, (t, k) in enumerate(marken):
    bis = marken[i + 1][0] if i + 1 < len(marken) else float("inf")
    danach = [(tt, s, o) for tt, s, o in gesagt if t <= tt < bis and not s.startswith("Bildschirmleser")]
    orca = [(tt, s) for tt, s, o in danach if o]
    zeile = f"{k:<10}"
    for d in (danach, orca):
        zeile += f" {d[0][0] - t:6.3f} s  {d[0][1][:32]:<32}" if d else "      -   " + " " * 32
    print(zeile)
