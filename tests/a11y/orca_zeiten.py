#!/usr/bin/python3
"""Times from a run of orca_hauptfenster.sh (its OUT/orca folder): from the program's start to
Orca's first word about it, and from each key to Orca's first word after it, leaving out Orca's
echo of the key itself. A measuring aid run by hand, not a test.

    orca_zeiten.py OUT/orca"""
import html, json, re, sys

ECHO = {"Steuerung links", "Steuerung rechts", "Umschalt links", "Umschalt rechts", "Alt links", "Enter",
        "Tab", "Escape", "Leertaste"}


def klar(text):
    return html.unescape(re.sub(r"<[^>]+>", "", text)).strip().replace("\n", " / ")


ordner = sys.argv[1]
tasten = [(float(t), k) for t, k in (z.rstrip("\n").split("\t", 1) for z in open(ordner + "/keys.log") if "\t" in z)]
gesagt = [(s["t"], klar(s["text"])) for s in map(json.loads, open(ordner + "/spoken.jsonl")) if s.get("text")]
gesagt = [(t, s) for t, s in gesagt if s not in ECHO and len(s) > 1]
# The probe starts the program at its time 0; events.log gives each key's time since then.
relativ = [float(z.split()[0]) for z in open(ordner + "/events.log") if " ---- " in z]
erste = [(t, k) for t, k in tasten if not k.startswith("<")]
start = erste[0][0] - relativ[0] if relativ and erste else None
marken = ([(start, "<start>")] if start else []) + [(t, k) for t, k in erste if not k.startswith("sleep:")]
for i, (t, k) in enumerate(marken):
    bis = marken[i + 1][0] if i + 1 < len(marken) else float("inf")
    danach = [(tt, s) for tt, s in gesagt if t <= tt < bis and not s.startswith("Bildschirmleser")]
    if danach:
        print(f"{k:<12} {danach[0][0] - t:6.3f} s  {danach[0][1][:70]}")
    else:
        print(f"{k:<12}      -   (nothing said)")
