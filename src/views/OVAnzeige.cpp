#include "views/OVAnzeige.h"

#include <algorithm>
#include <vector>

#include "model/Fehler.h"
#include "model/TDatenClass.h"
#include "model/Uhr.h"

namespace {

bool Komprimiert = false;

// The word for a date relative to AHeute; other dates as their date text.
std::string TagWort(TTag ADatum, TTag AHeute, bool AKomprimiertS) {
    switch (ADatum - AHeute) {
    case -2:
        return AKomprimiertS ? "vorg." : "vorgestern";
    case -1:
        return "gestern";
    case 0:
        return "heute";
    case 1:
        return "morgen";
    case 2:
        return AKomprimiertS ? "überm." : "übermorgen";
    default:
        return DatumText(ADatum);
    }
}

std::string Dateimarke(const TDatenClass& E) {
    return E.IdDatei == 0 ? std::string() : std::to_string(E.IdDatei) + "*";
}

// A line is built in one string: the views make tens of thousands of them at a time.
std::string TagAnfang(TTag ADatum) {
    std::string Zeile;
    Zeile.reserve(120);
    Zeile.append(WochentagKurz(ADatum)).append(" ").append(DatumText(ADatum));
    return Zeile;
}

std::string FeiertagZeile(const TDatenClass& E, const TDatumClass& r, bool AKomprimiertS) {
    std::string Zeile = TagAnfang(r.Datum);
    Zeile.append(": \"").append(E.Kurztext).append("\"");
    if (E.IdDatei != 0) {
        const std::string Datei = Dateimarke(E);
        if (AKomprimiertS) {
            Zeile.append("|").append(Datei);
        } else {
            Zeile.append(" | (").append(Datei).append(")");
        }
    }
    return Zeile;
}

std::string EintragZeile(const TDatenClass& E, std::int32_t ANr, TTag AHeute, bool AKomprimiertS) {
    const TDatumClass& r = E.DatumListe[ANr];
    std::string Zeile = TagAnfang(r.Datum);
    if (!r.GanzerTagS) {
        Zeile.append(" ").append(FormatDateTime(AKomprimiertS ? "h:nn" : "hh:nn", r.VonZeit()));
        if (!AKomprimiertS) {
            Zeile.append("h");
        }
    }
    Zeile.append(": ").append(E.Kurztext);
    if (E.CounterS) {
        Zeile.append(" (")
            .append(std::to_string(static_cast<std::int64_t>(E.CounterStart) + ANr))
            .append(")");
    }
    Zeile.append(AKomprimiertS ? "|" : " | (");
    Zeile.append(Dateimarke(E))
        .append(E.TagTyp == ttUrlaub ? "U" : "T")
        .append(IntervallKuerzel[E.AnzeigenTyp])
        .append(AktivZeichen[r.AktivTyp]);
    Zeile.append(AKomprimiertS ? "|" : ") | Von ").append(TagWort(r.VonDatum, AHeute, AKomprimiertS));
    Zeile.append(AKomprimiertS ? "-" : " bis ").append(TagWort(r.BisDatum, AHeute, AKomprimiertS));
    return Zeile;
}

std::vector<std::string_view> Woerter(std::string_view S) {
    std::vector<std::string_view> w;
    size_t i = 0;
    while (i < S.size()) {
        if (S[i] == ' ') {
            ++i;
            continue;
        }
        const size_t Ende = std::min(S.find(' ', i), S.size());
        w.push_back(S.substr(i, Ende - i));
        i = Ende;
    }
    return w;
}

} // namespace

void SetAnzeigeKomprimiert(bool AKomprimiertS) {
    Komprimiert = AKomprimiertS;
}

bool AnzeigeKomprimiert() {
    return Komprimiert;
}

std::string ZeilenText(const TDatenClass* ADatenClass, std::int32_t ANr) {
    return ZeilenText(ADatenClass, ANr, Komprimiert);
}

std::string ZeilenText(const TDatenClass* ADatenClass, std::int32_t ANr, bool AKomprimiertS) {
    return ZeilenText(ADatenClass, ANr, AKomprimiertS, TUhr::Heute());
}

std::string ZeilenText(const TDatenClass* ADatenClass, std::int32_t ANr, bool AKomprimiertS, TTag AHeute) {
    if (ADatenClass == nullptr) {
        return TagAnfang(ANr);
    }
    if (ANr < 0 || ANr >= ADatenClass->Count()) {
        throw EBereichsFehler("Ungültiger Datensatz.");
    }
    if (ADatenClass->TagTyp == ttFeiertag) {
        return FeiertagZeile(*ADatenClass, ADatenClass->DatumListe[ANr], AKomprimiertS);
    }
    return EintragZeile(*ADatenClass, ANr, AHeute, AKomprimiertS);
}

std::string WochentagKurz(TTag ADatum) {
    return KurzeTagesnamen[Wochentag(ADatum)];
}

int Kalenderwoche(TTag ADatum) {
    // The Thursday of the date's week decides the week's year.
    const TTag t = ADatum + 3 - (IsoWochentag(ADatum) - 1);
    return (t - EncodeDate(DecodeDate(t).Jahr, 1, 1)) / 7 + 1;
}

int TagDesJahres(TTag ADatum) {
    return ADatum - EncodeDate(DecodeDate(ADatum).Jahr, 1, 1) + 1;
}

TTag DatumAusZeile(std::string_view S) {
    const std::vector<std::string_view> w = Woerter(S);
    // With the calendar-week prefix the line starts with the week code and the weekday.
    std::string_view Wort;
    if (w.size() >= 2) {
        Wort = w[1].size() < 10 ? (w.size() >= 3 ? w[2] : std::string_view()) : w[1];
    }
    TTag Datum = 0;
    if (!DatumLesen(Wort.substr(0, 10), Datum)) {
        throw EKonvertierungsFehler("'" + std::string(Wort.substr(0, 10)) + "' ist kein gültiges Datum.");
    }
    return Datum;
}

std::string_view AbZweitemWort(std::string_view S) {
    size_t i = S.find_first_not_of(' ');
    if (i == std::string_view::npos) {
        return {};
    }
    i = S.find(' ', i);
    if (i == std::string_view::npos) {
        return {};
    }
    i = S.find_first_not_of(' ', i);
    return i == std::string_view::npos ? std::string_view() : S.substr(i);
}
