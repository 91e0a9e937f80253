#pragma once

// Builders for entries and a fixed clock, shared by the view tests.

#include <gtest/gtest.h>

#include "model/TDaten.h"
#include "model/Uhr.h"
#include "views/OVAnzeige.h"

inline TTag D(int ATag, int AMonat, int AJahr) {
    return EncodeDate(AJahr, AMonat, ATag);
}

// The records of one occurrence from AVon to ABis.
inline TDatumListe Vorkommen(TTag AVon, TTag ABis, TAktivTyp AAktiv = avAktiv, double AVonZeit = 0.0,
                             bool AGanzerTagS = true) {
    TDatumListe l;
    for (TTag t = AVon; t <= ABis; ++t) {
        TDatumClass r;
        r.Datum = t;
        r.VonDatum = AVon;
        r.BisDatum = ABis;
        r.AktivTyp = AAktiv;
        r.VonZeitSetzen(AVonZeit);
        r.GanzerTagS = AGanzerTagS;
        l.push_back(r);
    }
    return l;
}

// A whole-day entry of the main file made of the given occurrences, visible up to KalenderEnde.
inline TDatenClass Eintrag(const std::string& AKurztext, const std::vector<std::pair<TTag, TTag>>& AVorkommen,
                           TTagTyp ATyp = ttTermin, TAktivTyp AAktiv = avAktiv) {
    TDatenClass e;
    e.Kurztext = AKurztext;
    e.TagTyp = ATyp;
    e.EndeDatum = KalenderEnde;
    for (const auto& [Von, Bis] : AVorkommen) {
        e.AddDatumListe(Vorkommen(Von, Bis, AAktiv));
    }
    return e;
}

// Adds an entry generated from one template occurrence at interval ATyp.
inline void Erzeuge(TDaten& ADaten, const std::string& AKurztext, TAnzeigenTyp ATyp, TTag AVon, TTag ABis,
                    TTagTyp ATagTyp = ttTermin) {
    TDatenClass Vorlage = Eintrag(AKurztext, {{AVon, ABis}}, ATagTyp);
    Vorlage.DatumListe.resize(1);
    Vorlage.AnzeigenTyp = ATyp;
    ADaten.Add(TTagClass(0, &Vorlage));
}

// Today is Monday 6.1.2025 (10:00) unless a test moves the clock; the compressed form is off.
class MitUhr : public ::testing::Test {
protected:
    void SetUp() override {
        TUhr::Festhalten(D(6, 1, 2025) + 10.0 / 24);
        SetAnzeigeKomprimiert(false);
    }
    void TearDown() override {
        TUhr::Stellen({});
        SetAnzeigeKomprimiert(false);
    }
};
