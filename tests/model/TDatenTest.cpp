#include "model/TDaten.h"
#include "model/TGeladenClass.h"
#include "model/TGemerktClass.h"
#include "model/TSpeicherstand.h"
#include "model/Uhr.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "ModellHilfen.h"

namespace {

TDatenClass MitId(std::int32_t AId, std::int32_t AIdDatei, const char* AText = "Arzt") {
    TDatenClass e = Eintrag({{D(1, 1, 2025), D(1, 1, 2025)}}, AText, AId);
    e.IdDatei = AIdDatei;
    return e;
}

// One entry imported the plain way, every step a walk over the calendar.
void PlainImport(TDaten& ADaten, const TDatenClass& A) {
    const TDatenClass* Vorhanden = ADaten.FindeIdentInfosDatenClass(&A, true);
    const auto AlsNeu = [&](TDatenClass E) {
        E.Id = ADaten.NewId();
        E.IdDatei = 0;
        ADaten.Add(E);
    };
    if (Vorhanden == nullptr) {
        if (A.Count() > 0) {
            AlsNeu(A);
        }
        return;
    }
    if (Vorhanden->IdentDatumListe(&A)) {
        return;
    }
    TDatenClass Neu(A);
    for (const TDatenClass& e : ADaten.Eintraege()) {
        if (e.IdentInfos(&A, true)) {
            Neu.ClearDoppelte(e);
        }
    }
    if (Neu.Count() == 0) {
        return;
    }
    if (Vorhanden->DatumCrash(Neu)) {
        AlsNeu(Neu);
        return;
    }
    Neu.AddDatumListe(Vorhanden->DatumListe);
    Neu.Sort();
    ADaten.Aendern(*Vorhanden, [&](TDatenClass& e) { e.Assign(Neu.DatumListe); });
}

} // namespace

TEST(TDaten, NewIdSkipsOnlyMainFileIds) {
    TDaten Daten;
    EXPECT_EQ(Daten.NewId(), 0);
    for (auto [Id, Datei] : {std::pair{0, 0}, {1, 0}, {3, 0}, {2, 1}}) {
        Daten.Add(MitId(Id, Datei));
    }
    EXPECT_EQ(Daten.NewId(), 2);
    Daten.Add(MitId(2, 0));
    EXPECT_EQ(Daten.NewId(), 4);
}

TEST(TDaten, DeletesByIndexAndByFile) {
    TDaten Daten;
    for (auto [Id, Datei] : {std::pair{0, 0}, {0, 1}, {1, 0}, {0, 2}}) {
        Daten.Add(MitId(Id, Datei));
    }
    Daten.Delete(-1);
    Daten.Delete(4);
    EXPECT_EQ(Daten.Count(), 4);
    Daten.DeleteIdDatei(-1);
    EXPECT_EQ(Daten.Count(), 4);
    Daten.DeleteIdDatei(0);
    ASSERT_EQ(Daten.Count(), 2);
    EXPECT_EQ(Daten[0].IdDatei, 1);
    Daten.Delete(0);
    EXPECT_EQ(Daten[0].IdDatei, 2);
}

TEST(TDaten, FindsEntries) {
    TDaten Daten;
    Daten.Add(MitId(0, 0, "Ärzte"));
    Daten.Add(MitId(0, 1, "Straße"));
    EXPECT_EQ(Daten.FindeDatenClassNr(MitId(0, 1)), 1);
    EXPECT_EQ(Daten.FindeDatenClassNr(MitId(1, 0)), -1);
    EXPECT_TRUE(Daten.FindeKurztext("äRZTE"));
    EXPECT_TRUE(Daten.FindeKurztext("STRAßE"));
    EXPECT_FALSE(Daten.FindeKurztext("Ärzt"));
    EXPECT_FALSE(Daten.FindeKurztext("Ärztee"));
    EXPECT_EQ(Daten.FindeIdentInfosDatenClass(nullptr, false), nullptr);
    TDatenClass Gesucht = MitId(7, 0, "Ärzte");
    EXPECT_EQ(Daten.FindeIdentInfosDatenClass(&Gesucht, true), &Daten[0]);
    EXPECT_EQ(Daten.FindeIdentInfosDatenClass(&Gesucht, false), nullptr);
}

TEST(TDaten, AssignMakesADeepCopy) {
    TDaten a;
    a.Add(MitId(0, 0));
    TDaten b(a);
    b.Aendern(b[0], [](TDatenClass& e) { e.DatumListe[0].AktivTyp = avDeaktiv; });
    EXPECT_EQ(a[0].DatumListe[0].AktivTyp, avAktiv);
    b.Assign(b);
    EXPECT_EQ(b.Count(), 1);
    b.Add(&b); // adding itself changes nothing
    b.Add(nullptr);
    EXPECT_EQ(b.Count(), 1);
}

TEST(TDaten, IdentComparesMainFileEntriesInAnyOrder) {
    TDaten Gespeichert;
    Gespeichert.Add(MitId(0, 0));
    Gespeichert.Add(MitId(1, 0, "Zahnarzt"));
    Gespeichert.Add(MitId(0, 1, "Feiertag"));

    TDaten Arbeit;
    Arbeit.Add(MitId(1, 0, "Zahnarzt"));
    Arbeit.Add(MitId(0, 0));
    TDatenClass Leer = MitId(5, 0);
    Leer.ClearDatumListe();
    Arbeit.Add(Leer); // empty entries take no part
    EXPECT_TRUE(Arbeit.Ident(&Gespeichert, false));
    EXPECT_FALSE(Arbeit.Ident(nullptr, false));

    TDaten Verloren;
    Verloren.Add(MitId(0, 0));
    EXPECT_FALSE(Verloren.Ident(&Gespeichert, false)); // the saved copy has an entry the working one lost
    EXPECT_FALSE(Gespeichert.Ident(&Verloren, false));

    Arbeit.Aendern(Arbeit[0], [](TDatenClass& e) { e.Langtext = "geändert"; });
    EXPECT_FALSE(Arbeit.Ident(&Gespeichert, false));

    TDaten Doppelt;
    Doppelt.Add(MitId(0, 0));
    Doppelt.Add(MitId(0, 0));
    EXPECT_FALSE(Verloren.Ident(&Doppelt, false));
}

// The comparison with the saved state reads only the entries changed since it was set, and agrees
// with the full comparison (against a copy taken when it was set) whatever changed, as every change
// goes through the collection.
TEST(TDaten, TheSavedStateComparisonAgreesWithTheFullOne) {
    using TAenderung = std::function<void(TDaten&)>;
    const TDatenClass Kino = Eintrag({{D(9, 1, 2025), D(10, 1, 2025)}}, "Kino", 1);
    struct TFall {
        const char* Name;
        TAenderung Aendern;
        bool Ident;
    };
    const TFall Faelle[] = {
        {"nothing", [](TDaten&) {}, true},
        {"a record changed",
         [](TDaten& d) { d.Aendern(d[0], [](TDatenClass& e) { e.DatumListe[1].AktivTyp = avDeaktiv; }); },
         false},
        {"a record changed and changed back",
         [](TDaten& d) {
             d.Aendern(d[0], [](TDatenClass& e) { e.DatumListe[1].VonZeitSetzen(0.5); });
             d.Aendern(d[0], [](TDatenClass& e) { e.DatumListe[1].VonZeitSetzen(0); });
         },
         true},
        {"the limit changed",
         [](TDaten& d) { d.Aendern(d[1], [](TDatenClass& e) { e.EndeDatum = D(1, 1, 2030); }); }, false},
        {"a run deleted", [](TDaten& d) { d.Aendern(d[0], [](TDatenClass& e) { e.Delete(0); }); }, false},
        {"an entry added",
         [](TDaten& d) {
             d.Add(Eintrag({{D(1, 2, 2025), D(1, 2, 2025)}}, "Neu", 2));
         },
         false},
        {"an entry removed and another with its id added",
         [&](TDaten& d) {
             d.Delete(1);
             TDatenClass Neu = Kino;
             Neu.Assign(Vorkommen(D(11, 1, 2025), D(12, 1, 2025)));
             d.Add(Neu);
         },
         false},
        {"an entry removed and added again as it was",
         [&](TDaten& d) {
             d.Delete(1);
             d.Add(Kino);
         },
         true},
        {"an entry removed and one of another file imported under its id",
         [&](TDaten& d) {
             d.Delete(1);
             TDatenClass Fremd = Kino;
             Fremd.Id = 7;
             Fremd.IdDatei = 1;
             Fremd.Assign(Vorkommen(D(11, 1, 2025), D(12, 1, 2025)));
             d.Import(Fremd);
         },
         false},
        {"the expired runs marked for deletion purged", [](TDaten& d) { d.DeleteLoeschfunktion(); }, false},
        {"the entries replaced with others of the same ids and sizes, as a file load does",
         [&](TDaten& d) {
             TDaten Andere;
             Andere.Add(Eintrag({{D(1, 3, 2025), D(1, 3, 2025)}, {D(3, 3, 2025), D(3, 3, 2025)}}, "Arzt", 0));
             TDatenClass K = Kino;
             K.Assign(Vorkommen(D(4, 3, 2025), D(5, 3, 2025)));
             Andere.Add(K);
             d.Tauschen(Andere);
         },
         false},
        {"exchanged with another calendar and back",
         [](TDaten& d) {
             TDaten Andere;
             Andere.Add(Eintrag({{D(1, 3, 2025), D(1, 3, 2025)}}, "Arzt", 0));
             d.Tauschen(Andere);
             d.Tauschen(Andere);
         },
         true},
        {"exchanged with an equal calendar",
         [](TDaten& d) {
             TDaten Gleich(d);
             d.Tauschen(Gleich);
         },
         true},
        {"exchanged, then an entry it took changed",
         [](TDaten& d) {
             TDaten Gleich(d);
             d.Tauschen(Gleich);
             d.Aendern(d[1], [](TDatenClass& e) { e.Langtext = "neu"; });
         },
         false},
        {"two entries swap their ids",
         [](TDaten& d) {
             d.Aendern(d[0], [](TDatenClass& e) { e.Id = 1; });
             d.Aendern(d[1], [](TDatenClass& e) { e.Id = 0; });
         },
         false},
        {"an entry moved to another file and back",
         [](TDaten& d) {
             d.Aendern(d[1], [](TDatenClass& e) { e.IdDatei = 4; });
             d.Aendern(d[1], [](TDatenClass& e) { e.IdDatei = 0; });
         },
         true},
        {"an entry of another file deleted and one of the main file added in its stead",
         [&](TDaten& d) {
             TDaten Datei;
             Datei.Add(MitId(0, 4, "Ostern"));
             d.Aendern(d[1], [](TDatenClass& e) { e.IdDatei = 4; });
             d.DateiErsetzen(4, Datei);
             TDatenClass K = Kino;
             d.Add(K);
         },
         true},
        {"a loaded file's entries replaced",
         [](TDaten& d) {
             TDaten Datei;
             Datei.Add(MitId(0, 4, "Ostern"));
             d.DateiErsetzen(4, Datei);
         },
         true},
        {"all entries cleared and given again",
         [&](TDaten& d) {
             const TDaten Vorher(d);
             d.Assign(Vorher);
         },
         true},
        {"an entry emptied", [](TDaten& d) { d.Aendern(d[1], [](TDatenClass& e) { e.ClearDatumListe(); }); },
         false},
    };
    TUhr::Festhalten(D(20, 1, 2025));
    for (const TFall& f : Faelle) {
        TDaten Arbeit;
        TDatenClass Arzt =
            Eintrag({{D(7, 1, 2025), D(7, 1, 2025)}, {D(14, 1, 2025), D(14, 1, 2025)}}, "Arzt", 0);
        Arzt.DatumListe[0].LoeschenS = true; // expired and marked for deletion
        Arbeit.Add(Arzt);
        Arbeit.Add(Kino);
        TSpeicherstand Stand;
        Stand.VollkopieHalten();
        Arbeit.SpeicherkopieSetzen(Stand);
        f.Aendern(Arbeit);
        EXPECT_EQ(Arbeit.Ident(&Stand.Vollkopie(), false), f.Ident) << f.Name;
        EXPECT_EQ(Arbeit.IdentSpeicherkopie(Stand), f.Ident) << f.Name;
        // Saving again makes the calendar as it is now the saved one.
        Arbeit.SpeicherkopieSetzen(Stand);
        EXPECT_TRUE(Arbeit.IdentSpeicherkopie(Stand)) << f.Name;
        Arbeit.Add(MitId(9, 0));
        EXPECT_FALSE(Arbeit.IdentSpeicherkopie(Stand)) << f.Name;
    }
    TUhr::Stellen({});
}

// The saved state holds no copy of an entry that did not change: its saved entries are the
// calendar's own until one changes, and the changed one's saved state is its state before the
// first change, however often it changes after.
TEST(TDaten, TheSavedStateCopiesOnlyChangedEntries) {
    TDaten Arbeit;
    Arbeit.Add(MitId(0, 0));
    Arbeit.Add(MitId(1, 0, "Kino"));
    Arbeit.Add(MitId(0, 3, "Feiertag"));
    TSpeicherstand Stand;
    Arbeit.SpeicherkopieSetzen(Stand);
    const auto Gespeichert = [&] { return Stand.GespeicherteEintraege(Arbeit); };
    EXPECT_EQ(Gespeichert(), (std::vector<const TDatenClass*>{&Arbeit[0], &Arbeit[1], &Arbeit[2]}));

    Arbeit.Aendern(Arbeit[1], [](TDatenClass& e) { e.Kurztext = "Theater"; });
    Arbeit.Aendern(Arbeit[1], [](TDatenClass& e) { e.Kurztext = "Oper"; });
    std::vector<const TDatenClass*> Jetzt = Gespeichert();
    ASSERT_EQ(Jetzt.size(), 3u);
    EXPECT_EQ(Jetzt[0], &Arbeit[0]);
    EXPECT_NE(Jetzt[1], &Arbeit[1]);
    EXPECT_EQ(Jetzt[1]->Kurztext, "Kino");
    EXPECT_EQ(Jetzt[2], &Arbeit[2]);

    // Removed entries keep their saved state; an added one has none, nor has a removed entry of
    // a loaded file, which the comparison leaves out.
    Arbeit.Delete(2);
    Arbeit.Delete(0);
    Arbeit.Add(MitId(2, 0, "Neu"));
    Jetzt = Gespeichert();
    ASSERT_EQ(Jetzt.size(), 2u);
    EXPECT_EQ(Jetzt[0]->Kurztext, "Kino");
    EXPECT_EQ(Jetzt[1]->Kurztext, "Arzt");
    EXPECT_FALSE(Arbeit.IdentSpeicherkopie(Stand));
}

// A saved state that was never set for the calendar is that of an empty calendar, as before the
// first load; a calendar whose entries are all of loaded files equals it.
TEST(TDaten, AStateNeverSetIsTheEmptyCalendar) {
    TDaten Arbeit;
    const TSpeicherstand Nie;
    Arbeit.Add(MitId(0, 3, "Feiertag"));
    EXPECT_TRUE(Arbeit.IdentSpeicherkopie(Nie));
    Arbeit.Add(MitId(0, 0));
    EXPECT_FALSE(Arbeit.IdentSpeicherkopie(Nie));
}

// The operations that hand entries over, remove one by its address or change one: each leaves
// the saved-state comparison agreeing with the full one, and one that is given an entry the
// calendar does not hold changes nothing.
TEST(TDaten, EntriesChangeOnlyThroughTheCollection) {
    TDaten Arbeit;
    Arbeit.Add(MitId(0, 0));
    Arbeit.Add(MitId(0, 3, "Feiertag"));
    Arbeit.Add(MitId(1, 0, "Kino"));
    TSpeicherstand Stand;
    Stand.VollkopieHalten();
    Arbeit.SpeicherkopieSetzen(Stand);

    const TDatenClass Fremd = MitId(0, 0);
    Arbeit.Aendern(Fremd, [](TDatenClass& e) { e.Kurztext = "nie"; });
    Arbeit.Delete(Fremd);
    EXPECT_FALSE(Arbeit.Enthaelt(&Fremd));
    EXPECT_TRUE(Arbeit.Enthaelt(&Arbeit[1]));
    ASSERT_EQ(Arbeit.Count(), 3);
    EXPECT_TRUE(Arbeit.IdentSpeicherkopie(Stand));

    // A file's entries replaced: the main file's stay in order, the new ones follow.
    TDaten Geladen;
    Geladen.Add(MitId(0, 3, "Ostern"));
    Geladen.Add(MitId(1, 3, "Pfingsten"));
    Arbeit.DateiErsetzen(3, Geladen);
    EXPECT_EQ(Geladen.Count(), 0);
    ASSERT_EQ(Arbeit.Count(), 4);
    EXPECT_EQ(Arbeit[1].Kurztext, "Kino");
    EXPECT_EQ(Arbeit[2].Kurztext, "Ostern");
    EXPECT_EQ(Arbeit[3].Kurztext, "Pfingsten");
    EXPECT_TRUE(Arbeit.IdentSpeicherkopie(Stand));

    // Exchanged with another calendar whose "Kino" starts later; the entries Arbeit gave away
    // live on in the other calendar and may change there without a trace in Arbeit's state.
    TDaten Anderer;
    Anderer.Add(MitId(0, 0));
    Anderer.Add(MitId(1, 0, "Kino"));
    Anderer.Aendern(Anderer[1], [](TDatenClass& e) { e.DatumListe[0].VonZeitSetzen(0.25); });
    Arbeit.Tauschen(Anderer);
    EXPECT_EQ(Anderer.Count(), 4);
    EXPECT_FALSE(Arbeit.Ident(&Stand.Vollkopie(), false));
    EXPECT_FALSE(Arbeit.IdentSpeicherkopie(Stand));
    Anderer.Aendern(Anderer[1], [](TDatenClass& e) { e.DatumListe[0].VonZeitSetzen(0.25); });
    Arbeit.Aendern(Arbeit[1], [](TDatenClass& e) { e.DatumListe[0].VonZeitSetzen(0); });
    EXPECT_TRUE(Arbeit.Ident(&Stand.Vollkopie(), false));
    EXPECT_TRUE(Arbeit.IdentSpeicherkopie(Stand));
}

TEST(TDaten, ImportMergesOrAddsAsTheRulesSay) {
    const TTag t1 = D(1, 3, 2025), t2 = D(8, 3, 2025), t3 = D(15, 3, 2025);
    struct Fall {
        const char* Was;
        TDatenClass Neu;
        std::vector<std::vector<TTag>> Erwartet; // run starts of every entry afterwards
        std::vector<std::int32_t> Ids;
    } Faelle[] = {
        {"identical records", Eintrag({{t1, t1}, {t3, t3}}), {{t1, t3}}, {0}},
        {"missing occurrences merged in date order", Eintrag({{t1, t1}, {t2, t2}}), {{t1, t2, t3}}, {0}},
        {"occurrence on an occupied day",
         Eintrag({{t1, t1}, {t2, t2}, {t3, D(16, 3, 2025)}}),
         {{t1, t3}, {t2, t3}},
         {0, 1}},
        {"short text differs in case", Eintrag({{t1, t1}}, "arzt"), {{t1, t3}, {t1}}, {0, 1}},
        {"empty import", Eintrag({}, "Neu"), {{t1, t3}}, {0}},
        {"new entry", Eintrag({{t2, t2}}, "Neu", 7), {{t1, t3}, {t2}}, {0, 1}},
    };
    for (auto& f : Faelle) {
        TDaten Daten;
        TDatenClass Vorhanden = Eintrag({{t1, t1}, {t3, t3}});
        Vorhanden.CounterS = true;
        Daten.Add(Vorhanden);
        f.Neu.IdDatei = 3;
        Daten.Import(f.Neu);
        ASSERT_EQ(Daten.Count(), static_cast<std::int32_t>(f.Erwartet.size())) << f.Was;
        for (std::int32_t i = 0; i < Daten.Count(); ++i) {
            EXPECT_EQ(Anfaenge(Daten[i]), f.Erwartet[i]) << f.Was << " entry " << i;
            EXPECT_EQ(Daten[i].Id, f.Ids[i]) << f.Was;
            EXPECT_EQ(Daten[i].IdDatei, 0) << f.Was;
        }
        EXPECT_TRUE(Daten[0].CounterS) << f.Was << ": the existing entry keeps its attributes";
        // Importing the same entry again changes nothing.
        TDaten Nachher(Daten);
        Daten.Import(f.Neu);
        EXPECT_TRUE(Daten.Ident(&Nachher, false)) << f.Was;
        EXPECT_EQ(Daten.Count(), Nachher.Count()) << f.Was;
    }
}

// Importing a whole file's entries gives what importing them one after the other the plain way
// gives: few kinds, so that entries merge, collide, repeat and meet the parts an earlier import
// added as entries of their own; loaded-file entries of the same kind, empty entries and gaps in
// the ids on both sides.
TEST(TDaten, ImportOfManyEntriesAsOneByOne) {
    std::mt19937 Zufall(20250301);
    const auto Zahl = [&](int AVon, int ABis) {
        return std::uniform_int_distribution<int>(AVon, ABis)(Zufall);
    };
    const char* Texte[] = {"Arzt", "arzt", "Kino", "Chor"};
    const auto Zufallseintrag = [&] {
        std::vector<std::pair<TTag, TTag>> Vorkommen;
        for (TTag Tag = D(1, 1, 2025) + Zahl(0, 20); Tag < D(1, 4, 2025); Tag += Zahl(1, 30)) {
            const TTag Bis = Tag + Zahl(0, 2);
            Vorkommen.emplace_back(Tag, Bis);
            Tag = Bis;
        }
        TDatenClass e = Eintrag(Vorkommen, Texte[Zahl(0, 3)], Zahl(0, 30));
        e.TagTyp = static_cast<TTagTyp>(Zahl(0, 1));
        for (TDatumClass& r : e.DatumListe) {
            r.AktivTyp = Zahl(0, 5) == 0 ? avDeaktiv : avAktiv;
        }
        if (Zahl(0, 15) == 0) {
            e.ClearDatumListe();
        }
        return e;
    };
    for (int Runde = 0; Runde < 60; ++Runde) {
        TDaten Kalender;
        for (int n = Zahl(0, 12); n > 0; --n) {
            TDatenClass e = Zufallseintrag();
            e.IdDatei = Zahl(0, 3) == 0 ? 2 : 0;
            Kalender.Add(e);
        }
        TDaten Datei;
        for (int n = Zahl(0, 40); n > 0; --n) {
            // Some entries come twice or as a part of an earlier one.
            TDatenClass Neu =
                Datei.Count() > 0 && Zahl(0, 4) == 0 ? Datei[Zahl(0, Datei.Count() - 1)] : Zufallseintrag();
            if (Zahl(0, 5) == 0 && Neu.Count() > 1) {
                Neu.DatumListe.resize(static_cast<std::size_t>(Neu.DatumListe[0].Laenge()));
            }
            Datei.Add(Neu);
        }
        TDaten Einzeln(Kalender);
        for (const TDatenClass& e : Datei.Eintraege()) {
            PlainImport(Einzeln, e);
        }
        Kalender.Import(Datei);
        ASSERT_EQ(Kalender.Count(), Einzeln.Count()) << "Runde " << Runde;
        for (std::int32_t i = 0; i < Kalender.Count(); ++i) {
            EXPECT_TRUE(Kalender[i].Ident(&Einzeln[i], false)) << "Runde " << Runde << " entry " << i;
        }
    }
}

TEST(TDaten, ImportOfOneOccurrence) {
    TDatenClass Quelle =
        Eintrag({{D(1, 1, 2025), D(1, 1, 2025)}, {D(30, 12, 2025), D(2, 1, 2026)}}, "Urlaub");
    Quelle.IdDatei = 2;
    TDaten Daten;
    Daten.Import(TTagClass(3, &Quelle));
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_EQ(Daten[0].Count(), 4);
    EXPECT_EQ(Daten[0].DatumListe[0].Datum, D(30, 12, 2025));
    EXPECT_EQ(Daten[0].Kurztext, "Urlaub");
    EXPECT_EQ(Daten[0].IdDatei, 0);
}

TEST(TDaten, DeleteFunctionRemovesExpiredMarkedRuns) {
    TUhr::Festhalten(D(10, 1, 2025) + 0.3);
    TDatenClass e;
    e.EndeDatum = KalenderEnde;
    e.AddDatumListe(Vorkommen(D(1, 1, 2025), D(3, 1, 2025), avAktiv, true)); // expired, 3 days
    TDatumListe Teilweise = Vorkommen(D(5, 1, 2025), D(6, 1, 2025), avAktiv, true);
    Teilweise[1].LoeschenS = false;
    e.AddDatumListe(Teilweise);                                                // only some days marked
    e.AddDatumListe(Vorkommen(D(7, 1, 2025), D(7, 1, 2025), avAktiv, false));  // not marked
    e.AddDatumListe(Vorkommen(D(8, 1, 2025), D(9, 1, 2025), avAktiv, true));   // expired, 2 days
    e.AddDatumListe(Vorkommen(D(10, 1, 2025), D(10, 1, 2025), avAktiv, true)); // ends today
    TDaten Daten;
    Daten.Add(e);
    TDatenClass Geladen = e;
    Geladen.IdDatei = 1;
    Daten.Add(Geladen);
    TDatenClass NurAbgelaufen;
    NurAbgelaufen.AddDatumListe(Vorkommen(D(1, 1, 2020), D(1, 1, 2020), avAktiv, true));
    Daten.Add(NurAbgelaufen);

    EXPECT_EQ(Daten.CountLoeschfunktion(), 6);
    Daten.DeleteLoeschfunktion();
    EXPECT_EQ(Anfaenge(Daten[0]), (std::vector<TTag>{D(5, 1, 2025), D(7, 1, 2025), D(10, 1, 2025)}));
    EXPECT_EQ(Daten[1].Count(), e.Count()); // loaded files are never purged
    EXPECT_EQ(Daten[2].Count(), 0);         // stays until DeleteLeere
    EXPECT_EQ(Daten.CountLoeschfunktion(), 0);
    Daten.DeleteLeere();
    EXPECT_EQ(Daten.Count(), 2);
    TUhr::Stellen({});
}

TEST(TGeladenClass, Registry) {
    TDaten Daten;
    TGeladenClass Geladen(&Daten, "");
    EXPECT_EQ(Geladen.Count(), 0);
    EXPECT_EQ(Geladen.NewIdDatei(), 1);
    TGeladenClass MitDatei(&Daten, "/home/a/Feiertage.OVF");
    ASSERT_EQ(MitDatei.Count(), 1);
    EXPECT_EQ(MitDatei.GeladenListe[0].IdDatei, 1);

    Geladen.Add("/home/a/Eins.OVK", 1);
    Geladen.Add("/home/a/Drei.OVK", 3);
    EXPECT_EQ(Geladen.NewIdDatei(), 2);
    EXPECT_EQ(Geladen.Exists("/HOME/A/drei.ovk"), 3);
    EXPECT_EQ(Geladen.Exists("/home/a/Zwei.OVK"), -1);
    Geladen.Delete(-1);
    Geladen.DeleteNr(5);
    EXPECT_EQ(Geladen.Count(), 2);
    Geladen.Delete(1);
    EXPECT_EQ(Geladen.NewIdDatei(), 1);
    Geladen.DeleteNr(0);
    EXPECT_EQ(Geladen.Count(), 0);
    EXPECT_EQ(Daten.Count(), 0);
}

TEST(TGemerktClass, StartsAsAnEmptyCopy) {
    TGemerktClass Gemerkt;
    EXPECT_EQ(Gemerkt.DatumNr, -1);
    EXPECT_TRUE(Gemerkt.KopierenS);
    EXPECT_EQ(Gemerkt.DatenClass, nullptr);
    ASSERT_NE(Gemerkt.Datums, nullptr);
    EXPECT_EQ(Gemerkt.Datums->Count(), 0);
}
