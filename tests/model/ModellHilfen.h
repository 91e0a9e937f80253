#pragma once

// Small builders for entries and day records in tests.

#include <vector>

#include "model/TDaten.h"

inline TTag D(int ATag, int AMonat, int AJahr) {
    return EncodeDate(AJahr, AMonat, ATag);
}

// The records of one occurrence from AVon to ABis.
inline TDatumListe Vorkommen(TTag AVon, TTag ABis, TAktivTyp AAktiv = avAktiv, bool ALoeschenS = false) {
    TDatumListe l;
    for (TTag t = AVon; t <= ABis; ++t) {
        TDatumClass d;
        d.Datum = t;
        d.VonDatum = AVon;
        d.BisDatum = ABis;
        d.AktivTyp = AAktiv;
        d.LoeschenS = ALoeschenS;
        l.push_back(d);
    }
    return l;
}

// An entry made of the given occurrences (first day, last day), in this order.
inline TDatenClass Eintrag(const std::vector<std::pair<TTag, TTag>>& AVorkommen,
                           const char* AKurztext = "Arzt", std::int32_t AId = 0) {
    TDatenClass e;
    e.Kurztext = AKurztext;
    e.Id = AId;
    e.EndeDatum = KalenderEnde;
    for (const auto& [Von, Bis] : AVorkommen) {
        e.AddDatumListe(Vorkommen(Von, Bis));
    }
    return e;
}

// The first days of the runs of an entry.
inline std::vector<TTag> Anfaenge(const TDatenClass& e) {
    std::vector<TTag> a;
    e.FuerJedenLauf([&](std::int32_t AStart, std::int32_t) { a.push_back(e.DatumListe[AStart].VonDatum); });
    return a;
}

// The entry that the generator makes from one template occurrence.
inline TDatenClass Erzeugt(TAnzeigenTyp ATyp, TTag AVon, TTag ABis) {
    TDatenClass Vorlage = Eintrag({{AVon, ABis}});
    Vorlage.DatumListe.resize(1);
    Vorlage.AnzeigenTyp = ATyp;
    TDaten Daten;
    Daten.Add(TTagClass(0, &Vorlage));
    return Daten.Count() == 1 ? Daten[0] : TDatenClass();
}
