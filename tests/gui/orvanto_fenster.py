"""Starts the program inside a desktop session (tests/gui/sitzung.sh), presses keys with xdotool
and reads the main window through AT-SPI. Every wait has a time limit."""

import os
import shutil
import struct
import subprocess
import tempfile
import time

import pyatspi

TITEL = "Orvanto V1.03"


class Fehlschlag(Exception):
    pass


def warte(bedingung, sekunden=20.0, was="condition"):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        try:
            wert = bedingung()
        except Exception:  # an object that went away while reading it
            wert = None
        if wert:
            return wert
        time.sleep(0.1)
    raise Fehlschlag("timed out waiting for " + was)


def kinder(objekt):
    try:
        return [objekt.getChildAtIndex(i) for i in range(objekt.childCount)]
    except Exception:
        return []


def alle(objekt, ohne=()):
    """The object and its descendants; the children of roles in ohne are left out (a combo box's
    menu holds ten thousand weeks, too many to walk over the bus)."""
    yield objekt
    if rolle(objekt) in ohne:
        return
    for kind in kinder(objekt):
        if kind is not None:
            yield from alle(kind, ohne)


def rolle(objekt):
    return objekt.getRoleName()


def bmp_schreiben(pfad, breite, hoehe):
    """A plain 24-bit Windows bitmap of one colour."""
    zeile = (breite * 3 + 3) // 4 * 4
    daten = (bytes([200, 120, 40]) * breite + bytes(zeile - breite * 3)) * hoehe
    kopf = b"BM" + struct.pack("<IHHI", 54 + len(daten), 0, 0, 54)
    kopf += struct.pack("<IiiHHIIiiII", 40, breite, hoehe, 1, 24, 0, len(daten), 2835, 2835, 0, 0)
    with open(pfad, "wb") as datei:
        datei.write(kopf + daten)


def x_fenster(pid):
    """The visible X windows of a process, as (id, title) pairs."""
    ergebnis = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                              capture_output=True, text=True, check=False)
    fenster = []
    for kennung in ergebnis.stdout.split():
        titel = subprocess.run(["xdotool", "getwindowname", kennung], capture_output=True, text=True,
                               check=False).stdout.strip()
        fenster.append((kennung, titel))
    return fenster


def ini_lesen(pfad):
    """The keys of section MainForm of a settings file, as written."""
    werte, abschnitt = {}, None
    with open(pfad, encoding="utf-8") as datei:
        for zeile in datei:
            zeile = zeile.strip()
            if zeile.startswith("[") and zeile.endswith("]"):
                abschnitt = zeile[1:-1]
            elif abschnitt == "MainForm" and "=" in zeile:
                schluessel, wert = zeile.split("=", 1)
                werte.setdefault(schluessel, wert)
    return werte


class Programm:
    """The program on a fixture calendar; today is fixed to ORVANTO_HEUTE. The calendar is not
    named on the command line: the settings file in a private XDG_CONFIG_HOME names it as the last
    used one, and further settings lines can be given. With splash=True the program runs from a
    copy beside a splash picture, and the settings ask for the picture."""

    def __init__(self, programm, testkalender, heute="06.01.2025", einstellungen="", splash=False):
        self.ordner = tempfile.mkdtemp(prefix="orvanto-gui-")
        self.kalender = os.path.join(self.ordner, "Termine.ovk")
        subprocess.run([testkalender, self.kalender], check=True)
        with open(self.kalender, "rb") as datei:
            self.kalender_inhalt = datei.read()
        self.programm = programm
        if splash:
            # The picture is looked for beside the program file itself.
            self.programm = os.path.join(self.ordner, "programm", os.path.basename(programm))
            os.makedirs(os.path.dirname(self.programm))
            shutil.copy2(programm, self.programm)
            bmp_schreiben(os.path.splitext(self.programm)[0] + ".ss", 320, 200)
        konfiguration = os.path.join(self.ordner, "config")
        self.ini = os.path.join(konfiguration, "Orvanto", "Orvanto.ini")
        os.makedirs(os.path.dirname(self.ini))
        with open(self.ini, "w", encoding="utf-8") as datei:
            datei.write("[MainForm]\nShowSplashScreen=%d\nKalFilename=%s\n%s"
                        % (1 if splash else 0, self.kalender, einstellungen))
        self.umgebung = dict(os.environ, ORVANTO_HEUTE=heute, XDG_CONFIG_HOME=konfiguration,
                             ASAN_OPTIONS="detect_leaks=0")
        self.prozess = None
        # A file for the program's error output; None leaves it on the terminal.
        self.fehlerausgabe = None

    def starten(self, *argumente):
        if self.fehlerausgabe is None:
            return subprocess.Popen([self.programm, *argumente], env=self.umgebung)
        with open(self.fehlerausgabe, "w") as ausgabe:
            return subprocess.Popen([self.programm, *argumente], env=self.umgebung, stderr=ausgabe)

    def __enter__(self):
        self.prozess = self.starten()
        return self.bereit()

    def bereit(self):
        """Waits until the main window shows the day list's lines."""
        self.fenster = warte(self.finde_fenster, 60, "the main window on AT-SPI")
        self._tabelle = warte(lambda: self.suche("table", "Kalendertage"), 30, "the day list")
        self._zeitraum = warte(lambda: self.suche("text", "Zeitraum"), 30, "the period box")
        warte(lambda: len(self.zeilen()) > 1, 30, "the day list's lines")
        return self

    def __exit__(self, *fehler):
        self.aufraeumen()

    def aufraeumen(self):
        """Ends the program if it still runs and removes the test's folder."""
        if self.prozess is not None and self.prozess.poll() is None:
            self.prozess.kill()
        if self.prozess is not None:
            self.prozess.wait()
        shutil.rmtree(self.ordner, ignore_errors=True)

    def anwendung(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in kinder(desktop):
            if app is not None and app.get_process_id() == self.prozess.pid:
                return app
        return None

    def finde_fenster(self):
        app = self.anwendung()
        for kind in kinder(app) if app else []:
            if rolle(kind) == "frame" and kind.name.endswith(TITEL):
                return kind
        return None

    def dialog(self):
        app = self.anwendung()
        for kind in kinder(app) if app else []:
            if rolle(kind) in ("dialog", "alert") and kind.getState().contains(pyatspi.STATE_SHOWING):
                return kind
        return None

    def suche(self, gesuchte_rolle, name=None, wurzel=None):
        for o in alle(wurzel or self.fenster, ("menu", "table", "menu bar")):
            if rolle(o) == gesuchte_rolle and (name is None or o.name == name):
                return o
        return None

    def tabelle(self):
        return self._tabelle

    def zeilen(self):
        return [z.name for z in kinder(self.tabelle()) if rolle(z) == "table cell"]

    def gewaehlt(self):
        auswahl = self.tabelle().querySelection()
        return auswahl.getSelectedChild(0).name if auswahl.nSelectedChildren > 0 else None

    def zeitraum(self):
        return self._zeitraum.queryText().getText(0, -1)

    def taste(self, taste):
        subprocess.run(["xdotool", "key", "--clearmodifiers", taste], check=True)
        time.sleep(0.3)

    def einstellungen(self):
        return ini_lesen(self.ini)

    def menue_eintraege(self, menue):
        """The names of the items of a menu of the menu bar (mnemonic marks are not part of them)."""
        leiste = self.suche("menu bar")
        for m in kinder(leiste):
            if rolle(m) == "menu" and m.name == menue:
                return [k.name for k in kinder(m)]
        return None

    def bildschirmfoto(self, datei):
        subprocess.run(["import", "-window", "root", datei], check=False)
