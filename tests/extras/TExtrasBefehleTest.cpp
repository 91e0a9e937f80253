#include "extras/TExtrasBefehle.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "entries/Eintragsmail.h"
#include "extras/TDrucker.h"
#include "files/VkFiles.h"
#include "model/TDatenClass.h"
#include "model/Uhr.h"
#include "platform/Autostart.h"
#include "platform/ProgrammStart.h"
#include "platform/SystemDateisystem.h"
#include "platform/TRegistryMigration.h"
#include "platform/Umgebung.h"
#include "views/TFakeSteuerung.h"
#include "views/ViewsHilfen.h"
#include "window/HauptfensterFakes.h"
#include "window/TForm1.h"

namespace {

namespace fs = std::filesystem;

// The desktop: what was handed to it.
class TFakeStart : public TProgrammStart {
public:
    struct TAufruf {
        std::string Datei, Parameter;
    };
    std::vector<TAufruf> Geoeffnet;
    std::vector<std::string> Texte;

    void ShellRun(const std::string& AFile, const std::string& AParameters, const std::string&,
                  const std::string&) override {
        Geoeffnet.push_back({AFile, AParameters});
    }
    // The mail program with an attachment is the only one the extras wait for; it ran and ended.
    std::vector<TAufruf> Gewartet;
    bool RunAndWait(const std::string&, std::int64_t& AExitCode, const std::string& AProgram, std::int32_t,
                    bool, const std::string&, const std::string& AParameters) override {
        EXPECT_EQ(AProgram, "xdg-email") << "the extras wait for no other program";
        Gewartet.push_back({AProgram, AParameters});
        AExitCode = 0;
        return true;
    }
    bool OpenTextInEditor(const std::string& AFileName, bool AWait) override {
        EXPECT_FALSE(AWait);
        Texte.push_back(AFileName);
        return true;
    }
};

// The autostart folder lies in the test's temporary folder.
class TTestOrdner : public TSpezialOrdner {
public:
    explicit TTestOrdner(std::string AAutostart) : FAutostart(std::move(AAutostart)) {}
    std::string GetSpecialFolder(TOrdnerArt AOrdner) const override {
        return AOrdner == ofAutostart ? FAutostart : "";
    }

private:
    std::string FAutostart;
};

class TFakeDrucker : public TDrucker {
public:
    bool VorhandenS = true;
    int Gedruckt = 0;
    std::string Titel;
    std::vector<std::string> Zeilen;
    TSchrift Schrift;

protected:
    bool DruckerVorhanden() override { return VorhandenS; }
    bool Drucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                 const TSchrift& AFont) override {
        ++Gedruckt;
        Titel = ATitel;
        Zeilen = AZeilen;
        Schrift = AFont;
        return true;
    }
};

// The program lies in a program folder of a temporary folder, beside it the help texts; the
// user's temporary folder and autostart folder are there too.
class Extras : public ::testing::Test {
protected:
    TTempOrdner Temp;
    std::string Programm = Temp.Pfad() + "/Programm/";
    std::string Tmp = Temp.Pfad() + "/tmp/";
    std::string Autostartordner = Temp.Pfad() + "/autostart/";
    TFakeStart Start;
    TTestOrdner Ordner{Autostartordner};
    std::unique_ptr<TAutostart> Autostart;
    TFakeDrucker Drucker;
    TFakeMeldungen Meldungen;
    std::optional<TExtrasBefehle> Befehle;

    void SetUp() override {
        fs::create_directories(Programm);
        fs::create_directories(Tmp);
        Erzeugen(Programm + "orvanto");
        TMeldungsPort::Setze(&Meldungen);
    }
    void TearDown() override { TMeldungsPort::Setze(nullptr); }

    void Erzeugen(const std::string& AProgrammdatei) {
        Autostart = SystemAutostart(AProgrammdatei, Ordner);
        Befehle.emplace(Start, *Autostart, Drucker, TExtrasOrte{Programm, AProgrammdatei, Tmp});
    }
};

// A screen reader platform without drivers: Tolk stays silent.
class TStummePlattform : public TScreenReaderPlattform {
public:
    bool Vorbereiten() override { return false; }
    void Freigeben() override {}
    TScreenReaderDriverListe TreiberErzeugen() override { return {}; }
};

// The main window on today's week of an empty calendar, with a day-long appointment today.
class ExtrasImHauptfenster : public Extras {
protected:
    TUmgebung Umgebung;
    TFakeAnsicht Ansicht;
    TFakeSteuerung Steuerung;
    std::unique_ptr<TSpezialOrdner> SystemOrdner = SystemSpezialOrdner();
    std::unique_ptr<TRegistryMigration> Migration = SystemRegistryMigration();
    std::optional<TEinstellungsspeicher> Einstellungen;
    std::unique_ptr<TForm1> Form;

    void SetUp() override {
        Extras::SetUp();
        TUhr::Festhalten(D(6, 1, 2025) + 0.5);
        Umgebung.Setzen("XDG_CONFIG_HOME", Temp.Pfad() + "/config");
        Einstellungen.emplace(*SystemOrdner, *Migration, SystemDateisystem());
        Form = std::make_unique<TForm1>(Ansicht, Steuerung, *Einstellungen, SystemDateisystem(),
                                        Temp.Pfad() + "/Dokumente/", Programm, std::vector<std::string>{},
                                        std::make_unique<TStummePlattform>());
        Form->FormShow();
        Form->Timer2Timer();
        TDatenClass Heute = Eintrag("Arzt", {{D(6, 1, 2025), D(6, 1, 2025)}});
        Heute.Id = Form->Daten.NewId();
        Form->Daten.Add(Heute);
        Form->MenuSprHeuteClick();
    }
    void TearDown() override {
        Form.reset();
        TUhr::Stellen({});
        Extras::TearDown();
    }
    TMenueZustand Zustand(TMenueBefehl ABefehl) const { return Form->MenueZustand(ABefehl); }
};

TDatenClass Arzt(bool ACounterS) {
    TDatenClass e = Eintrag("Arzt", {{D(6, 1, 2025), D(10, 1, 2025)}});
    e.CounterS = ACounterS;
    e.CounterStart = 5;
    return e;
}

} // namespace

TEST(Eintragsmail, KeepsTheUnreservedCharactersAndEncodesEveryOtherByte) {
    const struct {
        const char* Text;
        const char* Kodiert;
    } Faelle[] = {
        {"OV: Arzt (7)", "OV%3A+Arzt+%287%29"},
        {"az AZ 09 @!$'*-._", "az+AZ+09+@!$'*-._"},
        {"()", "%28%29"},
        {"&=?+%#/~", "%26%3D%3F%2B%25%23%2F%7E"},
        {"Grüße €", "Gr%C3%BC%C3%9Fe+%E2%82%AC"},
        {"Zeile 1\r\nZeile 2\t", "Zeile+1%0D%0AZeile+2%09"},
        {"", ""},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(UrlKodieren(f.Text), f.Kodiert) << f.Text;
    }
}

TEST(Eintragsmail, TheSubjectCarriesTheCounterOfTheDayRecord) {
    TDatenClass MitZaehler = Arzt(true);
    TDatenClass OhneZaehler = Arzt(false);
    // The third day record of an entry counting from 5.
    EXPECT_EQ(MailBetreffText(TTagClass(2, &MitZaehler)), "Arzt (7)");
    EXPECT_EQ(EintragsMailLink(TTagClass(2, &MitZaehler)), "mailto:?subject=OV%3A+Arzt+%287%29&body=");
    EXPECT_EQ(EintragsMailLink(TTagClass(2, &OhneZaehler)), "mailto:?subject=OV%3A+Arzt&body=");
}

TEST(Eintragsmail, TheBodyIsTheFirst400CharactersOfTheLongText) {
    TDatenClass e = Arzt(false);
    const auto Body = [&] {
        const std::string Link = EintragsMailLink(TTagClass(0, &e));
        return Link.substr(Link.find("&body=") + 6);
    };
    e.Langtext = std::string(1000, 'x');
    EXPECT_EQ(Body(), std::string(400, 'x'));
    // Characters, not bytes: an umlaut is one character of two bytes.
    e.Langtext.clear();
    for (int i = 0; i < 1000; ++i) {
        e.Langtext += "ä";
    }
    std::string Erwartet;
    for (int i = 0; i < 400; ++i) {
        Erwartet += "%C3%A4";
    }
    EXPECT_EQ(Body(), Erwartet);
    // A broken byte sequence counts as one character and goes as the replacement character.
    e.Langtext = "a\xC3";
    EXPECT_EQ(Body(), "a%EF%BF%BD");
}

TEST_F(Extras, MailingAnEntryHandsItsLinkToTheDesktop) {
    TDatenClass e = Arzt(true);
    e.Langtext = "Bitte Befund mitbringen.";
    Befehle->MenuMailClick(TTagClass(2, &e));
    ASSERT_EQ(Start.Geoeffnet.size(), 1u);
    EXPECT_EQ(Start.Geoeffnet[0].Datei, "mailto:?subject=OV%3A+Arzt+%287%29&body=Bitte+Befund+mitbringen.");
    EXPECT_EQ(Start.Geoeffnet[0].Parameter, "");
    EXPECT_TRUE(Start.Gewartet.empty());
}

// With the entry's iCalendar file the mail goes through xdg-email, and the link is not opened a
// second time.
TEST_F(Extras, MailingAnEntryWithItsFileAttachesIt) {
    TDatenClass e = Arzt(true);
    e.Langtext = "Bitte Befund mitbringen.";
    Befehle->MenuMailClick(TTagClass(2, &e), "/tmp/orvanto-mail/Arzt.ics");
    ASSERT_EQ(Start.Gewartet.size(), 1u);
    EXPECT_EQ(Start.Gewartet[0].Parameter,
              "--attach \"/tmp/orvanto-mail/Arzt.ics\" "
              "mailto:?subject=OV%3A+Arzt+%287%29&body=Bitte+Befund+mitbringen.");
    EXPECT_TRUE(Start.Geoeffnet.empty());
}

TEST_F(Extras, EachHelpItemOpensItsFileInTheTextViewerWhileTheFileExists) {
    const struct {
        int Tag;
        const char* Datei;
    } Faelle[] = {
        {hdHilfe, "Orvanto-Hilfe.txt"}, {hdAenderungen, "History.txt"}, {hdKurztasten, "Kurztasten.txt"}};
    for (const auto& f : Faelle) {
        EXPECT_EQ(Befehle->Hilfedatei(f.Tag), Programm + f.Datei);
        EXPECT_FALSE(Befehle->HilfedateiVorhanden(f.Tag)) << f.Datei;
        DateiSchreiben(Programm + f.Datei, "Hilfe\n");
        EXPECT_TRUE(Befehle->HilfedateiVorhanden(f.Tag)) << f.Datei;
        Befehle->MenuHilfeClick(f.Tag);
        ASSERT_FALSE(Start.Texte.empty());
        EXPECT_EQ(Start.Texte.back(), Programm + f.Datei);
    }
    // Number 3 belongs to no item and opens nothing.
    Start.Texte.clear();
    EXPECT_FALSE(Befehle->HilfedateiVorhanden(3));
    Befehle->MenuHilfeClick(3);
    EXPECT_TRUE(Start.Texte.empty());
}

TEST_F(Extras, TheLinksGoToTheDesktopAndTheAboutBoxShowsTheVersionFirst) {
    Befehle->MenuMailProgrammiererClick();
    Befehle->MenuHomepageClick();
    Befehle->MenuSpendenClick();
    ASSERT_EQ(Start.Geoeffnet.size(), 3u);
    EXPECT_EQ(Start.Geoeffnet[0].Datei.rfind("mailto:", 0), 0u);
    EXPECT_NE(Start.Geoeffnet[0].Datei.find("?subject=Orvanto+V1.03"), std::string::npos);
    EXPECT_EQ(Start.Geoeffnet[1].Datei.rfind("https://", 0), 0u);
    EXPECT_EQ(Start.Geoeffnet[2].Datei.rfind("https://", 0), 0u);
    Befehle->MenuInfoClick();
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0].rfind("Orvanto V1.03\r\nEin blindenfreundlicher Kalender.\r\n", 0), 0u);
}

TEST_F(Extras, TheUpdateItemIsThereOnlyWithTheUpdaterBesideTheProgram) {
    EXPECT_FALSE(Befehle->AktualisierungSichtbar());
    DateiSchreiben(Programm + "Vantrel.exe", "");
    // A Linux program has no extension, so neither has its updater.
    EXPECT_FALSE(Befehle->AktualisierungSichtbar());
    DateiSchreiben(Programm + "Vantrel", "");
    EXPECT_TRUE(Befehle->AktualisierungSichtbar());
    Erzeugen(Programm + "Orvanto.exe");
    EXPECT_EQ(Befehle->Aktualisierer(), Programm + "Vantrel.exe");
    EXPECT_TRUE(Befehle->AktualisierungSichtbar());
}

TEST_F(Extras, TheUpdateWritesTheHandOverFileInAnsiAndStartsTheUpdaterWithItsName) {
    const std::string Datei = Tmp + "Orvanto.cfg";
    // An earlier run left the file read-only.
    DateiSchreiben(Datei, "alt");
    fs::permissions(Datei, fs::perms::owner_read);
    TSchrift Font;
    Font.Name = "Courier New";
    Font.Groesse = 14;
    Font.Stil = fsBold | fsItalic;
    Font.Farbe = 0x000000FF;
    Befehle->MenuAktualisierungClick("Übersicht.ovk - Orvanto V1.03", Font, 0x00FFFFFF);
    EXPECT_TRUE(Meldungen.Texte.empty());
    EXPECT_EQ(DateiLesen(Datei), "Orvanto V1.03\r\n"
                                 "\xDC"
                                 "bersicht.ovk - Orvanto V1.03\r\n" +
                                     Programm +
                                     "orvanto\r\n"
                                     "Orvanto\r\n"
                                     "14 Courier New\r\n"
                                     "1 255 16777215\r\n");
    ASSERT_EQ(Start.Geoeffnet.size(), 1u);
    EXPECT_EQ(Start.Geoeffnet[0].Datei, Programm + "Vantrel");
    EXPECT_EQ(Start.Geoeffnet[0].Parameter, "Orvanto.cfg");
    // The standard font colour is the system's text colour, a negative number as in the settings.
    const std::string Standard = Befehle->UebergabeText("KeinName - Orvanto V1.03", TSchrift(), clWhite);
    EXPECT_TRUE(Standard.ends_with("\r\n12 Courier New\r\n0 -16777208 16777215\r\n")) << Standard;
}

TEST_F(Extras, AnUpdateWhoseFileCannotBeWrittenSaysSoAndStartsNothing) {
    fs::remove_all(Tmp);
    Befehle->MenuAktualisierungClick("KeinName - Orvanto V1.03", TSchrift(), clWhite);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0], "Es ist ein Fehler beim Aktualisieren aufgetreten!\r\nDie Datei \"" + Tmp +
                                      "Orvanto.cfg\" konnte nicht gespeichert werden.");
    EXPECT_TRUE(Start.Geoeffnet.empty());
}

TEST_F(Extras, SwitchingAutostartOnAsksAndNeinLeavesItOff) {
    const std::string Eintrag = Autostart->Pfad();
    ASSERT_EQ(Eintrag.rfind(Autostartordner + "orvanto.", 0), 0u) << Eintrag;
    Meldungen.Antwort = maNein;
    Befehle->MenuAutostartClick();
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
#ifdef _WIN32
    EXPECT_EQ(Meldungen.Texte[0],
              "Soll der Orvanto und das Vorschaufenster beim Windowsstart aufgerufen werden?");
#else
    EXPECT_EQ(Meldungen.Texte[0],
              "Soll der Orvanto und das Vorschaufenster beim Anmelden aufgerufen werden?");
#endif
    EXPECT_FALSE(Befehle->AutostartS());
    EXPECT_FALSE(fs::exists(Eintrag));

    Meldungen.Antwort = maJa;
    Befehle->MenuAutostartClick();
    EXPECT_TRUE(Befehle->AutostartS());
#ifndef _WIN32
    // A desktop entry; the Windows shortcut's arguments are read back by the platform tests.
    EXPECT_NE(DateiLesen(Eintrag).find(" /systemstartup\n"), std::string::npos);
#endif

    // Switching off asks nothing.
    Meldungen.Texte.clear();
    Befehle->MenuAutostartClick();
    EXPECT_TRUE(Meldungen.Texte.empty());
    EXPECT_FALSE(Befehle->AutostartS());
    EXPECT_FALSE(fs::exists(Eintrag));
}

TEST_F(Extras, AnAutostartEntryThatCannotBeWrittenLeavesTheOptionOff) {
    // A file where the autostart folder should be.
    DateiSchreiben(Temp.Pfad() + "/autostart", "");
    Meldungen.Antwort = maJa;
    Befehle->MenuAutostartClick();
    EXPECT_FALSE(Befehle->AutostartS());
}

TEST_F(Extras, PrintingTakesTheViewsTitleOrSaysThatThereIsNoPrinter) {
    const struct {
        TTagesansicht Ansicht;
        const char* Titel;
    } Faelle[] = {{taJahr, "Drucke Jahresansicht"},
                  {taMonat, "Drucke Monatsansicht"},
                  {taWoche, "Drucke Wochenansicht"}};
    TSchrift Font;
    Font.Name = "DejaVu Sans";
    for (const auto& f : Faelle) {
        Befehle->MenuDruckenClick(f.Ansicht, {"W2  Mo 06.01.2025", "Di 07.01.2025"}, Font);
        EXPECT_EQ(Drucker.Titel, f.Titel);
    }
    EXPECT_EQ(Drucker.Gedruckt, 3);
    EXPECT_EQ(Drucker.Zeilen, (std::vector<std::string>{"W2  Mo 06.01.2025", "Di 07.01.2025"}));
    EXPECT_EQ(Drucker.Schrift, Font);
    EXPECT_TRUE(Meldungen.Texte.empty());

    Drucker.VorhandenS = false;
    Befehle->MenuDruckenClick(taWoche, {"Mo 06.01.2025"}, Font);
    EXPECT_EQ(Drucker.Gedruckt, 3);
    EXPECT_EQ(Meldungen.Texte, std::vector<std::string>{"Es ist kein Drucker installiert!"});
}

// The information window's panes end their lines with CR LF; no CR may reach the page, and an
// empty line stays a line.
TEST(Drucker, AWindowsTextIsPrintedLineByLine) {
    TFakeDrucker Drucker;
    EXPECT_TRUE(Drucker.TextDrucken("Drucke Informationen", "Montag\r\n\r\nArzt\r\n", TSchrift{}));
    EXPECT_EQ(Drucker.Titel, "Drucke Informationen");
    EXPECT_EQ(Drucker.Zeilen, (std::vector<std::string>{"Montag", "", "Arzt"}));
}

TEST_F(ExtrasImHauptfenster, TheExtrasItemsFollowTheirFilesTheEntryLineAndTheAutostartEntry) {
    // Before the window has made what they need, every item is disabled.
    for (TMenueBefehl b : {mbDrucken, mbMail, mbAutostart, mbHilfe, mbKurztasten, mbAenderungen,
                           mbMailProgrammierer, mbHomepage, mbSpenden, mbAktualisierung, mbInfo}) {
        EXPECT_FALSE(Zustand(b).EnabledS) << b;
    }
    Form->ExtrasSetzen(Start, *Autostart, Drucker, TExtrasOrte{Programm, Programm + "orvanto", Tmp});
    for (TMenueBefehl b : {mbDrucken, mbAutostart, mbMailProgrammierer, mbHomepage, mbSpenden, mbInfo}) {
        EXPECT_TRUE(Zustand(b).EnabledS) << b;
    }
    EXPECT_FALSE(Zustand(mbAutostart).CheckedS);
    // No help texts, no updater: those items are disabled, the updater's is not even in the menu.
    for (TMenueBefehl b : {mbHilfe, mbKurztasten, mbAenderungen}) {
        EXPECT_FALSE(Zustand(b).EnabledS) << b;
    }
    EXPECT_FALSE(Zustand(mbAktualisierung).SichtbarS);
    DateiSchreiben(Programm + "Kurztasten.txt", "F1\n");
    DateiSchreiben(Programm + "Vantrel", "");
    EXPECT_TRUE(Zustand(mbKurztasten).EnabledS);
    EXPECT_TRUE(Zustand(mbAktualisierung).SichtbarS);
    EXPECT_TRUE(Zustand(mbAktualisierung).EnabledS);

    // Mail needs an entry line and the focus in the day list.
    const auto Waehlen = [&](const char* ATeil) {
        const auto Zeile =
            std::find_if(Steuerung.Zeilen.begin(), Steuerung.Zeilen.end(),
                         [&](const std::string& z) { return z.find(ATeil) != std::string::npos; });
        ASSERT_NE(Zeile, Steuerung.Zeilen.end()) << ATeil;
        Steuerung.ZeilenNr = static_cast<std::int32_t>(Zeile - Steuerung.Zeilen.begin());
    };
    Waehlen("Di 07.01.2025");
    EXPECT_FALSE(Zustand(mbMail).EnabledS);
    Waehlen("Arzt");
    EXPECT_TRUE(Zustand(mbMail).EnabledS);
    Steuerung.Fokus = "Perioden";
    EXPECT_FALSE(Zustand(mbMail).EnabledS);
    Steuerung.Fokus = "Zeilen";
    Form->MenueBefehl(mbMail);
    ASSERT_EQ(Start.Geoeffnet.size(), 1u);
    EXPECT_EQ(Start.Geoeffnet[0].Datei, "mailto:?subject=OV%3A+Arzt&body=");

    // F1's item opens the help text once it is there.
    Form->MenueBefehl(mbHilfe);
    EXPECT_TRUE(Start.Texte.empty());
    DateiSchreiben(Programm + "Orvanto-Hilfe.txt", "Hilfe\n");
    Form->MenueBefehl(mbHilfe);
    EXPECT_EQ(Start.Texte, std::vector<std::string>{Programm + "Orvanto-Hilfe.txt"});

    // The lines of the week, as the list shows them, go to the printer.
    Form->MenueBefehl(mbDrucken);
    EXPECT_EQ(Drucker.Titel, "Drucke Wochenansicht");
    EXPECT_EQ(Drucker.Zeilen, Steuerung.Zeilen);

    Meldungen.Antwort = maJa;
    Form->MenueBefehl(mbAutostart);
    EXPECT_TRUE(Zustand(mbAutostart).CheckedS);
}
