#include "info/TInfosTexte.h"

#include <algorithm>

#include "astro/Moon.h"
#include "info/InfoTextHilfen.h"
#include "model/TDatenClass.h"
#include "model/Textvergleich.h"
#include "views/OVAnzeige.h"

namespace {

int JahrVon(TDateTime AZeitpunkt) {
    return DecodeDate(TagVon(AZeitpunkt)).Jahr;
}

// The phases of APhase whose local time lies in AJahr, one "dd.mm.yyyy hh:mm Uhr" line each.
std::string PhasenListe(const TZeitzone& AZeitzone, TMoonPhase APhase, int AJahr) {
    // Local midnight of 1 January lies up to 14 hours on either side of Universal midnight, so
    // the search starts a day early; phases still in the previous local year are passed over.
    TDateTime Suche = EncodeDate(AJahr, 1, 1) - 1;
    std::string Liste;
    while (JahrVon(Suche) <= AJahr) {
        const TDateTime Phase = FollowingPhase(APhase, Suche);
        const TDateTime Lokal = AZeitzone.UtcToLocal(Phase);
        // Phases are weeks apart: a day after this one lies before the next in any time zone.
        Suche = Phase + 1;
        if (JahrVon(Lokal) > AJahr)
            break;
        if (JahrVon(Lokal) == AJahr)
            Liste += FormatDateTime("dd.mm.yyyy hh:mm\" Uhr\"", Lokal) + "\r\n";
    }
    return Liste;
}

// Text order as the holiday list sorts: letter case ignored, then the exact bytes.
bool TextVor(const std::string& A, const std::string& B) {
    const std::u32string a = Kleinbuchstaben(A);
    const std::u32string b = Kleinbuchstaben(B);
    return a != b ? a < b : A < B;
}

} // namespace

std::string TInfosTexte::MondphasenInText(int AJahr) const {
    return "Neumond:\r\n" + PhasenListe(FZeitzone, TMoonPhase::mpNewMoon, AJahr) + "\r\nVollmond:\r\n" +
           PhasenListe(FZeitzone, TMoonPhase::mpFullMoon, AJahr);
}

std::string TInfosTexte::FeiertageInText(const TDaten& ADaten, int AJahr) {
    std::vector<std::string> Zeilen;
    for (std::int32_t i = 0; i < ADaten.Count(); ++i) {
        const TDatenClass& E = ADaten[i];
        if (E.TagTyp != ttFeiertag)
            continue;
        for (const TDatumClass& r : E.DatumListe)
            if (DecodeDate(r.Datum).Jahr == AJahr)
                Zeilen.push_back(FormatDateTime("yyyy.mm.dd", r.Datum) + " " + WochentagKurz(r.Datum) +
                                 "., " + DatumText(r.Datum) + ": " + E.Kurztext + " [" + E.Langtext + "]");
    }
    // The leading "yyyy.mm.dd" key sorts the lines by date and is cut off afterwards.
    std::stable_sort(Zeilen.begin(), Zeilen.end(), TextVor);
    for (std::string& Zeile : Zeilen)
        Zeile.erase(0, Zeile.find(' ') + 1);
    return ZeilenVerbinden(Zeilen);
}

std::string TInfosTexte::KalenderInText(const TZeilenliste& ALb) {
    std::vector<std::string> Zeilen;
    Zeilen.reserve(ALb.size());
    for (const TZeile& Zeile : ALb) {
        const TDatenClass* E = Zeile.TagClass ? Zeile.TagClass->DatenClass : nullptr;
        Zeilen.push_back(E && !E->Langtext.empty() ? Zeile.Text + " | [" + E->Langtext + "]" : Zeile.Text);
    }
    return ZeilenVerbinden(Zeilen);
}
