#include "extras/TExtrasBefehle.h"

#include <cstdint>
#include <filesystem>
#include <utility>

#include "entries/Eintragsmail.h"
#include "extras/TDrucker.h"
#include "files/Utf8.h"
#include "files/VkFiles.h"
#include "model/Fehler.h"
#include "platform/Autostart.h"
#include "platform/Pfadteile.h"
#include "platform/ProgrammStart.h"
#include "platform/TMeldungsPort.h"
#include "window/TForm1.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* ProgrammName = "Orvanto";
constexpr const char* Version = "Orvanto V1.03";
constexpr const char* UebergabeName = "Orvanto.cfg";
constexpr const char* AktualisiererName = "Vantrel";

// The project's own addresses.
constexpr const char* ProgrammiererMail = "orvanto@example.org";
constexpr const char* Homepage = "https://orvanto.example.org/";
constexpr const char* Spendenseite = "https://orvanto.example.org/spenden";
constexpr const char* Werkzeug = "C++20 und wxWidgets 3.2";

// A colour as a signed number, as the settings file has it: a system colour is negative.
std::string Farbzahl(TFarbe AFarbe) {
    return std::to_string(static_cast<std::int32_t>(AFarbe));
}

} // namespace

TExtrasBefehle::TExtrasBefehle(TProgrammStart& AStart, TAutostart& AAutostart, TDrucker& ADrucker,
                               TExtrasOrte AOrte)
    : FStart(AStart), FAutostart(AAutostart), FDrucker(ADrucker), FOrte(std::move(AOrte)) {}

std::string TExtrasBefehle::DruckTitel(TTagesansicht ATagesansicht) {
    switch (ATagesansicht) {
    case taJahr:
        return "Drucke Jahresansicht";
    case taMonat:
        return "Drucke Monatsansicht";
    case taWoche:
        break;
    }
    return "Drucke Wochenansicht";
}

void TExtrasBefehle::MenuDruckenClick(TTagesansicht ATagesansicht, const std::vector<std::string>& AZeilen,
                                      const TSchrift& AFont) {
    FDrucker.TextDrucken(DruckTitel(ATagesansicht), AZeilen, AFont);
}

void TExtrasBefehle::Oeffnen(const std::string& ALink) {
    FStart.ShellRun(ALink, "", "open", "");
}

void TExtrasBefehle::MenuMailClick(const TTagClass& ATagClass, const std::string& AAnhang) {
    EintragMailen(FStart, ATagClass, AAnhang);
}

std::string TExtrasBefehle::Hilfedatei(int ATag) const {
    switch (ATag) {
    case hdHilfe:
        return FOrte.Programmordner + "Orvanto-Hilfe.txt";
    case hdAenderungen:
        return FOrte.Programmordner + "History.txt";
    case hdKurztasten:
        return FOrte.Programmordner + "Kurztasten.txt";
    default:
        return "";
    }
}

bool TExtrasBefehle::HilfedateiVorhanden(int ATag) const {
    return IstDatei(Hilfedatei(ATag));
}

void TExtrasBefehle::MenuHilfeClick(int ATag) {
    const std::string Datei = Hilfedatei(ATag);
    if (!Datei.empty()) {
        FStart.OpenTextInEditor(Datei, false);
    }
}

void TExtrasBefehle::MenuMailProgrammiererClick() {
    Oeffnen(std::string("mailto:") + ProgrammiererMail + "?subject=" + UrlKodieren(Version));
}

void TExtrasBefehle::MenuHomepageClick() {
    Oeffnen(Homepage);
}

void TExtrasBefehle::MenuSpendenClick() {
    Oeffnen(Spendenseite);
}

std::string TExtrasBefehle::InfoText() {
    return std::string(Version) + "\r\n" +
           "Ein blindenfreundlicher Kalender.\r\n"
           "Alle Rechte vorbehalten.\r\n"
           "© 2024–2026 Orvanto-Projekt\r\n"
           "Anschrift, Telefon und Fax: siehe Homepage\r\n"
           "E-Mail: " +
           ProgrammiererMail + "\r\nHomepage: " + Homepage +
           "\r\n"
           "Getestet mit dem Screenreader Orca\r\n"
           "Rahmen und Symbole: Orvanto-Projekt\r\n"
           "Dieses Programm wurde mit " +
           Werkzeug + " programmiert.";
}

void TExtrasBefehle::MenuInfoClick() {
    Frage(maInformation, InfoText(), mkOK);
}

std::string TExtrasBefehle::Aktualisierer() const {
    return FOrte.Programmordner + AktualisiererName +
           PfadAlsUtf8(PfadAusUtf8(FOrte.Programmdatei).extension());
}

bool TExtrasBefehle::AktualisierungSichtbar() const {
    return IstDatei(Aktualisierer());
}

std::string TExtrasBefehle::UebergabeDatei() const {
    return FOrte.TempOrdner + UebergabeName;
}

std::string TExtrasBefehle::UebergabeText(const std::string& ATitel, const TSchrift& AFont,
                                          TFarbe ABackColor) const {
    const std::string Fett = (AFont.Stil & fsBold) != 0 ? "1" : "0";
    const std::string Zeilen[] = {
        Version,
        ATitel,
        FOrte.Programmdatei,
        ProgrammName,
        std::to_string(AFont.Groesse) + " " + AFont.Name,
        Fett + " " + Farbzahl(AFont.Farbe) + " " + Farbzahl(ABackColor),
    };
    std::string Text;
    for (const std::string& Zeile : Zeilen) {
        Text += Zeile + "\r\n";
    }
    return Text;
}

void TExtrasBefehle::MenuAktualisierungClick(const std::string& ATitel, const TSchrift& AFont,
                                             TFarbe ABackColor) {
    const std::string Datei = UebergabeDatei();
    const fs::path Pfad = PfadAusUtf8(Datei);
    std::error_code f;
    // A file left read-only by an earlier run is written over all the same.
    if (fs::exists(Pfad, f)) {
        fs::permissions(Pfad, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, f);
    }
    try {
        SaveTextFile(Datei, UebergabeText(ATitel, AFont, ABackColor), fttAnsi, std::nullopt);
    } catch (const std::exception&) {
        Frage(maFehler,
              "Es ist ein Fehler beim Aktualisieren aufgetreten!\r\nDie Datei \"" + Datei +
                  "\" konnte nicht gespeichert werden.",
              mkOK);
        return;
    }
    FStart.ShellRun(Aktualisierer(), UebergabeName, "open", "");
}

bool TExtrasBefehle::AutostartS() const {
    return FAutostart.Vorhanden();
}

void TExtrasBefehle::MenuAutostartClick() {
    const bool EinS = !FAutostart.Vorhanden();
    if (EinS && Frage(maBestaetigung, AutostartFrage, mkJaNein) != maJa) {
        return;
    }
    if (EinS) {
        FAutostart.Anlegen();
    } else {
        FAutostart.Loeschen();
    }
}

std::span<const TBefehl<TForm1>> TExtrasBefehle::Befehle() {
    using B = TBefehl<TForm1>;
    static constexpr auto MitExtras = [](const TForm1& f) { return TMenueZustand{f.Extras() != nullptr}; };
    static constexpr auto Hilfetext = [](const TForm1& f, THilfedatei ADatei) {
        return TMenueZustand{f.Extras() != nullptr && f.Extras()->HilfedateiVorhanden(ADatei)};
    };
    static const B Tabelle[] = {
        {{.Id = mbDrucken, .Caption = "&Drucken...", .Kurztaste = "Ctrl+P", .Menue = mnDatei},
         [](const TForm1& f) {
             return TMenueZustand{f.Extras() != nullptr && !f.Tagesliste.DisplayItems().empty()};
         },
         [](TForm1& f) {
             std::vector<std::string> Zeilen;
             for (const TZeile& z : f.Tagesliste.DisplayItems()) {
                 Zeilen.push_back(z.Text);
             }
             f.Extras()->MenuDruckenClick(f.Tagesliste.Tagesansicht(), Zeilen, f.AktFont);
         }},
        {{.Id = mbMail,
          .Caption = "Eintrag per &Mail versenden...",
          .Menue = mnAktionen,
          .PopupCaption = "Eintrag per Mail versenden..."},
         [](const TForm1& f) {
             return TMenueZustand{f.Extras() != nullptr && f.Tagesliste.AktTagClass() != nullptr &&
                                  f.ZeilenHatFokus()};
         },
         [](TForm1& f) {
             const TTagClass& Eintrag = *f.Tagesliste.AktTagClass();
             f.Extras()->MenuMailClick(Eintrag, f.Dateien().EintragIcsAnhang(Eintrag));
         }},
        {{.Id = mbAutostart,
          .Caption = "Automatisch beim &Hochfahren starten ein",
          .Art = meHaken,
          .Menue = mnEinstellungen,
          .MenueFolgt = true},
         [](const TForm1& f) {
             return TMenueZustand{f.Extras() != nullptr, f.Extras() != nullptr && f.Extras()->AutostartS()};
         },
         [](TForm1& f) { f.Extras()->MenuAutostartClick(); }},
        {{.Id = mbHilfe, .Caption = "&Hilfe...", .Kurztaste = "F1", .Menue = mnHilfe},
         [](const TForm1& f) { return Hilfetext(f, hdHilfe); },
         [](TForm1& f) { f.Extras()->MenuHilfeClick(hdHilfe); }},
        {{.Id = mbKurztasten, .Caption = "&Kurztasten...", .Menue = mnHilfe},
         [](const TForm1& f) { return Hilfetext(f, hdKurztasten); },
         [](TForm1& f) { f.Extras()->MenuHilfeClick(hdKurztasten); }},
        {{.Id = mbAenderungen, .Caption = "&Änderungen...", .Menue = mnHilfe},
         [](const TForm1& f) { return Hilfetext(f, hdAenderungen); },
         [](TForm1& f) { f.Extras()->MenuHilfeClick(hdAenderungen); }},
        {{.Id = mbMailProgrammierer, .Caption = "&Mail an den Programmierer...", .Menue = mnHilfe},
         MitExtras,
         [](TForm1& f) { f.Extras()->MenuMailProgrammiererClick(); }},
        {{.Id = mbHomepage, .Caption = "Home&page...", .Menue = mnHilfe},
         MitExtras,
         [](TForm1& f) { f.Extras()->MenuHomepageClick(); }},
        {{.Id = mbSpenden, .Caption = "&Spenden...", .Menue = mnHilfe},
         MitExtras,
         [](TForm1& f) { f.Extras()->MenuSpendenClick(); }},
        {{.Id = mbAktualisierung, .Caption = "&Aktualisierung...", .Menue = mnHilfe},
         [](const TForm1& f) {
             const bool Sichtbar = f.Extras() != nullptr && f.Extras()->AktualisierungSichtbar();
             return TMenueZustand{Sichtbar, false, Sichtbar};
         },
         [](TForm1& f) {
             f.Extras()->MenuAktualisierungClick(TForm1::Fenstertitel(f.KalFilename()), f.AktFont,
                                                 f.AktBackColor);
         }},
        {{.Id = mbInfo, .Caption = "&Info", .Menue = mnHilfe},
         MitExtras,
         [](TForm1& f) { f.Extras()->MenuInfoClick(); }},
    };
    return Tabelle;
}
