// Recurrence: an entry is stored expanded, one record per day of every occurrence up to the end of
// the calendar range. The generator repeats the template occurrence at the entry's interval.

#include "model/TDaten.h"

namespace {

int SchrittTage(TAnzeigenTyp ATyp) {
    switch (ATyp) {
    case at1Tag:
        return 1;
    case at1Woche:
        return 7;
    case at2Woche:
        return 14;
    case at3Woche:
        return 21;
    case at4Woche:
        return 28;
    default:
        return 0;
    }
}

int SchrittMonate(TAnzeigenTyp ATyp) {
    switch (ATyp) {
    case at1Monat:
        return 1;
    case at2Monat:
        return 2;
    case at3Monat:
        return 3;
    case at4Monat:
        return 4;
    case at6Monat:
        return 6;
    case at1Jahr:
        return 12;
    default:
        return 0;
    }
}

// Appends one occurrence: its days from R.Datum on, R itself unchanged.
void Ausgeben(TDatumListe& L, TDatumClass R) {
    const TTag Erster = R.Datum;
    for (int k = 0; k <= R.BisDatum - R.VonDatum; ++k) {
        R.Datum = Erster + k;
        L.push_back(R);
    }
}

// Upper bound of the records to come, so that the list grows once.
size_t Schaetzung(const TDatumClass& R, int ATage, int AMonate) {
    const size_t Laenge = R.BisDatum >= R.VonDatum ? static_cast<size_t>(R.BisDatum - R.VonDatum) + 1 : 0;
    size_t Vorkommen = 1;
    if (R.Datum <= KalenderEnde) {
        if (ATage > 0) {
            Vorkommen += static_cast<size_t>(KalenderEnde - R.Datum) / ATage;
        } else if (AMonate > 0) {
            Vorkommen += static_cast<size_t>(KalenderEnde - R.Datum) / (28 * AMonate) + 1;
        }
    }
    // Month steps can lengthen an occurrence by up to three days (a short month inside it).
    return Vorkommen * (Laenge + (AMonate > 0 ? 3 : 0));
}

} // namespace

void TDaten::DatumListeErstellen(TDatenClass& ADatenClass) {
    if (ADatenClass.Count() == 0) {
        return;
    }
    TDatumClass R = ADatenClass.DatumListe.front();
    const int Tage = SchrittTage(ADatenClass.AnzeigenTyp);
    const int Monate = SchrittMonate(ADatenClass.AnzeigenTyp);
    TDatumListe L;
    L.reserve(Schaetzung(R, Tage, Monate));
    Ausgeben(L, R);
    if (Tage > 0 && R.BisDatum == R.VonDatum && R.Datum == R.VonDatum) {
        // One-day occurrences, the common case, in a loop the compiler keeps tight.
        for (TTag t = R.Datum + Tage; t <= KalenderEnde; t += Tage) {
            R.Datum = R.VonDatum = R.BisDatum = t;
            L.push_back(R);
        }
    } else if (Tage > 0) {
        while (true) {
            R.Datum += Tage;
            R.VonDatum += Tage;
            R.BisDatum += Tage;
            if (R.Datum > KalenderEnde) {
                break;
            }
            Ausgeben(L, R);
        }
    } else if (Monate > 0) {
        // Every occurrence is computed from the template with the total number of months, so a
        // day clipped to a short month's end does not carry over to later months.
        const TTag D0 = R.Datum;
        const TTag V0 = R.VonDatum;
        const TTag B0 = R.BisDatum;
        for (int n = 1;; ++n) {
            R.Datum = IncMonth(D0, n * Monate);
            R.VonDatum = IncMonth(V0, n * Monate);
            R.BisDatum = IncMonth(B0, n * Monate);
            if (R.Datum > KalenderEnde) {
                break;
            }
            Ausgeben(L, R);
        }
    }
    auto Neu = std::make_unique<TDatenClass>();
    Neu->AssignInfos(ADatenClass);
    Neu->DatumListe = std::move(L);
    Hinzufuegen(std::move(Neu));
}
