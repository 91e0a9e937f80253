#!/usr/bin/python3
"""The program's own work for each key family on the benchmarks' big calendar (200 daily entries
to 2100, about 5.5 million day records), measured through the real window: the processor time
(user and system, from /proc/PID/stat) the program spends from the key until it is idle again,
with the idle cost of the same span taken off. Nothing polls the program meanwhile, so the figure
is its own part (behaviour, toolkit, drawing, the accessibility bridge), not a reader's. Keys that
open a dialog count up to the dialog shown; the key closing it is measured on its own line.
A measuring aid run by hand inside a desktop session, not a test:

    tests/gui/sitzung.sh bench/tasten_programm.py BUILD/orvanto BUILD/bench/bench_grosskalender"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "gui"))
from orvanto_fenster import Programm, warte  # noqa: E402

# Long enough for the slowest key to be done and drawn; short enough to keep timer work small.
SPANNE = 1.5
TICK = os.sysconf("SC_CLK_TCK")

# (key, what it is); each row runs in order, so a row may rely on the view the one before left.
TASTEN = [
    ("ctrl+j", "view change: year"),
    ("ctrl+m", "view change: month"),
    ("ctrl+w", "view change: week"),
    ("ctrl+j", "view change: year again"),
    ("End", "End (year)"),
    ("Home", "Home (year)"),
    ("Next", "PgDn (year)"),
    ("Prior", "PgUp (year)"),
    ("ctrl+Down", "Ctrl+Down: next year"),
    ("ctrl+Up", "Ctrl+Up: year before"),
    ("ctrl+Next", "Ctrl+PgDn"),
    ("ctrl+Prior", "Ctrl+PgUp"),
    ("alt+Home", "Alt+Home: calendar's start"),
    ("ctrl+h", "Ctrl+H: today"),
    ("ctrl+g", "Ctrl+G: go-to-date dialog shown"),
    ("Return", "Return: go to the date"),
    ("ctrl+1", "Ctrl+1: filter toggled"),
    ("ctrl+1", "Ctrl+1: filter back"),
    ("ctrl+i", "Ctrl+I: information window shown"),
    ("Escape", "Escape: back to the list"),
    ("F4", "F4: today's preview shown"),
    ("Escape", "Escape: back to the list"),
    ("F8", "F8: next days' preview shown"),
    ("Escape", "Escape: back to the list"),
    ("F9", "F9: overview shown"),
    ("Escape", "Escape: back to the list"),
    ("Down", "Down: next line"),
    ("ctrl+n", "Ctrl+N: editor shown"),
    ("Escape", "Escape: editor closed"),
    ("ctrl+b", "Ctrl+B: editor of the line's entry shown"),
    ("Escape", "Escape: editor closed"),
    ("Delete", "Del: question shown"),
    ("Escape", "Escape: question answered No"),
]


def prozesszeit(pid):
    felder = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(felder[11]) + int(felder[12])) / TICK


def verbraucht(pid, handlung):
    vorher = prozesszeit(pid)
    handlung()
    time.sleep(SPANNE)
    return prozesszeit(pid) - vorher


p = Programm(sys.argv[1], sys.argv[2], heute="18.06.2025")
try:
    p.prozess = p.starten()
    p.fenster = warte(p.finde_fenster, 60, "the main window on AT-SPI")
    p._tabelle = warte(lambda: p.suche("table", "Kalendertage"), 30, "the day list")
    warte(lambda: p.tabelle().childCount > 1, 30, "the day list's lines")
    time.sleep(2)
    pid = p.prozess.pid
    leer = min(verbraucht(pid, lambda: None) for _ in range(3))
    print(f"idle over {SPANNE} s: {leer * 1000:.0f} ms (taken off each key)")
    for taste, was in TASTEN:
        zeit = verbraucht(pid, lambda: subprocess.run(["xdotool", "key", "--clearmodifiers", taste], check=True))
        print(f"{was:<42} {max(zeit - leer, 0) * 1000:6.0f} ms")
finally:
    p.aufraeumen()
