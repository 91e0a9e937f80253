#include "calendarfiles/TGeladenForm.h"

#include "controls/TFensterMasse.h"
#include "model/TDaten.h"
#include "model/TGeladenClass.h"
#include "platform/Pfadteile.h"
#include "platform/TMeldungsPort.h"

namespace {
constexpr int Rand = TFensterMasse::Rand;
} // namespace

std::vector<std::string> TGeladenForm::Zeilen() const {
    std::vector<std::string> Ergebnis;
    for (const TGeladenRec& Datei : GeladenRef.GeladenListe) {
        Ergebnis.push_back(DateinameTeil(Datei.Filename) + " (" + std::to_string(Datei.IdDatei) + "*)");
    }
    return Ergebnis;
}

bool TGeladenForm::EntfernenErlaubt() const {
    return GeladenRef.Count() > 0;
}

bool TGeladenForm::Entfernen(int ANr, TMeldungsPort& APort) {
    if (ANr < 0 || ANr >= GeladenRef.Count()) {
        return false;
    }
    const std::string Frage = "Soll die Datei \"" + Zeilen()[ANr] + "\" aus der Liste entfernt werden?";
    if (APort.Zeige(maBestaetigung, Frage, mkJaNein) == maNein) {
        return false;
    }
    // File id 0 is the main calendar's: a registration carrying it must not take the user's own
    // entries with it.
    const std::int32_t IdDatei = GeladenRef.GeladenListe[ANr].IdDatei;
    if (IdDatei > 0) {
        DatenRef.DeleteIdDatei(IdDatei);
    }
    GeladenRef.DeleteNr(ANr);
    return true;
}

TGeladenForm::TLage TGeladenForm::Layout(const TMasse& AMasse) {
    const int B = AMasse.SchalterWidth;
    const int H = AMasse.SchalterHeight;
    TLage Lage;
    Lage.ClientWidth = 5 * B;
    Lage.Liste = {Rand, Rand, Lage.ClientWidth - 2 * Rand, 5 * H};
    Lage.Entfernen = {B, Lage.Liste.Bottom() + Rand, B, H};
    Lage.Schliessen = {3 * B, Lage.Liste.Bottom() + Rand, B, H};
    Lage.ClientHeight = Lage.Entfernen.Bottom() + Rand;
    return Lage;
}
