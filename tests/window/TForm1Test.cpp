#include "window/TForm1.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <set>

#include "entries/EintragFakes.h"
#include "model/Uhr.h"
#include "platform/SpezialOrdner.h"
#include "platform/SystemDateisystem.h"
#include "platform/TMeldungsPort.h"
#include "platform/TMemIniFile.h"
#include "platform/TRegistryMigration.h"
#include "platform/Umgebung.h"
#include "views/TFakeSteuerung.h"
#include "views/ViewsHilfen.h"
#include "window/HauptfensterFakes.h"

namespace {

namespace fs = std::filesystem;

// The screen reader behind Tolk: always running, it notes what it is told (" !" marks an
// interruption).
class TFakeSprecher : public TScreenReaderDriver {
public:
    explicit TFakeSprecher(std::vector<std::string>& AGesagt)
        : TScreenReaderDriver("Fake", true, true), FGesagt(AGesagt) {}
    bool Speak(const std::string&, bool) override { return true; }
    bool Braille(const std::string&) override { return true; }
    bool IsSpeaking() override { return false; }
    bool Silence() override { return true; }
    bool IsActive() override { return true; }
    bool Output(const std::string& S, bool Interrupt) override {
        FGesagt.push_back(S + (Interrupt ? " !" : ""));
        return true;
    }

private:
    std::vector<std::string>& FGesagt;
};

class TFakeSprachPlattform : public TScreenReaderPlattform {
public:
    explicit TFakeSprachPlattform(std::vector<std::string>& AGesagt) : FGesagt(AGesagt) {}
    bool Vorbereiten() override { return false; }
    void Freigeben() override {}
    TScreenReaderDriverListe TreiberErzeugen() override {
        TScreenReaderDriverListe Liste;
        Liste.push_back(std::make_unique<TFakeSprecher>(FGesagt));
        return Liste;
    }

private:
    std::vector<std::string>& FGesagt;
};

void KalenderSchreiben(const std::string& APfad, const std::vector<TDatenClass>& AEintraege) {
    TDaten d;
    for (const TDatenClass& e : AEintraege) {
        d.Add(e);
    }
    d.SaveToFile(APfad, SystemDateisystem());
}

const std::string Heute = "W2  Mo 06.01.2025: Heute";

// Today is Monday 6.1.2025, 10:00. A temporary folder holds the user's documents folder, the
// program folder and the application data folder with the settings file; a calendar
// with an appointment on 8.1. lies in the documents folder.
class Form1 : public MitUhr {
protected:
    TTempOrdner Temp;
    std::string Dokumente, Programm, Kalender, Ini;
    TFakeAnsicht Ansicht;
    TFakeSteuerung Steuerung;
    TFakeMeldungen Meldungen;
    // What Tolk said.
    std::vector<std::string> Gesagt;
    TAnwendungsdatenOrdner Ordner{Temp.Pfad() + "/config/"};
    std::unique_ptr<TRegistryMigration> Migration = SystemRegistryMigration();
    TEinstellungsspeicher Einstellungen{Ordner, *Migration, SystemDateisystem()};
    std::unique_ptr<TForm1> Form;

    void SetUp() override {
        MitUhr::SetUp();
        // As the program names them: full paths with the system's separators.
        Dokumente = SystemDateisystem().VollerPfad(Temp.Pfad() + "/Dokumente/");
        Programm = SystemDateisystem().VollerPfad(Temp.Pfad() + "/Programm/");
        fs::create_directories(Dokumente);
        fs::create_directories(Programm);
        Kalender = Dokumente + "Privat.ovk";
        KalenderSchreiben(Kalender, {Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
        Ini = Temp.Pfad() + "/config/Orvanto/Orvanto.ini";
        TMeldungsPort::Setze(&Meldungen);
    }
    void TearDown() override {
        TMeldungsPort::Setze(nullptr);
        MitUhr::TearDown();
    }

    void Erzeugen(const std::vector<std::string>& AArgumente) {
        Form = std::make_unique<TForm1>(Ansicht, Steuerung, Einstellungen, SystemDateisystem(), Dokumente,
                                        Programm, AArgumente, std::make_unique<TFakeSprachPlattform>(Gesagt));
    }
    void IniSchreiben(const std::string& AZeilen) {
        fs::create_directories(fs::path(Ini).parent_path());
        DateiSchreiben(Ini, "[MainForm]\n" + AZeilen);
    }
    std::string IniWert(const std::string& AKey) const {
        TMemIniFile Datei(Ini, SystemDateisystem());
        Datei.LoadFromFile();
        return Datei.ReadString("MainForm", AKey, "<fehlt>");
    }
    // Creation, first showing and the start-up step, with the main file set as the settings would.
    void Starten(const std::vector<std::string>& AArgumente, const std::string& AKalFilename = "") {
        Erzeugen(AArgumente);
        Form->SpeicherDaten.VollkopieHalten(); // what the modified state is checked against
        ASSERT_TRUE(Form->FormShow());
        if (!AKalFilename.empty()) {
            Form->SetKalFilename(AKalFilename);
        }
        Form->Timer2Timer();
    }
    // Writes the calendar of the modified-state tests and starts on it: "Arzt" on Wednesday 8.1.,
    // "Training" every Tuesday from 7.1. and "Alt" on 2.1., expired and marked for deletion.
    void AenderungskalenderStarten(TEintragEditor& AEditor) {
        TDaten Datei;
        Datei.Add(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
        Erzeuge(Datei, "Training", at1Woche, D(7, 1, 2025), D(7, 1, 2025));
        Datei.Aendern(Datei[1], [](TDatenClass& e) { e.Id = 1; });
        TDatenClass Alt = Eintrag("Alt", {{D(2, 1, 2025), D(2, 1, 2025)}});
        Alt.Id = 2;
        Alt.DatumListe[0].LoeschenS = true;
        Datei.Add(Alt);
        Datei.SaveToFile(Kalender, SystemDateisystem());
        Starten({Kalender}, Kalender);
        Form->EintragEditorSetzen(AEditor);
    }
    void AenderungMachen() {
        TDatenClass Neu = Eintrag("Neu", {{D(7, 1, 2025), D(7, 1, 2025)}});
        Neu.Id = Form->Daten.NewId();
        Form->Daten.Add(Neu);
    }
};

TEST_F(Form1, StartsWithTheCalendarOnTodaysWeek) {
    Starten({Kalender});
    EXPECT_EQ(Ansicht.Titel, "Privat.ovk - Orvanto V1.03");
    EXPECT_EQ(Form->Daten.Count(), 1);
    EXPECT_FALSE(Form->IsModified());
    EXPECT_TRUE(Meldungen.Texte.empty());
    EXPECT_EQ(Form->Tagesliste.Tagesansicht(), taWoche);
    EXPECT_EQ(Steuerung.Text, "W2/2025");
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
    EXPECT_EQ(Steuerung.Zeilen.size(), 7u); // the appointment stands for its day
    EXPECT_EQ(Steuerung.Fokus, "Zeilen");
    EXPECT_EQ(Ansicht.Status, "Montag, 6. Jänner 2025, 10:00 Uhr");
    EXPECT_EQ(Ansicht.Schriftzuweisungen, 1);
    EXPECT_EQ(Ansicht.SplashGewartet, 1);
    EXPECT_EQ(Ansicht.SplashFrei, 1);
    EXPECT_FALSE(Form->Starting());
    // The first showing schedules the start-up step once.
    EXPECT_FALSE(Form->FormShow());
    // The folders for calendars and sounds exist.
    EXPECT_TRUE(fs::is_directory(Programm + "Sounddateien"));
    EXPECT_TRUE(fs::is_directory(Programm + "Kalenderdateien"));
    EXPECT_TRUE(fs::is_directory(Dokumente + "Kalenderdateien"));
}

TEST_F(Form1, TolkSaysTheNewPeriodAndAToggleThatTheLineDoesNotShow) {
    Starten({Kalender});
    EXPECT_TRUE(Form->Tolk.IsLoaded());
    // The start is heard through the window and its list alone.
    EXPECT_TRUE(Gesagt.empty());
    Form->MenuAnsichtClick(taMonat);
    EXPECT_EQ(Gesagt, std::vector<std::string>{"1/2025"});
    // Today's line has no entry, so the compressed mode does not change it; the appointment's does.
    Gesagt.clear();
    Form->MenuAnsKomprimiertClick();
    EXPECT_EQ(Gesagt, std::vector<std::string>{"Komprimierter Eintragsmodus ein"});
    Form->MenuAnsKomprimiertClick();
    Steuerung.ZeileWaehlen(static_cast<std::int32_t>(
        std::find_if(Steuerung.Zeilen.begin(), Steuerung.Zeilen.end(),
                     [](const std::string& z) { return z.find("Arzt") != std::string::npos; }) -
        Steuerung.Zeilen.begin()));
    Gesagt.clear();
    Form->MenuAnsKomprimiertClick();
    EXPECT_TRUE(Gesagt.empty()) << Gesagt.front();
}

TEST_F(Form1, WithoutAFileTheUsersCalendarFolderIsTheMainFile) {
    Starten({});
    EXPECT_EQ(Form->KalFilename(), Dokumente + "Kalenderdateien/");
    EXPECT_EQ(Ansicht.Titel, "KeinName - Orvanto V1.03");
    EXPECT_EQ(Form->Daten.Count(), 0);
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
}

TEST_F(Form1, AMissingFileStartsEmptyWithoutMessage) {
    const std::string Weg = Dokumente + "Geloescht.ovk";
    Starten({}, Weg);
    EXPECT_TRUE(Meldungen.Texte.empty());
    EXPECT_EQ(Form->Daten.Count(), 0);
    EXPECT_EQ(Form->KalFilename(), Weg);
    EXPECT_FALSE(Form->IsModified());
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
}

TEST_F(Form1, ADamagedFileKeepsItsFolder) {
    const std::string Kaputt = Dokumente + "Kaputt.ovk";
    DateiSchreiben(Kaputt, "OV_3\x01\x02");
    Starten({Kaputt});
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0].rfind("Kalenderdatei konnte nicht geladen werden:\r\n" + Kaputt, 0), 0u)
        << Meldungen.Texte[0];
    EXPECT_EQ(Form->KalFilename(), Dokumente);
    EXPECT_EQ(Ansicht.Titel, "KeinName - Orvanto V1.03");
    EXPECT_EQ(Form->Daten.Count(), 0);
    EXPECT_FALSE(Form->IsModified());
    // The damaged file is untouched, and the window works on the empty calendar.
    EXPECT_EQ(DateiLesen(Kaputt), std::string("OV_3\x01\x02"));
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
    EXPECT_FALSE(Form->Starting());
}

TEST_F(Form1, HolidayAndSpecialFilesAreLoadedWhenTheirOptionsAreOn) {
    const std::string Feiertage = Programm + "Feiertage.ovf";
    KalenderSchreiben(Feiertage, {Eintrag("Dreikönig", {{D(6, 1, 2025), D(6, 1, 2025)}}, ttFeiertag)});
    const std::string Sonder = Programm + "Kaputt.ovk";
    DateiSchreiben(Sonder, "OV_3\x01");
    IniSchreiben("FeiertagS=1\nFeiertagsFilename=" + Feiertage + "\nSonderS=1\nSonderFilename=" + Sonder +
                 "\n");
    Starten({Kalender});
    EXPECT_TRUE(Form->FeiertagS);
    EXPECT_FALSE(Form->SonderS); // its file could not be loaded
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_NE(Meldungen.Texte[0].find(Sonder), std::string::npos) << Meldungen.Texte[0];
    EXPECT_EQ(Form->Geladen.Count(), 1);
    EXPECT_EQ(Form->Daten.Count(), 2);
    // Entries of loaded files never count as changes.
    EXPECT_FALSE(Form->IsModified());
    // The holiday stands for today's line.
    EXPECT_EQ(Steuerung.Aktuell(), "W2  Mo 06.01.2025: \"Dreikönig\" | (1*)");
    // The option that did not work is stored as off.
    Form->FormClose();
    EXPECT_EQ(IniWert("FeiertagS"), "1");
    EXPECT_EQ(IniWert("SonderS"), "0");
}

TEST_F(Form1, CommandLineTable) {
    const std::string Import = Dokumente + "Neu.ovi";
    KalenderSchreiben(Import, {Eintrag("Import", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    struct TFall {
        std::vector<std::string> Argumente;
        std::string ImportDatei;
        bool Vorschau;
        std::string KalFilename;
    };
    const std::string Ordner = Dokumente + "Kalenderdateien/";
    const std::vector<TFall> Faelle = {
        {{"/systemstartup"}, "", true, Ordner},
        {{" /systemstartup "}, "", true, Ordner}, // arguments are trimmed
        {{"/SystemStartup"}, "", false, Ordner},  // but compared exactly
        {{"/I:" + Import}, Import, false, Ordner},
        {{"/i:" + Import}, Import, false, Ordner}, // the prefix in any case
        {{"/I:" + Dokumente + "Fehlt.ovi"}, "", false, Ordner},
        {{Kalender}, "", false, Kalender},
        {{Kalender + "|/systemstartup"}, "", false, Kalender}, // only the first piece counts
        {{"Unsinn", Kalender}, "", false, Ordner},
    };
    // The import's question is declined.
    Meldungen.Antwort = maNein;
    for (const TFall& f : Faelle) {
        const std::string Fall = f.Argumente.front();
        Starten(f.Argumente);
        EXPECT_EQ(Form->StartImportFilename(), f.ImportDatei) << Fall;
        EXPECT_EQ(Form->StartVorschauS(), f.Vorschau) << Fall;
        EXPECT_EQ(Form->KalFilename(), f.KalFilename) << Fall;
        // No import happens before its question.
        EXPECT_EQ(Form->Daten.Count(), f.KalFilename == Kalender ? 1 : 0) << Fall;
    }
}

TEST_F(Form1, CloseQuestion) {
    struct TFall {
        const char* Name;
        bool Aendern;
        TMeldungsAntwort Antwort;
        bool Schliesst;
        bool Gespeichert;
    };
    const TFall Faelle[] = {
        {"unchanged", false, maJa, true, false},
        {"yes", true, maJa, true, true},
        {"no", true, maNein, true, false},
        {"cancel", true, maAbbrechen, false, false},
    };
    for (const TFall& f : Faelle) {
        KalenderSchreiben(Kalender, {Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
        Meldungen.Texte.clear();
        Starten({Kalender});
        if (f.Aendern) {
            AenderungMachen();
        }
        Meldungen.Antwort = f.Antwort;
        EXPECT_EQ(Form->FormCloseQuery(), f.Schliesst) << f.Name;
        if (f.Aendern) {
            EXPECT_EQ(Meldungen.Texte,
                      std::vector<std::string>{"Sollen die vorgenommenen Änderungen gespeichert werden?"})
                << f.Name;
        } else {
            EXPECT_TRUE(Meldungen.Texte.empty()) << f.Name;
        }
        TDaten Datei;
        ASSERT_TRUE(Datei.LoadFromFile(Kalender, false, 0, SystemDateisystem()));
        EXPECT_EQ(Datei.Count(), f.Gespeichert ? 2 : 1) << f.Name;
        EXPECT_EQ(Form->IsModified(), f.Aendern && !f.Gespeichert) << f.Name;
    }
}

TEST_F(Form1, AFailingSaveKeepsTheWindowOpen) {
    const std::string Ordner = SystemDateisystem().VollerPfad(Dokumente + "Weg/");
    fs::create_directories(Ordner);
    KalenderSchreiben(Ordner + "Privat.ovk", {Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
    Starten({Ordner + "Privat.ovk"});
    AenderungMachen();
    fs::remove_all(Ordner);
    Meldungen.Antwort = maJa;
    EXPECT_FALSE(Form->FormCloseQuery());
    ASSERT_EQ(Meldungen.Texte.size(), 2u);
    EXPECT_EQ(Meldungen.Texte[1].rfind("Speichern fehlgeschlagen:\r\n", 0), 0u) << Meldungen.Texte[1];
    EXPECT_TRUE(Form->IsModified());
    EXPECT_EQ(Form->KalFilename(), Ordner + "Privat.ovk");
}

TEST_F(Form1, YesWithoutAFileNameKeepsTheWindowOpen) {
    Starten({});
    AenderungMachen();
    Meldungen.Antwort = maJa;
    // Without the window's dialogs the save-as dialog counts as cancelled.
    EXPECT_FALSE(Form->FormCloseQuery());
    EXPECT_TRUE(Form->IsModified());
}

TEST_F(Form1, ClockShowsTheTimeUntilTheWindowCloses) {
    Starten({Kalender});
    const int Vorher = Ansicht.Statuswechsel;
    Form->Timer1Timer();
    EXPECT_EQ(Ansicht.Statuswechsel, Vorher); // same minute: the text is left alone
    TUhr::Festhalten(D(7, 1, 2025) + 14.5 / 24);
    Form->Timer1Timer();
    EXPECT_EQ(Ansicht.Status, "Dienstag, 7. Jänner 2025, 14:30 Uhr");
    ASSERT_TRUE(Form->FormCloseQuery());
    Form->FormClose();
    TUhr::Festhalten(D(7, 1, 2025) + 15.0 / 24);
    Form->Timer1Timer();
    EXPECT_EQ(Ansicht.Status, "Dienstag, 7. Jänner 2025, 14:30 Uhr");
}

TEST_F(Form1, ViewCommands) {
    Starten({Kalender});
    Form->MenuAnsichtClick(taJahr);
    EXPECT_EQ(Steuerung.Text, "2025");
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
    Form->MenuAnsichtClick(taWoche);
    // Compressed mode rebuilds the lines and keeps the selected index.
    const auto Arzt = std::find_if(Steuerung.Zeilen.begin(), Steuerung.Zeilen.end(),
                                   [](const std::string& z) { return z.find("Arzt") != std::string::npos; });
    ASSERT_NE(Arzt, Steuerung.Zeilen.end());
    const auto Nr = static_cast<std::int32_t>(Arzt - Steuerung.Zeilen.begin());
    Steuerung.ZeileWaehlen(Nr);
    const std::string Vorher = Steuerung.Aktuell();
    Form->MenuAnsKomprimiertClick();
    EXPECT_TRUE(Form->KomprimiertS());
    EXPECT_EQ(Steuerung.ZeilenNr, Nr);
    EXPECT_NE(Steuerung.Aktuell(), Vorher);
    Form->MenuAnsKomprimiertClick();
    EXPECT_EQ(Steuerung.Aktuell(), Vorher);
    // In free-days mode the jump to today shows every day again.
    Form->MenuAnsAusblenden(fiFrei);
    ASSERT_TRUE(Form->Tagesliste.FreiS());
    Form->MenuSprHeuteClick();
    EXPECT_FALSE(Form->Tagesliste.FreiS());
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
}

TEST_F(Form1, EmptyProgramFoldersAreRemovedAtTheEnd) {
    Starten({Kalender});
    DateiSchreiben(Programm + "Sounddateien/Wolf.wav", "RIFF");
    Form->FormDestroy();
    EXPECT_TRUE(fs::exists(Programm + "Sounddateien/Wolf.wav"));
    EXPECT_FALSE(fs::exists(Programm + "Kalenderdateien"));
    EXPECT_FALSE(fs::exists(Dokumente + "Kalenderdateien"));
    EXPECT_TRUE(fs::exists(Kalender));
}

TEST_F(Form1, TheStoredSettingsAreTakenBeforeTheStartUpStep) {
    const std::string Zweit = Dokumente + "Zweit.ovk";
    KalenderSchreiben(Zweit, {});
    IniSchreiben("WindowState=2\nHeight=800\nWidth=1100\nKomprimiertS=1\nKwocheS=0\nSikDateiAnlegen=1\n"
                 "Vorschautage=5\nShowSplashScreen=0\nFontName=Arial\nFontSize=14\nFontStyle=2\n"
                 "BackColor=255\nKalFilename=" +
                 Kalender + "\nHistory1=" + Zweit + "\nHistory2=" + Kalender + "\n");
    Starten({});
    EXPECT_EQ(Ansicht.Lage, (TFensterlage{fzMaximiert, 800, 1100}));
    EXPECT_TRUE(Form->KomprimiertS());
    EXPECT_FALSE(Form->Tagesliste.KwocheS());
    EXPECT_TRUE(Form->SikDateiAnlegenS);
    EXPECT_FALSE(Form->ShowSplashScreenS);
    EXPECT_EQ(Form->Vorschautage(), 5);
    EXPECT_EQ(Ansicht.Schrift, (TSchrift{"Arial", 14, clWindowText, 0, fsBold}));
    EXPECT_EQ(Ansicht.Hintergrund, 255u);
    // The stored calendar is loaded and moves to the top of the recent files.
    EXPECT_EQ(Form->KalFilename(), Kalender);
    EXPECT_EQ(Form->Daten.Count(), 1);
    EXPECT_EQ(Ansicht.History, (std::vector<std::string>{"&1 " + Kalender, "&2 " + Zweit}));
    // The lines show the stored options: no week prefix.
    EXPECT_EQ(Steuerung.Aktuell(), "Mo 06.01.2025: Heute");
    EXPECT_TRUE(Meldungen.Texte.empty());
}

TEST_F(Form1, WithoutAUsableStoredSizeTheWindowTakesTheDefaultSize) {
    struct TFall {
        const char* Zeilen;
        TFensterlage Erwartet;
    };
    const TFall Faelle[] = {
        {"", {fzNormal, 900, 1200}},
        {"Height=100\nWidth=50\n", {fzNormal, 900, 1200}},
        {"WindowState=2\nHeight=800\n", {fzMaximiert, 800, 1200}},
    };
    for (const TFall& f : Faelle) {
        IniSchreiben(f.Zeilen);
        // What the toolkit reports of a window that has not been shown yet.
        Ansicht.Lage = TFensterlage{fzNormal, 26, 4};
        Starten({Kalender});
        EXPECT_EQ(Ansicht.Lage, f.Erwartet) << f.Zeilen;
        Form->FormClose();
        EXPECT_EQ(IniWert("Height"), std::to_string(f.Erwartet.Height)) << f.Zeilen;
        EXPECT_EQ(IniWert("Width"), std::to_string(f.Erwartet.Width)) << f.Zeilen;
        Form.reset();
    }
}

TEST_F(Form1, ACalendarOnTheCommandLineWinsOverTheStoredOne) {
    const std::string Zweit = Dokumente + "Zweit.ovk";
    KalenderSchreiben(Zweit, {});
    IniSchreiben("KalFilename=" + Kalender + "\nHistory1=" + Kalender + "\n");
    Starten({Zweit});
    EXPECT_EQ(Form->KalFilename(), Zweit);
    EXPECT_EQ(Ansicht.History, (std::vector<std::string>{"&1 " + Zweit, "&2 " + Kalender}));
    Form->FormClose();
    EXPECT_EQ(IniWert("KalFilename"), Zweit);
    EXPECT_EQ(IniWert("History1"), Zweit);
    EXPECT_EQ(IniWert("History2"), Kalender);
}

TEST_F(Form1, ClosingSavesTheSettings) {
    struct TFall {
        const char* Name;
        std::optional<TFensterlage> Lage;
        std::string Height, Width, WindowState;
    };
    const TFall Faelle[] = {
        {"normal", TFensterlage{fzNormal, 750, 1050}, "750", "1050", "0"},
        {"maximized", TFensterlage{fzMaximiert, 720, 1010}, "720", "1010", "2"},
        {"minimized keeps the stored size", std::nullopt, "800", "1100", "2"},
    };
    for (const TFall& f : Faelle) {
        IniSchreiben("WindowState=2\nHeight=800\nWidth=1100\nHintColor=3\n");
        Starten({Kalender});
        Form->MenuAnsKomprimiertClick();
        Ansicht.Lage = f.Lage;
        Form->FormClose();
        EXPECT_TRUE(Form->IsClosing()) << f.Name;
        EXPECT_EQ(IniWert("Height"), f.Height) << f.Name;
        EXPECT_EQ(IniWert("Width"), f.Width) << f.Name;
        EXPECT_EQ(IniWert("WindowState"), f.WindowState) << f.Name;
        EXPECT_EQ(IniWert("KalFilename"), Kalender) << f.Name;
        EXPECT_EQ(IniWert("History1"), Kalender) << f.Name;
        EXPECT_EQ(IniWert("History2"), "<fehlt>") << f.Name;
        EXPECT_EQ(IniWert("KomprimiertS"), "1") << f.Name;
        EXPECT_EQ(IniWert("KwocheS"), "1") << f.Name;
        EXPECT_EQ(IniWert("FontName"), "Courier New") << f.Name;
        // The old colour number chose the background; it is now stored as a colour.
        EXPECT_EQ(IniWert("BackColor"), std::to_string(0xFF0000)) << f.Name;
        EXPECT_EQ(IniWert("HintColor"), "3") << f.Name;
        EXPECT_TRUE(Meldungen.Texte.empty()) << f.Name;
        Form.reset();
        SetAnzeigeKomprimiert(false);
    }
}

TEST_F(Form1, CommandsThatChangeAStoredOptionSaveAtOnce) {
    struct TFall {
        const char* Name;
        std::function<void(TForm1&)> Befehl;
        const char* Key;
        const char* Wert; // after the command; "<fehlt>" when nothing is saved
    };
    const TFall Faelle[] = {
        {"compressed", [](TForm1& f) { f.MenuAnsKomprimiertClick(); }, "KomprimiertS", "1"},
        {"calendar weeks", [](TForm1& f) { f.MenuAnsAusblenden(fiKwoche); }, "KwocheS", "0"},
        {"splash", [](TForm1& f) { f.MenuEinstSplashClick(); }, "ShowSplashScreen", "0"},
        {"vacation filter", [](TForm1& f) { f.MenuAnsAusblenden(fiUrlaub); }, "KwocheS", "<fehlt>"},
        {"year view", [](TForm1& f) { f.MenuAnsichtClick(taJahr); }, "KwocheS", "<fehlt>"},
    };
    for (const TFall& f : Faelle) {
        IniSchreiben("");
        Starten({Kalender});
        f.Befehl(*Form);
        EXPECT_EQ(IniWert(f.Key), f.Wert) << f.Name;
        Form.reset();
        SetAnzeigeKomprimiert(false);
    }
}

TEST_F(Form1, AnUnusableSettingsFolderIsReportedAndTheProgramGoesOn) {
    // The configuration folder is a file: the settings folder cannot be created.
    DateiSchreiben(Temp.Pfad() + "/Datei", "x");
    Ordner.Anwendungsdaten = Temp.Pfad() + "/Datei/";
    const std::string Meldung = "Die Programmeinstellungen konnten nicht gelesen oder gespeichert werden.\n"
                                "Der Einstellungsordner konnte nicht angelegt werden.";
    for (const auto& Argumente : {std::vector<std::string>{Kalender}, std::vector<std::string>{}}) {
        Meldungen.Texte.clear();
        Starten(Argumente);
        EXPECT_EQ(Meldungen.Texte, std::vector<std::string>{Meldung});
        // The defaults apply; a calendar on the command line still opens.
        EXPECT_EQ(Form->KalFilename(), Argumente.empty() ? Dokumente + "Kalenderdateien/" : Kalender);
        EXPECT_EQ(Ansicht.Lage, (TFensterlage{fzNormal, 900, 1200}));
        EXPECT_EQ(Steuerung.Aktuell().substr(0, 17), "W2  Mo 06.01.2025");
        Form->FormClose();
        EXPECT_EQ(Meldungen.Texte, (std::vector<std::string>{Meldung, Meldung}));
        EXPECT_TRUE(Form->IsClosing());
    }
}

TEST_F(Form1, ARecentFileOpensThroughTheSaveQuestion) {
    const std::string Zweit = Dokumente + "Zweit.ovk";
    KalenderSchreiben(Zweit, {Eintrag("Zahnarzt", {{D(9, 1, 2025), D(9, 1, 2025)}}),
                              Eintrag("Friseur", {{D(10, 1, 2025), D(10, 1, 2025)}})});
    struct TFall {
        const char* Name;
        bool Aendern;
        TMeldungsAntwort Antwort;
        bool Geoeffnet;
        int EintraegeImKalender; // in the file Kalender afterwards
    };
    const TFall Faelle[] = {
        {"unchanged", false, maAbbrechen, true, 1},
        {"cancel", true, maAbbrechen, false, 1},
        {"no", true, maNein, true, 1},
        {"yes", true, maJa, true, 2},
    };
    for (const TFall& f : Faelle) {
        KalenderSchreiben(Kalender, {Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
        IniSchreiben("History1=" + Zweit + "\n");
        Meldungen.Texte.clear();
        Starten({Kalender});
        ASSERT_EQ(Ansicht.History, (std::vector<std::string>{"&1 " + Kalender, "&2 " + Zweit})) << f.Name;
        if (f.Aendern) {
            AenderungMachen();
        }
        Meldungen.Antwort = f.Antwort;
        Form->HistoryMenuClick(1);
        EXPECT_EQ(Meldungen.Texte.size(), f.Aendern ? 1u : 0u) << f.Name;
        EXPECT_EQ(Form->KalFilename(), f.Geoeffnet ? Zweit : Kalender) << f.Name;
        EXPECT_EQ(Form->Daten.FindeKurztext("Friseur"), f.Geoeffnet) << f.Name;
        EXPECT_EQ(Form->IsModified(), !f.Geoeffnet) << f.Name;
        EXPECT_EQ(Ansicht.History, f.Geoeffnet ? (std::vector<std::string>{"&1 " + Zweit, "&2 " + Kalender})
                                               : (std::vector<std::string>{"&1 " + Kalender, "&2 " + Zweit}))
            << f.Name;
        TDaten Datei;
        ASSERT_TRUE(Datei.LoadFromFile(Kalender, false, 0, SystemDateisystem()));
        EXPECT_EQ(Datei.Count(), f.EintraegeImKalender) << f.Name;
    }
    // The opened calendar is shown on today's week.
    EXPECT_EQ(Steuerung.Text, "W2/2025");
    EXPECT_TRUE(std::any_of(Steuerung.Zeilen.begin(), Steuerung.Zeilen.end(),
                            [](const std::string& z) { return z.find("Friseur") != std::string::npos; }));
}

TEST_F(Form1, ARecentFileThatCannotBeReadKeepsTheCalendar) {
    const std::string Kaputt = Dokumente + "Kaputt.ovk";
    DateiSchreiben(Kaputt, "OV_3\x01");
    IniSchreiben("History1=" + Kaputt + "\n");
    Starten({Kalender});
    Form->HistoryMenuClick(1);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_NE(Meldungen.Texte[0].find(Kaputt), std::string::npos) << Meldungen.Texte[0];
    EXPECT_EQ(Form->KalFilename(), Kalender);
    EXPECT_EQ(Form->Daten.Count(), 1);
    EXPECT_EQ(Ansicht.History, (std::vector<std::string>{"&1 " + Kalender, "&2 " + Kaputt}));
    // A tag without an entry does nothing.
    Form->HistoryMenuClick(2);
    EXPECT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Form->KalFilename(), Kalender);
}

TEST_F(Form1, SavingPutsTheFileOnTopOfTheRecentFiles) {
    const std::string Neu = Dokumente + "Neu.ovk";
    IniSchreiben("History1=" + Kalender + "\n");
    Starten({}, Neu);
    EXPECT_EQ(Ansicht.History, std::vector<std::string>{"&1 " + Kalender});
    AenderungMachen();
    ASSERT_TRUE(Form->Speichern());
    EXPECT_EQ(Ansicht.History, (std::vector<std::string>{"&1 " + Neu, "&2 " + Kalender}));
}

// Selects the first line containing ATeil, as the user's arrow keys do.
void WaehleZeile(TFakeSteuerung& ASteuerung, const std::string& ATeil) {
    const auto i = std::find_if(ASteuerung.Zeilen.begin(), ASteuerung.Zeilen.end(),
                                [&](const std::string& z) { return z.find(ATeil) != std::string::npos; });
    ASSERT_NE(i, ASteuerung.Zeilen.end()) << ATeil;
    ASteuerung.ZeilenNr = static_cast<std::int32_t>(i - ASteuerung.Zeilen.begin());
}

TEST_F(Form1, TheEntryJumpsNeedAnEntryLineInTheFocusedList) {
    Starten({Kalender});
    const struct {
        const char* Zeile;
        const char* Fokus;
        bool EnabledS;
    } Faelle[] = {
        {"Arzt", "Zeilen", true},
        {"Arzt", "Perioden", false},
        {"06.01.2025", "Zeilen", false},
        {"06.01.2025", "Perioden", false},
    };
    for (const auto& f : Faelle) {
        WaehleZeile(Steuerung, f.Zeile);
        Steuerung.Fokus = f.Fokus;
        for (TMenueBefehl b : {mbSprErster, mbSprLetzter, mbSprVoriger, mbSprNaechster}) {
            EXPECT_EQ(Form->MenueZustand(b).EnabledS, f.EnabledS) << f.Zeile << " " << f.Fokus << " " << b;
        }
        // Paging and the other jumps need neither.
        for (TMenueBefehl b : {mbVorblaettern, mbZurueckblaettern, mbSprHeute, mbSprAnfang, mbSprEnde}) {
            EXPECT_TRUE(Form->MenueZustand(b).EnabledS) << f.Zeile << " " << f.Fokus << " " << b;
        }
        // A disabled command does nothing, not even beep.
        const auto Vorher = Steuerung.Zeilen;
        const int Pieps = Steuerung.Pieps;
        Form->MenueBefehl(mbSprErster);
        EXPECT_EQ(Steuerung.Pieps - Pieps, f.EnabledS ? 1 : 0) << f.Zeile << " " << f.Fokus;
        EXPECT_EQ(Steuerung.Zeilen, Vorher);
    }
}

TEST_F(Form1, CheckMarksFollowTheViewAndTheFilters) {
    Starten({Kalender});
    const auto Haken = [&](TMenueBefehl b) { return Form->MenueZustand(b).CheckedS; };
    EXPECT_TRUE(Haken(mbWoche) && !Haken(mbJahr) && !Haken(mbMonat));
    EXPECT_TRUE(Haken(mbTermintage) && Haken(mbUnbelegt) && Haken(mbFeiertage) && Haken(mbUrlaub));
    EXPECT_TRUE(Haken(mbKwoche) && Haken(mbSplash));
    EXPECT_FALSE(Haken(mbFrei) || Haken(mbKomprimiert));
    Form->MenueBefehl(mbJahr);
    EXPECT_TRUE(Haken(mbJahr) && !Haken(mbWoche));
    EXPECT_EQ(Steuerung.Text, "2025");
    Form->MenueBefehl(mbFrei);
    EXPECT_TRUE(Haken(mbFrei));
    EXPECT_FALSE(Haken(mbTermintage) || Haken(mbUnbelegt) || Haken(mbFeiertage) || Haken(mbUrlaub));
    Form->MenueBefehl(mbKomprimiert);
    EXPECT_TRUE(Haken(mbKomprimiert));
    Form->MenueBefehl(mbKwoche);
    EXPECT_FALSE(Haken(mbKwoche));
    Form->MenueBefehl(mbAlleTage);
    EXPECT_TRUE(Haken(mbTermintage) && Haken(mbUnbelegt) && !Haken(mbFrei));
    Form->MenueBefehl(mbLeererKalender);
    EXPECT_TRUE(Haken(mbUnbelegt) && !Haken(mbTermintage));
    SetAnzeigeKomprimiert(false);
}

TEST_F(Form1, JumpsToADateGiveEveryDayALine) {
    const struct {
        const char* Was;
        std::function<void(TForm1&)> Befehl;
        const char* Periode;
        const char* Zeile;
    } Faelle[] = {
        {"calendar start", [](TForm1& f) { f.MenueBefehl(mbSprAnfang); }, "W1/1900", "W1  Mo 01.01.1900"},
        {"calendar end", [](TForm1& f) { f.MenueBefehl(mbSprEnde); }, "W52/2100", "    Fr 31.12.2100"},
        {"go to date", [](TForm1& f) { f.GeheZuDatum(D(7, 1, 2025)); }, "W2/2025", "    Di 07.01.2025"},
    };
    for (const auto& f : Faelle) {
        Starten({Kalender});
        Form->MenuAnsAusblenden(fiUnbelegt);
        ASSERT_FALSE(Form->Tagesliste.UnbelegtS());
        Steuerung.Fokus = "Perioden";
        f.Befehl(*Form);
        EXPECT_TRUE(Form->Tagesliste.UnbelegtS()) << f.Was;
        EXPECT_FALSE(Form->Tagesliste.FreiS()) << f.Was;
        EXPECT_EQ(Steuerung.Text, f.Periode) << f.Was;
        EXPECT_EQ(Steuerung.Aktuell(), f.Zeile) << f.Was;
        EXPECT_EQ(Steuerung.Fokus, "Zeilen") << f.Was;
        Form.reset();
    }
}

TEST_F(Form1, GoToDateStartsOnTheSelectedLinesDate) {
    Starten({Kalender});
    EXPECT_EQ(Form->GeheDatumVorgabe(), D(6, 1, 2025));
    WaehleZeile(Steuerung, "Arzt");
    EXPECT_EQ(Form->GeheDatumVorgabe(), D(8, 1, 2025));
    Steuerung.ZeilenNr = -1;
    EXPECT_EQ(Form->GeheDatumVorgabe(), D(6, 1, 2025));
}

TEST_F(Form1, PagingAndEntryJumpsThroughTheMenuCommands) {
    Starten({Kalender});
    Form->MenueBefehl(mbVorblaettern);
    EXPECT_EQ(Steuerung.Text, "W3/2025");
    Form->MenueBefehl(mbZurueckblaettern);
    Form->MenueBefehl(mbZurueckblaettern);
    EXPECT_EQ(Steuerung.Text, "W1/2024-2025");
    Form->MenueBefehl(mbSprHeute);
    WaehleZeile(Steuerung, "Arzt");
    // The entry has one record: every jump is refused.
    for (TMenueBefehl b : {mbSprErster, mbSprLetzter, mbSprVoriger, mbSprNaechster}) {
        const int Pieps = Steuerung.Pieps;
        Form->MenueBefehl(b);
        EXPECT_EQ(Steuerung.Pieps - Pieps, 1) << b;
    }
}

// The search dialogs answer "arzt" and take the first found entry.
class TArztSuche : public TSuchDialoge {
public:
    int Gezeigt = 0;
    bool SuchenZeigen(TSuchenForm& AForm) override {
        ++Gezeigt;
        AForm.Suchbegriff = "Arzt";
        return true;
    }
    bool GefundeneZeigen(TSuchKlassenForm& AForm) override {
        AForm.ItemIndex = 0;
        return true;
    }
    void NamenSucheZeigen(TSucheNameForm&) override {}
};

TEST_F(Form1, TheSearchMenuNeedsItsDialogsAnEntryAndForContinuingATerm) {
    Starten({Kalender});
    const auto Frei = [&](TMenueBefehl b) { return Form->MenueZustand(b).EnabledS; };
    EXPECT_FALSE(Frei(mbSuchen));
    EXPECT_FALSE(Frei(mbNamenstag));
    TArztSuche Dialoge;
    Form->SuchDialogeSetzen(Dialoge);
    EXPECT_TRUE(Frei(mbSuchen));
    EXPECT_TRUE(Frei(mbNamenstag));
    // F3 does nothing before the first search.
    EXPECT_FALSE(Frei(mbSuchenWeiter));
    Form->MenueBefehl(mbSuchenWeiter);
    EXPECT_EQ(Dialoge.Gezeigt, 0);
    Form->MenueBefehl(mbSuchen);
    EXPECT_EQ(Dialoge.Gezeigt, 1);
    EXPECT_NE(Steuerung.Aktuell().find("Mi 08.01.2025: Arzt"), std::string::npos) << Steuerung.Aktuell();
    EXPECT_TRUE(Frei(mbSuchenWeiter));
    Form->Daten.Clear();
    EXPECT_FALSE(Frei(mbSuchen));
    EXPECT_FALSE(Frei(mbSuchenWeiter));
}

TEST_F(Form1, AFailingCommandIsReportedAndTheProgramGoesOn) {
    Starten({Kalender});
    Steuerung.ErsetzenWirftS = true;
    Form->MenueBefehl(mbVorblaettern);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0], "Der Befehl konnte nicht ausgeführt werden:\r\nZu wenig Speicher.");
    Form->Ausfuehren([] { throw 42; });
    ASSERT_EQ(Meldungen.Texte.size(), 2u);
    EXPECT_EQ(Meldungen.Texte[1], "Der Befehl konnte nicht ausgeführt werden:\r\nUnbekannter Fehler.");
    Steuerung.ErsetzenWirftS = false;
    Form->MenueBefehl(mbSprHeute);
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
}

TEST_F(Form1, TheFontDialogsChoiceGoesToTheWindowAndTheSettings) {
    Starten({Kalender});
    TSchrift Schrift;
    Schrift.Name = "DejaVu Sans";
    Schrift.Groesse = 20;
    Form->SchriftUebernehmen(Schrift, 0x00FFFF);
    EXPECT_EQ(Ansicht.Schrift.Name, "DejaVu Sans");
    EXPECT_EQ(Ansicht.Hintergrund, 0x00FFFFu);
    EXPECT_EQ(IniWert("FontName"), "DejaVu Sans");
    EXPECT_EQ(IniWert("FontSize"), "20");
}

TEST_F(Form1, TheMenuDialogsChangeNothingUntilOK) {
    Starten({Kalender});
    WaehleZeile(Steuerung, "Arzt");
    const std::string ArztZeile = Steuerung.Aktuell();
    Form->MenueBefehl(mbGeheDatum);
    EXPECT_EQ(Ansicht.GeheDatumGezeigt, D(8, 1, 2025));
    EXPECT_EQ(Steuerung.Aktuell(), ArztZeile);
    Ansicht.GeheDatumWahl = D(7, 1, 2025);
    Form->MenueBefehl(mbGeheDatum);
    EXPECT_EQ(Steuerung.Aktuell(), "    Di 07.01.2025");

    const int Zuweisungen = Ansicht.Schriftzuweisungen;
    Form->MenueBefehl(mbSchrift);
    EXPECT_EQ(Ansicht.SchriftGezeigt.Name, Form->AktFont.Name);
    EXPECT_EQ(Ansicht.Schriftzuweisungen, Zuweisungen);
    TSchrift Schrift;
    Schrift.Name = "DejaVu Sans";
    Schrift.Groesse = 20;
    Ansicht.SchriftWahl = Schrift;
    Ansicht.HintergrundWahl = 0x00FFFF;
    Form->MenueBefehl(mbSchrift);
    EXPECT_EQ(Ansicht.Schrift.Name, "DejaVu Sans");
    EXPECT_EQ(Ansicht.Hintergrund, 0x00FFFFu);
    EXPECT_EQ(IniWert("FontSize"), "20");

    Form->MenueBefehl(mbVortage);
    EXPECT_EQ(Ansicht.VortageGezeigt, 3);
    EXPECT_EQ(Form->Vorschautage(), 3);
    Ansicht.VortageWahl = 7;
    Form->MenueBefehl(mbVortage);
    EXPECT_EQ(Form->Vorschautage(), 7);
    EXPECT_EQ(IniWert("Vorschautage"), "7");
}

TEST(MenueBefehl, EveryCommandHasAtMostOneAccessKeyAndAShortcutOfItsOwn) {
    std::set<std::string> Kurztasten;
    for (std::int32_t b = 0; b < MenueBefehlAnzahl; ++b) {
        const TMenueEintrag& e = MenueEintrag(static_cast<TMenueBefehl>(b));
        const std::string Caption = e.Caption;
        const size_t Marke = Caption.find('&');
        if (Marke != std::string::npos) {
            EXPECT_LT(Marke + 1, Caption.size()) << Caption;
            EXPECT_EQ(Caption.find('&', Marke + 1), std::string::npos) << Caption;
        }
        if (*e.Kurztaste != '\0') {
            EXPECT_TRUE(Kurztasten.insert(e.Kurztaste).second) << e.Kurztaste;
        }
    }
}

} // namespace

TEST_F(Form1, EnterMakesANewEntryOnADayLineAndTheModifiedStateFollowsTheCalendar) {
    Starten({Kalender}, Kalender);
    EXPECT_FALSE(Form->MenueZustand(mbNeu).EnabledS) << "without the editor";
    TFakeEditor Editor(Meldungen);
    Form->EintragEditorSetzen(Editor);
    ASSERT_TRUE(Form->MenueZustand(mbNeu).EnabledS);
    Editor.Eingabe = [](TNeuForm::TFelder& f) { f.Kurztext = "Zahnarzt"; };
    Meldungen.Antwort = maJa;
    Form->ZeileEingabe(); // on today's day line
    EXPECT_EQ(Editor.Gezeigt, 1);
    EXPECT_EQ(Steuerung.Aktuell(), "W2  Mo 06.01.2025: Zahnarzt | (T1E+) | Von heute bis heute");
    EXPECT_TRUE(Form->IsModified());
    // On an entry line Enter asks for the information, which is not there yet.
    Form->ZeileEingabe();
    EXPECT_EQ(Editor.Gezeigt, 1);
    Form->MenueBefehl(mbLoeschen);
    EXPECT_EQ(Meldungen.Texte.back(), "Soll der folgende Eintrag gelöscht werden?\r\nMo 06.01.2025: Zahnarzt "
                                      "| (T1E+) | Von heute bis heute");
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
    EXPECT_FALSE(Form->IsModified()) << "the calendar is as saved again";
}

TEST_F(Form1, ATextOutsideCodePage1252StaysInTheCalendarWhenTheSaveRefusesIt) {
    Starten({Kalender}, Kalender);
    const std::string Vorher = DateiLesen(Kalender);
    TFakeEditor Editor(Meldungen);
    Form->EintragEditorSetzen(Editor);
    Editor.Eingabe = [](TNeuForm::TFelder& f) { f.Kurztext = "Schneemann \u2603"; };
    Meldungen.Antwort = maJa;
    Form->MenueBefehl(mbNeu);
    ASSERT_EQ(Form->Daten.Count(), 2);
    EXPECT_FALSE(Form->Speichern());
    EXPECT_EQ(Meldungen.Texte.back(),
              "Speichern fehlgeschlagen:\r\nDer Text enthält Zeichen, die das bisherige "
              "Kalenderformat nicht speichern kann. Die Originaldatei bleibt erhalten.");
    EXPECT_EQ(DateiLesen(Kalender), Vorher);
    EXPECT_EQ(Form->Daten[1].Kurztext, "Schneemann \u2603");
    EXPECT_TRUE(Form->IsModified());
}

// Opening another calendar keeps the clipboard's copy but not its link into the old calendar, whose
// entries' addresses the new one may take.
TEST_F(Form1, OpeningACalendarUnlinksTheClipboard) {
    Starten({Kalender}, Kalender);
    TFakeEditor Editor(Meldungen);
    Form->EintragEditorSetzen(Editor);
    Form->GeheZuDatum(D(8, 1, 2025));
    WaehleZeile(Steuerung, "Arzt");
    Form->MenueBefehl(mbKopieren);
    const TGemerktClass* Gemerkt = Form->Eintraege()->Gemerkt();
    ASSERT_NE(Gemerkt, nullptr);
    EXPECT_EQ(Gemerkt->DatenClass, &Form->Daten[0]);
    const std::string Anderer = Dokumente + "Anderer.ovk";
    KalenderSchreiben(Anderer, {Eintrag("Kino", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    ASSERT_TRUE(Form->Oeffne(Anderer));
    ASSERT_EQ(Form->Eintraege()->Gemerkt(), Gemerkt);
    EXPECT_EQ(Gemerkt->DatenClass, nullptr);
    EXPECT_EQ(Gemerkt->Datums->Kurztext, "Arzt");
}

// The modified state after every entry and file command, as the enable rule of "&Speichern" and the
// save question read it, against the full comparison of the calendar with its saved copy. The check
// reads only the records of entries changed since the copy, so several sequences come back to the
// saved state by another way than the one they left it by (an exact undo by hand), and some give an
// entry's id to another entry with the same attributes and record count.
TEST_F(Form1, TheModifiedStateIsTheFullComparisonAfterEveryCommand) {
    const std::string Feiertage = Programm + "Feiertage.ovf";
    KalenderSchreiben(Feiertage, {Eintrag("Dreikönig", {{D(6, 1, 2025), D(6, 1, 2025)}}, ttFeiertag)});
    IniSchreiben("FeiertagS=1\nFeiertagsFilename=" + Feiertage + "\n");
    const std::string Importdatei = Dokumente + "Neu.ovi";
    KalenderSchreiben(Importdatei, {Eintrag("Kino", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    const std::string Arztdatei = Dokumente + "Arzt.ovi";
    // Its id is not the one the import gives it.
    TDatenClass Arzt = Eintrag("Arzt", {{D(9, 1, 2025), D(9, 1, 2025)}});
    Arzt.Id = 5;
    KalenderSchreiben(Arztdatei, {Arzt});
    TFakeEditor Editor(Meldungen);
    const auto Befehl = [&](TMenueBefehl ABefehl, TMeldungsAntwort AAntwort) {
        Meldungen.Antwort = AAntwort;
        Form->MenueBefehl(ABefehl);
    };
    // The first line of ATag, or the line of that day that holds ATeil.
    const auto Auf = [&](TTag ATag, const std::string& ATeil = "") {
        Form->GeheZuDatum(ATag);
        if (!ATeil.empty()) {
            WaehleZeile(Steuerung, ATeil);
        }
    };
    // The selected run of "Training" (weekly, whole days) edited to start at AZeit, answering the
    // question of the other runs with AAntwort.
    const auto Uhrzeit = [&](TTag ATag, TDateTime AZeit, TMeldungsAntwort AAntwort) {
        Auf(ATag, "Training");
        Editor.Eingabe = [AZeit](TNeuForm::TFelder& f) { f.Zeit = AZeit; };
        Befehl(mbBearbeiten, AAntwort);
    };
    // A new whole-day appointment on ATag made as the file's "Arzt" was.
    const auto NeuerArzt = [&](TTag ATag) {
        Auf(ATag);
        Editor.Eingabe = [](TNeuForm::TFelder& f) {
            f.Kurztext = "Arzt";
            f.Zeit = 0;
            f.Grenze = KalenderEnde;
        };
        Befehl(mbNeu, maJa);
    };
    struct TSchritt {
        const char* Name;
        std::function<void()> Aktion;
        bool Geaendert;
    };
    struct TFolge {
        const char* Name;
        std::vector<TSchritt> Schritte;
    };
    // The calendar's own "Arzt" deleted whole.
    const TSchritt ArztLoeschen{"delete",
                                [&] {
                                    Auf(D(8, 1, 2025), "08.01.2025: Arzt");
                                    Befehl(mbAlleLoeschen, maJa);
                                },
                                true};
    const TTag Di = D(7, 1, 2025);
    const TTag Di2 = D(14, 1, 2025);
    const std::vector<TFolge> Folgen = {
        {"new, then deleted",
         {{"new", [&] { NeuerArzt(D(10, 1, 2025)); }, true},
          {"delete",
           [&] {
               Auf(D(10, 1, 2025), "10.01.2025: Arzt");
               Befehl(mbLoeschen, maJa);
           },
           false}}},
        {"one run edited and edited back",
         {{"edit", [&] { Uhrzeit(Di2, 0.75, maNein); }, true},
          {"back", [&] { Uhrzeit(Di2, 0, maNein); }, false}}},
        {"every run edited and edited back",
         {{"edit", [&] { Uhrzeit(Di2, 0.75, maAlle); }, true},
          {"back", [&] { Uhrzeit(Di, 0, maAlle); }, false}}},
        {"the following runs edited and edited back",
         {{"edit", [&] { Uhrzeit(Di2, 0.75, maJa); }, true},
          {"back", [&] { Uhrzeit(Di2, 0, maJa); }, false}}},
        {"deactivated and activated again",
         {{"deactivate",
           [&] {
               Auf(Di2, "Training");
               Befehl(mbDeaktivieren, maJa);
           },
           true},
          {"activate",
           [&] {
               Auf(Di2, "Training");
               Befehl(mbAktivieren, maJa);
           },
           false}}},
        {"hidden from a run on",
         {{"hide",
           [&] {
               Auf(Di2, "Training");
               Befehl(mbAusblenden, maJa);
           },
           true}}},
        {"a run deleted",
         {{"delete",
           [&] {
               Auf(Di2, "Training");
               Befehl(mbLoeschen, maJa);
           },
           true}}},
        {"a run cut and pasted back on its day",
         {{"cut",
           [&] {
               Auf(Di2, "Training");
               Befehl(mbAusschneiden, maJa);
           },
           true},
          {"paste",
           [&] {
               Auf(Di2);
               Befehl(mbEinfuegen, maJa);
           },
           false}}},
        {"a run copied to a free day",
         {{"copy",
           [&] {
               Auf(Di2, "Training");
               Befehl(mbKopieren, maJa);
           },
           false},
          {"paste",
           [&] {
               Auf(D(10, 1, 2025));
               Befehl(mbEinfuegen, maJa);
           },
           true}}},
        {"a one-day entry pasted as a new entry, which is deleted again",
         {{"copy",
           [&] {
               Auf(D(8, 1, 2025), "08.01.2025: Arzt");
               Befehl(mbKopieren, maJa);
           },
           false},
          {"paste",
           [&] {
               Auf(D(10, 1, 2025));
               Befehl(mbEinfuegen, maJa);
           },
           true},
          {"delete",
           [&] {
               Auf(D(10, 1, 2025), "10.01.2025: Arzt");
               Befehl(mbAlleLoeschen, maJa);
           },
           false}}},
        {"an entry deleted and made anew under its id",
         {ArztLoeschen, {"new", [&] { NeuerArzt(D(8, 1, 2025)); }, false}}},
        {"an entry deleted and made anew under its id on another day",
         {ArztLoeschen, {"new", [&] { NeuerArzt(D(9, 1, 2025)); }, true}}},
        {"an entry deleted and one like it on another day imported under its id",
         {ArztLoeschen,
          {"import",
           [&] {
               Meldungen.Antwort = maJa;
               Form->Dateien().ImportStarten(Arztdatei);
           },
           true}}},
        {"a holiday imported",
         {{"import",
           [&] {
               Auf(D(6, 1, 2025), "Dreikönig");
               Befehl(mbEintragImportieren, maJa);
           },
           true}}},
        {"the expired entries purged", {{"purge", [&] { Befehl(mbAbgelaufeneLoeschen, maJa); }, true}}},
        {"a file imported",
         {{"import",
           [&] {
               Meldungen.Antwort = maJa;
               Form->Dateien().ImportStarten(Importdatei);
           },
           true}}},
        {"saved, then changed",
         {{"new", [&] { NeuerArzt(D(10, 1, 2025)); }, true},
          {"save", [&] { Befehl(mbSpeichern, maJa); }, false},
          {"edit", [&] { Uhrzeit(Di2, 0.75, maNein); }, true}}},
        {"closed without saving, opened again, then changed",
         {{"edit", [&] { Uhrzeit(Di2, 0.75, maNein); }, true},
          {"close", [&] { Befehl(mbSchliessen, maNein); }, false},
          {"open", [&] { Form->Oeffne(Kalender); }, false},
          {"deactivate",
           [&] {
               Auf(Di2, "Training");
               Befehl(mbDeaktivieren, maJa);
           },
           true}}},
    };
    for (const TFolge& f : Folgen) {
        AenderungskalenderStarten(Editor);
        ASSERT_FALSE(Form->IsModified()) << f.Name;
        for (const TSchritt& s : f.Schritte) {
            s.Aktion();
            EXPECT_EQ(Form->IsModified(), !Form->Daten.Ident(&Form->SpeicherDaten.Vollkopie(), false))
                << f.Name << ": " << s.Name;
            EXPECT_EQ(Form->IsModified(), s.Geaendert) << f.Name << ": " << s.Name;
        }
    }
}

// Answers every question with one of the buttons it offers, drawn from the sequence's generator.
class TZufallsMeldungen : public TMeldungsPort {
public:
    explicit TZufallsMeldungen(std::mt19937& AZufall) : FZufall(AZufall) {}

    TMeldungsAntwort Zeige(TMeldungsArt, const std::string&, TMeldungsKnoepfe AKnoepfe) override {
        const std::vector<TMeldungsAntwort> Knoepfe = KnopfAntworten(AKnoepfe);
        return Knoepfe[FZufall() % Knoepfe.size()];
    }

private:
    std::mt19937& FZufall;
};

// Random sequences of what a user does to the calendar: a day and one of its lines chosen, then an
// enabled entry, edit or file command run with random editor input and random answers. After every
// step the modified state is the full comparison. A failure names the seed and the step, and the
// same seed repeats the same sequence.
TEST_F(Form1, TheModifiedStateIsTheFullComparisonAfterRandomCommands) {
    const std::string Feiertage = Programm + "Feiertage.ovf";
    KalenderSchreiben(Feiertage, {Eintrag("Dreikönig", {{D(6, 1, 2025), D(6, 1, 2025)}}, ttFeiertag)});
    IniSchreiben("FeiertagS=1\nFeiertagsFilename=" + Feiertage + "\n");
    const std::string Importdatei = Dokumente + "Neu.ovi";
    KalenderSchreiben(Importdatei, {Eintrag("Kino", {{D(9, 1, 2025), D(9, 1, 2025)}}),
                                    Eintrag("Arzt", {{D(15, 1, 2025), D(15, 1, 2025)}})});
    const TMenueBefehl Befehle[] = {mbNeu,        mbBearbeiten,   mbAktivieren,   mbDeaktivieren,
                                    mbAusblenden, mbLoeschen,     mbAlleLoeschen, mbAbgelaufeneLoeschen,
                                    mbKopieren,   mbAusschneiden, mbEinfuegen,    mbEintragImportieren,
                                    mbSpeichern};
    const char* Kurztexte[] = {"Arzt", "Training", "Kino"};
    const TDateTime Zeiten[] = {0, 0.25, 0.75};
    std::mt19937 Zufall;
    const auto Zahl = [&](std::size_t AAnzahl) { return static_cast<std::int32_t>(Zufall() % AAnzahl); };
    TZufallsMeldungen Antworten(Zufall);
    TMeldungsPort::Setze(&Antworten);
    TFakeEditor Editor(Antworten);
    for (std::uint32_t Seed = 1; Seed <= 20; ++Seed) {
        Zufall.seed(Seed);
        AenderungskalenderStarten(Editor);
        Editor.Eingabe = [&](TNeuForm::TFelder& f) {
            f.Kurztext = Kurztexte[Zahl(3)];
            f.Zeit = Zeiten[Zahl(3)];
            f.Intervall = Zahl(2) == 0 ? atEinmalig : at1Woche;
        };
        std::string Schritte; // what the sequence did so far
        for (int Schritt = 1; Schritt <= 25; ++Schritt) {
            // Mostly a line of an entry, where the entry commands act.
            Form->GeheZuDatum(D(1, 1, 2025) + Zahl(28));
            std::vector<std::int32_t> Eintragszeilen;
            for (std::size_t i = 0; i < Steuerung.Zeilen.size(); ++i) {
                if (Steuerung.Zeilen[i].find(": ") != std::string::npos) {
                    Eintragszeilen.push_back(static_cast<std::int32_t>(i));
                }
            }
            if (!Eintragszeilen.empty() && Zahl(4) != 0) {
                Steuerung.ZeilenNr = Eintragszeilen[Zahl(Eintragszeilen.size())];
            } else if (!Steuerung.Zeilen.empty()) {
                Steuerung.ZeilenNr = Zahl(Steuerung.Zeilen.size());
            }
            const std::string Zeile = Steuerung.ZeilenNr >= 0 ? Steuerung.Zeilen[Steuerung.ZeilenNr] : "";
            switch (Zahl(8)) {
            case 0:
                Form->Dateien().ImportStarten(Importdatei);
                Schritte += "\n  import on " + Zeile;
                break;
            case 1:
                if (Form->MenueZustand(mbSchliessen).EnabledS) {
                    Form->MenueBefehl(mbSchliessen);
                }
                Form->Oeffne(Kalender);
                Schritte += "\n  close and open again";
                break;
            default: {
                const TMenueBefehl Befehl = Befehle[Zahl(std::size(Befehle))];
                if (Form->MenueZustand(Befehl).EnabledS) {
                    Form->MenueBefehl(Befehl);
                }
                Schritte += "\n  command " + std::to_string(Befehl) + " on " + Zeile;
            }
            }
            const bool Voll = !Form->Daten.Ident(&Form->SpeicherDaten.Vollkopie(), false);
            if (Form->IsModified() != Voll) {
                ADD_FAILURE() << "seed " << Seed << ", step " << Schritt << ": modified "
                              << Form->IsModified() << ", full comparison " << Voll
                              << "; the steps:" << Schritte;
                break;
            }
        }
    }
}
