"""Window test of the main window: start on the fixture calendar that the settings file names, on
a fixed today, keys in the day list, the view shortcuts, paging and jumps, the period box's and the
day list's pop-up menus, the single instance, the entry search, a recent file opened from the file menu, and the
settings saved after Ctrl+K and on closing."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

from orvanto_fenster import Fehlschlag, Programm, alle, kinder, rolle, warte

HEUTE = "W2  Mo 06.01.2025: \"Dreikönig\""


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def ereignisse_abholen(sekunden):
    """Hands the AT-SPI events that arrive within this time to their listeners."""
    kontext = GLib.MainContext.default()
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        if not kontext.iteration(False):
            time.sleep(0.02)


def start_und_tasten(p):
    pruefe(p.fenster.name == "Termine.ovk - Orvanto V1.03", "caption: " + p.fenster.name)
    warte(lambda: p.gewaehlt() == HEUTE, 10, "today's line selected, got %r" % p.gewaehlt())
    pruefe(p.zeitraum() == "W2/2025", "period box: " + p.zeitraum())

    p.taste("Down")
    warte(lambda: p.gewaehlt() == "    Di 07.01.2025", 5, "Down to Tuesday, got %r" % p.gewaehlt())
    # The list keeps the focus, so the menu shortcuts must still arrive. The screen reader hears
    # the kept line only: no other line (the new period's first) takes the focus on the way.
    fokuszeilen = []

    def fokus_merken(ereignis):
        if rolle(ereignis.source) == "table" and ereignis.any_data is not None:
            fokuszeilen.append(ereignis.any_data.name)

    pyatspi.Registry.registerEventListener(fokus_merken, "object:active-descendant-changed")
    for taste, zeitraum, anzahl in (("ctrl+j", "2025", 365), ("ctrl+m", "1/2025", 31),
                                    ("ctrl+w", "W2/2025", 7)):
        ereignisse_abholen(0.5)
        fokuszeilen.clear()
        p.taste(taste)
        warte(lambda: p.zeitraum() == zeitraum, 5, "%s: period %r, got %r" % (taste, zeitraum, p.zeitraum()))
        warte(lambda: len(p.zeilen()) == anzahl, 5, "%s: %d lines, got %d" % (taste, anzahl, len(p.zeilen())))
        warte(lambda: p.gewaehlt().endswith("Di 07.01.2025"), 5,
              "%s keeps the place, got %r" % (taste, p.gewaehlt()))
        ereignisse_abholen(0.5)
        pruefe(len(fokuszeilen) == 1 and fokuszeilen[0].endswith("Di 07.01.2025"),
               "%s: the focus went through the lines %r" % (taste, fokuszeilen))
    pyatspi.Registry.deregisterEventListener(fokus_merken, "object:active-descendant-changed")


def blaettern_und_springen(p):
    """Paging and the calendar jumps from the list; the refused ones leave everything as it is."""
    for taste, zeitraum, zeile in (("ctrl+Down", "W3/2025", "W3  Mo 13.01.2025"),
                                   ("ctrl+Up", "W2/2025", HEUTE),
                                   ("alt+End", "W52/2100", "    Fr 31.12.2100"),
                                   ("ctrl+Down", "W52/2100", "    Fr 31.12.2100"),
                                   ("alt+Home", "W1/1900", "W1  Mo 01.01.1900"),
                                   ("ctrl+Up", "W1/1900", "W1  Mo 01.01.1900"),
                                   ("ctrl+h", "W2/2025", HEUTE),
                                   # Dreikönig has one day record: the entry jumps are refused.
                                   ("ctrl+Page_Down", "W2/2025", HEUTE),
                                   ("ctrl+End", "W2/2025", HEUTE)):
        p.taste(taste)
        warte(lambda: p.zeitraum() == zeitraum, 5, "%s: period %r, got %r" % (taste, zeitraum, p.zeitraum()))
        warte(lambda: p.gewaehlt() == zeile, 5, "%s: line %r, got %r" % (taste, zeile, p.gewaehlt()))


def popup_eintraege(p):
    """The items of the pop-up menu that is showing, with a mark for the checked one."""
    eintraege = []
    for kind in kinder(p.anwendung()):
        if rolle(kind) == "window" or (rolle(kind) == "menu" and kind.getState().contains(pyatspi.STATE_SHOWING)):
            for o in alle(kind):
                if rolle(o).endswith("menu item") and o.getState().contains(pyatspi.STATE_SHOWING):
                    eintraege.append(o.name + ("*" if o.getState().contains(pyatspi.STATE_CHECKED) else ""))
    return eintraege


def perioden_popup(p):
    """The period box's pop-up menu by keyboard: the three views, the shown one checked."""
    p.taste("shift+Tab")
    p.taste("shift+F10")
    erwartet = ["Jahresansicht", "Monatsansicht", "Wochenansicht*", "Schrifteinstellungen..."]
    warte(lambda: popup_eintraege(p) == erwartet, 5, "pop-up %r, got %r" % (erwartet, popup_eintraege(p)))
    p.taste("Home")
    p.taste("Return")
    warte(lambda: p.zeitraum() == "2025", 5, "year view from the pop-up, got %r" % p.zeitraum())
    p.taste("ctrl+w")
    p.taste("Tab")
    warte(lambda: p.zeitraum() == "W2/2025", 5, "back in the week view, got %r" % p.zeitraum())


def listen_popup(p):
    """The day list's pop-up menu by keyboard: the entry commands and the font item, whose access key
    is its own there (h) and opens the font dialog; Escape brings the line back."""
    if not p.tabelle().getState().contains(pyatspi.STATE_FOCUSED):
        p.taste("Tab")
    warte(lambda: p.tabelle().getState().contains(pyatspi.STATE_FOCUSED), 5, "the day list has the focus")
    zeile = p.gewaehlt()
    p.taste("shift+F10")
    erwartet = ["Neuer Eintrag...", "Eintrag bearbeiten...", "Infos...", "Kopieren", "Ausschneiden", "Einfügen",
                "Eintrag aktivieren", "Eintrag deaktivieren", "Eintrag importieren",
                "Eintrag per Mail versenden...", "Eintrag als iCalendar-Datei speichern...", "Eintrag löschen",
                "Eintrag und alle nachfolgenden Einträge ausblenden", "Schrifteinstellungen..."]
    namen = lambda: [e.rstrip("*") for e in popup_eintraege(p)]
    warte(lambda: namen() == erwartet, 5, "pop-up %r, got %r" % (erwartet, namen()))
    p.taste("h")
    dialog_offen(p, "Schrifteinstellungen")
    p.taste("Escape")
    warte(lambda: p.dialog() is None and p.gewaehlt() == zeile, 10,
          "font dialog closed, line %r, got %r" % (zeile, p.gewaehlt()))


def tippe(text):
    subprocess.run(["xdotool", "type", "--delay", "50", text], check=True)


def dialog_offen(p, titel):
    warte(lambda: p.dialog() is not None and p.dialog().name == titel, 10,
          "dialog %r, got %r" % (titel, p.dialog().name if p.dialog() else None))


def suchen(p):
    """Ctrl+F, a term, Return twice: the found entry's line is selected; F3 finds it again; a term
    without result gives the message and the search dialog again."""
    p.taste("ctrl+f")
    dialog_offen(p, "Suche nach Einträgen")
    tippe("ZAHN")
    p.taste("Return")
    dialog_offen(p, "Gefundene Einträge")
    p.taste("Return")
    warte(lambda: p.dialog() is None, 10, "the found entries closed")
    warte(lambda: "08.01.2025" in (p.gewaehlt() or "") and "Zahnarzt" in p.gewaehlt(), 10,
          "the entry's line selected, got %r" % p.gewaehlt())
    # F3: the only occurrence again, after the last one the first.
    p.taste("F3")
    dialog_offen(p, "Gefundene Einträge")
    p.taste("Return")
    warte(lambda: p.dialog() is None and "Zahnarzt" in (p.gewaehlt() or ""), 10,
          "F3 keeps the entry's line, got %r" % p.gewaehlt())
    p.taste("ctrl+f")
    dialog_offen(p, "Suche nach Einträgen")
    tippe("kino")
    p.taste("Return")
    warte(lambda: p.dialog() is not None and p.dialog().name != "Suche nach Einträgen", 10, "the message")
    p.taste("Return")
    dialog_offen(p, "Suche nach Einträgen")
    p.taste("Escape")
    warte(lambda: p.dialog() is None and "Zahnarzt" in (p.gewaehlt() or ""), 10,
          "cancelled: the line stays, got %r" % p.gewaehlt())


def gespeichert(p, schluessel, wert):
    warte(lambda: p.einstellungen().get(schluessel) == wert, 5,
          "%s=%s in the settings file, got %r" % (schluessel, wert, p.einstellungen().get(schluessel)))


def komprimiert_speichert(p):
    gespeichert(p, "KomprimiertS", None)  # nothing written since the start
    p.taste("ctrl+k")
    gespeichert(p, "KomprimiertS", "1")


# The file menu's commands above the recent files.
DATEI_BEFEHLE = ["Öffnen...", "Speichern", "Speichern unter...", "", "Anzeigen", "Importieren...",
                 "iCalendar-Datei exportieren...", "Drucken...", "Schließen", ""]


def zuletzt_geoeffnet(p, zweit):
    eintraege = DATEI_BEFEHLE + ["1 " + p.kalender, "2 " + zweit, "", "Beenden"]
    warte(lambda: p.menue_eintraege("Datei") == eintraege, 10,
          "file menu %r, got %r" % (eintraege, p.menue_eintraege("Datei")))
    p.taste("alt+d")
    p.taste("2")
    warte(lambda: p.fenster.name == "Zweit.ovk - Orvanto V1.03", 10, "caption after the recent file, got %r"
          % p.fenster.name)
    warte(lambda: p.menue_eintraege("Datei") == DATEI_BEFEHLE + ["1 " + zweit, "2 " + p.kalender, "", "Beenden"], 10,
          "the opened file on top, got %r" % p.menue_eintraege("Datei"))


def schliessen(p, zweit):
    p.taste("alt+F4")
    try:
        p.prozess.wait(30)
    except Exception:
        raise Fehlschlag("the program did not end after Alt+F4")
    werte = p.einstellungen()
    erwartet = {"KalFilename": zweit, "History1": zweit, "History2": p.kalender, "KomprimiertS": "1",
                "KwocheS": "1", "ShowSplashScreen": "0", "WindowState": "0", "Width": "1100", "Height": "800"}
    falsch = {k: werte.get(k) for k, v in erwartet.items() if werte.get(k) != v}
    pruefe(not falsch, "settings file after closing differs: %r" % falsch)
    pruefe("History3" not in werte, "no third recent file: %r" % werte.get("History3"))


def zweite_instanz(p):
    zweite = p.starten()
    try:
        zweite.wait(30)  # it ends by itself, without a window of its own
    except Exception:
        zweite.kill()
        raise
    pruefe(p.prozess.poll() is None, "the first instance runs on")


def main(programm, testkalender, foto):
    # A second calendar that the settings list as a recently used file.
    ordner = tempfile.mkdtemp(prefix="orvanto-gui-zweit-")
    try:
        zweit = os.path.join(ordner, "Zweit.ovk")
        subprocess.run([testkalender, zweit], check=True)
        with Programm(programm, testkalender, einstellungen="Width=1100\nHeight=800\nHistory2=%s\n" % zweit) as p:
            try:
                start_und_tasten(p)
                blaettern_und_springen(p)
                perioden_popup(p)
                listen_popup(p)
                zweite_instanz(p)
                komprimiert_speichert(p)
                suchen(p)
                zuletzt_geoeffnet(p, zweit)
                schliessen(p, zweit)
            except Exception:
                p.bildschirmfoto(foto)
                raise
    finally:
        shutil.rmtree(ordner, ignore_errors=True)
    print("main window: all checks passed")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:4])
    except Fehlschlag as fehler:
        print("FAILED:", fehler, "(screenshot: %s)" % sys.argv[3])
        sys.exit(1)
