#include "instance/TBefehlsannahme.h"

#include <filesystem>
#include <functional>

#include "model/Uhr.h"
#include "platform/SpezialOrdner.h"
#include "platform/SystemDateisystem.h"
#include "platform/TMeldungsPort.h"
#include "platform/TRegistryMigration.h"
#include "platform/Umgebung.h"
#include "platform/Zeitzone.h"
#include "views/TFakeSteuerung.h"
#include "views/ViewsHilfen.h"
#include "window/HauptfensterFakes.h"

namespace {

namespace fs = std::filesystem;

// The main window as far as the handling of a command sees it.
class TFakeFenster : public TBefehlsFenster {
public:
    bool Frei = true;
    int NachVorneZahl = 0;
    int SendToZahl = 0;
    int BeendenZahl = 0;

    bool FreiS() const override { return Frei; }
    void NachVorne() override { ++NachVorneZahl; }
    void SendToStarten() override { ++SendToZahl; }
    void Beenden() override { ++BeendenZahl; }
};

class TStillePlattform : public TScreenReaderPlattform {
public:
    bool Vorbereiten() override { return false; }
    void Freigeben() override {}
    TScreenReaderDriverListe TreiberErzeugen() override { return {}; }
};

const std::string Frage = "Sollen die vorgenommenen Änderungen gespeichert werden?";

// The main window on the calendar "Privat.ovk" (an appointment on 8.1.2025); "Zweit.ovk" (two
// appointments) lies beside it, to be handed over.
class Befehlsannahme : public MitUhr {
public:
    TTempOrdner Temp;
    std::string Dokumente, Kalender, Zweit;
    TFakeAnsicht Ansicht;
    TFakeSteuerung Steuerung;
    TFakeMeldungen Meldungen;
    TFakeFenster Fenster;
    TAnwendungsdatenOrdner Ordner{Temp.Pfad() + "/config/"};
    std::unique_ptr<TRegistryMigration> Migration = SystemRegistryMigration();
    TEinstellungsspeicher Einstellungen{Ordner, *Migration, SystemDateisystem()};
    std::unique_ptr<TZeitzone> Zone = SystemZeitzone();
    std::unique_ptr<TForm1> Form;
    std::unique_ptr<TBefehlsannahme> Annahme;

    void SetUp() override {
        MitUhr::SetUp();
        // As the program names them: full paths with the system's separators.
        Dokumente = SystemDateisystem().VollerPfad(Temp.Pfad() + "/Dokumente/");
        fs::create_directories(Dokumente);
        Kalender = Dokumente + "Privat.ovk";
        Zweit = Dokumente + "Zweit.ovk";
        KalenderSchreiben(Kalender, {Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
        KalenderSchreiben(Zweit, {Eintrag("Zahnarzt", {{D(9, 1, 2025), D(9, 1, 2025)}}),
                                  Eintrag("Friseur", {{D(10, 1, 2025), D(10, 1, 2025)}})});
        TMeldungsPort::Setze(&Meldungen);
        Meldungen = TFakeMeldungen();
        Fenster = TFakeFenster();
        Annahme.reset();
        Form = std::make_unique<TForm1>(Ansicht, Steuerung, Einstellungen, SystemDateisystem(), Dokumente,
                                        Temp.Pfad() + "/Programm/", std::vector<std::string>{Kalender},
                                        std::make_unique<TStillePlattform>());
        Form->Dateien().IcsZeitzoneSetzen(*Zone);
        Annahme = std::make_unique<TBefehlsannahme>(*Form, Fenster);
    }
    void TearDown() override {
        TMeldungsPort::Setze(nullptr);
        MitUhr::TearDown();
    }
    static void KalenderSchreiben(const std::string& APfad, const std::vector<TDatenClass>& AEintraege) {
        TDaten d;
        for (const TDatenClass& e : AEintraege) {
            d.Add(e);
        }
        d.SaveToFile(APfad, SystemDateisystem());
    }
    void Starten() {
        ASSERT_TRUE(Form->FormShow());
        Form->Timer2Timer();
    }
    void AenderungMachen() {
        TDatenClass Neu = Eintrag("Neu", {{D(7, 1, 2025), D(7, 1, 2025)}});
        Neu.Id = Form->Daten.NewId();
        Form->Daten.Add(Neu);
    }
    // The queued command, and TimerSendTo's tick when the command started it.
    void Uebergeben(const TRegistrySettings& ABefehl) {
        const int Vorher = Fenster.SendToZahl;
        Annahme->Ausfuehren(ABefehl);
        if (Fenster.SendToZahl > Vorher) {
            Annahme->TimerSendToTimer();
        }
    }
};

TEST_F(Befehlsannahme, CommandsByTheWindowsState) {
    struct TFall {
        const char* Name;
        std::function<void(Befehlsannahme&)> Zustand;
        TRegistrySettings Befehl;
        int NachVorne, Beenden;
        std::string Datei; // the main file afterwards
    };
    const auto Bereit = [](Befehlsannahme& t) { t.Starten(); };
    const auto Dialog = [](Befehlsannahme& t) {
        t.Starten();
        t.Fenster.Frei = false;
    };
    const auto Startend = [](Befehlsannahme& t) { ASSERT_TRUE(t.Form->FormShow()); };
    const auto Schliessend = [](Befehlsannahme& t) {
        t.Starten();
        t.Form->FormClose();
    };
    const TFall Faelle[] = {
        {"a calendar", Bereit, {Zweit, "", ""}, 1, 0, Zweit},
        {"to the front", Bereit, {"", "1", ""}, 1, 0, Kalender},
        {"close", Bereit, {"", "", "1"}, 0, 1, Kalender},
        {"parameters win over close", Bereit, {Zweit, "", "1"}, 1, 0, Zweit},
        {"focus wins over close", Bereit, {"", "1", "1"}, 1, 0, Kalender},
        {"only the first argument counts", Bereit, {Zweit + "|" + Kalender, "", ""}, 1, 0, Zweit},
        {"blanks only", Bereit, {" | ", "", ""}, 1, 0, Kalender},
        {"nothing set", Bereit, {}, 0, 0, Kalender},
        // Busy: the arguments and the close are dropped, the dialog stays in front.
        {"a calendar while a dialog is open", Dialog, {Zweit, "", ""}, 0, 0, Kalender},
        {"close while a dialog is open", Dialog, {"", "", "1"}, 0, 0, Kalender},
        {"to the front while a dialog is open", Dialog, {"", "1", ""}, 1, 0, Kalender},
        {"a calendar while starting", Startend, {Zweit, "", ""}, 0, 0, Kalender},
        {"close while starting", Startend, {"", "", "1"}, 0, 0, Kalender},
        {"a calendar while closing", Schliessend, {Zweit, "", ""}, 0, 0, Kalender},
        {"close while closing", Schliessend, {"", "", "1"}, 0, 0, Kalender},
        {"to the front while closing", Schliessend, {"", "1", ""}, 0, 0, Kalender},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        SetUp();
        f.Zustand(*this);
        Uebergeben(f.Befehl);
        EXPECT_EQ(Fenster.NachVorneZahl, f.NachVorne);
        EXPECT_EQ(Fenster.BeendenZahl, f.Beenden);
        EXPECT_EQ(Form->KalFilename(), f.Datei);
        EXPECT_TRUE(Meldungen.Texte.empty());
        EXPECT_EQ(Annahme->ParameterFilename(), "");
        TearDown();
    }
}

TEST_F(Befehlsannahme, ACalendarOpensThroughTheSaveQuestion) {
    struct TFall {
        const char* Name;
        TMeldungsAntwort Antwort;
        std::string Datei;
        int EintraegeImKalender; // in the file Kalender afterwards
    };
    const TFall Faelle[] = {
        {"yes", maJa, Zweit, 2},
        {"no", maNein, Zweit, 1},
        {"cancel", maAbbrechen, Kalender, 1},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        SetUp();
        Starten();
        AenderungMachen();
        Meldungen.Antwort = f.Antwort;
        Uebergeben({Zweit, "", ""});
        EXPECT_EQ(Fenster.NachVorneZahl, 1);
        EXPECT_EQ(Meldungen.Texte, std::vector<std::string>{Frage});
        EXPECT_EQ(Form->KalFilename(), f.Datei);
        EXPECT_EQ(Ansicht.Titel, fs::path(f.Datei).filename().string() + " - Orvanto V1.03");
        TDaten Datei;
        ASSERT_TRUE(Datei.LoadFromFile(Kalender, false, 0, SystemDateisystem()));
        EXPECT_EQ(Datei.Count(), f.EintraegeImKalender);
        TearDown();
    }
}

TEST_F(Befehlsannahme, ArgumentsThatNameNoCalendar) {
    DateiSchreiben(Dokumente + "Kaputt.ovk", "OV_3\x01");
    const std::string Import = Dokumente + "Neu.ovi";
    KalenderSchreiben(Import, {Eintrag("Import", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    const std::string Frage = "Soll die Datei \"" + Import + "\" importiert werden?";
    // An iCalendar file handed over alone, as a file manager does.
    const std::string Ics = Dokumente + "Einladung.ics";
    DateiSchreiben(Ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\nBEGIN:VEVENT\r\nUID:k\r\n"
                        "DTSTART;VALUE=DATE:20250107\r\nSUMMARY:Konzert\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    struct TFall {
        std::string Argument;
        std::vector<std::string> Meldungen; // the reader's error message, or the import question
        std::int32_t Eintraege;
    };
    std::vector<TFall> Faelle = {
        {Dokumente + "Kaputt.ovk", {"Kalenderdatei konnte nicht geladen werden:"}, 1},
        {Dokumente + "Fehlt.ovk", {"Kalenderdatei konnte nicht geladen werden:"}, 1},
        // An import file is imported into the open calendar after the question, the prefix in any
        // letter case; a missing one is ignored.
        {"/I:" + Import, {Frage}, 2},
        {"/i:" + Import, {Frage}, 2},
        {"/I:" + Dokumente + "Fehlt.ovi", {}, 1},
        // Here no information window is set for the preview: nothing happens.
        {"/systemstartup", {}, 1},
    };
#ifdef ORVANTO_ICALENDAR
    Faelle.push_back({Ics, {"Soll die Datei \"" + Ics + "\" importiert werden?", "1 Termin übernommen."}, 2});
    Faelle.push_back(
        {"/I:" + Ics, {"Soll die Datei \"" + Ics + "\" importiert werden?", "1 Termin übernommen."}, 2});
#endif
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Argument);
        SetUp();
        Starten();
        Meldungen.Antwort = maJa;
        Uebergeben({f.Argument, "", ""});
        EXPECT_EQ(Fenster.NachVorneZahl, 1);
        ASSERT_EQ(Meldungen.Texte.size(), f.Meldungen.size());
        for (std::size_t i = 0; i < f.Meldungen.size(); ++i) {
            EXPECT_EQ(Meldungen.Texte[i].rfind(f.Meldungen[i], 0), 0u) << Meldungen.Texte[i];
        }
        EXPECT_EQ(Form->KalFilename(), Kalender);
        EXPECT_EQ(Form->Daten.Count(), f.Eintraege);
        TearDown();
    }
}

TEST_F(Befehlsannahme, ADialogOpenedBeforeTimerSendToDropsTheCalendar) {
    Starten();
    Annahme->Ausfuehren({Zweit, "", ""});
    EXPECT_EQ(Fenster.SendToZahl, 1);
    EXPECT_EQ(Annahme->ParameterFilename(), Zweit);
    Fenster.Frei = false;
    Annahme->TimerSendToTimer();
    EXPECT_EQ(Form->KalFilename(), Kalender);
    // The tick used the argument up.
    Fenster.Frei = true;
    Annahme->TimerSendToTimer();
    EXPECT_EQ(Form->KalFilename(), Kalender);
}

} // namespace
