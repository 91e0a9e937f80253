"""Accessibility of the main window through AT-SPI: the application's name, the day list's lines
are the table's items, the selected line after start is today's, every focusable control has a
name, and the period box's arrow button takes no Tab stop."""

import sys

import pyatspi

from orvanto_fenster import Fehlschlag, Programm, alle, rolle, warte


def benannt(objekt):
    if objekt.name:
        return True
    return any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in objekt.getRelationSet())


def main(programm, testkalender, foto):
    with Programm(programm, testkalender) as p:
        try:
            # Orca's braille line starts with the application's name.
            if p.anwendung().name != "Orvanto":
                raise Fehlschlag("the application is named %r" % p.anwendung().name)
            # The name sits on the table that takes the focus, not on its scroll pane.
            tabelle = warte(lambda: next((o for o in alle(p.fenster, ("menu",)) if rolle(o) == "table"
                                          and o.getState().contains(pyatspi.STATE_FOCUSED)), None),
                            10, "a focused table")
            if tabelle.name != "Kalendertage":
                raise Fehlschlag("the focused table is named %r" % tabelle.name)
            erwartet = ["W2  Mo 06.01.2025: \"Dreikönig\"", "    Di 07.01.2025",
                        "    Mi 08.01.2025: Zahnarzt | (T1E+) | Von übermorgen bis übermorgen",
                        "    Do 09.01.2025", "    Fr 10.01.2025", "    Sa 11.01.2025", "    So 12.01.2025"]
            if p.zeilen() != erwartet:
                raise Fehlschlag("lines read through AT-SPI: %r" % p.zeilen())
            warte(lambda: p.gewaehlt() == erwartet[0], 10, "today's line selected, got %r" % p.gewaehlt())

            ohne_namen = [(rolle(o), o.name) for o in alle(p.fenster, ("menu",))
                          if o.getState().contains(pyatspi.STATE_FOCUSABLE)
                          and o.getState().contains(pyatspi.STATE_SHOWING) and not benannt(o)]
            if ohne_namen:
                raise Fehlschlag("focusable controls without a name: %r" % ohne_namen)
            knoepfe = [o for o in alle(p.suche("combo box"), ("menu",))
                       if rolle(o) in ("push button", "toggle button")
                       and o.getState().contains(pyatspi.STATE_FOCUSABLE)]
            if knoepfe:
                raise Fehlschlag("the period box's arrow is a Tab stop")
        except Exception:
            p.bildschirmfoto(foto)
            raise
    print("main window accessibility: all checks passed")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:4])
    except Fehlschlag as fehler:
        print("FAILED:", fehler, "(screenshot: %s)" % sys.argv[3])
        sys.exit(1)
