#include "entries/TEintragBefehle.h"

#include <algorithm>

#include "entries/EintragFakes.h"
#include "views/OVAnzeige.h"
#include "views/TFakeSteuerung.h"
#include "views/TTagesliste.h"
#include "views/ViewsHilfen.h"

namespace {

// Today is Monday 6.1.2025. The day list shows the week of today and has the focus; every
// question is answered from the script.
class EintragBefehle : public MitUhr {
protected:
    TDaten Daten;
    TFakeSteuerung Steuerung;
    TTagesliste Liste{Daten, Steuerung};
    TSkriptMeldungen Meldungen;
    TFakeEditor Editor{Meldungen};
    TEintragBefehle Befehle{Daten, Liste, Steuerung, Editor};

    void SetUp() override {
        MitUhr::SetUp();
        TMeldungsPort::Setze(&Meldungen);
        Liste.SpringeZuDatum(TUhr::Heute(), "");
    }
    void TearDown() override {
        TMeldungsPort::Setze(nullptr);
        MitUhr::TearDown();
    }

    // AEintrag added under its position as id.
    const TDatenClass& Neu(TDatenClass AEintrag) {
        AEintrag.Id = Daten.Count();
        Daten.Add(AEintrag);
        return Daten[Daten.Count() - 1];
    }
    // An entry generated from one occurrence at interval ATyp.
    const TDatenClass& Erzeugt(const std::string& AKurztext, TAnzeigenTyp ATyp, TTag AVon, TTag ABis) {
        Erzeuge(Daten, AKurztext, ATyp, AVon, ABis);
        const TDatenClass& E = Daten[Daten.Count() - 1];
        Daten.Aendern(E, [&](TDatenClass& e) { e.Id = Daten.Count() - 1; });
        return E;
    }

    // Shows ADatum and selects its line of AKurztext ("" for the day's first line).
    void Waehle(TTag ADatum, const std::string& AKurztext = "") {
        Liste.SpringeZuDatum(ADatum, "");
        for (std::size_t i = 0; i < Steuerung.Zeilen.size(); ++i) {
            const std::string& z = Steuerung.Zeilen[i];
            if (DatumAusZeile(z) == ADatum &&
                (AKurztext.empty() || z.find(": " + AKurztext + " |") != std::string::npos)) {
                Steuerung.ZeilenNr = static_cast<std::int32_t>(i);
                return;
            }
        }
        FAIL() << "no line of " << AKurztext;
    }
    void Antworten(std::initializer_list<TMeldungsAntwort> AAntworten) {
        Meldungen.Antworten.assign(AAntworten);
    }
    bool Enabled(TMenueBefehl ABefehl) const { return Befehle.MenueZustand(ABefehl).EnabledS; }
    // The first days of AEintrag's occurrences with their activation ('+' or '-').
    static std::vector<std::pair<TTag, char>> Laeufe(const TDatenClass& AEintrag, std::size_t AAnzahl) {
        std::vector<std::pair<TTag, char>> l;
        AEintrag.FuerJedenLauf([&](std::int32_t p, std::int32_t) {
            if (l.size() < AAnzahl) {
                const TDatumClass& d = AEintrag.DatumListe[p];
                l.emplace_back(d.VonDatum, d.AktivTyp == avAktiv ? '+' : '-');
            }
        });
        return l;
    }
    const TDatenClass* Finde(const std::string& AKurztext) const {
        for (const TDatenClass& e : Daten.Eintraege()) {
            if (e.Kurztext == AKurztext) {
                return &e;
            }
        }
        return nullptr;
    }
};

bool Enthaelt(const std::string& AText, const std::string& ATeil) {
    return AText.find(ATeil) != std::string::npos;
}

} // namespace

// ---- new entry ----

TEST_F(EintragBefehle, NewEntryStartsOnTheSelectedDayAndSelectsItsLine) {
    Neu(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    Waehle(D(9, 1, 2025));
    Editor.Eingabe = [](TNeuForm::TFelder& f) { f.Kurztext = "Zahnarzt"; };
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenueBefehl(mbNeu));
    EXPECT_EQ(Editor.GezeigteFelder.Von, D(9, 1, 2025));
    EXPECT_EQ(Editor.GezeigteGrenzen.GrenzeMin, D(9, 1, 2025));
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0],
              "Soll der folgende Termin erstellt werden?\r\n\"Do 09.01.2025: Zahnarzt | (T1E+) | "
              "Von 09.01.2025 bis 09.01.2025\"")
        << "the editor's question, with the line in straight quotes";
    ASSERT_EQ(Daten.Count(), 2);
    const TDatenClass& e = Daten[1];
    EXPECT_EQ(e.Id, 1);
    EXPECT_EQ(e.IdDatei, 0);
    EXPECT_EQ(e.Count(), 1);
    EXPECT_EQ(Steuerung.Aktuell(), "    Do 09.01.2025: Zahnarzt | (T1E+) | Von 09.01.2025 bis 09.01.2025");
    EXPECT_EQ(Steuerung.Fokus, "Zeilen");
}

TEST_F(EintragBefehle, NewEntryWithoutSelectedLineStartsToday) {
    Steuerung.ZeilenNr = -1;
    Editor.Eingabe = [](TNeuForm::TFelder& f) {
        f.Kurztext = "Joggen";
        f.Intervall = at1Tag;
    };
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenuAktNeuClick());
    EXPECT_EQ(Editor.GezeigteFelder.Von, D(6, 1, 2025));
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_EQ(Daten[0].DatumListe.back().Datum, KalenderEnde) << "daily occurrences up to the calendar's end";
    EXPECT_TRUE(Enthaelt(Steuerung.Aktuell(), "06.01.2025: Joggen"));
}

// The short-text question and the final question decide, in turn, whether anything is made.
TEST_F(EintragBefehle, NewEntryQuestions) {
    struct Fall {
        const char* Kurztext;
        std::vector<TMeldungsAntwort> Antworten;
        int Fragen;
        int Eintraege;
    };
    const Fall Faelle[] = {
        {"Kino", {maJa}, 1, 2},        // a new short text: only the final question
        {"Kino", {maNein}, 1, 1},      // Nein closes without creating
        {"Kino", {maAbbrechen}, 1, 1}, // Abbrechen keeps the editor open: nothing yet
        {"ARZT", {maJa, maJa}, 2, 2},  // the short text exists (letter case aside): go on anyway
        {"arzt", {maNein}, 1, 1},      // ... or not
    };
    for (const Fall& f : Faelle) {
        Daten.Clear();
        Neu(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
        Meldungen.Texte.clear();
        Waehle(D(7, 1, 2025));
        Editor.Eingabe = [&](TNeuForm::TFelder& Felder) { Felder.Kurztext = f.Kurztext; };
        Meldungen.Antworten.assign(f.Antworten.begin(), f.Antworten.end());
        Befehle.MenuAktNeuClick();
        EXPECT_EQ(static_cast<int>(Meldungen.Texte.size()), f.Fragen) << f.Kurztext;
        EXPECT_EQ(Daten.Count(), f.Eintraege) << f.Kurztext;
        if (f.Fragen == 2) {
            EXPECT_EQ(Meldungen.Texte[0],
                      std::string("Der Kurztext \"") + f.Kurztext +
                          "\" ist bereits vorhanden!\r\nSoll trotzdem fortgesetzt werden?");
        }
    }
}

// ---- edit ----

TEST_F(EintragBefehle, EditOffersTheGapBetweenTheNeighbouringOccurrences) {
    Erzeugt("Miete", at1Monat, D(31, 1, 2025), D(31, 1, 2025));
    Waehle(D(31, 3, 2025), "Miete");
    Editor.Eingabe = [](TNeuForm::TFelder&) {};
    Befehle.MenuAktBearbeitenClick(); // nothing changed: the editor says so and stays open
    EXPECT_EQ(Editor.Form.Caption(), "Eintrag bearbeiten");
    EXPECT_EQ(Editor.GezeigteGrenzen.VonMin, D(1, 3, 2025))
        << "the day after the previous occurrence (28.2.)";
    EXPECT_EQ(Editor.GezeigteGrenzen.VonMax, D(29, 4, 2025)) << "the day before the next one (30.4.)";
    EXPECT_FALSE(Editor.GezeigteGrenzen.IntervallEnabledS);
    EXPECT_EQ(Meldungen.Texte, std::vector<std::string>{"Es wurde keine Änderung vorgenommen!"});
}

// A monthly entry from 31.1.: its third occurrence (31.3.) moves to 30.3.
TEST_F(EintragBefehle, MovingAnOccurrenceOfTheMonthlyEntryFrom31January) {
    struct Fall {
        TMeldungsAntwort Antwort;
        std::vector<std::pair<TTag, char>> Laeufe;
    };
    const Fall Faelle[] = {
        // This run only: the others keep their days.
        {maNein,
         {{D(31, 1, 2025), '+'},
          {D(28, 2, 2025), '+'},
          {D(30, 3, 2025), '+'},
          {D(30, 4, 2025), '-'},
          {D(31, 5, 2025), '+'},
          {D(30, 6, 2025), '-'},
          {D(31, 7, 2025), '+'}}},
        // All following: made anew monthly from 30.3., the deactivated runs (4th, 6th) stay so in order.
        {maJa,
         {{D(31, 1, 2025), '+'},
          {D(28, 2, 2025), '+'},
          {D(30, 3, 2025), '+'},
          {D(30, 4, 2025), '-'},
          {D(30, 5, 2025), '+'},
          {D(30, 6, 2025), '-'},
          {D(30, 7, 2025), '+'}}},
    };
    for (const Fall& f : Faelle) {
        Daten.Clear();
        const TDatenClass& e = Erzeugt("Miete", at1Monat, D(31, 1, 2025), D(31, 1, 2025));
        const std::int32_t Anzahl = e.Count();
        Daten.Aendern(e, [](TDatenClass& Miete) {
            Miete.DatumListe[3].AktivTyp = avDeaktiv;
            Miete.DatumListe[5].AktivTyp = avDeaktiv;
        });
        Waehle(D(31, 3, 2025), "Miete");
        Editor.Eingabe = [](TNeuForm::TFelder& Felder) { Felder.Von = D(30, 3, 2025); };
        Meldungen.Texte.clear();
        Antworten({f.Antwort});
        ASSERT_TRUE(Befehle.MenuAktBearbeitenClick());
        ASSERT_EQ(Meldungen.Texte.size(), 1u);
        EXPECT_EQ(Meldungen.Texte[0],
                  "Sollen sich die Änderungen auch auf folgende dazugehörige Einträge auswirken?\r\n"
                  "Mit \"Ja\" werden alle nachfolgenden Eintrege gelöscht und neu erzeugt.\r\n"
                  "Ja=Auch folgende; Nein=Nur aktuellen");
        ASSERT_EQ(Daten.Count(), 1);
        EXPECT_EQ(Laeufe(Daten[0], 7), f.Laeufe) << f.Antwort;
        EXPECT_EQ(Daten[0].Count(), Anzahl);
        EXPECT_EQ(Daten[0].AnzeigenTyp, at1Monat) << "the entry stays monthly";
        EXPECT_TRUE(Enthaelt(Steuerung.Aktuell(), "So 30.03.2025: Miete")) << Steuerung.Aktuell();
    }
}

// A longer occurrence with Ja: the states follow occurrence by occurrence, not record by record.
TEST_F(EintragBefehle, LengtheningAWeeklyOccurrenceKeepsTheStatesByOccurrence) {
    const TDatenClass& e = Erzeugt("Kurs", at1Woche, D(6, 1, 2025), D(7, 1, 2025));
    Daten.Aendern(e, [](TDatenClass& Kurs) {
        Kurs.DatumListe[4].AktivTyp = avDeaktiv; // the third occurrence, 20.-21.1.
        Kurs.DatumListe[5].AktivTyp = avDeaktiv;
    });
    Waehle(D(14, 1, 2025), "Kurs");
    Editor.Eingabe = [](TNeuForm::TFelder& f) { f.Dauer = 3; };
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenuAktBearbeitenClick());
    const TDatenClass& n = Daten[0];
    EXPECT_EQ(
        Laeufe(n, 4),
        (std::vector<std::pair<TTag, char>>{
            {D(6, 1, 2025), '+'}, {D(13, 1, 2025), '+'}, {D(20, 1, 2025), '-'}, {D(27, 1, 2025), '+'}}));
    EXPECT_EQ(n.DatumListe[2].Laenge(), 3);
    EXPECT_EQ(n.DatumListe[7].AktivTyp, avDeaktiv) << "all three days of the third occurrence";
    EXPECT_EQ(n.DatumListe[7].Datum, D(22, 1, 2025));
}

// The time of the third occurrence of a daily entry changes: Nein this one, Ja from it on, Alle all.
TEST_F(EintragBefehle, ChangingTheTimeOfOneOccurrence) {
    struct Fall {
        TMeldungsAntwort Antwort;
        std::vector<bool> Geaendert; // the first five records
        bool LetzterGeaendert;
    };
    const Fall Faelle[] = {
        {maNein, {false, false, true, false, false}, false},
        {maJa, {false, false, true, true, true}, true},
        {maAlle, {true, true, true, true, true}, true},
    };
    const TDateTime Neun = 9.0 / 24, Zehn = 10.0 / 24;
    for (const Fall& f : Faelle) {
        Daten.Clear();
        TDatenClass Vorlage = Eintrag("Tablette", {{D(6, 1, 2025), D(6, 1, 2025)}});
        Vorlage.AnzeigenTyp = at1Tag;
        Vorlage.DatumListe[0].GanzerTagS = false;
        Vorlage.DatumListe[0].VonZeitSetzen(Neun);
        Daten.Add(TTagClass(0, &Vorlage));
        Waehle(D(8, 1, 2025), "Tablette");
        Editor.Eingabe = [&](TNeuForm::TFelder& Felder) { Felder.Zeit = Zehn; };
        Meldungen.Texte.clear();
        Antworten({f.Antwort});
        ASSERT_TRUE(Befehle.MenuAktBearbeitenClick());
        EXPECT_EQ(Meldungen.Texte.at(0),
                  "Sollen sich die Änderungen auch auf dazugehörige Einträge auswirken?\r\n"
                  "Ja=Auch folgende; Nein=Nur aktuellen; Alle=Alle berücksichtigen");
        EXPECT_EQ(Meldungen.Knoepfe.at(0), mkJaNeinAbbrechenAlle);
        const TDatenClass& e = Daten[0];
        for (std::size_t i = 0; i < f.Geaendert.size(); ++i) {
            EXPECT_EQ(e.DatumListe[i].VonZeit(), f.Geaendert[i] ? Zehn : Neun)
                << f.Antwort << " record " << i;
        }
        EXPECT_EQ(e.DatumListe.back().VonZeit(), f.LetzterGeaendert ? Zehn : Neun) << f.Antwort;
        EXPECT_TRUE(Enthaelt(Steuerung.Aktuell(), "Mi 08.01.2025 10:00h: Tablette")) << Steuerung.Aktuell();
    }
}

TEST_F(EintragBefehle, ChangingOnlyTheTextKeepsTheRecords) {
    const TDatenClass& e = Erzeugt("Kurs", at1Woche, D(6, 1, 2025), D(6, 1, 2025));
    Daten.Aendern(e, [](TDatenClass& Kurs) { Kurs.DatumListe[1].AktivTyp = avDeaktiv; });
    const TDatumListe Vorher = e.DatumListe;
    Waehle(D(13, 1, 2025), "Kurs");
    Editor.Eingabe = [](TNeuForm::TFelder& f) { f.Kurztext = "Yoga"; };
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenuAktBearbeitenClick());
    EXPECT_EQ(Meldungen.Texte.at(0), "Sollen die vorgenommenen Änderungen übernommen werden?");
    EXPECT_EQ(Daten[0].Kurztext, "Yoga");
    EXPECT_TRUE(std::equal(Vorher.begin(), Vorher.end(), Daten[0].DatumListe.begin(),
                           Daten[0].DatumListe.end(), IdentDatumClassMitDatumClass));
}

// The only occurrence of an entry is made anew, interval included; the entry keeps its id.
TEST_F(EintragBefehle, EditingTheOnlyOccurrenceMakesTheEntryAnew) {
    Neu(Eintrag("Fest", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    const TDatenClass& e = Neu(Eintrag("Kurs", {{D(9, 1, 2025), D(9, 1, 2025)}}));
    Waehle(D(9, 1, 2025), "Kurs");
    Editor.Eingabe = [](TNeuForm::TFelder& f) { f.Intervall = at1Woche; };
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenuAktBearbeitenClick());
    EXPECT_TRUE(Editor.GezeigteGrenzen.IntervallEnabledS);
    EXPECT_TRUE(Enthaelt(Meldungen.Texte.at(0),
                         "Soll der bearbeitete Termin neu erstellt werden?\r\n\"Do 09.01.2025: Kurs"));
    EXPECT_EQ(e.Id, 1);
    EXPECT_EQ(e.AnzeigenTyp, at1Woche);
    EXPECT_EQ(Laeufe(e, 2),
              (std::vector<std::pair<TTag, char>>{{D(9, 1, 2025), '+'}, {D(16, 1, 2025), '+'}}));
    EXPECT_EQ(e.DatumListe.back().Datum, D(30, 12, 2100));
}

// ---- activate, deactivate, hide ----

TEST_F(EintragBefehle, DeactivateAndActivateTheCurrentOccurrence) {
    const TDatenClass& e =
        Neu(Eintrag("Reise", {{D(7, 1, 2025), D(8, 1, 2025)}, {D(14, 1, 2025), D(15, 1, 2025)}}));
    Waehle(D(8, 1, 2025), "Reise");
    EXPECT_TRUE(Befehle.MenueZustand(mbAktivieren).CheckedS);
    EXPECT_FALSE(Befehle.MenueZustand(mbDeaktivieren).CheckedS);
    EXPECT_FALSE(Befehle.MenuAktAktDeaktClick(avAktiv)) << "already active: no question";
    EXPECT_TRUE(Meldungen.Texte.empty());

    const std::string Zeile = Steuerung.Aktuell().substr(4);
    Antworten({maNein});
    EXPECT_FALSE(Befehle.MenueBefehl(mbDeaktivieren));
    EXPECT_EQ(e.DatumListe[1].AktivTyp, avAktiv);
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenueBefehl(mbDeaktivieren));
    EXPECT_EQ(Meldungen.Texte.back(), "Soll der folgende Eintrag deaktiviert werden?\r\n" + Zeile);
    EXPECT_EQ((std::vector<TAktivTyp>{e.DatumListe[0].AktivTyp, e.DatumListe[1].AktivTyp,
                                      e.DatumListe[2].AktivTyp}),
              (std::vector<TAktivTyp>{avDeaktiv, avDeaktiv, avAktiv}));
    EXPECT_TRUE(Enthaelt(Steuerung.Aktuell(), "Mi 08.01.2025: Reise | (T1E-)")) << Steuerung.Aktuell();
    EXPECT_TRUE(Befehle.MenueZustand(mbDeaktivieren).CheckedS);
}

TEST_F(EintragBefehle, HidingSetsTheLimitToTheDayBeforeTheOccurrence) {
    const TDatenClass& e = Erzeugt("Kurs", at1Woche, D(28, 4, 2025), D(29, 4, 2025));
    Waehle(D(28, 4, 2025), "Kurs");
    EXPECT_FALSE(Enabled(mbAusblenden)) << "the first occurrence";
    Waehle(D(6, 5, 2025), "Kurs");
    ASSERT_TRUE(Enabled(mbAusblenden));
    const std::string Zeile = Steuerung.Aktuell().substr(4);
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenuAktAusblendenClick());
    EXPECT_EQ(Meldungen.Texte.at(0),
              "Soll der folgende und alle folgenden Einträge ausgeblendet werden?\r\n"
              "Mit \"Eintrag bearbeiten...\" kann die Kalendergrenze wieder geändert werden.\r\n" +
                  Zeile);
    EXPECT_EQ(e.EndeDatum, D(4, 5, 2025));
    EXPECT_EQ(Steuerung.Aktuell(), "    Di 06.05.2025");
}

// ---- delete ----

TEST_F(EintragBefehle, DeletingOccurrences) {
    struct Fall {
        const char* Name;
        bool AllesS;
        TTag Grenze; // of the weekly entry
        TTag Auswahl;
        int Eintraege;  // afterwards
        int KursLaeufe; // of the weekly entry, when it is left
    };
    const Fall Faelle[] = {
        {"one occurrence", false, KalenderEnde, D(13, 1, 2025), 2, 0},
        {"the only visible occurrence: the entry goes", false, D(12, 1, 2025), D(6, 1, 2025), 1, 0},
        {"the whole entry", true, KalenderEnde, D(13, 1, 2025), 1, 0},
        {"the only occurrence of a one-time entry", false, KalenderEnde, D(8, 1, 2025), 1, 0},
    };
    for (const Fall& f : Faelle) {
        Daten.Clear();
        const TDatenClass& Kurs = Erzeugt("Kurs", at1Woche, D(6, 1, 2025), D(6, 1, 2025));
        Daten.Aendern(Kurs, [&](TDatenClass& k) { k.EndeDatum = f.Grenze; });
        const std::int32_t Vorher = Kurs.Count();
        Neu(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
        Waehle(f.Auswahl, f.Auswahl == D(8, 1, 2025) ? "Arzt" : "Kurs");
        const std::string Zeile = Steuerung.Aktuell().substr(4);
        Meldungen.Texte.clear();
        Antworten({maJa});
        ASSERT_TRUE(Befehle.MenuAktLoeschenClick(f.AllesS)) << f.Name;
        EXPECT_EQ(Meldungen.Texte.at(0),
                  (f.AllesS ? "Soll der folgende und alle dazugehörigen Einträge gelöscht werden?\r\n"
                            : "Soll der folgende Eintrag gelöscht werden?\r\n") +
                      Zeile)
            << f.Name;
        EXPECT_EQ(Daten.Count(), f.Eintraege) << f.Name;
        if (f.Eintraege == 2) {
            EXPECT_EQ(Finde("Kurs")->Count(), Vorher - 1) << f.Name;
        }
        EXPECT_EQ(DatumAusZeile(Steuerung.Aktuell()), f.Auswahl) << f.Name;
        EXPECT_EQ(Liste.AktTagClass(), nullptr) << f.Name << ": the day's line is selected";
    }
}

TEST_F(EintragBefehle, DeleteAnsweredNoChangesNothing) {
    Neu(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    Waehle(D(8, 1, 2025), "Arzt");
    Antworten({maNein, maNein});
    EXPECT_FALSE(Befehle.MenuAktLoeschenClick(false));
    EXPECT_FALSE(Befehle.MenuAktLoeschenClick(true));
    EXPECT_EQ(Daten.Count(), 1);
    EXPECT_EQ(Daten[0].Count(), 1);
}

// Expired occurrences go only when every day is marked; entries left empty go with them.
TEST_F(EintragBefehle, PurgeOfExpiredOccurrencesMarkedForDeletion) {
    TDatenClass Markiert = Eintrag("Alt", {{D(2, 1, 2025), D(3, 1, 2025)}});
    for (TDatumClass& d : Markiert.DatumListe) {
        d.LoeschenS = true;
    }
    TDatenClass Zukunft = Markiert;
    Zukunft.Kurztext = "Neu";
    Zukunft.DatumListe = Vorkommen(D(10, 1, 2025), D(10, 1, 2025));
    Zukunft.DatumListe[0].LoeschenS = true;
    Neu(Eintrag("Unmarkiert", {{D(2, 1, 2025), D(2, 1, 2025)}}));
    Neu(Zukunft);
    EXPECT_FALSE(Enabled(mbAbgelaufeneLoeschen)) << "nothing expired is marked";
    Neu(Markiert);
    ASSERT_TRUE(Enabled(mbAbgelaufeneLoeschen));
    Steuerung.Fokus = "Perioden";
    EXPECT_TRUE(Enabled(mbAbgelaufeneLoeschen)) << "no focus needed";

    Antworten({maNein});
    EXPECT_FALSE(Befehle.MenuAktLoeschfunktionClick());
    EXPECT_EQ(Daten.Count(), 3);
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenuAktLoeschfunktionClick());
    EXPECT_EQ(Meldungen.Texte.back(),
              "Alle mit \"Löschfunktion\" gekennzeichneten abgelaufenen Einträge löschen?");
    EXPECT_EQ(Daten.Count(), 2);
    EXPECT_EQ(Finde("Alt"), nullptr);
    EXPECT_NE(Finde("Unmarkiert"), nullptr);
    EXPECT_NE(Finde("Neu"), nullptr);
}

// ---- entries of loaded files ----

TEST_F(EintragBefehle, LoadedFilesAreOnlyImported) {
    TDatenClass Ferien =
        Eintrag("Ferien", {{D(7, 1, 2025), D(8, 1, 2025)}, {D(14, 1, 2025), D(14, 1, 2025)}});
    Ferien.IdDatei = 1;
    Neu(Ferien);
    Waehle(D(8, 1, 2025), "Ferien");
    for (TMenueBefehl b : {mbBearbeiten, mbAktivieren, mbDeaktivieren, mbAusblenden, mbLoeschen,
                           mbAlleLoeschen, mbKopieren, mbAusschneiden}) {
        EXPECT_FALSE(Enabled(b)) << b;
        EXPECT_FALSE(Befehle.MenueBefehl(b)) << b;
    }
    EXPECT_TRUE(Meldungen.Texte.empty());
    EXPECT_EQ(Editor.Gezeigt, 0);
    EXPECT_TRUE(Enabled(mbEintragImportieren));
}

TEST_F(EintragBefehle, ImportOfAnEntryOfALoadedFile) {
    struct Fall {
        TMeldungsAntwort Antwort;
        bool Vorhanden;  // the main file holds the occurrence already
        int Hauptlaeufe; // main-file occurrences afterwards
        const char* Meldung;
    };
    const Fall Faelle[] = {
        {maNein, false, 0, nullptr},
        {maJa, false, 1, "Der Eintrag wurde erfolgreich importiert!"},
        {maAlle, false, 2, "Die Einträge wurden erfolgreich importiert!"},
        {maJa, true, 1, "Der Eintrag wurde erfolgreich importiert!"},
        {maAlle, true, 2, "Die Einträge wurden erfolgreich importiert!"},
    };
    for (const Fall& f : Faelle) {
        Daten.Clear();
        TDatenClass Ferien =
            Eintrag("Ferien", {{D(7, 1, 2025), D(8, 1, 2025)}, {D(14, 1, 2025), D(14, 1, 2025)}});
        Ferien.IdDatei = 1;
        if (f.Vorhanden) {
            TDatenClass Haupt = Ferien;
            Haupt.IdDatei = 0;
            Haupt.DatumListe.resize(2);
            Neu(Haupt);
        }
        Neu(Ferien);
        Waehle(D(8, 1, 2025), "Ferien");
        // The loaded file's line carries its file number.
        const auto Geladen =
            std::find_if(Steuerung.Zeilen.begin(), Steuerung.Zeilen.end(),
                         [](const std::string& z) { return Enthaelt(z, "08.01.2025") && Enthaelt(z, "1*"); });
        ASSERT_NE(Geladen, Steuerung.Zeilen.end());
        Steuerung.ZeilenNr = static_cast<std::int32_t>(Geladen - Steuerung.Zeilen.begin());
        Meldungen.Texte.clear();
        Antworten({f.Antwort});
        EXPECT_EQ(Befehle.MenuAktImportClick(), f.Antwort != maNein);
        EXPECT_EQ(Meldungen.Texte.at(0), "Soll der folgende Eintrag importiert werden?\r\n"
                                         "Mi 08.01.2025: Ferien | (T1E+) | Von morgen bis übermorgen\r\n"
                                         "Ja=Nur aktueller; Alle=Aktueller und alle dazugehörigen");
        EXPECT_EQ(Meldungen.Knoepfe.at(0), mkJaNeinAlle);
        EXPECT_EQ(Meldungen.Texte.size(), f.Meldung ? 2u : 1u);
        if (f.Meldung) {
            EXPECT_EQ(Meldungen.Texte.at(1), f.Meldung);
        }
        int Haupt = 0, Hauptdateieintraege = 0;
        for (const TDatenClass& e : Daten.Eintraege()) {
            if (e.IdDatei == 0) {
                ++Hauptdateieintraege;
                e.FuerJedenLauf([&](std::int32_t, std::int32_t) { ++Haupt; });
            }
        }
        EXPECT_EQ(Haupt, f.Hauptlaeufe) << f.Antwort << f.Vorhanden;
        EXPECT_LE(Hauptdateieintraege, 1) << "an existing entry takes the import";
        if (f.Antwort != maNein) {
            EXPECT_EQ(Steuerung.Aktuell(), "    Mi 08.01.2025: Ferien | (T1E+) | Von morgen bis übermorgen")
                << "the imported line, not the loaded file's";
        }
    }
}

// A counter numbers each record by its place in its entry. The line the import jumps to is the
// main-file line of the imported record: on the second day of a two-day occurrence it reads (6),
// where a copy holding that record alone would read (5).
TEST_F(EintragBefehle, ImportOfAnEntryWithACounterJumpsToTheLineOfTheImportedRecord) {
    for (TMeldungsAntwort Antwort : {maJa, maAlle}) {
        Daten.Clear();
        Neu(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
        TDatenClass Kur = Eintrag("Kur", {{D(7, 1, 2025), D(8, 1, 2025)}, {D(14, 1, 2025), D(15, 1, 2025)}});
        Kur.IdDatei = 1;
        Kur.CounterS = true;
        Kur.CounterStart = 5;
        Neu(Kur);
        Waehle(D(8, 1, 2025), "Kur (6)");
        Antworten({Antwort});
        ASSERT_TRUE(Befehle.MenuAktImportClick()) << Antwort;
        EXPECT_EQ(Steuerung.Aktuell(), "    Mi 08.01.2025: Kur (6) | (T1E+) | Von morgen bis übermorgen")
            << Antwort;
        ASSERT_NE(Liste.AktTagClass(), nullptr);
        EXPECT_EQ(Liste.AktTagClass()->DatenClass->IdDatei, 0) << "the imported line, not the loaded file's";
    }
}

// ---- copy, cut, paste ----

TEST_F(EintragBefehle, CopyingTheSecondDayAndPastingOn10March) {
    Neu(Eintrag("Messe", {{D(7, 1, 2025), D(9, 1, 2025)}}));
    Waehle(D(8, 1, 2025), "Messe");
    EXPECT_FALSE(Enabled(mbEinfuegen)) << "no clipboard";
    Befehle.MenueBefehl(mbKopieren);
    EXPECT_FALSE(Enabled(mbEinfuegen)) << "onto its own occurrence";
    Waehle(D(10, 3, 2025));
    ASSERT_TRUE(Enabled(mbEinfuegen));
    ASSERT_TRUE(Befehle.MenuBearbEinfuegenClick());
    ASSERT_EQ(Daten.Count(), 2) << "a one-time entry: a new entry";
    const TDatenClass& e = Daten[1];
    EXPECT_EQ(e.Id, 1);
    EXPECT_EQ(Laeufe(e, 2), (std::vector<std::pair<TTag, char>>{{D(9, 3, 2025), '+'}}));
    EXPECT_EQ(e.DatumListe.back().BisDatum, D(11, 3, 2025));
    EXPECT_TRUE(Enthaelt(Steuerung.Aktuell(), "So 09.03.2025: Messe")) << Steuerung.Aktuell();
    EXPECT_NE(Befehle.Gemerkt(), nullptr) << "a copy pastes again";
    Waehle(D(10, 3, 2025));
    EXPECT_FALSE(Enabled(mbEinfuegen)) << "the clipboard now belongs to the pasted entry";
    Waehle(D(20, 3, 2025));
    EXPECT_TRUE(Befehle.EinfuegenOk());
}

TEST_F(EintragBefehle, PastingAnOccurrenceOfAWeeklyEntry) {
    const TDatenClass& Kurs = Erzeugt("Kurs", at1Woche, D(6, 1, 2025), D(7, 1, 2025));
    Daten.Aendern(Kurs, [](TDatenClass& k) { k.EndeDatum = D(31, 1, 2025); });
    Waehle(D(14, 1, 2025), "Kurs");
    Befehle.MenuBearbKopierenClick();
    struct Fall {
        TTag Auf;
        bool Ok;
    };
    const Fall Faelle[] = {
        {D(21, 1, 2025), false}, // would be 20.-21.1., inside an occurrence
        {D(20, 1, 2025), false}, // 19.-20.1. touches 20.1.
        {D(19, 1, 2025), true},  // 18.-19.1. is free
        {D(1, 1, 1900), false},  // would start on 31.12.1899
    };
    for (const Fall& f : Faelle) {
        Waehle(f.Auf);
        EXPECT_EQ(Befehle.EinfuegenOk(), f.Ok) << DatumAusZeile(Steuerung.Aktuell());
    }
    Waehle(D(7, 2, 2025));
    const std::int32_t Vorher = Kurs.Count();
    ASSERT_TRUE(Befehle.MenuBearbEinfuegenClick());
    EXPECT_EQ(Daten.Count(), 1) << "one more occurrence of the same entry";
    EXPECT_EQ(Kurs.Count(), Vorher + 2);
    EXPECT_EQ(Kurs.EndeDatum, D(7, 2, 2025)) << "the limit extended to the pasted last day";
    EXPECT_TRUE(Enthaelt(Steuerung.Aktuell(), "Do 06.02.2025: Kurs")) << Steuerung.Aktuell();
    const TDatumVonBisNr l = Kurs.FindeDatumVonBisNr(*Liste.AktTagClass());
    EXPECT_EQ(Kurs.DatumListe[l.VonNr].VonDatum, D(6, 2, 2025));
}

TEST_F(EintragBefehle, CutOneTimeEntryPastesOnceAsANewEntry) {
    Neu(Eintrag("Fest", {{D(6, 1, 2025), D(6, 1, 2025)}}));
    Neu(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    Waehle(D(8, 1, 2025), "Arzt");
    ASSERT_TRUE(Befehle.MenueBefehl(mbAusschneiden));
    EXPECT_EQ(Daten.Count(), 1) << "the emptied entry is gone";
    EXPECT_EQ(Steuerung.Aktuell(), "    Mi 08.01.2025");
    Waehle(D(9, 1, 2025));
    ASSERT_TRUE(Befehle.MenuBearbEinfuegenClick());
    ASSERT_EQ(Daten.Count(), 2);
    EXPECT_EQ(Daten[1].Id, 1) << "a new id";
    EXPECT_EQ(Daten[1].DatumListe[0].Datum, D(9, 1, 2025));
    EXPECT_EQ(Befehle.Gemerkt(), nullptr);
    EXPECT_FALSE(Enabled(mbEinfuegen)) << "a second paste is not possible";
}

// The clipboard loses its source when that entry goes, and keeps its copy.
TEST_F(EintragBefehle, DeletingTheSourceUnlinksTheClipboard) {
    Erzeugt("Kurs", at1Woche, D(6, 1, 2025), D(6, 1, 2025));
    Waehle(D(13, 1, 2025), "Kurs");
    Befehle.MenuBearbKopierenClick();
    Waehle(D(13, 1, 2025));
    EXPECT_FALSE(Befehle.EinfuegenOk()) << "on its own occurrence";
    Waehle(D(13, 1, 2025), "Kurs");
    Antworten({maJa});
    ASSERT_TRUE(Befehle.MenuAktLoeschenClick(true));
    ASSERT_NE(Befehle.Gemerkt(), nullptr);
    EXPECT_EQ(Befehle.Gemerkt()->DatenClass, nullptr);
    Waehle(D(13, 1, 2025));
    ASSERT_TRUE(Befehle.MenuBearbEinfuegenClick());
    ASSERT_EQ(Daten.Count(), 1);
    EXPECT_EQ(Daten[0].Count(), 1) << "a new entry of the one occurrence";
}

TEST_F(EintragBefehle, EntryCommandsNeedTheDayListsFocus) {
    Neu(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
    Waehle(D(8, 1, 2025), "Arzt");
    EXPECT_TRUE(Enabled(mbBearbeiten));
    Steuerung.Fokus = "Perioden";
    for (TMenueBefehl b : {mbBearbeiten, mbAktivieren, mbLoeschen, mbKopieren, mbAusschneiden, mbEinfuegen}) {
        EXPECT_FALSE(Enabled(b)) << b;
    }
    EXPECT_TRUE(Enabled(mbNeu));
}
