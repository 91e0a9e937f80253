#include "calendarfiles/TDateiBefehle.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>

#include "calendarfiles/TGeladenForm.h"
#include "calendarfiles/TIcsDateien.h"
#include "files/Utf8.h"
#include "model/Fehler.h"
#include "model/Textvergleich.h"
#include "platform/SpezialOrdner.h"
#include "platform/SystemDateisystem.h"
#include "platform/Systemfehlertext.h"
#include "platform/TMemIniFile.h"
#include "platform/TRegistryMigration.h"
#include "platform/Umgebung.h"
#include "platform/Zeitzone.h"
#include "views/TFakeSteuerung.h"
#include "views/ViewsHilfen.h"
#include "window/HauptfensterFakes.h"
#include "window/TForm1.h"

namespace {

namespace fs = std::filesystem;

// No screen reader runs.
class TStillePlattform : public TScreenReaderPlattform {
public:
    bool Vorbereiten() override { return false; }
    void Freigeben() override {}
    TScreenReaderDriverListe TreiberErzeugen() override { return {}; }
};

// The file dialogs: each showing is noted; the answer is the prepared name, or cancel without one.
class TFakeDateiDialog : public TDateiDialog {
public:
    std::vector<TDateiDialogWahl> Gezeigt;
    std::vector<bool> ZumSpeichern;
    std::optional<std::string> Wahl;
    // The filter the user picks in the save dialog; 0 keeps the one it starts with.
    int Filter = 0;

    bool Oeffnen(const TDateiDialogWahl& AWahl, std::string& ADatei) override {
        Gezeigt.push_back(AWahl);
        ZumSpeichern.push_back(false);
        return Antworten(ADatei);
    }
    bool Speichern(TDateiDialogWahl& AWahl, std::string& ADatei) override {
        Gezeigt.push_back(AWahl);
        ZumSpeichern.push_back(true);
        if (Wahl && Filter > 0) {
            AWahl.FilterIndex = Filter;
        }
        return Antworten(ADatei);
    }

private:
    bool Antworten(std::string& ADatei) const {
        if (Wahl) {
            ADatei = *Wahl;
        }
        return Wahl.has_value();
    }
};

// The loaded-files dialog: removes the file of line EntferneNr (the question answered Ja), or
// closes without removing.
class TFakeGeladenDialog : public TGeladenDialog {
public:
    int Gezeigt = 0;
    std::optional<int> EntferneNr;

    void GeladenZeigen(TDaten& ADaten, TGeladenClass& AGeladen) override {
        ++Gezeigt;
        if (EntferneNr) {
            TFakeMeldungen Ja;
            Ja.Antwort = maJa;
            TGeladenForm(ADaten, AGeladen).Entfernen(*EntferneNr, Ja);
        }
    }
};

// The system's files on a disk that is full while VollS: writing fails as the system fails it.
class TVolleFestplatte : public TDateisystem {
public:
    bool VollS = false;

    std::string LiesDatei(const std::string& p) override { return S.LiesDatei(p); }
    int OeffneLesen(const std::string& p, std::uint64_t& g) override { return S.OeffneLesen(p, g); }
    std::size_t Lies(int h, char* z, std::size_t n) override { return S.Lies(h, z, n); }
    bool Existiert(const std::string& p) override { return S.Existiert(p); }
    std::string VollerPfad(const std::string& p) override { return S.VollerPfad(p); }
    std::string Speicherziel(const std::string& p) override { return S.Speicherziel(p); }
    int ErzeugeNeu(const std::string& p) override { return S.ErzeugeNeu(p); }
    void Schreibe(int h, const char* d, std::size_t n) override {
        if (VollS) {
            throw EBetriebssystemFehler(Systemfehlertext(ENOSPC));
        }
        S.Schreibe(h, d, n);
    }
    void Sichere(int h) override { S.Sichere(h); }
    void Schliesse(int h) override { S.Schliesse(h); }
    bool Verknuepfe(const std::string& a, const std::string& b) noexcept override {
        return S.Verknuepfe(a, b);
    }
    void Umbenennen(const std::string& a, const std::string& b) override { S.Umbenennen(a, b); }
    void OrdnerSichern(const std::string& p) override { S.OrdnerSichern(p); }
    void Entferne(const std::string& p) noexcept override { S.Entferne(p); }
    int Festhalten(const std::string& p) noexcept override { return S.Festhalten(p); }
    void Loslassen(int h) noexcept override { S.Loslassen(h); }
    void EntferneWennFrei(const std::string& p) noexcept override { S.EntferneWennFrei(p); }
    std::vector<std::string> Ordnerinhalt(const std::string& o) noexcept override {
        return S.Ordnerinhalt(o);
    }

private:
    TDateisystem& S = SystemDateisystem();
};

void KalenderSchreiben(const std::string& APfad, const std::vector<TDatenClass>& AEintraege) {
    TDaten d;
    for (TDatenClass e : AEintraege) {
        e.Id = d.Count();
        d.Add(e);
    }
    d.SaveToFile(APfad, SystemDateisystem());
}

TDaten KalenderLesen(const std::string& APfad) {
    TDaten d;
    EXPECT_TRUE(d.LoadFromFile(APfad, false, 0, SystemDateisystem())) << APfad;
    return d;
}

bool BeginntMit(const std::string& AText, const std::string& AAnfang) {
    return AText.rfind(AAnfang, 0) == 0;
}

// An iCalendar file of AKomponenten.
std::string Ics(const std::string& AKomponenten) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n" + AKomponenten + "END:VCALENDAR\r\n";
}

// A whole-day event.
std::string Ereignis(const std::string& AUid, const std::string& ADatum, const std::string& AKurztext,
                     const std::string& AWeitere = "") {
    return "BEGIN:VEVENT\r\nUID:" + AUid + "\r\nDTSTART;VALUE=DATE:" + ADatum + "\r\nSUMMARY:" + AKurztext +
           "\r\n" + AWeitere + "END:VEVENT\r\n";
}

// An invitation to a concert on 7.1.2025, a cancelled event and a task.
const std::string Einladung = Ics(Ereignis("konzert", "20250107", "Konzert") +
                                  Ereignis("weg", "20250108", "Weg", "STATUS:CANCELLED\r\n") +
                                  "BEGIN:VTODO\r\nUID:aufgabe\r\nSUMMARY:Einkaufen\r\nEND:VTODO\r\n");
const std::string EinladungBericht =
    "1 Termin übernommen, 2 nicht übernommen: 1 abgesagter Termin, 1 Aufgabe.";

const std::string Heute = "W2  Mo 06.01.2025: Heute";
const std::string HeuteFeiertag = "W2  Mo 06.01.2025: \"Dreikönig\" | (1*)";
const std::string Frage = "Sollen die vorgenommenen Änderungen gespeichert werden?";

// Today is Monday 6.1.2025. A temporary folder holds the documents folder with the calendar
// "Privat.ovk" (an appointment on 8.1.), the program folder with a holiday file (6.1.) and the
// settings.
class Dateien : public MitUhr {
protected:
    TTempOrdner Temp;
    std::string Dokumente, Programm, Kalender, Feiertage, Ini;
    TFakeAnsicht Ansicht;
    TFakeSteuerung Steuerung;
    TFakeMeldungen Meldungen;
    TFakeDateiDialog Dialog;
    TFakeGeladenDialog GeladenDialog;
    TVolleFestplatte Festplatte;
    TAnwendungsdatenOrdner Ordner{Temp.Pfad() + "/config/"};
    std::unique_ptr<TRegistryMigration> Migration = SystemRegistryMigration();
    TEinstellungsspeicher Einstellungen{Ordner, *Migration, SystemDateisystem()};
    std::unique_ptr<TZeitzone> Zone = SystemZeitzone();
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
        Feiertage = Programm + "Feiertage.ovf";
        KalenderSchreiben(Feiertage, {Eintrag("Dreikönig", {{D(6, 1, 2025), D(6, 1, 2025)}}, ttFeiertag)});
        Ini = Temp.Pfad() + "/config/Orvanto/Orvanto.ini";
        IniSchreiben("FeiertagS=0\n");
        TMeldungsPort::Setze(&Meldungen);
    }
    void TearDown() override {
        TMeldungsPort::Setze(nullptr);
        MitUhr::TearDown();
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
    // Creation with the dialogs, first showing and the start-up step.
    void Starten(const std::vector<std::string>& AArgumente) {
        Form = std::make_unique<TForm1>(Ansicht, Steuerung, Einstellungen, Festplatte, Dokumente, Programm,
                                        AArgumente, std::make_unique<TStillePlattform>());
        Form->DateiDialogeSetzen(Dialog, GeladenDialog);
        Form->Dateien().IcsZeitzoneSetzen(*Zone);
        ASSERT_TRUE(Form->FormShow());
        Form->Timer2Timer();
    }
    void AenderungMachen(const std::string& AKurztext = "Neu") {
        TDatenClass Neu = Eintrag(AKurztext, {{D(7, 1, 2025), D(7, 1, 2025)}});
        Neu.Id = Form->Daten.NewId();
        Form->Daten.Add(Neu);
    }
    // The entries of an iCalendar file as this program reads it.
    TDaten IcsLesen(const std::string& APfad) const {
        TDaten d;
        TIcsDateien Ics(SystemDateisystem());
        Ics.ZeitzoneSetzen(*Zone);
        Ics.Lesen(APfad, d, 0);
        return d;
    }
    bool Enthaelt(const std::string& AKurztext) const { return Form->Daten.FindeKurztext(AKurztext); }
    std::string LetzteMeldung() const { return Meldungen.Texte.empty() ? "" : Meldungen.Texte.back(); }
};

TEST_F(Dateien, TheSaveQuestionComesBeforeOpeningAndClosingWithEveryAnswer) {
    const std::string Zweit = Dokumente + "Zweit.ovk";
    KalenderSchreiben(Zweit, {Eintrag("Friseur", {{D(10, 1, 2025), D(10, 1, 2025)}})});
    struct TFall {
        const char* Name;
        TMenueBefehl Befehl;
        TMeldungsAntwort Antwort;
        // A text the calendar format cannot store makes the save fail.
        bool SpeichernScheitertS;
        bool Ersetzt;
        bool Gespeichert;
    };
    const TFall Faelle[] = {
        {"open, yes", mbOeffnen, maJa, false, true, true},
        {"open, no", mbOeffnen, maNein, false, true, false},
        {"open, cancel", mbOeffnen, maAbbrechen, false, false, false},
        {"open, yes, save fails", mbOeffnen, maJa, true, false, false},
        {"close, yes", mbSchliessen, maJa, false, true, true},
        {"close, no", mbSchliessen, maNein, false, true, false},
        {"close, cancel", mbSchliessen, maAbbrechen, false, false, false},
        {"close, yes, save fails", mbSchliessen, maJa, true, false, false},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        KalenderSchreiben(Kalender, {Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
        Meldungen.Texte.clear();
        Starten({Kalender});
        AenderungMachen(f.SpeichernScheitertS ? "Встреча" : "Neu");
        Dialog.Wahl = Zweit;
        Meldungen.Antwort = f.Antwort;
        Form->MenueBefehl(f.Befehl);
        ASSERT_FALSE(Meldungen.Texte.empty());
        EXPECT_EQ(Meldungen.Texte[0], Frage);
        EXPECT_EQ(Meldungen.Texte.size(), f.SpeichernScheitertS ? 2u : 1u);
        if (f.SpeichernScheitertS) {
            EXPECT_TRUE(BeginntMit(Meldungen.Texte[1], "Speichern fehlgeschlagen:\r\n"))
                << Meldungen.Texte[1];
        }
        EXPECT_EQ(KalenderLesen(Kalender).Count(), f.Gespeichert ? 2 : 1);
        const std::string Danach = f.Befehl == mbOeffnen ? Zweit : Dokumente;
        EXPECT_EQ(Form->KalFilename(), f.Ersetzt ? Danach : Kalender);
        EXPECT_EQ(Enthaelt("Arzt"), !f.Ersetzt);
        EXPECT_EQ(Form->IsModified(), !f.Ersetzt && !f.Gespeichert);
        if (f.Ersetzt) {
            EXPECT_EQ(Steuerung.Aktuell(), Heute);
        }
    }
}

TEST_F(Dateien, YesWithoutAFileNameOpensSaveAs) {
    Starten({});
    AenderungMachen();
    Meldungen.Antwort = maJa;
    // Cancelling the save-as dialog keeps the window open and the calendar modified.
    EXPECT_FALSE(Form->FormCloseQuery());
    ASSERT_EQ(Dialog.Gezeigt.size(), 1u);
    EXPECT_TRUE(Dialog.ZumSpeichern[0]);
    EXPECT_EQ(Dialog.Gezeigt[0].Titel, "Kalenderdatei speichern unter");
    EXPECT_TRUE(Form->IsModified());
    // A name without extension gets the calendar extension.
    Dialog.Wahl = Dokumente + "Kalenderdateien/Neu";
    EXPECT_TRUE(Form->FormCloseQuery());
    const std::string Neu = Dokumente + "Kalenderdateien/Neu.OVK";
    EXPECT_EQ(KalenderLesen(Neu).Count(), 1);
    EXPECT_EQ(Form->KalFilename(), Neu);
    EXPECT_EQ(Ansicht.Titel, "Neu.OVK - Orvanto V1.03");
    EXPECT_FALSE(Form->IsModified());
    EXPECT_EQ(Ansicht.History.at(0), "&1 " + Neu);
}

TEST_F(Dateien, TheBackupCopyHoldsTheOldFile) {
    struct TFall {
        const char* Name;
        bool OptionS;
        const char* Ziel;      // in the documents folder
        bool SpeichernUnterS;  // saved as Ziel from Privat.ovk, else Ziel opened and saved
        const char* Sicherung; // expected backup name, "" for none
    };
    const TFall Faelle[] = {
        {"upper case", true, "Haus.OVK", false, "Haus.OVO"},
        {"lower case", true, "haus.ovk", false, "haus.ovo"},
        {"the file is a backup", true, "Haus.Ovo", false, ""},
        {"option off", false, "Haus.OVK", false, ""},
        {"save as over an existing file", true, "Haus.OVK", true, "Haus.OVO"},
        {"save as to a new name", true, "Neu.OVK", true, ""},
        {"a name beyond ASCII", true, "Jänner Встреча.OVK", false, "Jänner Встреча.OVO"},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        fs::remove_all(Dokumente);
        fs::create_directories(Dokumente);
        KalenderSchreiben(Kalender, {Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
        const std::string Ziel = Dokumente + f.Ziel;
        if (f.Ziel != std::string("Neu.OVK")) {
            KalenderSchreiben(Ziel, {Eintrag("Alt", {{D(9, 1, 2025), D(9, 1, 2025)}})});
        }
        const std::string Vorher = fs::exists(PfadAusUtf8(Ziel)) ? DateiLesen(Ziel) : "";
        IniSchreiben(std::string("FeiertagS=0\nSikDateiAnlegen=") + (f.OptionS ? "1" : "0") + "\n");
        Starten({f.SpeichernUnterS ? Kalender : Ziel});
        EXPECT_EQ(Form->MenueZustand(mbSicherung).CheckedS, f.OptionS);
        AenderungMachen();
        Dialog.Wahl = Ziel;
        Form->MenueBefehl(f.SpeichernUnterS ? mbSpeichernUnter : mbSpeichern);
        EXPECT_TRUE(Meldungen.Texte.empty()) << LetzteMeldung();
        EXPECT_EQ(Form->KalFilename(), Ziel);
        EXPECT_TRUE(KalenderLesen(Ziel).FindeKurztext("Neu"));
        std::vector<std::string> Sicherungen;
        for (const auto& e : fs::directory_iterator(Dokumente)) {
            const std::string Name = PfadAlsUtf8(e.path().filename());
            if (GleichOhneGrossKlein(e.path().extension().string(), ".ovo") &&
                e.path() != PfadAusUtf8(Ziel)) {
                Sicherungen.push_back(Name);
            }
        }
        if (*f.Sicherung == '\0') {
            EXPECT_TRUE(Sicherungen.empty()) << Sicherungen.front();
        } else {
            EXPECT_EQ(Sicherungen, std::vector<std::string>{f.Sicherung});
            EXPECT_EQ(DateiLesen(Dokumente + f.Sicherung), Vorher);
        }
    }
}

TEST_F(Dateien, AFailingBackupIsAFailedSave) {
    IniSchreiben("FeiertagS=0\nSikDateiAnlegen=1\n");
    const std::string Haus = Dokumente + "Haus.OVK";
    KalenderSchreiben(Haus, {Eintrag("Alt", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    fs::create_directories(Dokumente + "Haus.OVO");
    const std::string Vorher = DateiLesen(Haus);
    Starten({Haus});
    AenderungMachen();
    Form->MenueBefehl(mbSpeichern);
    ASSERT_EQ(Meldungen.Texte.size(), 1u);
    EXPECT_TRUE(BeginntMit(Meldungen.Texte[0], "Speichern fehlgeschlagen:\r\n")) << Meldungen.Texte[0];
    EXPECT_EQ(DateiLesen(Haus), Vorher);
    EXPECT_TRUE(Form->IsModified());
}

TEST_F(Dateien, AWriteErrorLeavesEverythingAsItWasAndSavingElsewhereWorks) {
    struct TFall {
        const char* Name;
        const char* Kurztext;
        std::function<void(const std::string&)> Stoerung;
        const char* Meldung; // nullptr: the system's own words, in its language
        bool AnderswoS;
    };
#ifdef _WIN32
    const char* OrdnerWeg = nullptr;
#else
    const char* OrdnerWeg = "Die Datei oder der Ordner wurde nicht gefunden.";
#endif
    const TFall Faelle[] = {
        {"text outside the code page", "Встреча", [](const std::string&) {},
         "Der Text enthält Zeichen, die das bisherige Kalenderformat nicht speichern kann. Die Originaldatei "
         "bleibt erhalten.",
         false},
        {"read-only file", "Neu",
         [](const std::string& APfad) {
             fs::permissions(APfad, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         "Die Datei ist schreibgeschützt.", true},
        {"folder gone", "Neu",
         [](const std::string& APfad) { fs::remove_all(fs::path(APfad).parent_path()); }, OrdnerWeg, true},
        {"disk full", "Neu", [this](const std::string&) { Festplatte.VollS = true; },
         "Auf dem Datenträger ist nicht genügend Speicherplatz verfügbar.", true},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        const std::string Ordner = SystemDateisystem().VollerPfad(Dokumente + "Weg/");
        fs::create_directories(Ordner);
        const std::string Datei = Ordner + "Privat.ovk";
        KalenderSchreiben(Datei, {Eintrag("Arzt", {{D(8, 1, 2025), D(8, 1, 2025)}})});
        const std::string Vorher = DateiLesen(Datei);
        Meldungen.Texte.clear();
        Starten({Datei});
        AenderungMachen(f.Kurztext);
        f.Stoerung(Datei);
        Form->MenueBefehl(mbSpeichern);
        const std::string Anfang = "Speichern fehlgeschlagen:\r\n";
        if (f.Meldung != nullptr) {
            EXPECT_EQ(Meldungen.Texte, std::vector<std::string>{Anfang + f.Meldung});
        } else {
            ASSERT_EQ(Meldungen.Texte.size(), 1u);
            EXPECT_TRUE(BeginntMit(Meldungen.Texte[0], Anfang)) << Meldungen.Texte[0];
            EXPECT_GT(Meldungen.Texte[0].size(), Anfang.size());
        }
        EXPECT_EQ(Form->KalFilename(), Datei);
        EXPECT_EQ(Form->Daten.Count(), 2);
        EXPECT_TRUE(Form->IsModified());
        if (fs::exists(Ordner)) {
            EXPECT_EQ(DateiLesen(Datei), Vorher);
            EXPECT_EQ(std::distance(fs::directory_iterator(Ordner), fs::directory_iterator()), 1);
        }
        if (f.AnderswoS) {
            Festplatte.VollS = false;
            Meldungen.Texte.clear();
            Dialog.Wahl = Dokumente + "Anders.OVK";
            Form->MenueBefehl(mbSpeichernUnter);
            EXPECT_TRUE(Meldungen.Texte.empty()) << LetzteMeldung();
            EXPECT_EQ(KalenderLesen(Dokumente + "Anders.OVK").Count(), 2);
            EXPECT_FALSE(Form->IsModified());
        }
        // Windows removes no read-only file.
        std::error_code Fehler;
        fs::permissions(Datei, fs::perms::owner_all, Fehler);
        fs::remove_all(Ordner);
    }
}

TEST_F(Dateien, SaveAsOverAnExistingFileTakesItsName) {
    const std::string Anders = Dokumente + "Anders.OVK";
    KalenderSchreiben(Anders, {Eintrag("Alt", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    Starten({Kalender});
    Dialog.Wahl = Anders;
    Form->MenueBefehl(mbSpeichernUnter);
    const TDateiDialogWahl& w = Dialog.Gezeigt.at(0);
    EXPECT_EQ(w.Ordner, Dokumente);
    EXPECT_EQ(w.Dateiname, "Privat.ovk");
    const TDaten Datei = KalenderLesen(Anders);
    EXPECT_TRUE(Datei.FindeKurztext("Arzt"));
    EXPECT_FALSE(Datei.FindeKurztext("Alt"));
    EXPECT_EQ(Form->KalFilename(), Anders);
    EXPECT_EQ(Ansicht.Titel, "Anders.OVK - Orvanto V1.03");
    EXPECT_EQ(Ansicht.History, (std::vector<std::string>{"&1 " + Anders, "&2 " + Kalender}));
    // Save is enabled only while the calendar differs from the file.
    EXPECT_FALSE(Form->MenueZustand(mbSpeichern).EnabledS);
    AenderungMachen();
    EXPECT_TRUE(Form->MenueZustand(mbSpeichern).EnabledS);
}

TEST_F(Dateien, TheExtensionTakesTheCaseOfTheFolder) {
    struct TFall {
        const char* Name;
        std::vector<const char*> Vorhanden;
        const char* Eingabe;
        int Filter;
        const char* Ergebnis;
        const char* Filtertext = TDateiBefehle::SpeicherFilter;
    };
    const TFall Faelle[] = {
        {"empty folder", {}, "Neu", 1, "Neu.OVK"},
        {"lower-case calendars", {"a.ovk", "b.ovk"}, "Neu", 1, "Neu.ovk"},
        {"mixed", {"a.ovk", "b.OVK"}, "Neu", 1, "Neu.OVK"},
        {"other extensions do not count", {"a.ovi", "c.txt"}, "Neu", 1, "Neu.OVK"},
        {"import filter", {"x.ovi"}, "Neu", 2, "Neu.ovi"},
        {"holiday filter", {}, "Neu", 3, "Neu.OVF"},
        {"unknown filter", {}, "Neu", 7, "Neu.OVK"},
        {"typed extension", {"a.ovk"}, "Neu.txt", 1, "Neu.txt"},
        {"names beyond ASCII", {"März.ovk"}, "Jänner", 1, "Jänner.ovk"},
        {"iCalendar filter", {"a.ICS"}, "Neu", 1, "Neu.ics", TDateiBefehle::IcsFilter},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        const std::string Ordner = Dokumente + "Endung/";
        fs::remove_all(Ordner);
        fs::create_directories(Ordner);
        for (const char* Name : f.Vorhanden) {
            DateiSchreiben(Ordner + Name, "");
        }
        EXPECT_EQ(TDateiBefehle::MitEndung(Ordner + f.Eingabe, f.Filtertext, f.Filter, SystemDateisystem()),
                  Ordner + f.Ergebnis);
    }
}

TEST_F(Dateien, AnExtensionThatNamesAnExistingFileIsAskedFor) {
    const std::string Anders = Dokumente + "Anders.OVK";
    KalenderSchreiben(Anders, {Eintrag("Alt", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    Starten({Kalender});
    Dialog.Wahl = Dokumente + "Anders";
    Meldungen.Antwort = maNein;
    Form->MenueBefehl(mbSpeichernUnter);
    EXPECT_EQ(Meldungen.Texte,
              std::vector<std::string>{"Die Datei \"" + Anders +
                                       "\" ist bereits vorhanden.\r\nSoll sie ersetzt werden?"});
    EXPECT_TRUE(KalenderLesen(Anders).FindeKurztext("Alt"));
    EXPECT_EQ(Form->KalFilename(), Kalender);
    Meldungen.Antwort = maJa;
    Form->MenueBefehl(mbSpeichernUnter);
    EXPECT_TRUE(KalenderLesen(Anders).FindeKurztext("Arzt"));
    EXPECT_EQ(Form->KalFilename(), Anders);
}

TEST_F(Dateien, EachCommandShowsItsDialog) {
    IniSchreiben("FeiertagS=0\nFeiertagsFilename=" + Feiertage + "\n");
    Starten({Kalender});
    Form->SonderFilename = Form->KalenderProgPath;
    struct TFall {
        TMenueBefehl Befehl;
        const char* Titel;
        const char* Endung;
        std::string Filter;
        int FilterIndex;
        std::string Ordner;
        std::string Dateiname;
        bool ZumSpeichern;
    };
    const std::string Voll = TDateiBefehle::VollerFilter;
    // The dialogs that read a file to import or to show beside offer iCalendar files too, where
    // the build reads them.
#ifdef ORVANTO_ICALENDAR
    const std::string MitIcs = TDateiBefehle::IcsLeseFilter;
#else
    const std::string MitIcs = Voll;
#endif
    std::vector<TFall> Faelle = {
        {mbOeffnen, "Kalenderdatei öffnen", "OVK", Voll, 1, Dokumente, "", false},
        {mbImportieren, "Kalenderdatei importieren", "OVI", MitIcs, 4, Dokumente + "Kalenderdateien/", "",
         false},
        {mbLaden, "Kalenderdatei hinzuladen", "OVK", MitIcs, 4, Dokumente + "Kalenderdateien/", "", false},
        {mbFeiertagsdatei, "Feiertagsdatei hinzuladen", "OVF", Voll, 3, Programm, "Feiertage.ovf", false},
        {mbSonderdatei, "Sonderdatei hinzuladen", "OVK", Voll, 4, Programm + "Kalenderdateien/", "", false},
        {mbSpeichernUnter, "Kalenderdatei speichern unter", "OVK", TDateiBefehle::SpeicherFilter, 1,
         Dokumente, "Privat.ovk", true},
    };
#ifdef ORVANTO_ICALENDAR
    Faelle.push_back({mbIcsExportieren, "iCalendar-Datei exportieren", "ics", TDateiBefehle::IcsFilter, 1,
                      Dokumente, "Privat.ics", true});
#endif
    const std::string IniVorher = DateiLesen(Ini);
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Titel);
        Form->MenueBefehl(f.Befehl);
        ASSERT_FALSE(Dialog.Gezeigt.empty());
        const TDateiDialogWahl& w = Dialog.Gezeigt.back();
        EXPECT_EQ(w.Titel, f.Titel);
        EXPECT_EQ(w.StandardEndung, f.Endung);
        EXPECT_EQ(w.Filter, f.Filter);
        EXPECT_EQ(w.FilterIndex, f.FilterIndex);
        EXPECT_EQ(w.Ordner, f.Ordner);
        EXPECT_EQ(w.Dateiname, f.Dateiname);
        EXPECT_EQ(Dialog.ZumSpeichern.back(), f.ZumSpeichern);
    }
    // Cancelled dialogs change nothing, not even the stored settings.
    EXPECT_TRUE(Meldungen.Texte.empty());
    EXPECT_EQ(DateiLesen(Ini), IniVorher);
    EXPECT_EQ(Form->KalFilename(), Kalender);
    EXPECT_FALSE(Form->FeiertagS);
    // Without a main file the open dialog starts in the folder that is left.
    Form->SetKalFilename("");
    Form->MenueBefehl(mbOeffnen);
    EXPECT_EQ(Dialog.Gezeigt.back().Ordner, Dokumente + "Kalenderdateien/");
}

TEST_F(Dateien, TheHolidayOptionLoadsAndDropsItsFile) {
    // Checked with a file that does not exist: unchecked at the start.
    IniSchreiben("FeiertagS=1\nFeiertagsFilename=" + Programm + "Weg.ovf\n");
    Starten({Kalender});
    EXPECT_FALSE(Form->FeiertagS);
    EXPECT_FALSE(Form->MenueZustand(mbFeiertagsdatei).CheckedS);

    Dialog.Wahl = Feiertage;
    Form->MenueBefehl(mbFeiertagsdatei);
    EXPECT_TRUE(Form->MenueZustand(mbFeiertagsdatei).CheckedS);
    EXPECT_EQ(Form->Geladen.Count(), 1);
    EXPECT_EQ(Steuerung.Aktuell(), HeuteFeiertag);
    EXPECT_EQ(IniWert("FeiertagS"), "1");
    EXPECT_EQ(IniWert("FeiertagsFilename"), Feiertage);
    EXPECT_FALSE(Form->IsModified());

    Form->MenueBefehl(mbFeiertagsdatei);
    EXPECT_FALSE(Form->FeiertagS);
    EXPECT_EQ(Form->Geladen.Count(), 0);
    EXPECT_EQ(Form->Daten.Count(), 1);
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
    EXPECT_EQ(IniWert("FeiertagS"), "0");

    // A file that cannot be read leaves the option unchecked.
    const std::string Kaputt = Programm + "Kaputt.ovf";
    DateiSchreiben(Kaputt, "OV_9");
    Dialog.Wahl = Kaputt;
    Form->MenueBefehl(mbFeiertagsdatei);
    EXPECT_FALSE(Form->FeiertagS);
    EXPECT_TRUE(BeginntMit(LetzteMeldung(), "Kalenderdatei konnte nicht geladen werden:\r\n" + Kaputt))
        << LetzteMeldung();
    EXPECT_EQ(IniWert("FeiertagS"), "0");
}

TEST_F(Dateien, TheSpecialOptionWorksTheSame) {
    const std::string Sonder = Programm + "Schule.ovk";
    KalenderSchreiben(Sonder, {Eintrag("Ferien", {{D(6, 1, 2025), D(6, 1, 2025)}}, ttUrlaub)});
    Starten({Kalender});
    Dialog.Wahl = Sonder;
    Form->MenueBefehl(mbSonderdatei);
    EXPECT_TRUE(Form->MenueZustand(mbSonderdatei).CheckedS);
    EXPECT_EQ(IniWert("SonderFilename"), Sonder);
    EXPECT_TRUE(Enthaelt("Ferien"));
    Form->MenueBefehl(mbSonderdatei);
    EXPECT_FALSE(Enthaelt("Ferien"));
    EXPECT_EQ(IniWert("SonderS"), "0");
}

TEST_F(Dateien, RemovingTheHolidayFileUnchecksItsOptionForGood) {
    Starten({Kalender});
    // Nothing loaded: a message instead of the dialog.
    Form->MenueBefehl(mbGeladeneEntfernen);
    EXPECT_EQ(Meldungen.Texte, std::vector<std::string>{"Es ist keine zusätzliche Kalenderdatei geladen!"});
    EXPECT_EQ(GeladenDialog.Gezeigt, 0);

    IniSchreiben("FeiertagS=1\nFeiertagsFilename=" + Feiertage + "\n");
    Starten({Kalender});
    ASSERT_TRUE(Form->FeiertagS);
    // Closed without removing: nothing changes.
    Form->MenueBefehl(mbGeladeneEntfernen);
    EXPECT_EQ(GeladenDialog.Gezeigt, 1);
    EXPECT_TRUE(Form->FeiertagS);
    EXPECT_EQ(Steuerung.Aktuell(), HeuteFeiertag);

    GeladenDialog.EntferneNr = 0;
    Form->MenueBefehl(mbGeladeneEntfernen);
    EXPECT_FALSE(Form->FeiertagS);
    EXPECT_FALSE(Enthaelt("Dreikönig"));
    EXPECT_TRUE(Enthaelt("Arzt"));
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
    EXPECT_EQ(IniWert("FeiertagS"), "0");
    // After a restart.
    Starten({Kalender});
    EXPECT_FALSE(Form->FeiertagS);
    EXPECT_FALSE(Enthaelt("Dreikönig"));
}

TEST_F(Dateien, LoadAndShowAddsAFileBesideTheCalendar) {
    const std::string Team = Programm + "Team.ovk";
    KalenderSchreiben(Team, {Eintrag("Sitzung", {{D(6, 1, 2025), D(6, 1, 2025)}})});
    Starten({Kalender});
    Dialog.Wahl = Team;
    Form->MenueBefehl(mbLaden);
    ASSERT_EQ(Form->Geladen.Count(), 1);
    EXPECT_EQ(Form->Geladen.GeladenListe[0].IdDatei, 1);
    EXPECT_EQ(Steuerung.Aktuell(), "W2  Mo 06.01.2025: Sitzung | (1*T1E+) | Von heute bis heute");
    EXPECT_FALSE(Form->IsModified());
    EXPECT_TRUE(Form->MenueZustand(mbSchliessen).EnabledS);
    // The next dialog starts where this file lies.
    EXPECT_EQ(Form->Dateien().LadenWahl().Ordner, Programm);
    // Opening another calendar drops it.
    Form->Oeffne(Kalender);
    EXPECT_EQ(Form->Geladen.Count(), 0);
    EXPECT_FALSE(Enthaelt("Sitzung"));
}

TEST_F(Dateien, ImportMergesAndRefusesTheFileItself) {
    KalenderSchreiben(
        Kalender, {Eintrag("Kurs", {{D(13, 1, 2025), D(13, 1, 2025)}, {D(20, 1, 2025), D(20, 1, 2025)}})});
    const std::string Import = Dokumente + "Neu.ovi";
    KalenderSchreiben(Import,
                      {Eintrag("Kurs", {{D(13, 1, 2025), D(13, 1, 2025)}, {D(27, 1, 2025), D(27, 1, 2025)}}),
                       Eintrag("Sport", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    Starten({Kalender});
    struct TFall {
        const char* Name;
        std::string Datei;
        TMeldungsAntwort Antwort;
        std::vector<std::string> Meldungen;
        std::int32_t Eintraege;
    };
    // The same name in other letters (on a file system that tells them apart, a copy).
    std::string Gross = Kalender;
    Gross.replace(Gross.size() - 3, 3, "OVK");
    if (!fs::exists(Gross)) {
        fs::copy_file(Kalender, Gross);
    }
    const std::vector<TFall> Faelle = {
        {"no", Import, maNein, {"Soll die Datei \"" + Import + "\" importiert werden?"}, 1},
        {"the file itself in other letters",
         Gross,
         maJa,
         {"Die Datei \"" + Kalender + "\" kann nicht in sich selbst importiert werden!"},
         1},
        {"gone", Dokumente + "Weg.ovi", maJa, {}, 1},
        {"yes", Import, maJa, {"Soll die Datei \"" + Import + "\" importiert werden?"}, 2},
    };
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        Meldungen.Texte.clear();
        Meldungen.Antwort = f.Antwort;
        Dialog.Wahl = f.Datei;
        Form->MenueBefehl(mbImportieren);
        EXPECT_EQ(Meldungen.Texte, f.Meldungen);
        EXPECT_EQ(Form->Daten.Count(), f.Eintraege);
    }
    // The occurrences of Kurs not there yet join it in date order; Sport is new.
    const TDatenClass& Kurs = Form->Daten[0];
    ASSERT_EQ(Kurs.DatumListe.size(), 3u);
    EXPECT_EQ(Kurs.DatumListe[0].Datum, D(13, 1, 2025));
    EXPECT_EQ(Kurs.DatumListe[1].Datum, D(20, 1, 2025));
    EXPECT_EQ(Kurs.DatumListe[2].Datum, D(27, 1, 2025));
    EXPECT_EQ(Form->Daten[1].Kurztext, "Sport");
    EXPECT_EQ(Form->Daten[1].Id, 1);
    EXPECT_TRUE(Form->IsModified());
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
    EXPECT_EQ(Form->Dateien().ImportWahl().Ordner, Dokumente);
}

TEST_F(Dateien, TheImportArgumentAsksAfterTheStart) {
    const std::string Import = Dokumente + "Neu.ovi";
    KalenderSchreiben(Import, {Eintrag("Sport", {{D(9, 1, 2025), D(9, 1, 2025)}})});
    IniSchreiben("FeiertagS=0\nKalFilename=" + Kalender + "\n");
    Meldungen.Antwort = maJa;
    Starten({"/i:" + Import});
    EXPECT_EQ(Meldungen.Texte,
              std::vector<std::string>{"Soll die Datei \"" + Import + "\" importiert werden?"});
    EXPECT_TRUE(Enthaelt("Arzt"));
    EXPECT_TRUE(Enthaelt("Sport"));
    EXPECT_TRUE(Form->IsModified());
}

TEST_F(Dateien, ClosingLeavesTheFolderAndTheHolidays) {
    IniSchreiben("FeiertagS=1\nFeiertagsFilename=" + Feiertage + "\n");
    Starten({Kalender});
    EXPECT_TRUE(Form->MenueZustand(mbSchliessen).EnabledS);
    Form->MenueBefehl(mbSchliessen);
    EXPECT_TRUE(Meldungen.Texte.empty());
    EXPECT_EQ(Form->KalFilename(), Dokumente);
    EXPECT_EQ(Ansicht.Titel, "KeinName - Orvanto V1.03");
    EXPECT_FALSE(Enthaelt("Arzt"));
    EXPECT_TRUE(Enthaelt("Dreikönig"));
    EXPECT_TRUE(Form->FeiertagS);
    EXPECT_FALSE(Form->IsModified());
    EXPECT_EQ(Steuerung.Aktuell(), HeuteFeiertag);
    EXPECT_EQ(IniWert("KalFilename"), Dokumente);
    // Only holiday entries and no file name: nothing left to close.
    EXPECT_FALSE(Form->MenueZustand(mbSchliessen).EnabledS);
    // An entry of the main file can be closed again.
    AenderungMachen();
    EXPECT_TRUE(Form->MenueZustand(mbSchliessen).EnabledS);
}

TEST_F(Dateien, AFileThatFailsToOpenAfterYesKeepsTheSavedCalendar) {
    const std::string Kaputt = Dokumente + "Kaputt.ovk";
    DateiSchreiben(Kaputt, "OV_3\x01");
    Starten({Kalender});
    AenderungMachen();
    Meldungen.Antwort = maJa;
    Dialog.Wahl = Kaputt;
    Form->MenueBefehl(mbOeffnen);
    ASSERT_EQ(Meldungen.Texte.size(), 2u);
    EXPECT_EQ(Meldungen.Texte[0], Frage);
    EXPECT_TRUE(BeginntMit(Meldungen.Texte[1], "Kalenderdatei konnte nicht geladen werden:\r\n" + Kaputt))
        << Meldungen.Texte[1];
    EXPECT_EQ(KalenderLesen(Kalender).Count(), 2);
    EXPECT_EQ(Form->KalFilename(), Kalender);
    EXPECT_TRUE(Enthaelt("Neu"));
    EXPECT_FALSE(Form->IsModified());
}

TEST_F(Dateien, TheBackupOptionIsStoredAtOnce) {
    Starten({Kalender});
    EXPECT_FALSE(Form->MenueZustand(mbSicherung).CheckedS);
    Form->MenueBefehl(mbSicherung);
    EXPECT_TRUE(Form->MenueZustand(mbSicherung).CheckedS);
    EXPECT_EQ(IniWert("SikDateiAnlegen"), "1");
    Form->MenueBefehl(mbSicherung);
    EXPECT_EQ(IniWert("SikDateiAnlegen"), "0");
}

// The iCalendar files, where the build reads and writes them.
#ifdef ORVANTO_ICALENDAR

// An iCalendar file (known by its content, whatever its name) is imported after the same question
// and ends with its report in one box; importing it again adds nothing.
TEST_F(Dateien, AnIcsFileIsImportedWithItsReport) {
    const std::string Import = Dokumente + "Einladung.txt";
    DateiSchreiben(Import, Einladung);
    Starten({Kalender});
    Meldungen.Antwort = maJa;
    Dialog.Wahl = Import;
    for (const char* Durchgang : {"first", "again"}) {
        SCOPED_TRACE(Durchgang);
        Meldungen.Texte.clear();
        Form->MenueBefehl(mbImportieren);
        EXPECT_EQ(Meldungen.Texte,
                  (std::vector<std::string>{"Soll die Datei \"" + Import + "\" importiert werden?",
                                            EinladungBericht}));
        EXPECT_EQ(Form->Daten.Count(), 2);
        EXPECT_TRUE(Enthaelt("Konzert"));
        EXPECT_TRUE(Form->IsModified());
        EXPECT_EQ(Steuerung.Aktuell(), Heute);
    }
    // Answered No: nothing read, no report.
    Meldungen.Texte.clear();
    Meldungen.Antwort = maNein;
    Form->MenueBefehl(mbImportieren);
    EXPECT_EQ(Meldungen.Texte.size(), 1u);
}

TEST_F(Dateien, AnIcsFileThatCannotBeReadLeavesTheCalendar) {
    struct TFall {
        const char* Name;
        std::string Inhalt;
        std::string Meldung; // the beginning of the message after the question
    };
    const std::string Vorspann =
        "iCalendar-Datei konnte nicht gelesen werden:\r\n" + Dokumente + "Kaputt.ics\r\n";
    const TFall Faelle[] = {
        {"truncated", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:Halb\r\n", Vorspann},
        {"garbage", "BEGIN:VCALENDAR\r\n\x01\x02\xff\xfe::;;\r\nEND:VCALENDAR\r\n", Vorspann},
        {"an event without a start", Ics("BEGIN:VEVENT\r\nUID:x\r\nSUMMARY:Ohne\r\nEND:VEVENT\r\n"),
         Vorspann},
        // Not iCalendar by its content: the calendar file reader's message, whatever the name.
        {"not iCalendar", "Termine am Montag\r\n", "Kalenderdatei konnte nicht geladen werden:\r\n"},
    };
    Starten({Kalender});
    Meldungen.Antwort = maJa;
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        DateiSchreiben(Dokumente + "Kaputt.ics", f.Inhalt);
        Meldungen.Texte.clear();
        Dialog.Wahl = Dokumente + "Kaputt.ics";
        Form->MenueBefehl(mbImportieren);
        ASSERT_EQ(Meldungen.Texte.size(), 2u);
        EXPECT_TRUE(BeginntMit(Meldungen.Texte[1], f.Meldung)) << Meldungen.Texte[1];
        EXPECT_EQ(Form->Daten.Count(), 1);
        EXPECT_FALSE(Form->IsModified());
    }
}

// A file manager or a second start hands the file over alone: it is imported into the calendar
// of the settings, which stays the main file.
TEST_F(Dateien, AnIcsFileNamedAloneOnTheCommandLineIsImported) {
    const std::string Import = Dokumente + "Einladung.ics";
    DateiSchreiben(Import, Einladung);
    IniSchreiben("FeiertagS=0\nKalFilename=" + Kalender + "\n");
    Meldungen.Antwort = maJa;
    Starten({Import});
    EXPECT_EQ(
        Meldungen.Texte,
        (std::vector<std::string>{"Soll die Datei \"" + Import + "\" importiert werden?", EinladungBericht}));
    EXPECT_EQ(Form->KalFilename(), Kalender);
    EXPECT_TRUE(Enthaelt("Arzt"));
    EXPECT_TRUE(Enthaelt("Konzert"));
}

// Shown beside the calendar as a further file: its file number in its lines, the calendar not
// modified; loading it again replaces its entries under the same number.
TEST_F(Dateien, AnIcsFileIsShownBesideTheCalendar) {
    const std::string Schule = Programm + "Schule.ics";
    DateiSchreiben(Schule, Ics(Ereignis("fest", "20250106", "Schulfest")));
    Starten({Kalender});
    Dialog.Wahl = Schule;
    for (const char* Durchgang : {"first", "again"}) {
        SCOPED_TRACE(Durchgang);
        Form->MenueBefehl(mbLaden);
        EXPECT_TRUE(Meldungen.Texte.empty()) << LetzteMeldung();
        ASSERT_EQ(Form->Geladen.Count(), 1);
        EXPECT_EQ(Form->Geladen.GeladenListe[0].IdDatei, 1);
        EXPECT_EQ(Form->Daten.Count(), 2);
        EXPECT_EQ(Steuerung.Aktuell(), "W2  Mo 06.01.2025: Schulfest | (1*T1E+) | Von heute bis heute");
        EXPECT_FALSE(Form->IsModified());
    }
    // A file that cannot be read: its message, nothing registered.
    const std::string Kaputt = Programm + "Kaputt.ics";
    DateiSchreiben(Kaputt, "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n");
    Dialog.Wahl = Kaputt;
    Form->MenueBefehl(mbLaden);
    EXPECT_TRUE(BeginntMit(LetzteMeldung(), "iCalendar-Datei konnte nicht gelesen werden:\r\n" + Kaputt))
        << LetzteMeldung();
    EXPECT_EQ(Form->Geladen.Count(), 1);
    EXPECT_EQ(Form->Daten.Count(), 2);
}

// The export writes the main file's entries, not those shown beside them, and changes neither the
// main file nor the caption; a name without extension gets ".ics".
TEST_F(Dateien, TheExportWritesTheMainFileEntries) {
    const std::string Team = Programm + "Team.ovk";
    KalenderSchreiben(Team, {Eintrag("Sitzung", {{D(6, 1, 2025), D(6, 1, 2025)}})});
    Starten({Kalender});
    Dialog.Wahl = Team;
    Form->MenueBefehl(mbLaden);
    EXPECT_TRUE(Form->MenueZustand(mbIcsExportieren).EnabledS);

    Dialog.Wahl = Dokumente + "Export";
    Form->MenueBefehl(mbIcsExportieren);
    EXPECT_TRUE(Meldungen.Texte.empty()) << LetzteMeldung();
    const std::string Ziel = Dokumente + "Export.ics";
    TDaten Gelesen = IcsLesen(Ziel);
    ASSERT_EQ(Gelesen.Count(), 1);
    EXPECT_EQ(Gelesen[0].Kurztext, "Arzt");
    ASSERT_EQ(Gelesen[0].DatumListe.size(), 1u);
    EXPECT_EQ(Gelesen[0].DatumListe[0].Datum, D(8, 1, 2025));
    EXPECT_EQ(Form->KalFilename(), Kalender);
    EXPECT_EQ(Ansicht.Titel, "Privat.ovk - Orvanto V1.03");
    EXPECT_FALSE(Form->IsModified());

    // A write that fails: the message names the file, the old one stays as it was.
    const std::string Vorher = DateiLesen(Ziel);
    AenderungMachen();
    Festplatte.VollS = true;
    Dialog.Wahl = Ziel;
    Form->MenueBefehl(mbIcsExportieren);
    EXPECT_TRUE(
        BeginntMit(LetzteMeldung(), "iCalendar-Datei konnte nicht geschrieben werden:\r\n" + Ziel + "\r\n"))
        << LetzteMeldung();
    EXPECT_EQ(DateiLesen(Ziel), Vorher);
}

// One entry, from a line of it in the focused day list, named after its short text (characters a
// file name cannot hold replaced); an entry of a file shown beside is saved as well.
TEST_F(Dateien, AnEntryIsSavedAsIcsFromItsLine) {
    KalenderSchreiben(
        Kalender, {Eintrag("Arzt: A/B", {{D(8, 1, 2025), D(8, 1, 2025)}, {D(15, 1, 2025), D(15, 1, 2025)}}),
                   Eintrag("Kino", {{D(8, 1, 2025), D(8, 1, 2025)}})});
    Starten({Kalender});
    // On a day line without an entry, or with the focus elsewhere, there is nothing to save.
    EXPECT_EQ(Steuerung.Aktuell(), Heute);
    EXPECT_FALSE(Form->MenueZustand(mbEintragIcs).EnabledS);
    Form->GeheZuDatum(D(8, 1, 2025));
    Steuerung.Fokus = "Perioden";
    EXPECT_FALSE(Form->MenueZustand(mbEintragIcs).EnabledS);
    Steuerung.Fokus = "Zeilen";
    ASSERT_TRUE(BeginntMit(Steuerung.Aktuell(), "    Mi 08.01.2025: Arzt: A/B")) << Steuerung.Aktuell();
    ASSERT_TRUE(Form->MenueZustand(mbEintragIcs).EnabledS);

    Form->MenueBefehl(mbEintragIcs);
    ASSERT_EQ(Dialog.Gezeigt.size(), 1u);
    const TDateiDialogWahl& w = Dialog.Gezeigt[0];
    EXPECT_EQ(w.Titel, "Eintrag als iCalendar-Datei speichern");
    EXPECT_EQ(w.Dateiname, "Arzt_ A_B.ics");
    EXPECT_EQ(w.Ordner, Dokumente);
    EXPECT_EQ(w.Filter, TDateiBefehle::IcsFilter);
    EXPECT_TRUE(Dialog.ZumSpeichern[0]);

    Dialog.Wahl = Dokumente + "Arzt.ics";
    Form->MenueBefehl(mbEintragIcs);
    EXPECT_TRUE(Meldungen.Texte.empty()) << LetzteMeldung();
    TDaten Gelesen = IcsLesen(Dokumente + "Arzt.ics");
    ASSERT_EQ(Gelesen.Count(), 1);
    EXPECT_EQ(Gelesen[0].Kurztext, "Arzt: A/B");
    EXPECT_EQ(Gelesen[0].DatumListe.size(), 2u);
    EXPECT_FALSE(Form->IsModified());
}

// The file an entry's mail takes along: the entry alone, in the temporary folder, named after it.
TEST_F(Dateien, AnEntrysMailAttachmentHoldsTheEntry) {
    // The temporary folder as each system names it: TMPDIR here, TMP and TEMP on Windows.
    TUmgebung Umgebung;
    const auto TempSetzen = [&](const std::string& AOrdner) {
        for (const char* Name : {"TMPDIR", "TMP", "TEMP"}) {
            Umgebung.Setzen(Name, AOrdner);
        }
    };
    TempSetzen(Temp.Pfad());
    Starten({Kalender});
    Form->GeheZuDatum(D(8, 1, 2025));
    const std::string Anhang = Form->Dateien().EintragIcsAnhang(*Form->Tagesliste.AktTagClass());
    EXPECT_EQ(Anhang, SystemDateisystem().VollerPfad(Temp.Pfad() + "/orvanto-mail/Arzt.ics"));
    TDaten Gelesen = IcsLesen(Anhang);
    ASSERT_EQ(Gelesen.Count(), 1);
    EXPECT_EQ(Gelesen[0].Kurztext, "Arzt");
    // Where it cannot be written the mail goes without it.
    const std::string KeinOrdner = Temp.Pfad() + "/keinordner";
    std::ofstream(PfadAusUtf8(KeinOrdner)) << "eine Datei";
    TempSetzen(KeinOrdner);
    EXPECT_EQ(Form->Dateien().EintragIcsAnhang(*Form->Tagesliste.AktTagClass()), "");
}

#endif

} // namespace
