"""Window test of the help menu and the updater: without the updater beside the program its item is
not in the menu; with it, the item is there, and choosing it writes the hand-over file into the
temporary folder and starts the updater with the file's name. F1 inside a dialog opens the help
text, as F1 in the main window does. The program runs as a copy in a folder of its own, which is
then its program folder."""

import os
import shutil
import stat
import sys

from orvanto_fenster import Fehlschlag, Programm, warte

HILFE = ["Hilfe...", "Kurztasten...", "Änderungen...", "Mail an den Programmierer...", "Homepage...",
         "Spenden...", "Info"]
MIT_AKTUALISIERUNG = HILFE[:-1] + ["Aktualisierung...", "Info"]


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def main(programm, testkalender):
    p = Programm(programm, testkalender)
    try:
        ordner = os.path.join(p.ordner, "programm")
        os.makedirs(ordner)
        p.programm = os.path.join(ordner, os.path.basename(programm))
        shutil.copy2(programm, p.programm)
        tmp = os.path.join(p.ordner, "tmp")
        os.makedirs(tmp)
        p.umgebung["TMPDIR"] = tmp
        # The desktop's opener notes what it is asked to open.
        geoeffnet = os.path.join(p.ordner, "geoeffnet.txt")
        werkzeuge = os.path.join(p.ordner, "werkzeuge")
        os.makedirs(werkzeuge)
        oeffner = os.path.join(werkzeuge, "xdg-open")
        with open(oeffner, "w", encoding="utf-8") as datei:
            datei.write('#!/bin/sh\necho "$@" >> "%s"\n' % geoeffnet)
        os.chmod(oeffner, 0o755)
        p.umgebung["PATH"] = werkzeuge + os.pathsep + p.umgebung.get("PATH", "")
        hilfe = os.path.join(ordner, "Orvanto-Hilfe.txt")
        with open(hilfe, "w", encoding="utf-8") as datei:
            datei.write("Hilfe\n")
        p.prozess = p.starten()
        p.bereit()
        warte(lambda: p.menue_eintraege("Hilfe") == HILFE, 10,
              "help menu %r, got %r" % (HILFE, p.menue_eintraege("Hilfe")))

        # The updater notes its folder, its arguments and the hand-over file it finds there.
        protokoll = os.path.join(p.ordner, "aktualisierung.txt")
        updater = os.path.join(ordner, "Vantrel")
        with open(updater, "w", encoding="utf-8") as datei:
            datei.write('#!/bin/sh\n{ echo "$@"; cat "${TMPDIR}/$1"; } > "%s.neu" && mv "%s.neu" "%s"\n'
                        % (protokoll, protokoll, protokoll))
        os.chmod(updater, os.stat(updater).st_mode | stat.S_IXUSR)
        # The window looks for it while the help menu is closed, at least once a second.
        warte(lambda: p.menue_eintraege("Hilfe") == MIT_AKTUALISIERUNG, 10,
              "help menu %r, got %r" % (MIT_AKTUALISIERUNG, p.menue_eintraege("Hilfe")))
        p.taste("alt+h")
        p.taste("a")
        warte(lambda: os.path.exists(protokoll), 20, "the updater started")
        with open(protokoll, "rb") as datei:
            zeilen = datei.read().split(b"\n")
        erwartet = [b"Orvanto.cfg", b"Orvanto V1.03\r", b"Termine.ovk - Orvanto V1.03\r",
                    p.programm.encode() + b"\r", b"Orvanto\r", b"12 Courier New\r"]
        pruefe(zeilen[:6] == erwartet, "hand-over %r, expected %r" % (zeilen[:6], erwartet))
        pruefe(zeilen[6].startswith(b"0 ") and len(zeilen[6].split()) == 3, "font line %r" % zeilen[6])
        pruefe(p.prozess.poll() is None, "the program ended")

        p.taste("ctrl+g")
        warte(lambda: p.dialog() is not None and p.dialog().name == "Gehe zu Datum", 10, "the go-to-date dialog")
        p.taste("F1")
        gelesen = lambda: open(geoeffnet, encoding="utf-8").read() if os.path.exists(geoeffnet) else ""
        warte(lambda: gelesen() == hilfe + "\n", 10, "F1 in the dialog opens %r, got %r" % (hilfe, gelesen()))
        pruefe(p.dialog() is not None, "the dialog stays open after F1")
        p.taste("Escape")
        warte(lambda: p.dialog() is None, 10, "the dialog closed")
    finally:
        p.aufraeumen()
    print("extras: all checks passed")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:3])
    except Fehlschlag as fehler:
        print("FAILED:", fehler)
        sys.exit(1)
