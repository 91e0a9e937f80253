#pragma once

// The message boxes of the core, written to the error stream: in a terminal every message the
// core shows is an error of the run. A question is answered "No": nothing changes unasked.

#include <ostream>

#include "platform/TMeldungsPort.h"
#include "text/TextZeilen.h"

class TTextMeldungsPort : public TMeldungsPort {
public:
    explicit TTextMeldungsPort(std::ostream& AFehler) : FFehler(AFehler) {}

    // How many error messages were shown.
    int Fehler() const { return FAnzahlFehler; }

    TMeldungsAntwort Zeige(TMeldungsArt AArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) override {
        TextZeilenAusgeben(FFehler, AText);
        if (AArt == maFehler) {
            ++FAnzahlFehler;
        }
        return AKnoepfe == mkOK ? maOK : maNein;
    }

private:
    std::ostream& FFehler;
    int FAnzahlFehler = 0;
};
