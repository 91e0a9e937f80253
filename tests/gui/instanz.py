"""Window test of the single instance: a second start hands its calendar to the running window, a
start without arguments brings the window to the front past another program's window, a close
command from outside runs the normal way out, commands are dropped while a dialog is open, a
second start gives up on a running program that does not answer, a killed program never blocks
the next start, and a channel folder open to others is refused. Prints the hand-over times it saw."""

import os
import signal
import subprocess
import sys
import time

from orvanto_fenster import Fehlschlag, Programm, alle, warte

TITEL_ZWEIT = "Zweit.ovk - Orvanto V1.03"
TITEL_ERST = "Termine.ovk - Orvanto V1.03"


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def kanal(p):
    return os.path.join(p.umgebung["XDG_RUNTIME_DIR"], "Orvanto")


def zweiter_start(p, *argumente, frist=30):
    """Starts the program again; gives its exit code, its error output and how long it ran."""
    anfang = time.monotonic()
    ergebnis = subprocess.run([p.programm, *argumente], env=p.umgebung, capture_output=True, text=True,
                              timeout=frist)
    return ergebnis.returncode, ergebnis.stderr.strip(), time.monotonic() - anfang


def uebergabe(p, zweit):
    """A calendar handed over: the running window shows it. The time runs from the second start to
    the first window's new caption, read every 10 ms through AT-SPI."""
    anfang = time.monotonic()
    zweite = subprocess.Popen([p.programm, zweit], env=p.umgebung, stderr=subprocess.PIPE, text=True)
    ende = anfang + 20
    while p.fenster.name != TITEL_ZWEIT and time.monotonic() < ende:
        time.sleep(0.01)
    gesehen = time.monotonic() - anfang
    pruefe(p.fenster.name == TITEL_ZWEIT, "caption after the hand-over: %r" % p.fenster.name)
    code = zweite.wait(30)
    beendet = time.monotonic() - anfang
    pruefe(code == 0, "second start: exit code %d, %r" % (code, zweite.stderr.read()))
    # Only the handed-over calendar has the daily "Termin 1".
    warte(lambda: any("Termin 1" in z for z in p.zeilen()), 10, "the handed-over calendar's lines")
    pruefe(os.listdir(kanal(p)) == [], "values left in the channel: %r" % os.listdir(kanal(p)))
    print("hand-over: second start to the first window's new caption %.0f ms (second start ended after %.0f ms)"
          % (gesehen * 1000, beendet * 1000))


def aktives_fenster():
    return subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True,
                          check=False).stdout.strip()


def nach_vorne(p):
    """Another program's window is active; a start without arguments activates the main window."""
    anderes = subprocess.Popen(["xmessage", "-title", "Anderes", "Anderes Fenster"])
    try:
        kennung = warte(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Anderes$"],
                                               capture_output=True, text=True, timeout=5).stdout.split(), 10,
                        "the other window")[0]
        subprocess.run(["xdotool", "windowactivate", "--sync", kennung], check=True)
        warte(lambda: aktives_fenster() == kennung, 10, "the other window active")
        anfang = time.monotonic()
        code, fehler, _ = zweiter_start(p)
        pruefe(code == 0, "start without arguments: exit code %d, %r" % (code, fehler))
        haupt = [k for k in subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(p.prozess.pid)],
                                           capture_output=True, text=True).stdout.split()]
        warte(lambda: aktives_fenster() in haupt, 10, "the main window active, got %r" % aktives_fenster())
        print("to the front: %.0f ms from the start without arguments" % ((time.monotonic() - anfang) * 1000))
        pruefe(p.fenster.name == TITEL_ZWEIT, "the front request changed the calendar: %r" % p.fenster.name)
    finally:
        anderes.kill()
        anderes.wait()


def schliessen_schreiben(p):
    """The close command as another program writes it: a temporary file renamed into place."""
    temp = os.path.join(kanal(p), ".test")
    with open(temp, "w") as datei:
        datei.write("1")
    os.rename(temp, os.path.join(kanal(p), "ProgramClose"))


def mit_dialog(p, erst):
    """A damaged calendar handed over is reported in a message box. While it is open a handed-over
    calendar and the close command are dropped; the box stays."""
    kaputt = os.path.join(p.ordner, "Kaputt.ovk")
    with open(kaputt, "wb") as datei:
        datei.write(b"OV_3\x01\x02")
    code, fehler, _ = zweiter_start(p, kaputt)
    pruefe(code == 0, "second start with a damaged calendar: exit code %d, %r" % (code, fehler))
    warte(p.dialog, 10, "the reader's message box")
    code, fehler, _ = zweiter_start(p, erst)
    pruefe(code == 0, "second start while a dialog is open: exit code %d, %r" % (code, fehler))
    schliessen_schreiben(p)
    warte(lambda: os.listdir(kanal(p)) == [], 5, "the close command taken")
    time.sleep(1)
    pruefe(p.prozess.poll() is None, "the program closed from under its message box")
    pruefe(p.dialog() is not None, "the message box went away")
    pruefe(p.fenster.name == TITEL_ZWEIT, "a calendar opened behind the message box: %r" % p.fenster.name)
    p.taste("Return")
    warte(lambda: p.dialog() is None, 10, "the message box closed")
    pruefe(p.fenster.name == TITEL_ZWEIT, "the damaged calendar replaced the open one: %r" % p.fenster.name)


def haengt(p, erst):
    """A running program that does not answer: the second start gives up in one German line, exit
    code 1, and its command does not act later."""
    os.kill(p.prozess.pid, signal.SIGSTOP)
    try:
        code, fehler, dauer = zweiter_start(p, erst)
    finally:
        os.kill(p.prozess.pid, signal.SIGCONT)
    pruefe(code == 1, "exit code %d towards a stopped program" % code)
    pruefe(fehler.startswith("Orvanto läuft bereits; ") and "\n" not in fehler, "message %r" % fehler)
    print("gave up after %.1f s: %s" % (dauer, fehler))
    pruefe(os.listdir(kanal(p)) == [], "the command was left in the channel: %r" % os.listdir(kanal(p)))
    time.sleep(1)
    pruefe(p.fenster.name == TITEL_ZWEIT, "the given-up command acted: %r" % p.fenster.name)


def schliessen(p):
    """The close command from outside closes the program as "Beenden" does."""
    schliessen_schreiben(p)
    try:
        code = p.prozess.wait(30)
    except subprocess.TimeoutExpired:
        raise Fehlschlag("the program did not close on the close command")
    pruefe(code == 0, "exit code after the close command: %d" % code)


def getoetet(programm, testkalender):
    """The lock of a killed program never blocks the next start."""
    with Programm(programm, testkalender) as p:
        p.prozess.kill()
        p.prozess.wait()
        p.prozess = p.starten()
        p.bereit()
        pruefe(p.fenster.name == TITEL_ERST, "caption after the restart: %r" % p.fenster.name)


def unsicherer_ordner(programm, testkalender):
    """A channel folder open to everyone is refused: the running program says so in a message box,
    and a second start in one line with exit code 1."""
    p = Programm(programm, testkalender)
    try:
        laufzeit = os.path.join(p.ordner, "run")
        os.makedirs(os.path.join(laufzeit, "Orvanto"))
        os.chmod(laufzeit, 0o700)
        os.chmod(os.path.join(laufzeit, "Orvanto"), 0o777)
        p.umgebung["XDG_RUNTIME_DIR"] = laufzeit
        p.prozess = p.starten()
        p.bereit()
        box = warte(p.dialog, 10, "the message about the channel folder")
        texte = " ".join(o.name for o in alle(box))
        pruefe("anderen Benutzern zugänglich" in texte, "message %r" % texte)
        p.taste("Return")
        warte(lambda: p.dialog() is None, 10, "the message closed")
        code, fehler, _ = zweiter_start(p, p.kalender)
        pruefe(code == 1 and "anderen Benutzern zugänglich" in fehler and "\n" not in fehler,
               "second start: exit code %d, %r" % (code, fehler))
        pruefe(os.listdir(os.path.join(laufzeit, "Orvanto")) == [], "a value was written into the folder")
        p.taste("alt+F4")
        pruefe(p.prozess.wait(30) == 0, "exit code after Alt+F4")
    finally:
        p.aufraeumen()


def main(programm, testkalender):
    with Programm(programm, testkalender) as p:
        zweit = os.path.join(p.ordner, "Zweit.ovk")
        subprocess.run([testkalender, zweit, "1"], check=True)
        pruefe(p.fenster.name == TITEL_ERST, "caption at the start: %r" % p.fenster.name)
        uebergabe(p, zweit)
        nach_vorne(p)
        mit_dialog(p, p.kalender)
        haengt(p, p.kalender)
        schliessen(p)
    getoetet(programm, testkalender)
    unsicherer_ordner(programm, testkalender)
    print("instance: all checks passed")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:3])
    except Fehlschlag as fehler:
        print("FAILED:", fehler)
        sys.exit(1)
