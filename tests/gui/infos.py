"""Window test of the information window's saving: Ctrl+I on today's line, Ctrl+U opens the save
dialog, a name typed without an extension is saved as rich text with ".RTF" added, and holds the
day part of the text."""

import os
import subprocess
import sys
import time

import pyatspi

from orvanto_fenster import Fehlschlag, Programm, alle, kinder, rolle, warte


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def dateiauswahl(p):
    """The toolkit's file chooser, once it is shown."""
    app = p.anwendung()
    for kind in kinder(app) if app else []:
        if rolle(kind) == "file chooser" and kind.getState().contains(pyatspi.STATE_SHOWING):
            return kind
    return None


def speichern(programm, testkalender):
    with Programm(programm, testkalender) as p:
        # "&Infos..." is off until the day list has the focus, which it takes after its lines show.
        warte(lambda: p.tabelle().getState().contains(pyatspi.STATE_FOCUSED), 20, "the day list's focus")
        p.taste("ctrl+i")
        dialog = warte(p.dialog, 20, "the information window")
        pruefe(dialog.name == "Informationen", "dialog %r" % dialog.name)
        p.taste("ctrl+u")
        auswahl = warte(lambda: dateiauswahl(p), 20, "the save dialog")
        # Typing goes to the name field once it has the focus.
        warte(lambda: any(rolle(o) == "text" and o.getState().contains(pyatspi.STATE_FOCUSED) for o in alle(auswahl)),
              20, "the save dialog's name field")
        ziel = os.path.join(p.ordner, "Info")
        subprocess.run(["xdotool", "type", "--delay", "20", ziel], check=True)
        # The name field's completion pop-up would take a Return typed at once.
        time.sleep(1)
        p.taste("Return")
        datei = ziel + ".RTF"
        warte(lambda: os.path.exists(datei) and os.path.getsize(datei) > 0, 20, datei)
        time.sleep(0.5)
        with open(datei, "rb") as f:
            inhalt = f.read()
        pruefe(inhalt.startswith(b"{\\rtf1"), "not rich text: %r" % inhalt[:40])
        pruefe(b"In der Kalenderwoche 2/2025\\par" in inhalt, "no day part: %r" % inhalt[:300])
        pruefe(b"Infos zum" not in inhalt and b"Kein Eintrag" not in inhalt,
               "the lower pane was saved with the upper one")
        # The focus is back in the window, whose Escape closes it.
        warte(lambda: p.dialog() is not None and p.dialog().name == "Informationen", 20, "the window again")
        p.taste("Escape")
        warte(lambda: p.dialog() is None, 20, "the window closed")
        p.taste("alt+F4")
        pruefe(p.prozess.wait(30) == 0, "exit code after Alt+F4")


def main(programm, testkalender):
    speichern(programm, testkalender)
    print("infos: all checks passed")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:3])
    except Fehlschlag as fehler:
        print("FAILED:", fehler)
        sys.exit(1)
