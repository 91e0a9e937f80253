#include <gtest/gtest.h>

#include <functional>

#include "controls/TDateiDialog.h"
#include "entries/TNeuForm.h"
#include "model/Fehler.h"
#include "model/ModellHilfen.h"
#include "model/TDaten.h"
#include "model/Trim.h"
#include "model/Uhr.h"
#include "platform/MediaPlayer.h"
#include "platform/SystemDateisystem.h"
#include "platform/TMeldungsPort.h"
#include "platform/TSkriptMeldungen.h"
#include "platform/Umgebung.h"
#include "views/OVAnzeige.h"

namespace {

class TFakeAnsicht : public TNeuFormAnsicht {
public:
    std::vector<std::pair<TNeuFeld, bool>> Fokusse;
    void Fokus(TNeuFeld AFeld, bool AMarkiereS) override { Fokusse.emplace_back(AFeld, AMarkiereS); }
};

class TFakePlayer : public TMediaPlayer {
public:
    std::vector<std::string> Aufrufe;
    bool SpieltS = false;
    bool KaputtS = false;
    void Open(const std::string& AFileName) override {
        if (KaputtS) {
            throw EBetriebssystemFehler("kein Klang");
        }
        Aufrufe.push_back("Open " + AFileName);
    }
    void Play() override {
        Aufrufe.push_back("Play");
        SpieltS = true;
    }
    bool IsPlaying() override { return SpieltS; }
    void Stop() override {
        Aufrufe.push_back("Stop");
        SpieltS = false;
    }
    void Rewind() override { Aufrufe.push_back("Rewind"); }
    void Close() override { Aufrufe.push_back("Close"); }
};

class TFakeDateiDialog : public TDateiDialog {
public:
    std::vector<TDateiDialogWahl> Wahlen;
    std::string Antwort;
    bool Oeffnen(const TDateiDialogWahl& AWahl, std::string& ADatei) override {
        Wahlen.push_back(AWahl);
        if (Antwort.empty()) {
            return false;
        }
        ADatei = Antwort;
        return true;
    }
    // The editor only opens files.
    bool Speichern(TDateiDialogWahl&, std::string&) override {
        ADD_FAILURE() << "the editor asked for a file to write";
        return false;
    }
};

class NeuFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        TUhr::Festhalten(D(7, 1, 2025) + 0.5);
        NeueMeldungen();
    }
    void TearDown() override { TUhr::Stellen({}); }

    // The editor set up for a new entry as the new-entry command does.
    void Neu(TTag AVon) { Form.NeuEinrichten(&Daten, AVon); }

    // The editor set up for the run of record ARecord of entry AEintrag, as the edit command does.
    void Bearbeiten(const TDatenClass& AEintrag, std::int32_t ARecord, bool AEinzigerLaufS,
                    TTag AVonMin = KalenderAnfang, TTag AVonMax = KalenderEnde) {
        Form.BearbeitenEinrichten(&Daten, TTagClass(ARecord, &AEintrag), AVonMin, AVonMax, AEinzigerLaufS);
    }

    TNeuForm::TSchluss Ok() { return Form.Schliessen(true, Meldungen, Ansicht); }
    // No box shown yet; a question beyond a test's script is answered "&Ja".
    void NeueMeldungen() {
        Meldungen = {};
        Meldungen.Antwort = maJa;
    }

    TDaten Daten;
    TNeuForm Form;
    TSkriptMeldungen Meldungen;
    TFakeAnsicht Ansicht;
};

TEST_F(NeuFormTest, DefaultsAreTodayOneDayWholeDaySevenOClockTheCalendarEndAndActive) {
    Neu(TUhr::Heute());
    Form.Felder.Kurztext = "  Zahnarzt ";
    Form.Felder.Langtext = "\n Bohren \n";
    const TTagClass T = Form.Datensatz();
    ASSERT_EQ(T.DatumNr, 0);
    const TDatenClass& E = *T.DatenClass;
    ASSERT_EQ(E.Count(), 1);
    const TDatumClass& O = E.DatumListe[0];
    EXPECT_EQ(O.Datum, D(7, 1, 2025));
    EXPECT_EQ(O.VonDatum, D(7, 1, 2025));
    EXPECT_EQ(O.BisDatum, D(7, 1, 2025));
    // A whole-day entry still stores the time shown in the disabled time field.
    EXPECT_TRUE(O.GanzerTagS);
    EXPECT_DOUBLE_EQ(O.VonZeit(), 7.0 / 24.0);
    EXPECT_EQ(O.AktivTyp, avAktiv);
    EXPECT_FALSE(O.LoeschenS);
    EXPECT_EQ(E.Kurztext, "Zahnarzt");
    EXPECT_EQ(E.Langtext, "Bohren");
    EXPECT_EQ(E.EndeDatum, KalenderEnde);
    EXPECT_EQ(E.AnzeigenTyp, atEinmalig);
    EXPECT_EQ(E.TagTyp, ttTermin);
    EXPECT_FALSE(E.CounterS);
    EXPECT_EQ(E.CounterStart, 0);
    EXPECT_FALSE(E.SounddateiS);
    EXPECT_EQ(Form.Grenzen.VonMin, KalenderAnfang);
    EXPECT_EQ(Form.Grenzen.VonMax, KalenderEnde);
}

TEST_F(NeuFormTest, ATextOutsideCodePage1252IsHandedBackUnchanged) {
    // The calendar in memory keeps it; only saving to the file format refuses it.
    Neu(D(10, 1, 2025));
    Form.Felder.Kurztext = "Встреча ✓ Łódź";
    Form.Felder.Langtext = "日本語のメモ";
    const TTagClass T = Form.Datensatz();
    EXPECT_EQ(T.DatenClass->Kurztext, "Встреча ✓ Łódź");
    EXPECT_EQ(T.DatenClass->Langtext, "日本語のメモ");
    EXPECT_EQ(Ok(), TNeuForm::TSchluss::Ok);
}

TEST_F(NeuFormTest, TheDurationIsLimitedByTheIntervalAndTheStartDatesMaximum) {
    struct TFall {
        TAnzeigenTyp Intervall;
        TTag VonMax;
        int Dauer;
        int Min, Max, Danach;
    };
    const TFall Faelle[] = {
        {atEinmalig, KalenderEnde, 120, 1, 99, 99},
        // "Täglich": 0..1, and a 0 is raised to 1 only when the dialog is confirmed.
        {at1Tag, KalenderEnde, 5, 0, 1, 1},
        {at1Tag, KalenderEnde, 0, 0, 1, 0},
        {at1Woche, KalenderEnde, 8, 1, 7, 7},
        {at2Woche, KalenderEnde, 14, 1, 14, 14},
        {at3Woche, KalenderEnde, 30, 1, 21, 21},
        {at4Woche, KalenderEnde, 30, 1, 28, 28},
        {at1Monat, KalenderEnde, 40, 1, 28, 28},
        {at2Monat, KalenderEnde, 60, 1, 58, 58},
        {at3Monat, KalenderEnde, 90, 1, 88, 88},
        {at4Monat, KalenderEnde, 99, 1, 99, 99},
        {at6Monat, KalenderEnde, 99, 1, 99, 99},
        {at1Jahr, KalenderEnde, 99, 1, 99, 99},
        // A start date near its maximum: the run ends on the maximum at the latest.
        {atEinmalig, D(14, 3, 2025), 30, 1, 5, 5},
        {at1Monat, D(10, 3, 2025), 28, 0, 1, 1},
        {at1Woche, D(10, 3, 2025), 1, 0, 1, 1},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(testing::Message() << IntervallNamen[F.Intervall] << " " << F.Dauer);
        Neu(D(10, 3, 2025));
        Form.Grenzen.VonMax = F.VonMax;
        Form.Felder.Intervall = F.Intervall;
        Form.Felder.Dauer = F.Dauer;
        Form.MaxValueSpinEdit();
        EXPECT_EQ(Form.Grenzen.DauerMin, F.Min);
        EXPECT_EQ(Form.Grenzen.DauerMax, F.Max);
        EXPECT_EQ(Form.Felder.Dauer, F.Danach);
    }
}

TEST_F(NeuFormTest, ConfirmingADailyEntryWithDurationZeroStoresOneDay) {
    Neu(D(10, 3, 2025));
    Form.Felder.Kurztext = "Tabletten";
    Form.Felder.Intervall = at1Tag;
    Form.Felder.Dauer = 0;
    ASSERT_EQ(Ok(), TNeuForm::TSchluss::Ok);
    const TDatumClass& O = Form.Datensatz().DatenClass->DatumListe[0];
    EXPECT_EQ(O.BisDatum, O.VonDatum);
}

TEST_F(NeuFormTest, LeavingTheStartDateMovesTheCalendarLimitsMinimumAndRaisesALowerLimit) {
    Neu(D(10, 3, 2025));
    Form.Felder.Grenze = D(1, 5, 2025);
    Form.Felder.Von = D(1, 6, 2025);
    Form.VonVerlassen();
    EXPECT_EQ(Form.Grenzen.GrenzeMin, D(1, 6, 2025));
    EXPECT_EQ(Form.Felder.Grenze, D(1, 6, 2025));
    Form.Felder.Von = D(1, 4, 2025);
    Form.VonVerlassen();
    EXPECT_EQ(Form.Grenzen.GrenzeMin, D(1, 4, 2025));
    EXPECT_EQ(Form.Felder.Grenze, D(1, 6, 2025));
}

TEST_F(NeuFormTest, AShortTextOfBlanksIsRefusedWithTheNoticeAndTheShortTextFocused) {
    Neu(D(10, 3, 2025));
    Form.Felder.Kurztext = " \t ";
    EXPECT_EQ(Ok(), TNeuForm::TSchluss::Offen);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Arten[0], maInformation);
    EXPECT_EQ(Meldungen.Texte[0], "Es wurde noch kein Kurztext eingegeben!");
    EXPECT_EQ(Meldungen.Knoepfe[0], mkOK);
    ASSERT_EQ(Ansicht.Fokusse.size(), 1u);
    EXPECT_EQ(Ansicht.Fokusse[0], std::make_pair(TNeuFeld::Kurztext, false));
}

TEST_F(NeuFormTest, TheDuplicateShortTextQuestionOfANewEntry) {
    Daten.Add(Eintrag({{D(1, 2, 2025), D(1, 2, 2025)}}, "Arzt", 1));
    struct TFall {
        const char* Kurztext;
        bool NeuS;
        std::vector<TMeldungsAntwort> Antworten;
        TNeuForm::TSchluss Ergebnis;
        std::size_t Fragen;
    };
    const TFall Faelle[] = {
        // Found (case does not matter): No keeps the dialog open and asks nothing more.
        {" arzt ", true, {maNein}, TNeuForm::TSchluss::Offen, 1},
        {"Arzt", true, {maJa, maJa}, TNeuForm::TSchluss::Ok, 2},
        {"Arzt", true, {maJa, maNein}, TNeuForm::TSchluss::Nein, 2},
        {"Zahnarzt", true, {maJa}, TNeuForm::TSchluss::Ok, 1},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Kurztext);
        NeueMeldungen();
        Ansicht.Fokusse.clear();
        Neu(D(10, 3, 2025));
        Form.Felder.Kurztext = F.Kurztext;
        Meldungen.Antworten.assign(F.Antworten.begin(), F.Antworten.end());
        EXPECT_EQ(Ok(), F.Ergebnis);
        ASSERT_EQ(Meldungen.Texte.size(), F.Fragen);
        if (std::string(F.Kurztext) != "Zahnarzt") {
            EXPECT_EQ(Meldungen.Texte[0],
                      "Der Kurztext \"" + std::string(Trim(F.Kurztext)) +
                          "\" ist bereits vorhanden!\r\nSoll trotzdem fortgesetzt werden?");
            EXPECT_EQ(Meldungen.Knoepfe[0], mkJaNein);
            EXPECT_EQ(Ansicht.Fokusse.at(0), std::make_pair(TNeuFeld::Kurztext, true));
        }
    }
}

TEST_F(NeuFormTest, TheFinalQuestionNamesTheTypeAndTheLineOfTheNewEntry) {
    Neu(D(10, 3, 2025));
    Form.Felder.Kurztext = "Urlaub";
    Form.Felder.Eintragstyp = ttUrlaub;
    Meldungen.Antworten = {maAbbrechen, maNein};
    EXPECT_EQ(Ok(), TNeuForm::TSchluss::Offen);
    EXPECT_EQ(Ok(), TNeuForm::TSchluss::Nein);
    ASSERT_EQ(Meldungen.Texte.size(), 2u);
    const std::string Zeile = ZeilenText(Form.Datensatz().DatenClass, 0);
    EXPECT_EQ(Meldungen.Texte[0], "Soll der folgende Urlaubstag erstellt werden?\r\n\"" + Zeile + "\"");
    EXPECT_EQ(Meldungen.Arten[0], maBestaetigung);
    EXPECT_EQ(Meldungen.Knoepfe[0], mkJaNeinAbbrechen);
}

TEST_F(NeuFormTest, TheDuplicateQuestionIsNotAskedWhenEditing) {
    TDatenClass E = Eintrag({{D(1, 2, 2025), D(1, 2, 2025)}}, "Arzt", 1);
    Daten.Add(E);
    Bearbeiten(E, 0, true);
    Form.Felder.Langtext = "neu";
    ASSERT_EQ(Ok(), TNeuForm::TSchluss::Ok);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0].rfind("Soll der bearbeitete Termin neu erstellt werden?\r\n\"", 0), 0u);
}

TEST_F(NeuFormTest, EditingWithoutAChangeSaysSoAndFocusesTheStartDate) {
    TDatenClass E = Eintrag({{D(1, 2, 2025), D(3, 2, 2025)}}, "Kur", 1);
    E.DatumListe[1].AktivTyp = avDeaktiv;
    Bearbeiten(E, 2, true);
    EXPECT_EQ(Form.Felder.Von, D(1, 2, 2025));
    EXPECT_EQ(Form.Felder.Dauer, 3);
    EXPECT_EQ(Ok(), TNeuForm::TSchluss::Offen);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0], "Es wurde keine Änderung vorgenommen!");
    EXPECT_EQ(Ansicht.Fokusse.back(), std::make_pair(TNeuFeld::Von, false));
}

TEST_F(NeuFormTest, TheKindOfChangeOfAnEditedRun) {
    struct TFall {
        const char* Was;
        std::function<void(TNeuForm::TFelder&)> Aendern;
        int ModifyNr;
    };
    const TFall Faelle[] = {
        {"long text", [](auto& F) { F.Langtext = "neu"; }, 1},
        {"interval", [](auto& F) { F.Intervall = at1Jahr; }, 1},
        {"limit", [](auto& F) { F.Grenze = D(1, 1, 2030); }, 1},
        {"time", [](auto& F) { F.Zeit = 9.5 / 24; }, 2},
        {"whole day", [](auto& F) { F.GanzerTagS = !F.GanzerTagS; }, 2},
        {"delete function", [](auto& F) { F.LoeschenS = true; }, 2},
        {"start date", [](auto& F) { F.Von += 1; }, 3},
        {"duration", [](auto& F) { F.Dauer = 2; }, 3},
        {"start date and time", [](auto& F) { F.Von -= 1, F.Zeit = 0.25; }, 3},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Was);
        TDatenClass E = Eintrag({{D(1, 2, 2025), D(1, 2, 2025)}}, "Arzt", 1);
        Bearbeiten(E, 0, true);
        F.Aendern(Form.Felder);
        EXPECT_EQ(Form.ModifyNr(), F.ModifyNr);
    }
}

// A monthly entry begun on 31 January: its February run is 28.2. The edit command limits the
// start date to the days between the runs before and after.
TEST_F(NeuFormTest, ThisRunOrAllRunsOfAMonthlyEntryFromThe31stOfJanuary) {
    TDatenClass Vorlage = Eintrag({{D(31, 1, 2025), D(31, 1, 2025)}}, "Miete", 1);
    Vorlage.AnzeigenTyp = at1Monat;
    Daten.Add(TTagClass(0, &Vorlage));
    const TDatenClass& E = Daten[0];
    ASSERT_GT(E.Count(), 3);
    ASSERT_EQ(E.DatumListe[1].VonDatum, D(28, 2, 2025));
    ASSERT_EQ(E.DatumListe[2].VonDatum, D(31, 3, 2025));

    struct TFall {
        const char* Was;
        std::function<void(TNeuForm::TFelder&)> Aendern;
        TMeldungsAntwort Antwort;
        const char* Frage;
        TNeuForm::TSchluss Ergebnis;
        bool AktuellerS, AlleS;
    };
    const char* F1 = "Sollen die vorgenommenen Änderungen übernommen werden?";
    const char* F2 = "Sollen sich die Änderungen auch auf dazugehörige Einträge auswirken?\r\n"
                     "Ja=Auch folgende; Nein=Nur aktuellen; Alle=Alle berücksichtigen";
    const char* F3 = "Sollen sich die Änderungen auch auf folgende dazugehörige Einträge auswirken?\r\n"
                     "Mit \"Ja\" werden alle nachfolgenden Eintrege gelöscht und neu erzeugt.\r\n"
                     "Ja=Auch folgende; Nein=Nur aktuellen";
    using S = TNeuForm::TSchluss;
    const TFall Faelle[] = {
        {"text, Ja", [](auto& F) { F.Langtext = "x"; }, maJa, F1, S::Ok, false, false},
        {"text, Nein", [](auto& F) { F.Langtext = "x"; }, maNein, F1, S::Nein, false, false},
        {"text, Abbrechen", [](auto& F) { F.Langtext = "x"; }, maAbbrechen, F1, S::Offen, false, false},
        {"time, following", [](auto& F) { F.Zeit = 0.5; }, maJa, F2, S::Ok, false, false},
        {"time, this run", [](auto& F) { F.Zeit = 0.5; }, maNein, F2, S::Ok, true, false},
        {"time, all runs", [](auto& F) { F.Zeit = 0.5; }, maAlle, F2, S::Ok, false, true},
        {"time, cancel", [](auto& F) { F.Zeit = 0.5; }, maAbbrechen, F2, S::Offen, false, false},
        {"moved first day, Ja", [](auto& F) { F.Von = D(27, 2, 2025); }, maJa, F3, S::Ok, false, false},
        {"moved first day, this run", [](auto& F) { F.Von = D(27, 2, 2025); }, maNein, F3, S::Ok, true,
         false},
        {"moved first day, cancel", [](auto& F) { F.Von = D(27, 2, 2025); }, maAbbrechen, F3, S::Offen, false,
         false},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Was);
        NeueMeldungen();
        Bearbeiten(E, 1, false, D(1, 2, 2025), D(30, 3, 2025));
        EXPECT_EQ(Form.Caption(), "Eintrag bearbeiten");
        EXPECT_EQ(Form.Felder.Von, D(28, 2, 2025));
        F.Aendern(Form.Felder);
        Meldungen.Antworten = {F.Antwort};
        EXPECT_EQ(Ok(), F.Ergebnis);
        ASSERT_EQ(Meldungen.Texte.size(), 1u);
        EXPECT_EQ(Meldungen.Texte[0], F.Frage);
        EXPECT_EQ(Meldungen.Knoepfe[0], F.Frage == F2 ? mkJaNeinAbbrechenAlle : mkJaNeinAbbrechen);
        EXPECT_EQ(Form.AktuellerS, F.AktuellerS);
        EXPECT_EQ(Form.AlleS, F.AlleS);
    }
    // The flags of one close are reset by the next, a cancel included.
    EXPECT_EQ(Form.Schliessen(false, Meldungen, Ansicht), S::Abbrechen);
    EXPECT_FALSE(Form.AktuellerS);
}

TEST_F(NeuFormTest, EditingLimitsTheStartDateToTheGapBetweenTheRunsAndTheDurationToTheInterval) {
    TDatenClass E = Eintrag({{D(1, 2, 2025), D(30, 3, 2025)}}, "Kur", 1);
    E.AnzeigenTyp = at1Monat;
    // A run longer than the interval allows is lowered when the dialog is shown.
    Bearbeiten(E, 10, true, D(1, 1, 2025), D(5, 2, 2025));
    EXPECT_EQ(Form.Caption(), "Eintrag bearbeiten");
    EXPECT_EQ(Form.Grenzen.VonMin, D(1, 1, 2025));
    EXPECT_EQ(Form.Grenzen.VonMax, D(5, 2, 2025));
    EXPECT_EQ(Form.Grenzen.GrenzeMin, D(1, 2, 2025));
    // 1.2. to 5.2. at most: the run may end on the day before the next one starts.
    EXPECT_EQ(Form.Grenzen.DauerMax, 5);
    EXPECT_EQ(Form.Felder.Dauer, 5);
    EXPECT_EQ(Form.ModifyNr(), 3);
}

TEST_F(NeuFormTest, AnEditedRunKeepsItsDeactivatedStateAndItsIds) {
    TDatenClass E = Eintrag({{D(1, 2, 2025), D(1, 2, 2025)}, {D(1, 3, 2025), D(1, 3, 2025)}}, "Arzt", 17);
    E.IdDatei = 0;
    E.DatumListe[1].AktivTyp = avDeaktiv;
    Bearbeiten(E, 1, false);
    Form.Felder.Von = D(2, 3, 2025);
    const TTagClass T = Form.Datensatz();
    EXPECT_EQ(T.DatenClass->DatumListe[0].AktivTyp, avDeaktiv);
    EXPECT_EQ(T.DatenClass->Id, 17);
    // The loaded run itself was not changed.
    EXPECT_EQ(E.DatumListe[1].VonDatum, D(1, 3, 2025));
    EXPECT_EQ(Form.SpeicherDatensatz().DatumListe[0].VonDatum, D(1, 3, 2025));
}

TEST_F(NeuFormTest, KeysInTheNumberFieldsAndTheLongText) {
    using W = TNeuForm::TWirkung;
    using K = TNeuForm::TTaste;
    struct TFall {
        TNeuFeld Feld;
        K Taste;
        bool ModifikatorS, OkS;
        W Wirkung;
    };
    const TFall Faelle[] = {
        {TNeuFeld::Dauer, K::Escape, false, true, W::Abbrechen},
        {TNeuFeld::Startwert, K::Escape, true, true, W::Abbrechen},
        {TNeuFeld::Dauer, K::Enter, false, true, W::Ok},
        {TNeuFeld::Startwert, K::Enter, false, false, W::Nichts},
        {TNeuFeld::Dauer, K::Enter, true, true, W::Weiter},
        {TNeuFeld::Langtext, K::Escape, false, true, W::Abbrechen},
        {TNeuFeld::Langtext, K::Enter, false, true, W::Feld},
        {TNeuFeld::Kurztext, K::Enter, false, true, W::Weiter},
        {TNeuFeld::Intervall, K::Escape, false, true, W::Weiter},
    };
    for (const TFall& F : Faelle) {
        EXPECT_EQ(TNeuForm::Taste(F.Feld, F.Taste, F.ModifikatorS, F.OkS), F.Wirkung)
            << static_cast<int>(F.Feld) << " " << static_cast<int>(F.Taste);
    }
}

TEST_F(NeuFormTest, DependentFieldsAndWhereAClickMovesTheFocus) {
    Neu(D(10, 3, 2025));
    EXPECT_FALSE(Form.UhrzeitEnabled());
    EXPECT_FALSE(Form.StartwertEnabled());
    EXPECT_TRUE(Form.SounddateiReadOnly());
    EXPECT_EQ(Form.NachKlick(TNeuFeld::Ganztaegig), TNeuFeld::Ganztaegig);
    Form.Felder.GanzerTagS = false;
    Form.Felder.CounterS = true;
    Form.Felder.SounddateiS = true;
    EXPECT_EQ(Form.NachKlick(TNeuFeld::Ganztaegig), TNeuFeld::Uhrzeit);
    EXPECT_EQ(Form.NachKlick(TNeuFeld::Zaehlfunktion), TNeuFeld::Startwert);
    EXPECT_EQ(Form.NachKlick(TNeuFeld::SounddateiS), TNeuFeld::Sounddatei);
    EXPECT_EQ(Form.NachKlick(TNeuFeld::Loeschfunktion), TNeuFeld::Loeschfunktion);
}

TEST(TNeuFormAnsage, OnlyAnnouncementsThatSayMoreThanTheLabelBecomeAccessibleNames) {
    const std::tuple<TNeuFeld, const char*, const char*> Faelle[] = {
        {TNeuFeld::Von, "Von:", ""},
        {TNeuFeld::Dauer, "Dauer (Tage):", ""},
        {TNeuFeld::Uhrzeit, "Uhrzeit:", ""},
        {TNeuFeld::Grenze, "Kalendergrenze:", ""},
        {TNeuFeld::Kurztext, "Kurztext:", ""},
        {TNeuFeld::Intervall, "Intervall:", ""},
        {TNeuFeld::Startwert, "Zählfunktion Startwert:", "Zählfunktion Startwert"},
        {TNeuFeld::Sounddatei, "Sounddatei:", "Sounddatei"},
        {TNeuFeld::Ganztaegig, "", ""},
        {TNeuFeld::Ok, "", ""},
    };
    for (const auto& [Feld, Ansage, Name] : Faelle) {
        EXPECT_EQ(TNeuForm::Ansage(Feld), Ansage);
        EXPECT_EQ(TNeuForm::ZugangsName(Feld), Name) << Ansage;
    }
}

TEST_F(NeuFormTest, TheSoundFileDialogStartsInThePathsFolderOrTheSoundFolder) {
    TFakeDateiDialog Dialog;
    TFakePlayer Player;
    Form.SetPlayer(&Player);
    Form.Felder.Sounddatei = " Wolf.wav ";
    EXPECT_FALSE(Form.Durchsuchen(Dialog, "/opt/orvanto/Sounddateien/"));
    Form.Felder.Sounddatei = "/home/a/Klänge/Gong.mp3";
    Dialog.Antwort = "/home/a/Klänge/Glocke.wav";
    Player.SpieltS = true;
    EXPECT_TRUE(Form.Durchsuchen(Dialog, "/opt/orvanto/Sounddateien/"));
    ASSERT_EQ(Dialog.Wahlen.size(), 2u);
    EXPECT_EQ(Dialog.Wahlen[0].Ordner, "/opt/orvanto/Sounddateien/");
    EXPECT_EQ(Dialog.Wahlen[0].Dateiname, "Wolf.wav");
    EXPECT_EQ(Dialog.Wahlen[0].Titel, "Audiodatei öffnen");
    EXPECT_EQ(Dialog.Wahlen[0].Filter, "Audiodateien (*.MP3; *.WAV)|*.MP3;*.WAV|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(Dialog.Wahlen[0].StandardEndung, "WAV");
    EXPECT_EQ(Dialog.Wahlen[1].Ordner, "/home/a/Klänge/");
    EXPECT_EQ(Dialog.Wahlen[1].Dateiname, "Gong.mp3");
    EXPECT_EQ(Form.Felder.Sounddatei, "/home/a/Klänge/Glocke.wav");
    // The preview was stopped for the new file.
    EXPECT_EQ(Player.Aufrufe, (std::vector<std::string>{"Stop", "Rewind"}));
}

TEST_F(NeuFormTest, PlayOnlyAnExistingFileAndStopEveryPreviewOnClosing) {
    TTempOrdner Ordner;
    const std::string Datei = Ordner.Pfad() + "/Gong.wav";
    DateiSchreiben(Datei, "RIFF");
    TFakePlayer Player;
    Form.SetPlayer(&Player);
    Form.Felder.Sounddatei = Ordner.Pfad() + "/Fehlt.wav";
    EXPECT_FALSE(Form.PlayErlaubt(SystemDateisystem()));
    EXPECT_FALSE(Form.Play(SystemDateisystem()));
    Form.Felder.Sounddatei = " " + Datei + " ";
    EXPECT_TRUE(Form.PlayErlaubt(SystemDateisystem()));
    EXPECT_FALSE(Form.StopErlaubt());
    EXPECT_TRUE(Form.Play(SystemDateisystem()));
    EXPECT_TRUE(Form.StopErlaubt());
    EXPECT_EQ(Form.Schliessen(false, Meldungen, Ansicht), TNeuForm::TSchluss::Abbrechen);
    EXPECT_EQ(Player.Aufrufe, (std::vector<std::string>{"Open " + Datei, "Play", "Stop", "Rewind", "Close"}));
    // A file the player cannot open is not previewed, and nothing escapes.
    Player.KaputtS = true;
    EXPECT_FALSE(Form.Play(SystemDateisystem()));
}

TNeuForm::TMasse Masse(int AM, TNeuForm::TGroesse AArbeitsbereich) {
    TNeuForm::TMasse M;
    M.M = AM;
    M.DatumText = 10 * AM;
    M.ZeitText = 4 * AM;
    M.ZahlText = 5 * AM;
    M.UpDown = 3 * AM;
    for (auto& B : M.Bedarf) {
        B = {8 * AM, 2 * AM};
    }
    M.ListenZeile = 2 * AM;
    M.ListenBreite = 12 * AM;
    M.Schalter = {125, 3 * AM};
    M.Arbeitsbereich = AArbeitsbereich;
    return M;
}

TEST(TNeuFormLayout, NoPartsOverlapAndAllLieInsideTheContent) {
    for (int M : {10, 14, 22}) {
        SCOPED_TRACE(M);
        const auto L = TNeuForm::Layout(Masse(M, {4000, 4000}));
        for (int i = 0; i < TNeuForm::TeilAnzahl; ++i) {
            const TRechteck& A = L.Teile[i];
            EXPECT_GT(A.Width, 0) << i;
            EXPECT_GE(A.Left, 0) << i;
            EXPECT_LE(A.Right(), L.Inhalt.Width) << i;
            EXPECT_LE(A.Bottom(), L.Inhalt.Height) << i;
            for (int j = i + 1; j < TNeuForm::TeilAnzahl; ++j) {
                const TRechteck& B = L.Teile[j];
                const bool Ueber =
                    A.Left < B.Right() && B.Left < A.Right() && A.Top < B.Bottom() && B.Top < A.Bottom();
                EXPECT_FALSE(Ueber) << i << " over " << j;
            }
        }
        // Cancel rightmost, OK left of it, both at the bottom; the time in the start date's column.
        EXPECT_EQ(L.Teile[TNeuForm::tButton2].Right(), L.Inhalt.Width - M);
        EXPECT_LT(L.Teile[TNeuForm::tButton1].Right(), L.Teile[TNeuForm::tButton2].Left);
        EXPECT_EQ(L.Teile[TNeuForm::tTimePicker].Left, L.Teile[TNeuForm::tDatePicker1].Left);
        EXPECT_EQ(L.Client.Width, L.Inhalt.Width);
        EXPECT_EQ(L.Client.Height, L.Inhalt.Height);
    }
}

TEST(TNeuFormLayout, NumberFieldsAndPickersLeaveRoomForTheirArrows) {
    auto M = Masse(10, {4000, 4000});
    // A toolkit that draws the start value field wider than the font's digits need.
    M.Bedarf[TNeuForm::tSpinEdit2].Width = 400;
    const auto L = TNeuForm::Layout(M);
    EXPECT_GE(L.Teile[TNeuForm::tSpinEdit2].Width, 400);
    EXPECT_EQ(L.Teile[TNeuForm::tSpinEdit1].Width, L.Teile[TNeuForm::tSpinEdit2].Width);
    // "Mi, 88.88.8888" plus 3 m plus the up-down control; "88:88" likewise.
    EXPECT_EQ(L.Teile[TNeuForm::tDatePicker1].Width, 100 + 30 + 30);
    EXPECT_EQ(L.Teile[TNeuForm::tTimePicker].Width, 40 + 30 + 30);
    // Every field of a row as high as the highest (the pickers' up-down controls need the number
    // fields' height).
    M.Bedarf[TNeuForm::tSpinEdit1].Height = 50;
    const auto Hoch = TNeuForm::Layout(M);
    EXPECT_EQ(Hoch.Teile[TNeuForm::tDatePicker1].Height, 50);
    EXPECT_EQ(Hoch.Teile[TNeuForm::tTimePicker].Height, 50);
}

TEST(TNeuFormLayout, TheClientAreaFitsTheWorkAreaButIsAtLeast200By150) {
    const auto Klein = TNeuForm::Layout(Masse(20, {800, 600}));
    EXPECT_GT(Klein.Inhalt.Height, 600);
    EXPECT_EQ(Klein.Client.Width, std::min(Klein.Inhalt.Width, 800 - 40));
    EXPECT_EQ(Klein.Client.Height, 600 - 40);
    const auto Winzig = TNeuForm::Layout(Masse(20, {100, 100}));
    EXPECT_EQ(Winzig.Client.Width, 200);
    EXPECT_EQ(Winzig.Client.Height, 150);
}

} // namespace
