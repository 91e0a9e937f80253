#include "tools/Feiertagsregeln.h"

#include <charconv>
#include <stdexcept>

#include "model/TDaten.h"
#include "model/Trim.h"

namespace {

constexpr std::string_view OsterWort = "Ostern";
// Easter-bound holidays lie within a few months of Easter; a larger distance is a typing error.
constexpr int GroessterVersatz = 200;
constexpr int ErstesJahr = 1900;
constexpr int LetztesJahr = 2100;

// A whole number that fills AText exactly, or false.
bool ZahlLesen(std::string_view AText, int& AZahl) {
    if (AText.empty()) {
        return false;
    }
    const auto [Ende, Fehler] = std::from_chars(AText.data(), AText.data() + AText.size(), AZahl);
    return Fehler == std::errc() && Ende == AText.data() + AText.size();
}

// "Ostern", "Ostern+N" or "Ostern-N".
bool OsterregelLesen(std::string_view ARegel, TFeiertagsregel& AZiel) {
    if (!ARegel.starts_with(OsterWort)) {
        return false;
    }
    std::string_view Rest = ARegel.substr(OsterWort.size());
    int Versatz = 0;
    if (!Rest.empty()) {
        const bool Minus = Rest.front() == '-';
        if (!Minus && Rest.front() != '+') {
            return false;
        }
        if (!ZahlLesen(Rest.substr(1), Versatz) || Versatz > GroessterVersatz) {
            return false;
        }
        Versatz = Minus ? -Versatz : Versatz;
    }
    AZiel.OsterS = true;
    AZiel.Versatz = Versatz;
    return true;
}

// "TT.MM." of a day that exists in every year (so not 29.02.).
bool FesteRegelLesen(std::string_view ARegel, TFeiertagsregel& AZiel) {
    const std::size_t Punkt = ARegel.find('.');
    if (Punkt == std::string_view::npos || !ARegel.ends_with('.')) {
        return false;
    }
    int Tag = 0;
    int Monat = 0;
    const std::string_view MonatText = ARegel.substr(Punkt + 1, ARegel.size() - Punkt - 2);
    constexpr int GemeinJahr = 2001;
    if (!ZahlLesen(ARegel.substr(0, Punkt), Tag) || !ZahlLesen(MonatText, Monat) ||
        !IstGueltigesDatum(GemeinJahr, Monat, Tag)) {
        return false;
    }
    AZiel.Tag = Tag;
    AZiel.Monat = Monat;
    return true;
}

TFeiertagsregel ZeileLesen(std::string_view AZeile, int ANr) {
    const auto Fehler = [ANr](const std::string& AText) {
        return std::runtime_error("Zeile " + std::to_string(ANr) + ": " + AText);
    };
    const std::size_t Trenner = AZeile.find(';');
    if (Trenner == std::string_view::npos) {
        throw Fehler("Regel und Name müssen durch \";\" getrennt sein.");
    }
    const std::string_view Regel = Trim(AZeile.substr(0, Trenner));
    TFeiertagsregel Ergebnis;
    Ergebnis.Name = std::string(Trim(AZeile.substr(Trenner + 1)));
    if (Ergebnis.Name.empty()) {
        throw Fehler("Der Name fehlt.");
    }
    if (!OsterregelLesen(Regel, Ergebnis) && !FesteRegelLesen(Regel, Ergebnis)) {
        throw Fehler("Unbekannte Regel \"" + std::string(Regel) + "\".");
    }
    return Ergebnis;
}

TDatenClass Feiertagseintrag(const TFeiertagsregel& ARegel, std::int32_t AId) {
    TDatenClass e;
    e.Id = AId;
    e.Kurztext = ARegel.Name;
    e.TagTyp = ttFeiertag;
    e.EndeDatum = KalenderEnde;
    return e;
}

TDatumClass Ganztag(TTag ATag) {
    TDatumClass r;
    r.Datum = ATag;
    r.VonDatum = ATag;
    r.BisDatum = ATag;
    r.GanzerTagS = true;
    return r;
}

} // namespace

TTag Ostersonntag(int AJahr) {
    const int a = AJahr % 19;
    const int b = AJahr / 100;
    const int c = AJahr % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int Summe = h + l - 7 * m + 114;
    return EncodeDate(AJahr, Summe / 31, Summe % 31 + 1);
}

TTag FeiertagImJahr(const TFeiertagsregel& ARegel, int AJahr) {
    return ARegel.OsterS ? Ostersonntag(AJahr) + ARegel.Versatz : EncodeDate(AJahr, ARegel.Monat, ARegel.Tag);
}

std::vector<TFeiertagsregel> FeiertagsregelnLesen(std::string_view ATabelle) {
    std::vector<TFeiertagsregel> Regeln;
    int Nr = 0;
    while (!ATabelle.empty()) {
        const std::size_t Ende = ATabelle.find('\n');
        const std::string_view Zeile = Trim(ATabelle.substr(0, Ende));
        ATabelle = Ende == std::string_view::npos ? std::string_view() : ATabelle.substr(Ende + 1);
        ++Nr;
        if (!Zeile.empty() && !Zeile.starts_with('#')) {
            Regeln.push_back(ZeileLesen(Zeile, Nr));
        }
    }
    return Regeln;
}

void FeiertageErstellen(const std::vector<TFeiertagsregel>& ARegeln, TDaten& ADaten) {
    for (const TFeiertagsregel& Regel : ARegeln) {
        TDatenClass e = Feiertagseintrag(Regel, ADaten.NewId());
        if (!Regel.OsterS) {
            e.AnzeigenTyp = at1Jahr;
            e.Add(Ganztag(FeiertagImJahr(Regel, ErstesJahr)));
            ADaten.Add(TTagClass(0, &e));
            continue;
        }
        // "Einmalig": every day stands alone, so nothing ever regenerates them at a fixed step.
        for (int Jahr = ErstesJahr; Jahr <= LetztesJahr; ++Jahr) {
            const TTag Tag = FeiertagImJahr(Regel, Jahr);
            if (Tag >= KalenderAnfang && Tag <= KalenderEnde) {
                e.Add(Ganztag(Tag));
            }
        }
        ADaten.Add(e);
    }
}
