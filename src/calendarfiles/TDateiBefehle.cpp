#include "calendarfiles/TDateiBefehle.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "files/DateiSicherErsetzen.h"
#include "files/Utf8.h"
#include "model/Fehler.h"
#include "model/Importargument.h"
#include "model/Textvergleich.h"
#include "platform/Pfadteile.h"
#include "platform/TDateisystem.h"
#include "platform/TMeldungsPort.h"
#include "window/TForm1.h"

namespace {

namespace fs = std::filesystem;

// The extension of filter ANr (counted from 1) of a dialog filter "Name (*.X)|*.X|...": "X"; the
// first filter's for a number that names none.
std::string FilterEndung(std::string_view AFilter, int ANr) {
    std::vector<std::string_view> Muster;
    for (std::size_t Anfang = 0, i = 0; Anfang <= AFilter.size(); ++i) {
        const std::size_t Ende = std::min(AFilter.find('|', Anfang), AFilter.size());
        if (i % 2 == 1) {
            Muster.push_back(AFilter.substr(Anfang, Ende - Anfang));
        }
        Anfang = Ende + 1;
    }
    const bool Bekannt = ANr >= 1 && ANr <= static_cast<int>(Muster.size());
    const std::string_view Gewaehlt = Muster.empty() ? std::string_view() : Muster[Bekannt ? ANr - 1 : 0];
    return std::string(Gewaehlt.substr(std::min(Gewaehlt.size(), std::size_t{2}))); // after "*."
}

constexpr std::size_t KopierPuffer = 1 << 20;

std::string Klein(std::string AText) {
    std::transform(AText.begin(), AText.end(), AText.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return AText;
}

bool NurKlein(const std::string& AText) {
    return std::any_of(AText.begin(), AText.end(), [](unsigned char c) { return std::islower(c) != 0; }) &&
           std::none_of(AText.begin(), AText.end(), [](unsigned char c) { return std::isupper(c) != 0; });
}

// A file no one may write to, the read-only attribute of other systems: replacing it by a rename
// would go through where the system refuses a write.
void NichtSchreibgeschuetzt(const std::string& AZiel) {
    std::error_code Fehler;
    const fs::file_status Status = fs::status(PfadAusUtf8(AZiel), Fehler);
    constexpr fs::perms Schreiben = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (!Fehler && fs::is_regular_file(Status) && (Status.permissions() & Schreiben) == fs::perms::none) {
        throw EBetriebssystemFehler("Die Datei ist schreibgeschützt.");
    }
}

// The filter of the dialogs that read calendar files: with iCalendar files when they are read.
const char* LeseFilter(const TIcsDateien& AIcs) {
    return AIcs.Bereit() ? TDateiBefehle::IcsLeseFilter : TDateiBefehle::VollerFilter;
}

// A file name made of an entry's short text: the characters no file name may hold become "_".
std::string DateinameAus(const std::string& AText) {
    std::string Name = AText.empty() ? std::string("Eintrag") : AText;
    for (char& c : Name) {
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < ' ') {
            c = '_';
        }
    }
    return Name;
}

// The entry of ATagClass alone in a calendar of its own, as an entry of the main file there.
TDaten EintragAllein(const TTagClass& ATagClass) {
    TDatenClass Eintrag = *ATagClass.DatenClass;
    Eintrag.IdDatei = 0;
    TDaten Einzeln;
    Einzeln.Add(std::move(Eintrag));
    return Einzeln;
}

TDateiDialogWahl Wahl(const char* ATitel, const char* AEndung, const char* AFilter, int AFilterIndex,
                      std::string AOrdner, std::string ADateiname) {
    TDateiDialogWahl w;
    w.Titel = ATitel;
    w.StandardEndung = AEndung;
    w.Filter = AFilter;
    w.FilterIndex = AFilterIndex;
    w.Ordner = std::move(AOrdner);
    w.Dateiname = std::move(ADateiname);
    return w;
}

} // namespace

TDateiBefehle::TDateiBefehle(TForm1& AForm, TDateisystem& ADateisystem)
    : ImportFilename(AForm.KalenderUserPath), LadenFilename(AForm.KalenderUserPath), FForm(AForm),
      FDateisystem(ADateisystem), FIcs(ADateisystem) {}

void TDateiBefehle::DialogeSetzen(TDateiDialog& ADateiDialog, TGeladenDialog& AGeladenDialog) {
    FDateiDialog = &ADateiDialog;
    FGeladenDialog = &AGeladenDialog;
}

TDateiDialogWahl TDateiBefehle::OeffnenWahl() const {
    const std::string Ordner = OrdnerTeil(FForm.KalFilename());
    return Wahl("Kalenderdatei öffnen", "OVK", VollerFilter, 1,
                Ordner.empty() ? FForm.KalenderUserPath : Ordner, "");
}

TDateiDialogWahl TDateiBefehle::ImportWahl() const {
    return Wahl("Kalenderdatei importieren", "OVI", LeseFilter(FIcs), 4, OrdnerTeil(ImportFilename), "");
}

TDateiDialogWahl TDateiBefehle::LadenWahl() const {
    return Wahl("Kalenderdatei hinzuladen", "OVK", LeseFilter(FIcs), 4, OrdnerTeil(LadenFilename), "");
}

TDateiDialogWahl TDateiBefehle::FeiertagsWahl() const {
    return Wahl("Feiertagsdatei hinzuladen", "OVF", VollerFilter, 3, OrdnerTeil(FForm.FeiertagsFilename),
                DateinameTeil(FForm.FeiertagsFilename));
}

TDateiDialogWahl TDateiBefehle::SonderWahl() const {
    return Wahl("Sonderdatei hinzuladen", "OVK", VollerFilter, 4, OrdnerTeil(FForm.SonderFilename),
                DateinameTeil(FForm.SonderFilename));
}

// The folder a save dialog starts in: the main file's, else the user's calendar folder.
std::string TDateiBefehle::SpeicherOrdner() const {
    const std::string Ordner = OrdnerTeil(FForm.KalFilename());
    return Ordner.empty() ? FForm.KalenderUserPath : Ordner;
}

TDateiDialogWahl TDateiBefehle::SpeichernUnterWahl() const {
    return Wahl("Kalenderdatei speichern unter", "OVK", SpeicherFilter, 1, SpeicherOrdner(),
                DateinameTeil(FForm.KalFilename()));
}

TDateiDialogWahl TDateiBefehle::IcsExportWahl() const {
    const std::string Name = DateinameTeil(FForm.KalFilename());
    return Wahl("iCalendar-Datei exportieren", "ics", IcsFilter, 1, SpeicherOrdner(),
                Name.empty() ? std::string() : PfadAlsUtf8(PfadAusUtf8(Name).replace_extension(".ics")));
}

TDateiDialogWahl TDateiBefehle::EintragIcsWahl(const TTagClass& ATagClass) const {
    return Wahl("Eintrag als iCalendar-Datei speichern", "ics", IcsFilter, 1, SpeicherOrdner(),
                DateinameAus(ATagClass.DatenClass->Kurztext) + ".ics");
}

bool TDateiBefehle::DateiWaehlen(const TDateiDialogWahl& AWahl, std::string& ADatei) {
    return FDateiDialog != nullptr && FDateiDialog->Oeffnen(AWahl, ADatei);
}

std::string TDateiBefehle::MitEndung(const std::string& ADatei, const std::string& AFilter, int AFilterIndex,
                                     TDateisystem& ADateisystem) {
    if (!PfadAusUtf8(ADatei).extension().empty()) {
        return ADatei;
    }
    const std::string Endung = FilterEndung(AFilter, AFilterIndex);
    // The user's files with this extension in the folder decide its case: lower case only when
    // every one of them has it so.
    bool KleinS = false;
    bool GrossS = false;
    for (const std::string& Name : ADateisystem.Ordnerinhalt(OrdnerTeil(ADatei))) {
        const std::string Andere = PfadAlsUtf8(PfadAusUtf8(Name).extension());
        if (Andere.size() == Endung.size() + 1 && GleichOhneGrossKlein(Andere.substr(1), Endung)) {
            (NurKlein(Andere) ? KleinS : GrossS) = true;
        }
    }
    return ADatei + "." + (KleinS && !GrossS ? Klein(Endung) : Endung);
}

std::string TDateiBefehle::Sicherungsname(const std::string& AZiel) {
    const std::string Endung = PfadAlsUtf8(PfadAusUtf8(AZiel).extension());
    const std::string Name =
        PfadAlsUtf8(PfadAusUtf8(AZiel).replace_extension(NurKlein(Endung) ? ".ovo" : ".OVO"));
    return GleichOhneGrossKlein(Name, AZiel) ? std::string() : Name;
}

// A save dialog; the name it gives takes the filter's extension when it has none, and a file that this
// extension makes an existing one is replaced only when the user agrees.
bool TDateiBefehle::SpeicherzielWaehlen(TDateiDialogWahl AWahl, std::string& AZiel) {
    std::string Datei;
    if (FDateiDialog == nullptr || !FDateiDialog->Speichern(AWahl, Datei)) {
        return false;
    }
    const std::string Ziel = MitEndung(Datei, AWahl.Filter, AWahl.FilterIndex, FDateisystem);
    if (Ziel != Datei && FDateisystem.Existiert(Ziel) &&
        Frage(maBestaetigung, "Die Datei \"" + Ziel + "\" ist bereits vorhanden.\r\nSoll sie ersetzt werden?",
              mkJaNein) != maJa) {
        return false;
    }
    AZiel = Ziel;
    return true;
}

// Copies the file about to be replaced to its backup name, itself replaced only when the copy is
// complete.
void TDateiBefehle::SicherungAnlegen(const std::string& AZiel) {
    const std::string Sicherung = Sicherungsname(AZiel);
    if (Sicherung.empty()) {
        return;
    }
    std::uint64_t Groesse = 0;
    const int Handle = FDateisystem.OeffneLesen(AZiel, Groesse);
    try {
        DateiSicherErsetzen(
            Sicherung,
            [&](const TSchreibziel& AZielStueck) {
                std::vector<char> Puffer(KopierPuffer);
                while (const std::size_t n = FDateisystem.Lies(Handle, Puffer.data(), Puffer.size())) {
                    AZielStueck(std::string_view(Puffer.data(), n));
                }
            },
            FDateisystem);
    } catch (...) {
        FDateisystem.Schliesse(Handle);
        throw;
    }
    FDateisystem.Schliesse(Handle);
}

bool TDateiBefehle::Speichern(bool ASpeichernUnterS) {
    std::string Ziel = FForm.KalFilename();
    if ((ASpeichernUnterS || DateinameTeil(Ziel).empty()) &&
        !SpeicherzielWaehlen(SpeichernUnterWahl(), Ziel)) {
        return false;
    }
    try {
        NichtSchreibgeschuetzt(Ziel);
        if (FForm.SikDateiAnlegenS && IstDatei(Ziel)) {
            SicherungAnlegen(Ziel);
        }
        // Writing leaves the calendar as it is: the copy taken afterwards is the one written.
        FForm.Daten.SaveToFile(Ziel, FDateisystem);
        FForm.Daten.SpeicherkopieSetzen(FForm.SpeicherDaten);
        FForm.SetKalFilename(Ziel);
        FForm.HistoryAdd(Ziel);
        FForm.SetHistoryMenuList();
        return true;
    } catch (const std::exception& Fehler) {
        Frage(maFehler, std::string("Speichern fehlgeschlagen:\r\n") + Fehler.what(), mkOK);
        return false;
    }
}

bool TDateiBefehle::SpeichernFragen() {
    if (!FForm.IsModified()) {
        return true;
    }
    switch (
        Frage(maBestaetigung, "Sollen die vorgenommenen Änderungen gespeichert werden?", mkJaNeinAbbrechen)) {
    case maJa:
        return Speichern(false);
    case maNein:
        return true;
    default:
        return false;
    }
}

bool TDateiBefehle::Oeffne(const std::string& AFilename) {
    if (!SpeichernFragen()) {
        return false;
    }
    TDaten Neu;
    if (!Neu.LoadFromFile(AFilename, true, 0, FDateisystem)) {
        return false;
    }
    // The old entries live on in Neu until the jump below has rebuilt the lines that show them.
    FForm.Daten.Tauschen(Neu);
    FForm.EintraegeEntfernt();
    FForm.SetKalFilename(FDateisystem.VollerPfad(AFilename));
    FForm.HistoryAdd(FForm.KalFilename());
    ZusatzdateienLaden();
    FForm.Daten.SpeicherkopieSetzen(FForm.SpeicherDaten);
    FForm.MenuSprHeuteClick();
    FForm.SetHistoryMenuList();
    return true;
}

bool TDateiBefehle::Hinzuladen(const std::string& AFilename) {
    return FIcs.Erkannt(AFilename) ? IcsHinzuladen(AFilename)
                                   : FForm.Geladen.LadeFilename(AFilename, FDateisystem);
}

bool TDateiBefehle::IcsHinzuladen(const std::string& AFilename) {
    return FForm.Geladen.LadeFilename(AFilename, FDateisystem,
                                      [this](const std::string& APfad, TDaten& ADaten, std::int32_t AId) {
                                          try {
                                              FIcs.Lesen(APfad, ADaten, AId);
                                          } catch (const EFehler& Fehler) {
                                              Frage(maFehler, Fehler.what(), mkOK);
                                              return false;
                                          }
                                          return true;
                                      });
}

bool TDateiBefehle::Registriert(const std::string& AFilename) const {
    return !AFilename.empty() && FForm.Geladen.Exists(FDateisystem.VollerPfad(AFilename)) >= 0;
}

void TDateiBefehle::ZusatzdateienLaden() {
    FForm.Geladen.Clear();
    if (FForm.FeiertagS && !FForm.FeiertagsFilename.empty()) {
        Hinzuladen(FForm.FeiertagsFilename);
    }
    if (FForm.SonderS && !FForm.SonderFilename.empty()) {
        Hinzuladen(FForm.SonderFilename);
    }
    FForm.FeiertagS = Registriert(FForm.FeiertagsFilename);
    FForm.SonderS = Registriert(FForm.SonderFilename);
}

void TDateiBefehle::ImportStarten(const std::string& AFilename) {
    if (!IstDatei(AFilename)) {
        return;
    }
    ImportFilename = FDateisystem.VollerPfad(AFilename);
    if (GleichOhneGrossKlein(ImportFilename, FForm.KalFilename())) {
        Frage(maInformation,
              "Die Datei \"" + FForm.KalFilename() + "\" kann nicht in sich selbst importiert werden!", mkOK);
        return;
    }
    if (Frage(maBestaetigung, "Soll die Datei \"" + AFilename + "\" importiert werden?", mkJaNein) != maJa) {
        return;
    }
    if (FIcs.Erkannt(ImportFilename)) {
        IcsImportieren();
    } else {
        FForm.Daten.Import(ImportFilename, FDateisystem);
    }
    FForm.MenuSprHeuteClick();
}

// The report comes in one box, so that the screen reader reads it whole.
void TDateiBefehle::IcsImportieren() {
    try {
        const std::string Bericht = FIcs.Importieren(ImportFilename, FForm.Daten);
        Frage(maInformation, Bericht, mkOK);
    } catch (const EFehler& Fehler) {
        Frage(maFehler, Fehler.what(), mkOK);
    }
}

std::optional<std::string> TDateiBefehle::Importziel(const std::string& AArgument) const {
    if (std::optional<std::string> Datei = Importdatei(AArgument)) {
        return Datei;
    }
    if (FIcs.Erkannt(AArgument)) {
        return AArgument;
    }
    return std::nullopt;
}

void TDateiBefehle::MenuDateiOeffnenClick() {
    std::string Datei;
    if (DateiWaehlen(OeffnenWahl(), Datei)) {
        Oeffne(Datei);
    }
}

void TDateiBefehle::MenuDateiSpeichernClick() {
    Speichern(false);
}

void TDateiBefehle::MenuDateiSpeichernUnterClick() {
    Speichern(true);
}

bool TDateiBefehle::SchliessenErlaubt() const {
    if (!DateinameTeil(FForm.KalFilename()).empty()) {
        return true;
    }
    for (const TDatenClass& e : FForm.Daten.Eintraege()) {
        if (e.IdDatei == 0) {
            return true;
        }
    }
    return false;
}

void TDateiBefehle::MenuDateiCloseClick() {
    if (!SpeichernFragen()) {
        return;
    }
    TDaten Alt;
    // The old entries live on in Alt until the jump below has rebuilt the lines that show them.
    FForm.Daten.Tauschen(Alt);
    FForm.EintraegeEntfernt();
    ZusatzdateienLaden();
    FForm.Daten.SpeicherkopieSetzen(FForm.SpeicherDaten);
    FForm.SetKalFilename(OrdnerTeil(FForm.KalFilename()));
    FForm.EinstellungenLadenSpeichern(false);
    FForm.MenuSprHeuteClick();
}

void TDateiBefehle::MenuDateiImportierenClick() {
    std::string Datei;
    if (DateiWaehlen(ImportWahl(), Datei)) {
        ImportStarten(Datei);
    }
}

void TDateiBefehle::IcsSpeichern(const TDateiDialogWahl& AWahl, const TDaten& ADaten) {
    std::string Ziel;
    if (!SpeicherzielWaehlen(AWahl, Ziel)) {
        return;
    }
    try {
        NichtSchreibgeschuetzt(Ziel);
        FIcs.Schreiben(Ziel, ADaten);
    } catch (const std::exception& Fehler) {
        Frage(maFehler,
              "iCalendar-Datei konnte nicht geschrieben werden:\r\n" + Ziel + "\r\n" + Fehler.what(), mkOK);
    }
}

void TDateiBefehle::MenuDateiIcsExportierenClick() {
    IcsSpeichern(IcsExportWahl(), FForm.Daten);
}

void TDateiBefehle::MenuEintragIcsClick(const TTagClass& ATagClass) {
    IcsSpeichern(EintragIcsWahl(ATagClass), EintragAllein(ATagClass));
}

// The mail program reads the file after the command is over, so it stays; the next mail of an
// entry of that name replaces it.
std::string TDateiBefehle::EintragIcsAnhang(const TTagClass& ATagClass) {
    if (!FIcs.Bereit()) {
        return "";
    }
    try {
        const fs::path Ordner = fs::temp_directory_path() / "orvanto-mail";
        fs::create_directories(Ordner);
        const std::string Datei =
            PfadAlsUtf8(Ordner / PfadAusUtf8(DateinameAus(ATagClass.DatenClass->Kurztext) + ".ics"));
        FIcs.Schreiben(Datei, EintragAllein(ATagClass));
        return Datei;
    } catch (const std::exception&) {
        return "";
    }
}

void TDateiBefehle::MenuDateiAnzeigenLadenClick() {
    std::string Datei;
    if (!DateiWaehlen(LadenWahl(), Datei)) {
        return;
    }
    LadenFilename = Datei;
    Hinzuladen(Datei);
    FForm.MenuSprHeuteClick();
}

void TDateiBefehle::MenuDateiAnzeigenListeClick() {
    if (FForm.Geladen.Count() == 0) {
        Frage(maInformation, "Es ist keine zusätzliche Kalenderdatei geladen!", mkOK);
        return;
    }
    if (FGeladenDialog == nullptr) {
        return;
    }
    const std::int32_t Vorher = FForm.Geladen.Count();
    FGeladenDialog->GeladenZeigen(FForm.Daten, FForm.Geladen);
    if (FForm.Geladen.Count() == Vorher) {
        return;
    }
    FForm.EintraegeEntfernt();
    FForm.FeiertagS = Registriert(FForm.FeiertagsFilename);
    FForm.SonderS = Registriert(FForm.SonderFilename);
    FForm.MenuSprHeuteClick();
    FForm.EinstellungenLadenSpeichern(false);
}

void TDateiBefehle::ZusatzdateiUmschalten(bool& AOptionS, std::string& AFilename,
                                          const TDateiDialogWahl& AWahl) {
    if (AOptionS) {
        AOptionS = false;
        const std::int32_t IdDatei = FForm.Geladen.Exists(FDateisystem.VollerPfad(AFilename));
        // File id 0 is the main calendar's: its entries never go with an option.
        if (IdDatei > 0) {
            FForm.Daten.DeleteIdDatei(IdDatei);
            FForm.Geladen.Delete(IdDatei);
            FForm.EintraegeEntfernt();
        }
    } else {
        std::string Datei;
        if (!DateiWaehlen(AWahl, Datei)) {
            return;
        }
        AFilename = Datei;
        Hinzuladen(Datei);
        AOptionS = Registriert(Datei);
    }
    FForm.MenuSprHeuteClick();
    FForm.EinstellungenLadenSpeichern(false);
}

void TDateiBefehle::MenuEinstFeiertagsdateiClick() {
    ZusatzdateiUmschalten(FForm.FeiertagS, FForm.FeiertagsFilename, FeiertagsWahl());
}

void TDateiBefehle::MenuEinstSonderdateiClick() {
    ZusatzdateiUmschalten(FForm.SonderS, FForm.SonderFilename, SonderWahl());
}

void TDateiBefehle::MenuEinstSikClick() {
    FForm.SikDateiAnlegenS = !FForm.SikDateiAnlegenS;
    FForm.EinstellungenLadenSpeichern(false);
}

std::span<const TBefehl<TForm1>> TDateiBefehle::Befehle() {
    using B = TBefehl<TForm1>;
    static constexpr auto Haken = [](bool ACheckedS) { return TMenueZustand{true, ACheckedS}; };
    static const B Tabelle[] = {
        {{.Id = mbOeffnen, .Caption = "Ö&ffnen...", .Kurztaste = "Ctrl+O", .Menue = mnDatei},
         nullptr,
         [](TForm1& f) { f.Dateien().MenuDateiOeffnenClick(); }},
        {{.Id = mbSpeichern, .Caption = "&Speichern", .Kurztaste = "Ctrl+S", .Menue = mnDatei},
         [](const TForm1& f) { return TMenueZustand{f.IsModified()}; },
         [](TForm1& f) { f.Dateien().MenuDateiSpeichernClick(); }},
        {{.Id = mbSpeichernUnter, .Caption = "Speichern &unter...", .Kurztaste = "Ctrl+U", .Menue = mnDatei},
         nullptr,
         [](TForm1& f) { f.Dateien().MenuDateiSpeichernUnterClick(); }},
        {{.Id = mbLaden,
          .Caption = "Datei &laden und anzeigen...",
          .Kurztaste = "Ctrl+L",
          .Menue = mnDatei,
          .TrennerDavor = true,
          .Untermenue = "&Anzeigen"},
         nullptr,
         [](TForm1& f) { f.Dateien().MenuDateiAnzeigenLadenClick(); }},
        {{.Id = mbGeladeneEntfernen,
          .Caption = "Geladene &Dateien aus Liste entfernen...",
          .Kurztaste = "Ctrl+D",
          .Menue = mnDatei,
          .Untermenue = "&Anzeigen"},
         nullptr,
         [](TForm1& f) { f.Dateien().MenuDateiAnzeigenListeClick(); }},
        {{.Id = mbImportieren, .Caption = "&Importieren...", .Menue = mnDatei},
         nullptr,
         [](TForm1& f) { f.Dateien().MenuDateiImportierenClick(); }},
        {{.Id = mbIcsExportieren, .Caption = "iCalendar-Datei &exportieren...", .Menue = mnDatei},
         [](const TForm1& f) { return TMenueZustand{f.Dateien().IcsBereit()}; },
         [](TForm1& f) { f.Dateien().MenuDateiIcsExportierenClick(); }},
        {{.Id = mbEintragIcs, .Caption = "Eintrag als iCalendar-Datei speichern...", .Menue = mnAktionen},
         [](const TForm1& f) {
             return TMenueZustand{f.Dateien().IcsBereit() && f.Tagesliste.AktTagClass() != nullptr &&
                                  f.ZeilenHatFokus()};
         },
         [](TForm1& f) { f.Dateien().MenuEintragIcsClick(*f.Tagesliste.AktTagClass()); }},
        {{.Id = mbSchliessen, .Caption = "S&chließen", .Kurztaste = "Ctrl+F4", .Menue = mnDatei},
         [](const TForm1& f) { return TMenueZustand{f.Dateien().SchliessenErlaubt()}; },
         [](TForm1& f) { f.Dateien().MenuDateiCloseClick(); }},
        {{.Id = mbFeiertagsdatei,
          .Caption = "&Feiertagsdatei verwenden ein...",
          .Art = meHaken,
          .Menue = mnEinstellungen},
         [](const TForm1& f) { return Haken(f.FeiertagS); },
         [](TForm1& f) { f.Dateien().MenuEinstFeiertagsdateiClick(); }},
        {{.Id = mbSonderdatei,
          .Caption = "S&onderdatei verwenden ein...",
          .Art = meHaken,
          .Menue = mnEinstellungen},
         [](const TForm1& f) { return Haken(f.SonderS); },
         [](TForm1& f) { f.Dateien().MenuEinstSonderdateiClick(); }},
        {{.Id = mbSicherung,
          .Caption = "&Sicherungsdatei beim Speichern erstellen ein",
          .Art = meHaken,
          .Menue = mnEinstellungen},
         [](const TForm1& f) { return Haken(f.SikDateiAnlegenS); },
         [](TForm1& f) { f.Dateien().MenuEinstSikClick(); }},
    };
    return Tabelle;
}
