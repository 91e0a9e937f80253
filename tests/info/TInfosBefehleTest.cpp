#include "info/TInfosBefehle.h"

#include <filesystem>

#include "info/InfoTestHilfen.h"
#include "info/InfosFakes.h"
#include "info/TInfosTexte.h"
#include "instance/TBefehlsannahme.h"
#include "platform/SpezialOrdner.h"
#include "platform/SystemDateisystem.h"
#include "platform/TRegistryMigration.h"
#include "platform/Umgebung.h"
#include "platform/linux/PosixZeitzone.h"
#include "views/TFakeSteuerung.h"
#include "views/TTagesliste.h"
#include "views/ViewsHilfen.h"
#include "window/HauptfensterFakes.h"
#include "window/TForm1.h"

namespace {

namespace fs = std::filesystem;

const std::string KeineFeiertage =
    "Es sind keine Feiertage vorhanden!\r\nBitte laden Sie eine Feiertagsdatei.";

// Today is Monday 6.1.2025, 10:00. The calendar has an appointment "Arzt" on 8.1.2025.
class InfosBefehle : public MitUhr {
protected:
    TTempOrdner Programm;
    TDaten Daten;
    TFakeSteuerung Steuerung;
    TFakeKlang Klang;
    TFakeMeldungen Meldungen;
    TPosixZeitzone Zeitzone;
    TFakeInfosFenster Fenster;
    std::unique_ptr<TTagesliste> Tagesliste;
    std::unique_ptr<TInfosTexte> Texte;
    std::unique_ptr<TInfosBefehle> Befehle;

    void SetUp() override {
        MitUhr::SetUp();
        TMeldungsPort::Setze(&Meldungen);
        Daten.Add(Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}}));
        Tagesliste = std::make_unique<TTagesliste>(Daten, Steuerung);
        Texte = std::make_unique<TInfosTexte>(Zeitzone, Klang, Programm.Pfad() + "/");
        Befehle = std::make_unique<TInfosBefehle>(Daten, *Tagesliste, Steuerung, *Texte, Fenster, Klang);
        Tagesliste->SpringeZuDatum(TUhr::Heute(), "");
    }
    void TearDown() override {
        TMeldungsPort::Setze(nullptr);
        MitUhr::TearDown();
    }
    void Waehle(const std::string& ATeil) {
        for (std::size_t i = 0; i < Steuerung.Zeilen.size(); ++i) {
            if (Steuerung.Zeilen[i].find(ATeil) != std::string::npos) {
                Steuerung.ZeilenNr = static_cast<std::int32_t>(i);
                return;
            }
        }
        FAIL() << ATeil;
    }
    // An appointment today; with a sound file when ASound names one.
    void HeuteEintragen(const std::string& AKurztext, const std::string& ASound = "") {
        TDatenClass e = Eintrag(AKurztext, {{TUhr::Heute(), TUhr::Heute()}});
        e.SounddateiS = !ASound.empty();
        e.Sounddatei = ASound;
        Daten.Add(e);
    }
};

TEST_F(InfosBefehle, TheInformationOfAnEntryLineFillsBothPanes) {
    Waehle("Arzt");
    const std::string Erwartet = Texte->InfosInText(Tagesliste->AktTagClass(), D(8, 1, 2025));
    Befehle->MenuAktInfosClick();
    ASSERT_EQ(Fenster.Gezeigt.size(), 1u);
    const auto& g = Fenster.Gezeigt[0];
    EXPECT_EQ(g.Caption, "Informationen");
    EXPECT_EQ(g.HelpContext, 8);
    EXPECT_TRUE(g.ZweiFensterS);
    EXPECT_FALSE(g.BeendenS);
    EXPECT_EQ(g.Text1 + "\r\n" + g.Text2, Erwartet);
    EXPECT_EQ(g.Text1.rfind("Mittwoch, 8. Jänner 2025\r\nIn der Kalenderwoche 2/2025\r\n", 0), 0u) << g.Text1;
    EXPECT_NE(g.Text2.find("Arzt"), std::string::npos) << g.Text2;
    EXPECT_EQ(Fenster.Geschlossen, 0);
}

TEST_F(InfosBefehle, ADayLineHasNoEntryPart) {
    Waehle("Di 07.01.2025");
    Befehle->MenuAktInfosClick();
    ASSERT_EQ(Fenster.Gezeigt.size(), 1u);
    EXPECT_EQ(Fenster.Gezeigt[0].Text2, "(Kein Eintrag)\r\n");
    // Without a selected line there is nothing to tell.
    Steuerung.ZeilenNr = -1;
    Befehle->MenuAktInfosClick();
    EXPECT_EQ(Fenster.Gezeigt.size(), 1u);
}

TEST_F(InfosBefehle, TheInformationOfAFullMoonDayPlaysItsSound) {
    // The full moon of 13.1.2025 is at 22:27 Universal Time.
    const TZeitzoneGesetzt Zone("UTC");
    const std::string Wolf = Programm.Pfad() + "/Sounddateien/Wolf.wav";
    fs::create_directories(Programm.Pfad() + "/Sounddateien");
    DateiSchreiben(Wolf, "RIFF");
    Tagesliste->SpringeZuDatum(D(13, 1, 2025), "");
    for (const auto& [Tag, Sounds] : {std::pair{"Mo 13.01.2025", std::vector<std::string>{Wolf}},
                                      std::pair{"Di 14.01.2025", std::vector<std::string>{}}}) {
        Waehle(Tag);
        Befehle->MenuAktInfosClick();
        EXPECT_EQ(Fenster.Gezeigt.back().Sounds, Sounds) << Tag;
    }
}

TEST_F(InfosBefehle, BeendenClosesTheMainWindowEveryOtherEndKeepsIt) {
    const struct {
        TInfosErgebnis Ende;
        int Geschlossen;
    } Faelle[] = {{ieSchliessen, 0}, {ieBeenden, 1}, {ieAlle, 0}};
    for (const auto& f : Faelle) {
        Fenster = TFakeInfosFenster();
        Fenster.Ende = f.Ende;
        Waehle("Arzt");
        Befehle->MenuAktInfosClick();
        Befehle->VorschauAnzeigen(3, vaMenue);
        Befehle->MenuExtKalendertageClick();
        EXPECT_EQ(Fenster.Gezeigt.size(), 3u);
        EXPECT_EQ(Fenster.Geschlossen, 3 * f.Geschlossen) << f.Ende;
    }
}

TEST_F(InfosBefehle, APreviewWithoutEntriesIsShownOnlyWhenAskedFor) {
    const struct {
        TVorschauAnlass Anlass;
        std::size_t Gezeigt;
        int Geschlossen;
    } Faelle[] = {{vaMenue, 1, 0}, {vaSystemstart, 0, 1}, {vaUebergeben, 0, 0}};
    for (const auto& f : Faelle) {
        Fenster = TFakeInfosFenster();
        Befehle->VorschauAnzeigen(0, f.Anlass);
        EXPECT_EQ(Fenster.Gezeigt.size(), f.Gezeigt) << f.Anlass;
        EXPECT_EQ(Fenster.Geschlossen, f.Geschlossen) << f.Anlass;
    }
    Befehle->VorschauAnzeigen(0, vaMenue);
    const auto& g = Fenster.Gezeigt.back();
    EXPECT_EQ(g.Caption, "Vorschau von heute");
    EXPECT_EQ(g.HelpContext, 9);
    EXPECT_TRUE(g.VorschauS && g.BeendenS);
    EXPECT_EQ(g.Text1,
              "Heute ist Montag, der 6. Jänner 2025, 10:00 Uhr\r\n\r\nHeute (Montag) stehen 0 Ereignisse "
              "an:\r\n--------------------");
}

TEST_F(InfosBefehle, ThePreviewOfTodayPlaysTheSoundsOfTodaysEntries) {
    const std::string Gong = Programm.Pfad() + "/Gong.wav";
    DateiSchreiben(Gong, "RIFF");
    HeuteEintragen("Chor", Gong);
    HeuteEintragen("Kino");
    for (TVorschauAnlass Anlass : {vaSystemstart, vaUebergeben}) {
        Fenster = TFakeInfosFenster();
        Befehle->VorschauAnzeigen(0, Anlass);
        ASSERT_EQ(Fenster.Gezeigt.size(), 1u);
        EXPECT_NE(Fenster.Gezeigt[0].Text1.find("1.: \"Chor\"\r\n2.: \"Kino\""), std::string::npos);
        EXPECT_EQ(Fenster.Gezeigt[0].Sounds, std::vector<std::string>{Gong});
        EXPECT_EQ(Fenster.Geschlossen, 0);
    }
    // The preview of the next days plays nothing.
    Befehle->VorschauAnzeigen(5, vaMenue);
    EXPECT_EQ(Fenster.Gezeigt.back().Caption, "Vorschau der nächsten 5 Tage");
    EXPECT_TRUE(Fenster.Gezeigt.back().Sounds.empty());
}

TEST_F(InfosBefehle, EnterOnAnEventJumpsToItsLine) {
    Fenster.Beim = [](TInfosForm& AForm) {
        for (int Zeile = 0; Zeile < static_cast<int>(AForm.ObjSl.size()); ++Zeile) {
            if (AForm.Eintrag(Zeile) != nullptr) {
                return *AForm.EnterTaste(Zeile);
            }
        }
        return ieSchliessen;
    };
    Befehle->VorschauAnzeigen(3, vaMenue);
    EXPECT_EQ(Steuerung.Aktuell(), "    Mi 08.01.2025: Arzt | (T1E+) | Von übermorgen bis übermorgen");
}

// A counter numbers each record by its place in the entry, while a preview line's copy holds only
// the one record it stands for: the jump still lands on that record's line, not the day's first.
TEST_F(InfosBefehle, EnterOnAnEventWithACounterJumpsToTheLineOfItsRecord) {
    TDatenClass Tablette = Eintrag(
        "Tablette",
        {{D(6, 1, 2025), D(6, 1, 2025)}, {D(7, 1, 2025), D(7, 1, 2025)}, {D(8, 1, 2025), D(8, 1, 2025)}});
    Tablette.Id = 1;
    Tablette.CounterS = true;
    Tablette.CounterStart = 1;
    Daten.Add(Tablette);
    Fenster.Beim = [](TInfosForm& AForm) {
        for (int Zeile = 0; Zeile < static_cast<int>(AForm.ObjSl.size()); ++Zeile) {
            const TDatenClass* e = AForm.Eintrag(Zeile);
            if (e != nullptr && e->Kurztext == "Tablette" && e->DatumListe[0].Datum == D(8, 1, 2025)) {
                return *AForm.EnterTaste(Zeile);
            }
        }
        ADD_FAILURE() << "no preview line of the third tablet";
        return ieSchliessen;
    };
    Befehle->VorschauAnzeigen(3, vaMenue);
    EXPECT_EQ(Steuerung.Aktuell(),
              "    Mi 08.01.2025: Tablette (3) | (T1E+) | Von übermorgen bis übermorgen");
}

TEST(UeberblickJahr, IsTheLastFourCharactersOfThePeriodName) {
    const struct {
        std::string Name;
        std::optional<int> Jahr;
    } Faelle[] = {
        {"W1/2024-2025", 2025},    {"Jän 2025", 2025},        {"1900", 1900},
        {"W53/2100", 2100},        {"W1/2101", std::nullopt}, {"1899", std::nullopt},
        {"W1/20a5", std::nullopt}, {"25", std::nullopt},      {"", std::nullopt},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(TInfosBefehle::UeberblickJahr(f.Name), f.Jahr) << f.Name;
    }
}

TEST_F(InfosBefehle, TheMoonOverviewTakesTheYearOfTheSelectedPeriod) {
    // The first week of 2025 begins in 2024.
    Tagesliste->SpringeZuDatum(D(30, 12, 2024), "");
    ASSERT_EQ(Steuerung.Text, "W1/2024-2025");
    Befehle->MenuExtMondphasenClick();
    ASSERT_EQ(Fenster.Gezeigt.size(), 1u);
    EXPECT_EQ(Fenster.Gezeigt[0].Caption, "Mondphasen des Jahres 2025 im Überblick");
    EXPECT_EQ(Fenster.Gezeigt[0].HelpContext, 15);
    EXPECT_EQ(Fenster.Gezeigt[0].Text1, Texte->MondphasenInText(2025));
    EXPECT_FALSE(Fenster.Gezeigt[0].ZweiFensterS || Fenster.Gezeigt[0].BeendenS);
    // A typed text names no period: there is no year, only the beep.
    Steuerung.Tippen("W1/20");
    Steuerung.PeriodenNr = -1;
    const int Pieps = Steuerung.Pieps;
    Befehle->MenuExtMondphasenClick();
    Befehle->MenuExtFeiertageClick();
    EXPECT_EQ(Fenster.Gezeigt.size(), 1u);
    EXPECT_EQ(Steuerung.Pieps - Pieps, 2);
}

TEST_F(InfosBefehle, AYearWithoutHolidaysGivesTheNoticeInsteadOfTheWindow) {
    Befehle->MenuExtFeiertageClick();
    EXPECT_TRUE(Fenster.Gezeigt.empty());
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0], KeineFeiertage);
    Daten.Add(Eintrag("Neujahr", {{D(1, 1, 2025), D(1, 1, 2025)}}, ttFeiertag));
    Befehle->MenuExtFeiertageClick();
    ASSERT_EQ(Fenster.Gezeigt.size(), 1u);
    EXPECT_EQ(Fenster.Gezeigt[0].Caption, "Feiertage des Jahres 2025 im Überblick");
    EXPECT_EQ(Fenster.Gezeigt[0].HelpContext, 16);
    EXPECT_EQ(Fenster.Gezeigt[0].Text1, "Mi., 01.01.2025: Neujahr []");
}

TEST_F(InfosBefehle, TheShownDaysOverviewHasTheListsLines) {
    Befehle->MenuExtKalendertageClick();
    ASSERT_EQ(Fenster.Gezeigt.size(), 1u);
    EXPECT_EQ(Fenster.Gezeigt[0].Caption, "Angezeigte Kalendertage im Überblick");
    EXPECT_EQ(Fenster.Gezeigt[0].HelpContext, 17);
    EXPECT_EQ(Fenster.Gezeigt[0].Text1, TInfosTexte::KalenderInText(Tagesliste->DisplayItems()));
    EXPECT_EQ(Fenster.Gezeigt[0].Text1.substr(0, 26), "W2  Mo 06.01.2025: Heute\r\n");
}

class TStillePlattform : public TScreenReaderPlattform {
public:
    bool Vorbereiten() override { return false; }
    void Freigeben() override {}
    TScreenReaderDriverListe TreiberErzeugen() override { return {}; }
};

// The main window's behaviour on a calendar in a temporary folder, with the information window
// faked.
class InfosImHauptfenster : public MitUhr {
protected:
    TTempOrdner Temp;
    TUmgebung Umgebung;
    std::string Kalender;
    TFakeAnsicht Ansicht;
    TFakeSteuerung Steuerung;
    TFakeMeldungen Meldungen;
    TFakeKlang Klang;
    TPosixZeitzone Zeitzone;
    TFakeInfosFenster Fenster;
    std::unique_ptr<TSpezialOrdner> Ordner = SystemSpezialOrdner();
    std::unique_ptr<TRegistryMigration> Migration = SystemRegistryMigration();
    TEinstellungsspeicher Einstellungen{*Ordner, *Migration, SystemDateisystem()};
    std::unique_ptr<TInfosTexte> Texte;
    std::unique_ptr<TForm1> Form;

    void SetUp() override {
        MitUhr::SetUp();
        fs::create_directories(Temp.Pfad() + "/Dokumente");
        Kalender = Temp.Pfad() + "/Dokumente/Privat.ovk";
        Umgebung.Setzen("XDG_CONFIG_HOME", Temp.Pfad() + "/config");
        TMeldungsPort::Setze(&Meldungen);
        Texte = std::make_unique<TInfosTexte>(Zeitzone, Klang, Temp.Pfad() + "/Programm/");
    }
    void TearDown() override {
        TMeldungsPort::Setze(nullptr);
        MitUhr::TearDown();
    }
    // Starts on a calendar with these entries and the given arguments, the window made.
    void Starten(const std::vector<TDatenClass>& AEintraege, std::vector<std::string> AArgumente = {}) {
        TDaten d;
        for (const TDatenClass& e : AEintraege) {
            d.Add(e);
        }
        d.SaveToFile(Kalender, SystemDateisystem());
        AArgumente.insert(AArgumente.begin(), Kalender);
        // The calendar named first opens; "/systemstartup" is asked for as the first argument.
        if (AArgumente.size() > 1) {
            std::swap(AArgumente[0], AArgumente[1]);
            DateiSchreiben(Temp.Pfad() + "/config/Orvanto/Orvanto.ini",
                           "[MainForm]\nShowSplashScreen=0\nKalFilename=" + Kalender + "\n");
        }
        Form = std::make_unique<TForm1>(Ansicht, Steuerung, Einstellungen, SystemDateisystem(),
                                        Temp.Pfad() + "/Dokumente/", Temp.Pfad() + "/Programm/", AArgumente,
                                        std::make_unique<TStillePlattform>());
        Form->InfosFensterSetzen(Fenster, *Texte, Klang);
        ASSERT_TRUE(Form->FormShow());
        Form->Timer2Timer();
    }
};

TEST_F(InfosImHauptfenster, TheMenuItemsFollowTheirRules) {
    Starten({Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
    const auto Frei = [&](TMenueBefehl b) { return Form->MenueZustand(b).EnabledS; };
    for (TMenueBefehl b : {mbVorschauHeute, mbVorschauTage, mbMondUeberblick, mbFeiertageUeberblick,
                           mbKalendertageUeberblick, mbInfos}) {
        EXPECT_TRUE(Frei(b)) << b;
    }
    // The information needs the focused list with a selected line.
    Steuerung.Fokus = "Perioden";
    EXPECT_FALSE(Frei(mbInfos));
    Steuerung.Fokus = "Zeilen";
    Steuerung.ZeilenNr = -1;
    EXPECT_FALSE(Frei(mbInfos));
    // The holiday overview needs an entry.
    Form->Daten.Clear();
    EXPECT_FALSE(Frei(mbFeiertageUeberblick));
    EXPECT_TRUE(Frei(mbMondUeberblick));
    // F8 uses the number of preview days.
    Form->MenueBefehl(mbVorschauTage);
    ASSERT_EQ(Fenster.Gezeigt.size(), 1u);
    EXPECT_EQ(Fenster.Gezeigt[0].Caption, "Vorschau der nächsten 3 Tage");
}

TEST_F(InfosImHauptfenster, SystemstartupEndsTheProgramWhenTodayHasNoEntry) {
    const struct {
        std::vector<TDatenClass> Eintraege;
        TInfosErgebnis Ende;
        std::size_t Gezeigt;
        int Geschlossen;
    } Faelle[] = {
        {{Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})}, ieSchliessen, 0, 1},
        {{Eintrag("Chor", {{D(6, 1, 2025), D(6, 1, 2025)}})}, ieSchliessen, 1, 0},
        {{Eintrag("Chor", {{D(6, 1, 2025), D(6, 1, 2025)}})}, ieBeenden, 1, 1},
    };
    for (const auto& f : Faelle) {
        Fenster = TFakeInfosFenster();
        Fenster.Ende = f.Ende;
        Starten(f.Eintraege, {"/systemstartup"});
        ASSERT_TRUE(Form->StartVorschauS());
        Form->Timer0Timer();
        EXPECT_EQ(Fenster.Gezeigt.size(), f.Gezeigt);
        EXPECT_EQ(Fenster.Geschlossen, f.Geschlossen);
        if (f.Gezeigt > 0) {
            EXPECT_EQ(Fenster.Gezeigt[0].Caption, "Vorschau von heute");
        }
    }
}

// The command another start hands over, as the second start at a login while the program runs.
class TFreiesFenster : public TBefehlsFenster {
public:
    bool FreiS() const override { return true; }
    void NachVorne() override {}
    void SendToStarten() override {}
    void Beenden() override {}
};

TEST_F(InfosImHauptfenster, AHandedOverSystemstartupShowsTodaysPreviewAndKeepsTheProgram) {
    for (bool HeuteS : {false, true}) {
        Fenster = TFakeInfosFenster();
        Starten({Eintrag("Chor", {{D(HeuteS ? 6 : 7, 1, 2025), D(HeuteS ? 6 : 7, 1, 2025)}})});
        TFreiesFenster Frei;
        TBefehlsannahme Annahme(*Form, Frei);
        Annahme.Ausfuehren({"/systemstartup", "", ""});
        Annahme.TimerSendToTimer();
        EXPECT_EQ(Fenster.Gezeigt.size(), HeuteS ? 1u : 0u);
        EXPECT_EQ(Fenster.Geschlossen, 0);
        EXPECT_EQ(Form->KalFilename(), Kalender);
        EXPECT_TRUE(Meldungen.Texte.empty());
    }
}

} // namespace
