#pragma once

// The modal message boxes the core and the behaviour classes ask, answered by the window layer
// (or recorded by tests). Captions and button texts are the window layer's business.

#include <string>
#include <vector>

enum TMeldungsArt { maFehler, maWarnung, maInformation, maBestaetigung };
enum TMeldungsKnoepfe { mkOK, mkJaNein, mkJaNeinAbbrechen, mkJaNeinAlle, mkJaNeinAbbrechenAlle };
enum TMeldungsAntwort { maOK, maJa, maNein, maAbbrechen, maAlle };

// The answers of the buttons a box with AKnoepfe shows, one per button. A box answers with one of
// them and with nothing else; the window layer makes its buttons from this list.
std::vector<TMeldungsAntwort> KnopfAntworten(TMeldungsKnoepfe AKnoepfe);

// The answer of a box closed with Escape or its close button: the harmless one (No where there is
// no Cancel, so that a question with "&Alle" is not taken as a yes to all).
TMeldungsAntwort EscapeAntwort(TMeldungsKnoepfe AKnoepfe);

// Asks the running program's message box; without one nothing is confirmed (maAbbrechen).
TMeldungsAntwort Frage(TMeldungsArt AArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe);

class TMeldungsPort {
public:
    virtual ~TMeldungsPort() = default;
    virtual TMeldungsAntwort Zeige(TMeldungsArt AArt, const std::string& AText,
                                   TMeldungsKnoepfe AKnoepfe) = 0;

    // The port of the running program; null while none is set (messages are then not shown).
    static TMeldungsPort* Aktiv();
    static void Setze(TMeldungsPort* APort);
};
