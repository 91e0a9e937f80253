"""Window test of the file commands: save as through the system's save dialog (a name without
extension gets the calendar extension, in lower case like the calendar beside it), open through the open dialog by typing a path, and a save
that fails (a folder the user may not write to): its message box, and nothing changed. Last a
second file loaded beside the calendar and removed again in the loaded-files dialog."""

import os
import subprocess
import sys
import time

import pyatspi

from orvanto_fenster import Fehlschlag, Programm, alle, kinder, rolle, warte

HEUTE = "W2  Mo 06.01.2025: \"Dreikönig\""


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def tippe(text):
    subprocess.run(["xdotool", "type", "--delay", "50", text], check=True)


def oberes_fenster(p, rollen=("file chooser", "dialog", "alert")):
    """The last shown window of the program, other than the main window, with one of these
    roles."""
    gefunden = None
    for kind in kinder(p.anwendung()):
        if rolle(kind) in rollen and kind.getState().contains(pyatspi.STATE_SHOWING):
            gefunden = kind
    return gefunden


def meldung(p):
    return oberes_fenster(p, ("alert",))


def fenster_offen(p, titel):
    warte(lambda: oberes_fenster(p) is not None and oberes_fenster(p).name == titel, 15,
          "window %r, got %r" % (titel, oberes_fenster(p).name if oberes_fenster(p) else None))


def fenster_zu(p):
    warte(lambda: oberes_fenster(p) is None, 15, "the dialog closed")


def titel(p, erwartet):
    warte(lambda: p.fenster.name == erwartet, 15, "caption %r, got %r" % (erwartet, p.fenster.name))


def meldungstext(fenster):
    return " ".join(o.name for o in alle(fenster) if rolle(o) == "label" and o.name)


def speichern_unter(p):
    """Ctrl+U to a name without extension: the file is written with ".ovk" (as "Termine.ovk" beside
    it has it), the caption follows."""
    p.taste("ctrl+u")
    fenster_offen(p, "Kalenderdatei speichern unter")
    p.taste("ctrl+a")
    tippe(os.path.join(p.ordner, "Neu"))
    p.taste("Return")
    fenster_zu(p)
    neu = os.path.join(p.ordner, "Neu.ovk")
    titel(p, "Neu.ovk - Orvanto V1.03")
    with open(neu, "rb") as datei:
        pruefe(datei.read() == p.kalender_inhalt, "the saved file differs from the calendar read")
    warte(lambda: p.gewaehlt() == HEUTE, 10, "the line stays, got %r" % p.gewaehlt())


def oeffnen(p):
    """Ctrl+O, the path typed and Return: the calendar is open on today's line."""
    p.taste("ctrl+o")
    fenster_offen(p, "Kalenderdatei öffnen")
    tippe(p.kalender)
    # The location field takes Return once it has looked the typed path up.
    time.sleep(0.5)
    p.taste("Return")
    fenster_zu(p)
    titel(p, "Termine.ovk - Orvanto V1.03")
    warte(lambda: p.gewaehlt() == HEUTE, 10, "today's line selected, got %r" % p.gewaehlt())
    pruefe(p.zeitraum() == "W2/2025", "period box: " + p.zeitraum())


def speichern_scheitert(p):
    """Save as into a folder that refuses new files: the message, then the calendar as it was."""
    p.taste("ctrl+u")
    fenster_offen(p, "Kalenderdatei speichern unter")
    p.taste("ctrl+a")
    tippe("/sys/Neu.OVK")
    p.taste("Return")
    warte(lambda: meldung(p) is not None, 15, "the error box")
    text = meldungstext(meldung(p))
    pruefe("Speichern fehlgeschlagen:" in text and "Zugriff verweigert." in text, "error box: %r" % text)
    pruefe(meldung(p).name == "Fehler", "error box title: %r" % meldung(p).name)
    p.taste("Return")
    fenster_zu(p)
    titel(p, "Termine.ovk - Orvanto V1.03")
    pruefe(not os.path.exists("/sys/Neu.OVK"), "no file in /sys")
    with open(p.kalender, "rb") as datei:
        pruefe(datei.read() == p.kalender_inhalt, "the calendar file changed")
    warte(lambda: p.gewaehlt() == HEUTE, 10, "the line stays, got %r" % p.gewaehlt())


def geladen_entfernen(p):
    """Ctrl+L shows the saved copy beside the calendar, its lines marked with file number 1;
    Ctrl+D lists it, Del and Ja remove it, and the dialog stays open until Escape."""
    p.taste("ctrl+l")
    fenster_offen(p, "Kalenderdatei hinzuladen")
    tippe(os.path.join(p.ordner, "Neu.ovk"))
    time.sleep(0.5)
    p.taste("Return")
    fenster_zu(p)
    warte(lambda: any("(1*" in z for z in p.zeilen()), 10, "lines of file 1, got %r" % p.zeilen())
    p.taste("ctrl+d")
    fenster_offen(p, "Geladene Dateien aus Liste entfernen")
    liste = warte(lambda: p.suche("table", "Geladene Dateien", oberes_fenster(p)), 10, "the list of files")
    zeilen = [z.name for z in kinder(liste) if rolle(z) == "table cell"]
    pruefe(zeilen == ["Neu.ovk (1*)"], "loaded files: %r" % zeilen)
    p.taste("Delete")
    warte(lambda: meldung(p) is not None, 15, "the question")
    text = meldungstext(meldung(p))
    pruefe('Soll die Datei "Neu.ovk (1*)" aus der Liste entfernt werden?' in text, "question: %r" % text)
    p.taste("Return")
    warte(lambda: meldung(p) is None, 10, "the question answered")
    fenster_offen(p, "Geladene Dateien aus Liste entfernen")
    p.taste("Escape")
    fenster_zu(p)
    warte(lambda: not any("(1*" in z for z in p.zeilen()), 10, "no line of file 1, got %r" % p.zeilen())
    warte(lambda: p.gewaehlt() == HEUTE, 10, "today's line selected, got %r" % p.gewaehlt())


def main(programm, testkalender, foto):
    with Programm(programm, testkalender) as p:
        try:
            warte(lambda: p.gewaehlt() == HEUTE, 10, "today's line selected, got %r" % p.gewaehlt())
            speichern_unter(p)
            oeffnen(p)
            speichern_scheitert(p)
            geladen_entfernen(p)
            # The recent files follow the save as and the open.
            eintraege = p.menue_eintraege("Datei")
            erwartet = ["1 " + p.kalender, "2 " + os.path.join(p.ordner, "Neu.ovk")]
            pruefe(eintraege is not None and eintraege[-4:-2] == erwartet, "file menu: %r" % eintraege)
        except Exception:
            p.bildschirmfoto(foto)
            raise
    print("file commands: all checks passed")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:4])
    except Fehlschlag as fehler:
        print("FAILED:", fehler, "(screenshot: %s)" % sys.argv[3])
        sys.exit(1)
