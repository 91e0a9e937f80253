#include "window/TForm1.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "files/Utf8.h"
#include "model/Uhr.h"
#include "platform/Pfadteile.h"
#include "platform/TDateisystem.h"
#include "platform/TMeldungsPort.h"
#include "views/OVAnzeige.h"
#include "window/Programmstart.h"
#include "window/Suchmenue.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* KalenderOrdner = "Kalenderdateien/";
constexpr const char* SoundOrdner = "Sounddateien/";
constexpr const char* UhrMuster = "dddd, d. mmmm yyyy, h:nn \"Uhr\"";

void OrdnerAnlegen(const std::string& AOrdner) {
    std::error_code Fehler;
    fs::create_directories(PfadAusUtf8(AOrdner), Fehler);
}

// Removes the folder only when it is empty.
void LeerenOrdnerEntfernen(const std::string& AOrdner) {
    std::error_code Fehler;
    const fs::path Ordner = PfadAusUtf8(AOrdner);
    if (fs::is_directory(Ordner, Fehler) && fs::is_empty(Ordner, Fehler)) {
        fs::remove(Ordner, Fehler);
    }
}

} // namespace

TForm1::TForm1(THauptfensterAnsicht& AAnsicht, TTageslisteSteuerung& ASteuerung,
               TEinstellungsspeicher& AEinstellungsspeicher, TDateisystem& ADateisystem,
               const std::string& ADokumenteOrdner, const std::string& AProgrammordner,
               const std::vector<std::string>& AArgumente, std::unique_ptr<TScreenReaderPlattform> APlattform)
    : Tolk(std::move(APlattform)), Geladen(&Daten, ""), Tagesliste(Daten, ASteuerung), FAnsicht(AAnsicht),
      FSteuerung(ASteuerung), FEinstellungsspeicher(AEinstellungsspeicher), FDateisystem(ADateisystem),
      FProgrammordner(AProgrammordner), FParameters(ParameterAufbereiten(AArgumente)) {
    KalenderUserPath = ADokumenteOrdner + KalenderOrdner;
    KalenderProgPath = AProgrammordner + KalenderOrdner;
    FDatei = std::make_unique<TDateiBefehle>(*this, FDateisystem);
    for (const std::span<const TBefehl<TForm1>> Tabelle : Fensterbefehle()) {
        FBefehle.Binden(Tabelle, *this);
    }
    SetAnzeigeKomprimiert(false);
    SetKalFilename("");
    try {
        Tolk.Load();
    } catch (const std::exception&) {
        // Without its drivers the program runs silent; the screen reader still reads the window.
    }
    Tagesliste.Ansage = [this](const std::string& AText) { Tolk.Output(AText, false); };
    for (const std::string& Ordner : {FProgrammordner + SoundOrdner, KalenderProgPath, KalenderUserPath}) {
        OrdnerAnlegen(Ordner);
    }
}

std::string TForm1::Fenstertitel(const std::string& AKalFilename) {
    const std::string Name = DateinameTeil(AKalFilename);
    return (Name.empty() ? std::string("KeinName") : Name) + " - " + ProgrammTitel;
}

void TForm1::SetKalFilename(const std::string& AValue) {
    FKalFilename = AValue;
    FAnsicht.TitelSetzen(Fenstertitel(AValue));
}

bool TForm1::FormShow() {
    if (FStartupScheduled) {
        return false;
    }
    FStartupScheduled = true;
    EinstellungenLadenSpeichern(true);
    FAnsicht.SchriftartZuweisen(AktFont, AktBackColor);
    return true;
}

void TForm1::EinstellungenLadenSpeichern(bool ALadenS) {
    if (!ALadenS) {
        const std::optional<TFensterlage> Lage = FAnsicht.Fensterlage();
        FEinstellungsspeicher.Speichern(Einstellungen(), HistoryMenuList, Lage.has_value());
        return;
    }
    TEinstellungen Werte = Einstellungen();
    // Before its first showing the window's size is whatever the toolkit made of it: without a
    // stored size the window takes the default one.
    const TEinstellungen Standard;
    Werte.WindowState = Standard.WindowState;
    Werte.Height = Standard.Height;
    Werte.Width = Standard.Width;
    // A file to import (an iCalendar file named alone) is not the calendar to open.
    const bool KalenderS = !FParameters.empty() && !FDatei->Importziel(FParameters.front());
    const TEinstellungsOrte Orte{KalenderProgPath, KalenderUserPath,
                                 KalenderS ? FParameters.front() : std::string()};
    if (!FEinstellungsspeicher.Laden(Werte, HistoryMenuList, Orte) && Werte.KalFilename.empty()) {
        // The file could not be read (the user has been told): a calendar named on the command
        // line still opens, else file dialogs start in the user's calendar folder.
        Werte.KalFilename =
            IstDatei(Orte.ErsterParameter) ? FDateisystem.VollerPfad(Orte.ErsterParameter) : KalenderUserPath;
    }
    EinstellungenUebernehmen(Werte);
}

// The settings as the window holds them now.
TEinstellungen TForm1::Einstellungen() const {
    TEinstellungen Werte;
    Werte.ShowSplashScreenS = ShowSplashScreenS;
    if (const std::optional<TFensterlage> Lage = FAnsicht.Fensterlage()) {
        Werte.WindowState = Lage->WindowState;
        Werte.Height = Lage->Height;
        Werte.Width = Lage->Width;
    }
    Werte.Vorschautage = FVorschautage;
    Werte.SikDateiAnlegenS = SikDateiAnlegenS;
    Werte.FeiertagS = FeiertagS;
    Werte.KomprimiertS = FKomprimiertS;
    Werte.SonderS = SonderS;
    Werte.FeiertagsFilename = FeiertagsFilename;
    Werte.SonderFilename = SonderFilename;
    Werte.KalFilename = FKalFilename;
    Werte.KwocheS = Tagesliste.KwocheS();
    Werte.Font = AktFont;
    Werte.BackColor = AktBackColor;
    return Werte;
}

void TForm1::EinstellungenUebernehmen(const TEinstellungen& AWerte) {
    ShowSplashScreenS = AWerte.ShowSplashScreenS;
    FAnsicht.FensterlageSetzen({AWerte.WindowState, AWerte.Height, AWerte.Width});
    FVorschautage = AWerte.Vorschautage;
    SikDateiAnlegenS = AWerte.SikDateiAnlegenS;
    FeiertagS = AWerte.FeiertagS;
    SetKomprimiertS(AWerte.KomprimiertS);
    SonderS = AWerte.SonderS;
    FeiertagsFilename = AWerte.FeiertagsFilename;
    SonderFilename = AWerte.SonderFilename;
    SetKalFilename(AWerte.KalFilename);
    Tagesliste.SetFilter(fiKwoche, AWerte.KwocheS);
    AktFont = AWerte.Font;
    AktBackColor = AWerte.BackColor;
    FAnsicht.MenueAktualisieren();
}

void TForm1::Timer2Timer() {
    FStarting = true;
    Tagesliste.SetStarting(true);
    // The splash picture goes and the window takes commands again even when a step fails.
    struct TStartEnde {
        TForm1& Form;
        ~TStartEnde() {
            Form.FAnsicht.SplashAbwarten();
            Form.FAnsicht.SplashFreigeben();
            Form.Tagesliste.SetStarting(false);
            Form.FStarting = false;
        }
    };
    {
        TStartEnde Ende{*this};
        Timer1Timer();
        StartdateienLaden();
        Daten.SpeicherkopieSetzen(SpeicherDaten);
        Tagesliste.SetTagesansicht(taWoche);
        MenuSprHeuteClick();
        SetHistoryMenuList();
    }
    if (FIsClosing) {
        return;
    }
    FSteuerung.ZeilenFokus();
    StartbefehleMerken();
    if (!FStartImportFilename.empty()) {
        FDatei->ImportStarten(FStartImportFilename);
    }
}

void TForm1::StartdateienLaden() {
    const bool Vorhanden = IstDatei(FKalFilename);
    if (Vorhanden && !Daten.LoadFromFile(FKalFilename, true, 0, FDateisystem)) {
        // The reader has told why; the folder stays the place for the file dialogs.
        SetKalFilename(OrdnerTeil(FKalFilename));
        return;
    }
    if (Vorhanden) {
        HistoryAdd(FKalFilename);
    }
    FDatei->ZusatzdateienLaden();
}

void TForm1::StartbefehleMerken() {
    if (FParameters.empty()) {
        return;
    }
    const std::string& Erstes = FParameters.front();
    if (const std::optional<std::string> Datei = FDatei->Importziel(Erstes); Datei && IstDatei(*Datei)) {
        FStartImportFilename = *Datei;
    }
    FStartVorschauS = Erstes == "/systemstartup";
}

void TForm1::Timer1Timer() {
    if (FIsClosing) {
        return;
    }
    const std::string Text = FormatDateTime(UhrMuster, TUhr::Jetzt());
    if (Text != FAnsicht.Statustext()) {
        FAnsicht.StatustextSetzen(Text);
    }
}

bool TForm1::IsModified() const {
    return !Daten.IdentSpeicherkopie(SpeicherDaten);
}

bool TForm1::Speichern() {
    return FDatei->Speichern(false);
}

bool TForm1::FormCloseQuery() {
    return SpeichernFragen();
}

bool TForm1::SpeichernFragen() {
    return FDatei->SpeichernFragen();
}

bool TForm1::Oeffne(const std::string& AFilename) {
    return FDatei->Oeffne(AFilename);
}

void TForm1::HistoryAdd(const std::string& AFilename) {
    HistoryMenuList.AddString(AFilename, true);
}

void TForm1::SetHistoryMenuList() {
    std::vector<THistoryMenuItem> Eintraege;
    for (int i = 0; i < HistoryMenuList.Count(); ++i) {
        if (std::optional<THistoryMenuItem> Eintrag = HistoryMenuList.GetMenuItem(i)) {
            Eintraege.push_back(*Eintrag);
        }
    }
    FAnsicht.HistoryMenueSetzen(Eintraege);
}

void TForm1::HistoryMenuClick(int ATag) {
    if (const std::optional<std::string> Filename = HistoryMenuList.FileNameOfTag(ATag)) {
        Oeffne(*Filename);
    }
}

void TForm1::FormClose() {
    EinstellungenLadenSpeichern(false);
    FIsClosing = true;
}

void TForm1::FormDestroy() {
    for (const std::string& Ordner : {FProgrammordner + SoundOrdner, KalenderProgPath, KalenderUserPath}) {
        LeerenOrdnerEntfernen(Ordner);
    }
}

void TForm1::MenuAnsichtClick(TTagesansicht ATagesansicht) {
    Tagesliste.SetTagesansicht(ATagesansicht);
    FAnsicht.MenueAktualisieren();
}

void TForm1::MenuAnsAusblenden(int AIndex) {
    Tagesliste.MenuAnsAusblenden(AIndex);
    FAnsicht.MenueAktualisieren();
    // Of the filters only the calendar-week prefix is a stored setting.
    if (AIndex == fiKwoche) {
        EinstellungenLadenSpeichern(false);
    }
}

void TForm1::MenuAnsAlleTageClick() {
    Tagesliste.MenuAnsAlleTageClick();
    FAnsicht.MenueAktualisieren();
}

void TForm1::MenuAnsLeereTageClick() {
    Tagesliste.MenuAnsLeereTageClick();
    FAnsicht.MenueAktualisieren();
}

void TForm1::SetKomprimiertS(bool AValue) {
    FKomprimiertS = AValue;
    SetAnzeigeKomprimiert(AValue);
    FAnsicht.MenueAktualisieren();
}

void TForm1::MenuAnsKomprimiertClick() {
    const std::string Vorher = Tagesliste.AktZeile();
    SetKomprimiertS(!FKomprimiertS);
    const std::int32_t Nr = FSteuerung.ZeilenIndex();
    if (Tagesliste.UpdateTage() && Nr >= 0 &&
        Nr < static_cast<std::int32_t>(Tagesliste.DisplayItems().size())) {
        FSteuerung.ZeileWaehlen(Nr);
    }
    Tagesliste.ZustandAnsagen(Vorher, FKomprimiertS ? "Komprimierter Eintragsmodus ein"
                                                    : "Komprimierter Eintragsmodus aus");
    EinstellungenLadenSpeichern(false);
}

void TForm1::MenuEinstSplashClick() {
    ShowSplashScreenS = !ShowSplashScreenS;
    FAnsicht.MenueAktualisieren();
    EinstellungenLadenSpeichern(false);
}

void TForm1::MenuSprHeuteClick() {
    if (Tagesliste.FreiS()) {
        Tagesliste.MenuAnsAlleTageClick();
    }
    Tagesliste.SpringeZuDatum(TUhr::Heute(), "");
    FAnsicht.MenueAktualisieren();
}

void TForm1::MenuAktBlaetternClick(bool AVorS) {
    Tagesliste.Blaettern(AVorS);
}

TTag TForm1::GeheDatumVorgabe() const {
    const std::string Zeile = Tagesliste.AktZeile();
    return Zeile.empty() ? TUhr::Heute() : DatumAusZeile(Zeile);
}

void TForm1::GeheZuDatum(TTag ADatum) {
    Tagesliste.UnbelegteTageEinschalten();
    Tagesliste.SpringeZuDatum(ADatum, "");
    FAnsicht.MenueAktualisieren();
}

void TForm1::MenuAktGeheDatumClick() {
    TTag Datum = GeheDatumVorgabe();
    if (FAnsicht.GeheDatumZeigen(Datum)) {
        GeheZuDatum(Datum);
    }
}

void TForm1::MenuAnsSchriftClick() {
    TSchrift Font = AktFont;
    TFarbe BackColor = AktBackColor;
    if (FAnsicht.SchriftDialogZeigen(Font, BackColor)) {
        SchriftUebernehmen(Font, BackColor);
    }
}

void TForm1::MenuEinstVortageClick() {
    int Tage = FVorschautage;
    if (FAnsicht.VortageZeigen(Tage)) {
        FVorschautage = Tage;
        EinstellungenLadenSpeichern(false);
    }
}

void TForm1::SchriftUebernehmen(const TSchrift& AFont, TFarbe ABackColor) {
    AktFont = AFont;
    AktBackColor = ABackColor;
    FAnsicht.SchriftartZuweisen(AktFont, AktBackColor);
    EinstellungenLadenSpeichern(false);
}

void TForm1::MenuSprKalenderClick(bool AEndeS) {
    Tagesliste.UnbelegteTageEinschalten();
    Tagesliste.SpringeZuDatum(AEndeS ? KalenderEnde : KalenderAnfang, "");
    FAnsicht.MenueAktualisieren();
}

void TForm1::MenuSprDatensatzClick(TDatensatzSprung ASprung) {
    Tagesliste.ZuDatensatzSpringen(ASprung);
}

std::span<const TBefehl<TForm1>> TForm1::Navigationsbefehle() {
    using B = TBefehl<TForm1>;
    // The entry jumps need an entry line in the focused day list.
    static constexpr auto EintragsZeile = [](const TForm1& f) {
        return TMenueZustand{f.Tagesliste.AktTagClass() != nullptr && f.FSteuerung.ZeilenHatFokus()};
    };
    static const B Tabelle[] = {
        {{.Id = mbVorblaettern,
          .Caption = "&Vorblättern",
          .Kurztaste = "Ctrl+Down",
          .Menue = mnAktionen,
          .TrennerDavor = true},
         nullptr,
         [](TForm1& f) { f.MenuAktBlaetternClick(true); }},
        {{.Id = mbZurueckblaettern,
          .Caption = "&Zurückblättern",
          .Kurztaste = "Ctrl+Up",
          .Menue = mnAktionen},
         nullptr,
         [](TForm1& f) { f.MenuAktBlaetternClick(false); }},
        {{.Id = mbGeheDatum, .Caption = "&Gehe zu Datum...", .Kurztaste = "Ctrl+G", .Menue = mnAktionen},
         nullptr,
         [](TForm1& f) { f.MenuAktGeheDatumClick(); }},
        {{.Id = mbSprHeute,
          .Caption = "Sprung zum &heutigen Tag",
          .Kurztaste = "Ctrl+H",
          .Menue = mnSpruenge},
         nullptr,
         [](TForm1& f) { f.MenuSprHeuteClick(); }},
        {{.Id = mbSprAnfang,
          .Caption = "Sprung zum Kalender&anfang",
          .Kurztaste = "Alt+Home",
          .Menue = mnSpruenge},
         nullptr,
         [](TForm1& f) { f.MenuSprKalenderClick(false); }},
        {{.Id = mbSprEnde,
          .Caption = "Sprung zum &Kalenderende",
          .Kurztaste = "Alt+End",
          .Menue = mnSpruenge},
         nullptr,
         [](TForm1& f) { f.MenuSprKalenderClick(true); }},
        {{.Id = mbSprErster,
          .Caption = "Sprung zum &ersten dazugehörigen Eintrag",
          .Kurztaste = "Ctrl+Home",
          .Menue = mnSpruenge},
         EintragsZeile,
         [](TForm1& f) { f.MenuSprDatensatzClick(dsErster); }},
        {{.Id = mbSprLetzter,
          .Caption = "Sprung zum &letzten dazugehörigen Eintrag",
          .Kurztaste = "Ctrl+End",
          .Menue = mnSpruenge},
         EintragsZeile,
         [](TForm1& f) { f.MenuSprDatensatzClick(dsLetzter); }},
        {{.Id = mbSprVoriger,
          .Caption = "Sprung zum &vorigen dazugehörigen Eintrag",
          .Kurztaste = "Ctrl+PgUp",
          .Menue = mnSpruenge},
         EintragsZeile,
         [](TForm1& f) { f.MenuSprDatensatzClick(dsVoriger); }},
        {{.Id = mbSprNaechster,
          .Caption = "Sprung zum &nächsten dazugehörigen Eintrag",
          .Kurztaste = "Ctrl+PgDn",
          .Menue = mnSpruenge},
         EintragsZeile,
         [](TForm1& f) { f.MenuSprDatensatzClick(dsNaechster); }},
    };
    return Tabelle;
}

std::span<const TBefehl<TForm1>> TForm1::Ansichtsbefehle() {
    using B = TBefehl<TForm1>;
    static constexpr auto Ansicht = [](const TForm1& f, TTagesansicht AAnsicht) {
        return TMenueZustand{true, f.Tagesliste.Tagesansicht() == AAnsicht};
    };
    static constexpr auto Haken = [](bool ACheckedS) { return TMenueZustand{true, ACheckedS}; };
    static const B Tabelle[] = {
        {{.Id = mbJahr,
          .Caption = "&Jahresansicht",
          .Kurztaste = "Ctrl+J",
          .Art = meOption,
          .Menue = mnAnsicht,
          .ComboPopup = true},
         [](const TForm1& f) { return Ansicht(f, taJahr); },
         [](TForm1& f) { f.MenuAnsichtClick(taJahr); }},
        {{.Id = mbMonat,
          .Caption = "&Monatsansicht",
          .Kurztaste = "Ctrl+M",
          .Art = meOption,
          .Menue = mnAnsicht,
          .ComboPopup = true},
         [](const TForm1& f) { return Ansicht(f, taMonat); },
         [](TForm1& f) { f.MenuAnsichtClick(taMonat); }},
        {{.Id = mbWoche,
          .Caption = "&Wochenansicht",
          .Kurztaste = "Ctrl+W",
          .Art = meOption,
          .Menue = mnAnsicht,
          .ComboPopup = true},
         [](const TForm1& f) { return Ansicht(f, taWoche); },
         [](TForm1& f) { f.MenuAnsichtClick(taWoche); }},
        {{.Id = mbTermintage,
          .Caption = "&Termintage ein",
          .Kurztaste = "Ctrl+1",
          .Art = meHaken,
          .Menue = mnAnsicht,
          .TrennerDavor = true},
         [](const TForm1& f) { return Haken(f.Tagesliste.BelegtS()); },
         [](TForm1& f) { f.MenuAnsAusblenden(fiBelegt); }},
        {{.Id = mbUnbelegt,
          .Caption = "&Unbelegte Tage ein",
          .Kurztaste = "Ctrl+2",
          .Art = meHaken,
          .Menue = mnAnsicht},
         [](const TForm1& f) { return Haken(f.Tagesliste.UnbelegtS()); },
         [](TForm1& f) { f.MenuAnsAusblenden(fiUnbelegt); }},
        {{.Id = mbFeiertage,
          .Caption = "&Feiertage ein",
          .Kurztaste = "Ctrl+3",
          .Art = meHaken,
          .Menue = mnAnsicht},
         [](const TForm1& f) { return Haken(f.Tagesliste.FeiertagS()); },
         [](TForm1& f) { f.MenuAnsAusblenden(fiFeiertag); }},
        {{.Id = mbUrlaub,
          .Caption = "U&rlaubstage ein",
          .Kurztaste = "Ctrl+4",
          .Art = meHaken,
          .Menue = mnAnsicht},
         [](const TForm1& f) { return Haken(f.Tagesliste.UrlaubS()); },
         [](TForm1& f) { f.MenuAnsAusblenden(fiUrlaub); }},
        {{.Id = mbFrei,
          .Caption = "Fr&eie Tage anzeigen",
          .Kurztaste = "Ctrl+6",
          .Art = meHaken,
          .Menue = mnAnsicht},
         [](const TForm1& f) { return Haken(f.Tagesliste.FreiS()); },
         [](TForm1& f) { f.MenuAnsAusblenden(fiFrei); }},
        {{.Id = mbAlleTage,
          .Caption = "&Alle Tage anzeigen",
          .Kurztaste = "Ctrl+5",
          .Menue = mnAnsicht,
          .TrennerDavor = true},
         nullptr,
         [](TForm1& f) { f.MenuAnsAlleTageClick(); }},
        {{.Id = mbLeererKalender,
          .Caption = "&Leeren Kalender anzeigen",
          .Kurztaste = "Ctrl+7",
          .Menue = mnAnsicht},
         nullptr,
         [](TForm1& f) { f.MenuAnsLeereTageClick(); }},
        {{.Id = mbKwoche,
          .Caption = "Kale&nderwochen ein",
          .Kurztaste = "Ctrl+0",
          .Art = meHaken,
          .Menue = mnAnsicht,
          .TrennerDavor = true,
          .EinstellungsKopie = true},
         [](const TForm1& f) { return Haken(f.Tagesliste.KwocheS()); },
         [](TForm1& f) { f.MenuAnsAusblenden(fiKwoche); }},
        {{.Id = mbKomprimiert,
          .Caption = "&Komprimierter Eintragsmodus ein",
          .Kurztaste = "Ctrl+K",
          .Art = meHaken,
          .Menue = mnAnsicht,
          .EinstellungsKopie = true},
         [](const TForm1& f) { return Haken(f.FKomprimiertS); },
         [](TForm1& f) { f.MenuAnsKomprimiertClick(); }},
        {{.Id = mbSchrift,
          .Caption = "&Schrifteinstellungen...",
          .Menue = mnAnsicht,
          .TrennerDavor = true,
          .EinstellungsKopie = true,
          .ComboPopup = true,
          .PopupCaption = "Sc&hrifteinstellungen..."},
         nullptr,
         [](TForm1& f) { f.MenuAnsSchriftClick(); }},
        {{.Id = mbSplash,
          .Caption = "Zeige SplashS&creen beim Start",
          .Art = meHaken,
          .Menue = mnEinstellungen,
          .TrennerDavor = true},
         [](const TForm1& f) { return Haken(f.ShowSplashScreenS); },
         [](TForm1& f) { f.MenuEinstSplashClick(); }},
        {{.Id = mbVortage, .Caption = "Anzahl der &Vorschautage...", .Menue = mnEinstellungen},
         nullptr,
         [](TForm1& f) { f.MenuEinstVortageClick(); }},
    };
    return Tabelle;
}

std::vector<std::span<const TBefehl<TForm1>>> TForm1::Fensterbefehle() {
    return {Navigationsbefehle(),     Ansichtsbefehle(),         TDateiBefehle::Befehle(),
            TInfosBefehle::Befehle(), TExtrasBefehle::Befehle(), SuchmenueBefehle()};
}

TMenueZustand TForm1::MenueZustand(TMenueBefehl ABefehl) const {
    return FBefehle.Zustand(ABefehl);
}

void TForm1::MenueBefehl(TMenueBefehl ABefehl) {
    if (!MenueZustand(ABefehl).EnabledS) {
        return;
    }
    Ausfuehren([this, ABefehl] {
        FBefehle.Ausfuehren(ABefehl);
        if (MenueEintrag(ABefehl).MenueFolgt) {
            FAnsicht.MenueAktualisieren();
        }
    });
}

void TForm1::SuchDialogeSetzen(TSuchDialoge& ADialoge) {
    FSuche = std::make_unique<TSuchBefehle>(Daten, Tagesliste, ADialoge, FProgrammordner);
}

void TForm1::InfosFensterSetzen(TInfosFenster& AFenster, TInfosTexte& ATexte, TSystemKlang& ASystemKlang) {
    FInfos = std::make_unique<TInfosBefehle>(Daten, Tagesliste, FSteuerung, ATexte, AFenster, ASystemKlang);
}

void TForm1::Timer0Timer() {
    if (FIsClosing || !FInfos) {
        return;
    }
    Ausfuehren([this] { FInfos->VorschauAnzeigen(0, vaSystemstart); });
}

void TForm1::UebergebeneVorschau() {
    if (FIsClosing || !FInfos) {
        return;
    }
    Ausfuehren([this] { FInfos->VorschauAnzeigen(0, vaUebergeben); });
}

void TForm1::DateiDialogeSetzen(TDateiDialog& ADateiDialog, TGeladenDialog& AGeladenDialog) {
    FDatei->DialogeSetzen(ADateiDialog, AGeladenDialog);
}

void TForm1::EintragEditorSetzen(TEintragEditor& AEditor) {
    FEintraege = std::make_unique<TEintragBefehle>(Daten, Tagesliste, FSteuerung, AEditor);
    FEintraege->HeuteZeigen = [this] { MenuSprHeuteClick(); };
    FBefehle.Binden(TEintragBefehle::Befehle(), *FEintraege);
}

std::string TForm1::Soundordner() const {
    return FProgrammordner + SoundOrdner;
}

void TForm1::EintraegeEntfernt() {
    if (FEintraege != nullptr) {
        FEintraege->GemerktLoesen();
    }
}

void TForm1::ZeileEingabe() {
    MenueBefehl(Tagesliste.AktTagClass() != nullptr ? mbInfos : mbNeu);
}

void TForm1::ExtrasSetzen(TProgrammStart& AStart, TAutostart& AAutostart, TDrucker& ADrucker,
                          const TExtrasOrte& AOrte) {
    FExtras = std::make_unique<TExtrasBefehle>(AStart, AAutostart, ADrucker, AOrte);
}

void TForm1::Ausfuehren(const std::function<void()>& ABefehl) {
    const char* const Vorspann = "Der Befehl konnte nicht ausgeführt werden:\r\n";
    try {
        ABefehl();
    } catch (const std::exception& Fehler) {
        Frage(maFehler, Vorspann + std::string(Fehler.what()), mkOK);
    } catch (...) {
        Frage(maFehler, Vorspann + std::string("Unbekannter Fehler."), mkOK);
    }
}
