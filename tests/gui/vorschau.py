"""Window tests of the start-up preview: started with "/systemstartup" on a day without entries the
program ends by itself; on a day with an entry it shows the preview of today, whose "&Beenden" ends
the program and whose "S&chließen" leaves it running. The test calendar has the holiday Dreikönig
on 6.1.2025 (holidays are no events) and the appointment Zahnarzt on 8.1.2025."""

import sys

from orvanto_fenster import Fehlschlag, Programm, warte


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def ohne_ereignis(programm, testkalender):
    for heute in ("06.01.2025", "07.01.2025"):
        p = Programm(programm, testkalender, heute=heute)
        try:
            p.prozess = p.starten("/systemstartup")
            try:
                code = p.prozess.wait(60)
            except Exception:
                raise Fehlschlag("%s: the program did not end by itself" % heute)
            pruefe(code == 0, "%s: exit code %d" % (heute, code))
        finally:
            p.aufraeumen()


def vorschau(p):
    dialog = warte(p.dialog, 30, "the preview of today")
    pruefe(dialog.name == "Vorschau von heute", "dialog %r" % dialog.name)
    return dialog


def mit_ereignis(programm, testkalender):
    p = Programm(programm, testkalender, heute="08.01.2025")
    try:
        p.prozess = p.starten("/systemstartup")
        p.bereit()
        vorschau(p)
        p.taste("alt+b")
        try:
            code = p.prozess.wait(30)
        except Exception:
            raise Fehlschlag("the program did not end after Beenden")
        pruefe(code == 0, "exit code after Beenden: %d" % code)
    finally:
        p.aufraeumen()
    p = Programm(programm, testkalender, heute="08.01.2025")
    try:
        p.prozess = p.starten("/systemstartup")
        p.bereit()
        vorschau(p)
        p.taste("alt+c")
        warte(lambda: p.dialog() is None, 10, "the preview closed")
        pruefe(p.prozess.poll() is None, "the program ended after Schliessen")
        pruefe(any("Zahnarzt" in z for z in p.zeilen()), "the day list without today's entry")
        p.taste("alt+F4")
        pruefe(p.prozess.wait(30) == 0, "exit code after Alt+F4")
    finally:
        p.aufraeumen()


def main(programm, testkalender):
    ohne_ereignis(programm, testkalender)
    mit_ereignis(programm, testkalender)
    print("vorschau: all checks passed")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:3])
    except Fehlschlag as fehler:
        print("FAILED:", fehler)
        sys.exit(1)
