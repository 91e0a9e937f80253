#include "settings/TEinstellungsspeicher.h"

#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"
#include "platform/TMeldungsPort.h"
#include "platform/Umgebung.h"
#include "platform/linux/XdgOrdner.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class TFesterOrdner : public TSpezialOrdner {
public:
    std::string Anwendungsdaten;
    std::string GetSpecialFolder(TOrdnerArt AOrdner) const override {
        return AOrdner == ofAnwendungsdaten ? Anwendungsdaten : "";
    }
};

class TFakeMigration : public TRegistryMigration {
public:
    std::string AlteWerte; // lines of section MainForm the old registry holds
    bool BereinigenScheitertS = false;
    int Migriert = 0;
    std::vector<std::string> Bereinigt; // the file's text at each cleanup

    void Migrieren(TMemIniFile& AIni) override {
        ++Migriert;
        TMemIniFile Alt("registry", SystemDateisystem());
        Alt.SetText("[MainForm]\n" + AlteWerte);
        AIni.SetText(Alt.GetText());
    }
    void Bereinigen(const TMemIniFile& AIni) override {
        Bereinigt.push_back(DateiLesen(AIni.FileName()));
        if (BereinigenScheitertS)
            throw EFehler("Der alte Registry-Wert konnte nicht entfernt werden: Height");
    }
};

class TMeldungen : public TMeldungsPort {
public:
    std::vector<std::string> Texte;
    TMeldungsAntwort Zeige(TMeldungsArt AArt, const std::string& AText, TMeldungsKnoepfe AKnoepfe) override {
        EXPECT_EQ(AArt, maFehler);
        EXPECT_EQ(AKnoepfe, mkOK);
        Texte.push_back(AText);
        return maOK;
    }
};

class TEinstellungsspeicherTest : public ::testing::Test {
protected:
    void SetUp() override {
        Ordner.Anwendungsdaten = Temp.Pfad() + "/conf/";
        Orte = {Temp.Pfad() + "/prog/Kalenderdateien/", Temp.Pfad() + "/user/Kalenderdateien/", ""};
        std::filesystem::create_directories(Orte.KalenderProgPath);
        std::filesystem::create_directories(Orte.KalenderUserPath);
        TMeldungsPort::Setze(&Meldungen);
    }
    void TearDown() override { TMeldungsPort::Setze(nullptr); }

    std::string IniPfad() const { return Temp.Pfad() + "/conf/Orvanto/Orvanto.ini"; }
    void IniSchreiben(const std::string& AZeilen) {
        std::filesystem::create_directories(Temp.Pfad() + "/conf/Orvanto");
        DateiSchreiben(IniPfad(), "[MainForm]\n" + AZeilen);
    }
    std::string Datei(const std::string& AName) {
        const std::string Pfad = Temp.Pfad() + "/" + AName;
        std::filesystem::create_directories(std::filesystem::path(Pfad).parent_path());
        DateiSchreiben(Pfad, "x");
        return Pfad;
    }
    // The values a first start has with this test's folders (no holiday file exists).
    TEinstellungen Standard() const {
        TEinstellungen e;
        e.FeiertagS = false;
        e.FeiertagsFilename = Orte.KalenderProgPath + "Oesterreichische Feiertage.ovf";
        e.SonderFilename = Orte.KalenderProgPath;
        e.KalFilename = Orte.KalenderUserPath;
        return e;
    }
    TEinstellungen Laden(bool AErfolgS = true) {
        TEinstellungen e;
        EXPECT_EQ(Speicher.Laden(e, History, Orte), AErfolgS);
        return e;
    }

    TTempOrdner Temp;
    TFesterOrdner Ordner;
    TFakeMigration Migration;
    TMeldungen Meldungen;
    TEinstellungsOrte Orte;
    THistoryList History;
    TEinstellungsspeicher Speicher{Ordner, Migration, SystemDateisystem()};
};

TEST_F(TEinstellungsspeicherTest, FirstStartCreatesTheFileAndUsesTheDefaults) {
    EXPECT_EQ(Laden(), Standard());
    EXPECT_EQ(DateiLesen(IniPfad()), "[MainForm]\n\n");
    EXPECT_EQ(History.Count(), 0);
    EXPECT_EQ(Migration.Migriert, 1);
    EXPECT_EQ(Migration.Bereinigt, std::vector<std::string>{"[MainForm]\n\n"});
    EXPECT_TRUE(Meldungen.Texte.empty());

    // The holiday option is on by default only when the program ships the holiday file.
    const std::string Feiertage = Datei("prog/Kalenderdateien/Oesterreichische Feiertage.ovf");
    const TEinstellungen e = Laden();
    EXPECT_TRUE(e.FeiertagS);
    EXPECT_EQ(e.FeiertagsFilename, Feiertage);
    EXPECT_EQ(Migration.Migriert, 1); // the file exists now
}

TEST_F(TEinstellungsspeicherTest, EachKeyIsReadWithItsLimitsAndFallBacks) {
    using TAendern = std::function<void(TEinstellungen&)>;
    struct TFall {
        std::string Zeilen;
        TAendern Erwartung;
    };
    const std::vector<TFall> Faelle = {
        {"ShowSplashScreen=0\n", [](auto& e) { e.ShowSplashScreenS = false; }},
        {"ShowSplashScreen=kaputt\n", [](auto&) {}},
        {"WindowState=2\n", [](auto& e) { e.WindowState = fzMaximiert; }},
        {"WindowState=1\n", [](auto&) {}},
        {"WindowState=3\n", [](auto&) {}},
        {"Height=101\nWidth=150\n", [](auto& e) { e.Height = 101, e.Width = 150; }},
        {"Height=100\nWidth=-5\n", [](auto&) {}},
        {"Vorschautage=0\n", [](auto& e) { e.Vorschautage = 1; }},
        {"Vorschautage=-7\n", [](auto& e) { e.Vorschautage = 1; }},
        {"Vorschautage=25\n", [](auto& e) { e.Vorschautage = 9; }},
        {"Vorschautage=5\n", [](auto& e) { e.Vorschautage = 5; }},
        {"Vorschautage=fünf\n", [](auto&) {}},
        {"SikDateiAnlegen=1\n", [](auto& e) { e.SikDateiAnlegenS = true; }},
        {"SikDateiAnlegen=2\n", [](auto&) {}},
        {"KomprimiertS=1\n", [](auto& e) { e.KomprimiertS = true; }},
        {"KwocheS=0\n", [](auto& e) { e.KwocheS = false; }},
        {"KwocheS=5\n", [](auto& e) { e.KwocheS = false; }},
        // Options whose file does not exist are switched off.
        {"FeiertagS=1\nSonderS=1\nSonderFilename=/gibt/es/nicht.ovk\n", [](auto&) {}},
        {"FeiertagsFilename=/gibt/es/nicht.ovf\n", [](auto&) {}},
        {"FontName=\n", [](auto&) {}},
        {"FontName=Arial\n", [](auto& e) { e.Font.Name = "Arial"; }},
        {"FontSize=5\n", [](auto& e) { e.Font.Groesse = 5; }},
        {"FontSize=4\n", [](auto& e) { e.Font.Groesse = 5; }},
        {"FontSize=35\n", [](auto& e) { e.Font.Groesse = 35; }},
        {"FontSize=72\n", [](auto& e) { e.Font.Groesse = 35; }},
        {"FontSize=2147483647\n", [](auto& e) { e.Font.Groesse = 35; }},
        {"FontSize=-2147483648\n", [](auto& e) { e.Font.Groesse = 5; }},
        {"FontSize=groß\n", [](auto&) {}},
        {"FontColor=255\n", [](auto& e) { e.Font.Farbe = 0x0000FF; }},
        {"FontColor=-16777211\n", [](auto& e) { e.Font.Farbe = 0xFF000005; }},
        {"FontCharSet=418\n", [](auto& e) { e.Font.CharSet = 0xA2; }},
        {"FontStyle=3\n", [](auto& e) { e.Font.Stil = fsItalic | fsBold; }},
        {"FontStyle=1\n", [](auto& e) { e.Font.Stil = fsItalic; }},
        {"FontStyle=12\n", [](auto& e) { e.Font.Stil = fsUnderline | fsStrikeOut; }},
        {"FontStyle=-1\n", [](auto&) {}},
        {"FontStyle=255\n", [](auto& e) { e.Font.Stil = fsItalic | fsBold | fsUnderline | fsStrikeOut; }},
        {"BackColor=255\nHintColor=3\n", [](auto& e) { e.BackColor = 0x0000FF; }},
        {"HintColor=0\n", [](auto& e) { e.BackColor = 0x000000; }},
        {"HintColor=5\n", [](auto& e) { e.BackColor = 0xF0CAA6; }},
        {"HintColor=18\n", [](auto& e) { e.BackColor = 0x000080; }},
        {"HintColor=19\n", [](auto&) {}},
        {"HintColor=-1\n", [](auto&) {}},
        {"BackColor=grün\nHintColor=4\n", [](auto& e) { e.BackColor = 0x800000; }},
    };
    for (const TFall& Fall : Faelle) {
        IniSchreiben(Fall.Zeilen);
        TEinstellungen Erwartet = Standard();
        Fall.Erwartung(Erwartet);
        EXPECT_EQ(Laden(), Erwartet) << Fall.Zeilen;
    }
    EXPECT_TRUE(Meldungen.Texte.empty());
}

TEST_F(TEinstellungsspeicherTest, AFontNameIsTakenOnlyWhenSaneAndInstalled) {
    Speicher.SchriftpruefungSetzen(
        [](const std::string& AName) { return AName.rfind("Arial", 0) == 0 || AName == "DejaVu Sans"; });
    const std::string Lang(1 << 20, 'A');
    struct TFall {
        std::string Zeilen;
        std::string Name;
    };
    const TFall Faelle[] = {
        {"FontName=DejaVu Sans\n", "DejaVu Sans"},
        {"FontName=Gibt es nicht\n", "Courier New"},
        {"FontName=" + std::string(MaxSchriftnameLaenge - 5, 'x') + "\n", "Courier New"},
        {"FontName=Arial" + std::string(MaxSchriftnameLaenge - 5, 'x') + "\n",
         "Arial" + std::string(MaxSchriftnameLaenge - 5, 'x')},
        {"FontName=Arial" + std::string(MaxSchriftnameLaenge - 4, 'x') + "\n", "Courier New"},
        {"FontName=" + Lang + "\n", "Courier New"},
    };
    for (const TFall& f : Faelle) {
        IniSchreiben(f.Zeilen);
        EXPECT_EQ(Laden().Font.Name, f.Name) << f.Zeilen.substr(0, 40);
    }
}

TEST_F(TEinstellungsspeicherTest, AFontNameThatCouldBreakTheToolkitsStyleTextIsNeverTaken) {
    // As if every such typeface were installed.
    Speicher.SchriftpruefungSetzen([](const std::string&) { return true; });
    struct TFall {
        std::string Zeilen;
        std::string Name;
    };
    const TFall Faelle[] = {
        {"FontName=Schöne Schrift-2 l'été\n", "Schöne Schrift-2 l'été"},
        {"FontName=Foo\"; color: red; } * { font-size: 90pt\n", "Courier New"},
        {"FontName=Foo\rBar\n", "Courier New"},
        {"FontName=Foo\\Bar\n", "Courier New"},
        {"FontName=Foo\tBar\n", "Courier New"},
        {"FontName=Foo\x7F\n", "Courier New"},
        {"FontName=Foo\xC3\n", "Courier New"},
    };
    for (const TFall& f : Faelle) {
        IniSchreiben(f.Zeilen);
        EXPECT_EQ(Laden().Font.Name, f.Name) << f.Zeilen.substr(0, 40);
    }
}

TEST_F(TEinstellungsspeicherTest, TheWorstValuesLoadAsUsableOnesAndAreSavedSo) {
    Speicher.SchriftpruefungSetzen([](const std::string& AName) { return AName == "DejaVu Sans"; });
    IniSchreiben("Height=2147483647\nWidth=100000\nFontSize=72\nFontName=" + std::string(1 << 20, 'F') +
                 "\n");
    TEinstellungen e = Laden();
    EXPECT_EQ(e.Font.Groesse, 35);
    EXPECT_EQ(e.Font.Name, "Courier New");
    // The window keeps the size within its work area; what it then has is saved.
    e.Height = 1024;
    e.Width = 1280;
    ASSERT_TRUE(Speicher.Speichern(e, History, true));
    const std::string Text = DateiLesen(IniPfad());
    for (const char* Zeile : {"Height=1024\n", "Width=1280\n", "FontSize=35\n", "FontName=Courier New\n"}) {
        EXPECT_NE(Text.find(Zeile), std::string::npos) << Zeile;
    }
    EXPECT_LT(Text.size(), 1000u);
}

TEST_F(TEinstellungsspeicherTest, StoredFilesAreUsedOnlyWhileTheyExist) {
    const std::string Feiertage = Datei("eigene/Feiertage.ovf");
    const std::string Sonder = Datei("eigene/Sonder.ovk");
    const std::string Kalender = Datei("daten/Termine.ovk");
    const std::string Argument = Datei("argument/Anderer.ovk");
    struct TFall {
        std::string Zeilen;
        std::string ErsterParameter;
        std::string KalFilename;
    };
    const std::vector<TFall> Faelle = {
        {"KalFilename=" + Kalender + "\n", "", Kalender},
        // A deleted file in an existing folder: no file is open, dialogs start in the folder.
        {"KalFilename=" + Temp.Pfad() + "/daten/Weg.ovk\n", "", Temp.Pfad() + "/daten/"},
        {"KalFilename=" + Temp.Pfad() + "/daten/\n", "", Temp.Pfad() + "/daten/"},
        {"KalFilename=" + Temp.Pfad() + "/weg/Weg.ovk\n", "", Orte.KalenderUserPath},
        {"KalFilename=\n", "", Orte.KalenderUserPath},
        {"KalFilename=" + Kalender + "\n", Argument, Argument},
        {"KalFilename=" + Kalender + "\n", "/systemstartup", Kalender},
    };
    for (const TFall& Fall : Faelle) {
        IniSchreiben("FeiertagS=1\nFeiertagsFilename=" + Feiertage + "\nSonderS=1\nSonderFilename=" + Sonder +
                     "\n" + Fall.Zeilen);
        Orte.ErsterParameter = Fall.ErsterParameter;
        const TEinstellungen e = Laden();
        EXPECT_EQ(e.KalFilename, Fall.KalFilename) << Fall.Zeilen << Fall.ErsterParameter;
        EXPECT_TRUE(e.FeiertagS);
        EXPECT_EQ(e.FeiertagsFilename, Feiertage);
        EXPECT_TRUE(e.SonderS);
        EXPECT_EQ(e.SonderFilename, Sonder);
    }
}

TEST_F(TEinstellungsspeicherTest, SavedSettingsLoadAsTheyWere) {
    TEinstellungen e;
    e.ShowSplashScreenS = false;
    e.WindowState = fzMaximiert;
    e.Height = 750;
    e.Width = 1100;
    e.Vorschautage = 7;
    e.SikDateiAnlegenS = true;
    e.FeiertagS = true;
    e.FeiertagsFilename = Datei("prog/Kalenderdateien/Feiertage.ovf");
    e.KomprimiertS = true;
    e.SonderS = true;
    e.SonderFilename = Datei("Sonder & Co.ovk");
    e.KalFilename = Datei("Kalender=Jänner.ovk");
    e.KwocheS = false;
    e.Font = {"DejaVu Sans Mono", 20, 0x00336699, 238, fsBold | fsUnderline};
    e.BackColor = 0xFF000005;
    THistoryList Gespeichert;
    for (const char* s : {"/c.ovk", "/b.ovk", "/a.ovk"})
        Gespeichert.AddString(s, true);

    ASSERT_TRUE(Speicher.Speichern(e, Gespeichert, true));
    const std::string Text = DateiLesen(IniPfad());
    EXPECT_NE(Text.find("History1=/a.ovk\nHistory2=/b.ovk\nHistory3=/c.ovk\n"), std::string::npos);
    EXPECT_NE(Text.find("BackColor=-16777211\n"), std::string::npos);
    EXPECT_NE(Text.find("FontStyle=6\n"), std::string::npos);
    EXPECT_NE(Text.find("ShowSplashScreen=0\n"), std::string::npos);
    EXPECT_EQ(Text.find("HintColor"), std::string::npos);
    EXPECT_EQ(Migration.Bereinigt.size(), 1u);

    EXPECT_EQ(Laden(), e);
    EXPECT_EQ(History.Items(), Gespeichert.Items());
    EXPECT_TRUE(Meldungen.Texte.empty());
}

TEST_F(TEinstellungsspeicherTest, SavingKeepsWhatItDoesNotWrite) {
    IniSchreiben("WindowState=2\nHeight=800\nWidth=1000\nHintColor=3\nHistory1=/1\nHistory2=/2\nHistory3=/3\n"
                 "History4=/4\nHistory5=/5\nFremd=bleibt\n");
    THistoryList Kurz;
    Kurz.AddString("/neu.ovk", true);
    TEinstellungen e;
    e.Height = 300;
    // A minimized window writes neither its state nor its size.
    ASSERT_TRUE(Speicher.Speichern(e, Kurz, false));
    TMemIniFile Ini(IniPfad(), SystemDateisystem());
    Ini.LoadFromFile();
    EXPECT_EQ(Ini.ReadInteger("MainForm", "WindowState", -1), 2);
    EXPECT_EQ(Ini.ReadInteger("MainForm", "Height", -1), 800);
    EXPECT_EQ(Ini.ReadInteger("MainForm", "Width", -1), 1000);
    EXPECT_EQ(Ini.ReadString("MainForm", "Fremd", ""), "bleibt");
    EXPECT_EQ(Ini.ReadString("MainForm", "History1", ""), "/neu.ovk");
    for (const char* Key : {"History2", "History3", "History4", "History5"})
        EXPECT_FALSE(Ini.ValueExists("MainForm", Key)) << Key;
    // BackColor is written now, so the old colour number no longer counts.
    EXPECT_EQ(Laden().BackColor, clWhite);
}

TEST_F(TEinstellungsspeicherTest, ADamagedFileLoadsWhatCanBeRead) {
    IniSchreiben("\x01\x02\xFF garbage\nFontSize=20\n[MainForm\nVorschautage=5\n\xC3\n");
    TEinstellungen Erwartet = Standard();
    Erwartet.Font.Groesse = 20;
    Erwartet.Vorschautage = 5;
    EXPECT_EQ(Laden(), Erwartet);
    EXPECT_TRUE(Meldungen.Texte.empty());
}

TEST_F(TEinstellungsspeicherTest, AnUnreadableFileIsReportedAndChangesNothing) {
    std::filesystem::create_directories(Temp.Pfad() + "/conf/Orvanto");
    ASSERT_EQ(mkfifo(IniPfad().c_str(), 0600), 0);
    TEinstellungen e;
    e.Height = 333;
    const TEinstellungen Vorher = e;
    EXPECT_FALSE(Speicher.Laden(e, History, Orte));
    EXPECT_EQ(e, Vorher);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_EQ(Meldungen.Texte[0].rfind(
                  "Die Programmeinstellungen konnten nicht gelesen oder gespeichert werden.\n", 0),
              0u);
    EXPECT_GT(Meldungen.Texte[0].size(), 75u);
}

TEST_F(TEinstellungsspeicherTest, FolderErrorsAreReported) {
    const std::string Lesen = "Die Programmeinstellungen konnten nicht gelesen oder gespeichert werden.\n";
    // A file where the settings folder belongs.
    std::filesystem::create_directories(Temp.Pfad() + "/conf");
    DateiSchreiben(Temp.Pfad() + "/conf/Orvanto", "kein Ordner");
    Laden(false);
    EXPECT_FALSE(Speicher.Speichern(TEinstellungen(), History, true));
    EXPECT_TRUE(Speicher.ShowSplashScreenLesen());
    const std::string Anlegen = "Der Einstellungsordner konnte nicht angelegt werden.";
    EXPECT_EQ(Meldungen.Texte,
              (std::vector<std::string>{Lesen + Anlegen, Lesen + Anlegen,
                                        "Die Startbildschirm-Einstellung konnte nicht gelesen "
                                        "werden.\n" +
                                            Anlegen}));

    Meldungen.Texte.clear();
    Ordner.Anwendungsdaten = "";
    EXPECT_THROW(Speicher.EinstellungsDateiname(), EFehler);
    Laden(false);
    EXPECT_EQ(
        Meldungen.Texte,
        std::vector<std::string>{Lesen + "Der Ordner fuer die Benutzereinstellungen ist nicht verfuegbar."});
}

TEST_F(TEinstellungsspeicherTest, OldSettingsAreTakenOverOnceAndCleanupErrorsDoNotStopLoading) {
    Migration.AlteWerte = "ShowSplashScreen=0\nVorschautage=6\nHistory1=/alt.ovk\n";
    Migration.BereinigenScheitertS = true;
    EXPECT_FALSE(Speicher.ShowSplashScreenLesen());
    EXPECT_EQ(Migration.Migriert, 1);
    EXPECT_EQ(DateiLesen(IniPfad()), "[MainForm]\nShowSplashScreen=0\nVorschautage=6\nHistory1=/alt.ovk\n\n");

    const TEinstellungen e = Laden();
    EXPECT_EQ(e.Vorschautage, 6);
    EXPECT_EQ(History.Items(), std::vector<std::string>{"/alt.ovk"});
    EXPECT_EQ(Migration.Migriert, 1);
    const std::string Bereinigen =
        "Die INI-Einstellungen bleiben erhalten. Alte Registry-Einstellungen konnten nicht "
        "vollstaendig entfernt werden.\nDer alte Registry-Wert konnte nicht entfernt "
        "werden: Height";
    EXPECT_EQ(Meldungen.Texte, (std::vector<std::string>{Bereinigen, Bereinigen}));
    // Saving cleans up after writing, so that the cleanup sees the new file.
    EXPECT_TRUE(Speicher.Speichern(e, History, true));
    EXPECT_EQ(Migration.Bereinigt.back(), DateiLesen(IniPfad()));
    EXPECT_NE(Migration.Bereinigt.back().find("Vorschautage=6"), std::string::npos);
}

TEST(TEinstellungsspeicherXdgTest, TheFileLivesInTheXdgConfigFolder) {
    TTempOrdner Temp;
    TUmgebung Umgebung;
    Umgebung.Setzen("XDG_CONFIG_HOME", Temp.Pfad() + "/xdg");
    const TXdgOrdner Ordner;
    std::unique_ptr<TRegistryMigration> Migration = SystemRegistryMigration();
    TEinstellungsspeicher Speicher(Ordner, *Migration, SystemDateisystem());
    EXPECT_EQ(Speicher.EinstellungsDateiname(), Temp.Pfad() + "/xdg/Orvanto/Orvanto.ini");
    EXPECT_TRUE(Speicher.ShowSplashScreenLesen());
    EXPECT_TRUE(std::filesystem::is_regular_file(Temp.Pfad() + "/xdg/Orvanto/Orvanto.ini"));
}

} // namespace
