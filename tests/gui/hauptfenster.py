"""Window test of the main window: start on a fixture calendar on a fixed today, keys in the day
list, the view shortcuts, the single instance."""

import sys

from orvanto_fenster import Fehlschlag, Programm, warte

HEUTE = "W2  Mo 06.01.2025: \"Dreikönig\""


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def start_und_tasten(p):
    pruefe(p.fenster.name == "Termine.ovk - Orvanto V1.03", "caption: " + p.fenster.name)
    warte(lambda: p.gewaehlt() == HEUTE, 10, "today's line selected, got %r" % p.gewaehlt())
    pruefe(p.zeitraum() == "W2/2025", "period box: " + p.zeitraum())

    p.taste("Down")
    warte(lambda: p.gewaehlt() == "    Di 07.01.2025", 5, "Down to Tuesday, got %r" % p.gewaehlt())
    # The list keeps the focus, so the menu shortcuts must still arrive.
    for taste, zeitraum, anzahl in (("ctrl+j", "2025", 365), ("ctrl+m", "1/2025", 31),
                                    ("ctrl+w", "W2/2025", 7)):
        p.taste(taste)
        warte(lambda: p.zeitraum() == zeitraum, 5, "%s: period %r, got %r" % (taste, zeitraum, p.zeitraum()))
        warte(lambda: len(p.zeilen()) == anzahl, 5, "%s: %d lines, got %d" % (taste, anzahl, len(p.zeilen())))
        warte(lambda: p.gewaehlt().endswith("Di 07.01.2025"), 5,
              "%s keeps the place, got %r" % (taste, p.gewaehlt()))


def zweite_instanz(p):
    zweite = p.starten()
    try:
        zweite.wait(30)  # it ends by itself, without a window of its own
    except Exception:
        zweite.kill()
        raise
    pruefe(p.prozess.poll() is None, "the first instance runs on")


def main(programm, testkalender, foto):
    with Programm(programm, testkalender) as p:
        try:
            start_und_tasten(p)
            zweite_instanz(p)
        except Exception:
            p.bildschirmfoto(foto)
            raise
    print("main window: all checks passed")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:4])
    except Fehlschlag as fehler:
        print("FAILED:", fehler, "(screenshot: %s)" % sys.argv[3])
        sys.exit(1)
