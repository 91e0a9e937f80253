// The lines of one period of the calendar, with the view filters.
//
// Visible day records are first filed by day, then the period is emitted day by day. The cost
// depends on the number of entries and of visible records, not on the records stored: an
// entry's runs are ordered by their first day, so the first run that can reach the period (one
// starting at most the entry's longest run before it) is found by binary search, and the walk
// stops at the first run that starts after the period.

#include <algorithm>
#include <cstdio>
#include <limits>

#include "model/TDaten.h"
#include "model/Uhr.h"
#include "views/OVAnzeige.h"
#include "views/TZeile.h"

namespace {

using TTagesfaecher = std::vector<std::vector<TTagClass>>; // per day of the period

bool TypSichtbar(const TDatenClass& E, bool ABelegtS, bool AFeiertagS, bool AUrlaubS) {
    switch (E.TagTyp) {
    case ttTermin:
        return ABelegtS;
    case ttUrlaub:
        return AUrlaubS;
    default:
        return AFeiertagS;
    }
}

// Files the records of E that lie within AVon..ABis and not after the entry's limit.
void Einordnen(const TDatenClass& E, TTag AVon, TTag ABis, TTagesfaecher& AFaecher) {
    const TTag Ende = std::min(ABis, E.EndeDatum);
    if (Ende < AVon) {
        return;
    }
    const TDatumListe& L = E.DatumListe;
    const std::int32_t n = E.Count();
    // Runs that start earlier than this end before the period.
    const std::int64_t FruehesterAnfang = AVon - (E.LaengsterLauf() - 1);
    std::int32_t i = static_cast<std::int32_t>(
        std::partition_point(L.begin(), L.end(),
                             [&](const TDatumClass& r) { return r.VonDatum < FruehesterAnfang; }) -
        L.begin());
    while (i < n) {
        const TDatumClass& r = L[i];
        if (r.VonDatum > Ende) {
            break; // so do all later runs
        }
        // The rest of this run; a damaged length still moves on by at least one record.
        const std::int32_t Rest = std::clamp(r.BisDatum - r.Datum + 1, 1, n - i);
        if (r.BisDatum >= AVon) {
            for (std::int32_t k = i; k < i + Rest; ++k) {
                const TTag d = L[k].Datum;
                if (d >= AVon && d <= Ende) {
                    AFaecher[d - AVon].emplace_back(k, &E);
                }
            }
        }
        i += Rest;
    }
}

bool EinerAktiv(const std::vector<TTagClass>& ARefs) {
    return std::any_of(ARefs.begin(), ARefs.end(), [](const TTagClass& t) {
        return t.DatenClass->DatumListe[t.DatumNr].AktivTyp == avAktiv;
    });
}

// Puts the calendar-week code in front of the first line of each week, four spaces elsewhere.
class TWochenpraefix {
public:
    explicit TWochenpraefix(bool AKwocheS) : FKwocheS(AKwocheS) {}

    std::string Vor(TTag ADatum, std::string AText) {
        if (!FKwocheS) {
            return AText;
        }
        char Praefix[16] = "    ";
        // A new week starts only with a new day, so a day of many lines reckons its week once.
        if (ADatum != FLetzterTag) {
            FLetzterTag = ADatum;
            const int Woche = Kalenderwoche(ADatum);
            if (Woche != FLetzteWoche) {
                // The week code padded on the right to three characters, then a space: "W2  ", "W12 ".
                std::snprintf(Praefix, sizeof Praefix, "W%-2d ", Woche);
                FLetzteWoche = Woche;
            }
        }
        AText.insert(0, Praefix);
        return AText;
    }

private:
    bool FKwocheS;
    int FLetzteWoche = 0;
    TTag FLetzterTag = std::numeric_limits<TTag>::min();
};

} // namespace

std::vector<TZeile> TDaten::Items(const TVonBisClass* AVonBis, bool AUnbelegtS, bool ABelegtS,
                                  bool AFeiertagS, bool AUrlaubS, bool AKwocheS, bool AFreiS) {
    std::vector<TZeile> Zeilen;
    if (AVonBis == nullptr || AVonBis->Bis < AVonBis->Von) {
        return Zeilen;
    }
    const TTag Von = AVonBis->Von;
    const TTag Bis = AVonBis->Bis;
    TTagesfaecher Faecher(static_cast<size_t>(Bis - Von) + 1);
    for (const auto& E : Liste) {
        if (E->Count() > 0 && (AFreiS || TypSichtbar(*E, ABelegtS, AFeiertagS, AUrlaubS))) {
            Einordnen(*E, Von, Bis, Faecher);
        }
    }
    // Room for every line at once: a year holds tens of thousands, and growing the list step by
    // step would move them all again and again.
    size_t Anzahl = Faecher.size();
    for (const std::vector<TTagClass>& Refs : Faecher) {
        Anzahl += Refs.size();
    }
    Zeilen.reserve(Anzahl);
    const TTag Heute = TUhr::Heute();
    const bool Komprimiert = AnzeigeKomprimiert();
    TWochenpraefix Praefix(AKwocheS);
    for (TTag Tag = Von; Tag <= Bis; ++Tag) {
        const std::vector<TTagClass>& Refs = Faecher[Tag - Von];
        const bool Tageszeile = AFreiS ? !EinerAktiv(Refs) : Refs.empty() && (AUnbelegtS || Tag == Heute);
        if (Tageszeile) {
            std::string Text = ZeilenText(nullptr, Tag);
            if (Tag == Heute) {
                Text += ": Heute";
            }
            Zeilen.push_back(TZeile{Praefix.Vor(Tag, std::move(Text)), nullptr});
        }
        for (const TTagClass& t : Refs) {
            if (AFreiS && t.DatenClass->TagTyp != ttFeiertag) {
                continue;
            }
            Zeilen.push_back(TZeile{Praefix.Vor(Tag, ZeilenText(t.DatenClass, t.DatumNr, Komprimiert, Heute)),
                                    std::make_unique<TTagClass>(t)});
        }
    }
    return Zeilen;
}
