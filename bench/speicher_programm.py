#!/usr/bin/python3
"""Peak resident memory of the program on the benchmarks' big calendar (200 daily entries to 2100,
about 5.5 million day records): VmHWM and VmRSS from /proc/PID/status after start-up (the day
list shown) and after each view (Ctrl+J year, Ctrl+M month, Ctrl+W week), against the file's
size. A measuring aid run by hand inside a desktop session, not a test:

    tests/gui/sitzung.sh bench/speicher_programm.py BUILD/orvanto BUILD/bench/bench_grosskalender"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "gui"))
from orvanto_fenster import Programm, warte  # noqa: E402

MIB = 1024 * 1024


def status(pid):
    werte = {}
    with open(f"/proc/{pid}/status") as datei:
        for zeile in datei:
            schluessel, _, wert = zeile.partition(":")
            werte[schluessel] = int(wert.split()[0]) * 1024 if wert.strip().endswith("kB") else wert
    return werte


def zeigen(was, pid, groesse):
    s = status(pid)
    print(f"{was:<22} VmHWM {s['VmHWM'] / MIB:6.1f} MiB ({s['VmHWM'] / groesse:4.2f}x the file)   "
          f"VmRSS {s['VmRSS'] / MIB:6.1f} MiB (anon {s['RssAnon'] / MIB:6.1f}, file {s['RssFile'] / MIB:5.1f})")


def bereit(p):
    """The main window with its day list, as Programm.bereit waits for it, but counting the lines
    instead of reading them: reading every line through AT-SPI would make the program create an
    accessible object for each, which is the reader's cost, not the program's."""
    p.fenster = warte(p.finde_fenster, 60, "the main window on AT-SPI")
    p._tabelle = warte(lambda: p.suche("table", "Kalendertage"), 30, "the day list")
    p._zeitraum = warte(lambda: p.suche("text", "Zeitraum"), 30, "the period box")
    warte(lambda: p.tabelle().childCount > 1, 30, "the day list's lines")


p = Programm(sys.argv[1], sys.argv[2], heute="18.06.2025")
try:
    p.prozess = p.starten()
    bereit(p)
    groesse = os.path.getsize(p.kalender)
    print(f"file {groesse / MIB:.1f} MiB ({groesse} bytes)")
    zeigen("after start-up", p.prozess.pid, groesse)
    for taste, zeitraum, zeilen in (("ctrl+j", "2025", 73000), ("ctrl+m", "6/2025", 6000),
                                    ("ctrl+w", "W25/2025", 1400)):
        p.taste(taste)
        warte(lambda: p.zeitraum() == zeitraum and p.tabelle().childCount >= zeilen, 60, "the view " + zeitraum)
        zeigen("after " + taste, p.prozess.pid, groesse)
finally:
    p.aufraeumen()
