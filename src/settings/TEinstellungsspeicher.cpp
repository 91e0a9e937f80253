#include "settings/TEinstellungsspeicher.h"

#include <algorithm>
#include <array>
#include <exception>
#include <filesystem>
#include <system_error>
#include <utility>

#include "files/Utf8.h"
#include "model/Fehler.h"
#include "platform/TMeldungsPort.h"

namespace {

constexpr const char* FehlerOrdnerFehlt = "Der Ordner fuer die Benutzereinstellungen ist nicht verfuegbar.";
constexpr const char* FehlerOrdnerAnlegen = "Der Einstellungsordner konnte nicht angelegt werden.";
constexpr const char* FehlerLadenSpeichern =
    "Die Programmeinstellungen konnten nicht gelesen oder gespeichert werden.";
constexpr const char* FehlerStartbildschirm = "Die Startbildschirm-Einstellung konnte nicht gelesen werden.";
constexpr const char* FehlerBereinigen =
    "Die INI-Einstellungen bleiben erhalten. Alte Registry-Einstellungen konnten "
    "nicht vollstaendig entfernt werden.";

// The background colours older versions chose by number.
constexpr std::array<TFarbe, 19> HintFarben = {
    0x000000, 0xFFFFFF, 0x00FFFF, 0xFF0000, 0x800000, 0xF0CAA6, 0x808000, 0x008000, 0xC0DCC0, 0x00FF00,
    0x008080, 0x808080, 0x808080, 0xC0C0C0, 0x0000FF, 0x800080, 0xFF00FF, 0xC0C0C0, 0x000080,
};
constexpr std::int32_t StandardHintColor = 1;

// FontStyle: the TSchriftStil bits; -1 stands for no style.
constexpr std::int32_t AlleStile = fsItalic | fsBold | fsUnderline | fsStrikeOut;
constexpr std::int32_t KeinStil = -1;

void Melde(const char* AAnfang, const std::exception& AFehler) {
    if (TMeldungsPort* Port = TMeldungsPort::Aktiv())
        Port->Zeige(maFehler, std::string(AAnfang) + "\n" + AFehler.what(), mkOK);
}

bool OrdnerExistiert(const std::string& APfad) {
    std::error_code Fehler;
    return !APfad.empty() && std::filesystem::is_directory(PfadAusUtf8(APfad), Fehler);
}

// The folder part of a file name with its final separator; "" when it has none.
std::string OrdnerVon(const std::string& ADateiname) {
    const std::filesystem::path Ordner = PfadAusUtf8(ADateiname).parent_path();
    if (Ordner.empty())
        return "";
    return PfadAlsUtf8(Ordner / "");
}

// Colours are stored as signed 32-bit numbers, as older versions wrote them.
std::int32_t Farbzahl(TFarbe AFarbe) {
    return static_cast<std::int32_t>(AFarbe);
}

TFarbe Farbe(std::int32_t AZahl) {
    return static_cast<TFarbe>(AZahl);
}

TFarbe HintFarbe(const TMemIniFile& AIni) {
    std::int32_t Index = AIni.ReadInteger(TEinstellungsspeicher::Section, "HintColor", StandardHintColor);
    if (Index < 0 || Index >= static_cast<std::int32_t>(HintFarben.size()))
        Index = StandardHintColor;
    return HintFarben[static_cast<std::size_t>(Index)];
}

} // namespace

TEinstellungsspeicher::TEinstellungsspeicher(const TSpezialOrdner& AOrdner, TRegistryMigration& AMigration,
                                             TDateisystem& ADateisystem)
    : FOrdner(AOrdner), FMigration(AMigration), FDateisystem(ADateisystem) {}

std::string TEinstellungsspeicher::EinstellungsDateiname() const {
    const std::string Anwendungsdaten = FOrdner.GetSpecialFolder(ofAnwendungsdaten);
    if (Anwendungsdaten.empty())
        throw EFehler(FehlerOrdnerFehlt);
    return PfadAlsUtf8(PfadAusUtf8(Anwendungsdaten) / "Orvanto" / "Orvanto.ini");
}

bool TEinstellungsspeicher::ShowSplashScreenLesen() {
    try {
        return Vorbereiten().ReadBool(Section, "ShowSplashScreen", true);
    } catch (const std::exception& e) {
        Melde(FehlerStartbildschirm, e);
        return true;
    }
}

bool TEinstellungsspeicher::Laden(TEinstellungen& AWerte, THistoryList& AHistory,
                                  const TEinstellungsOrte& AOrte) {
    try {
        WerteLesen(Vorbereiten(), AWerte, AHistory, AOrte);
        return true;
    } catch (const std::exception& e) {
        Melde(FehlerLadenSpeichern, e);
        return false;
    }
}

void TEinstellungsspeicher::SchriftpruefungSetzen(std::function<bool(const std::string&)> AVorhanden) {
    FSchriftVorhanden = std::move(AVorhanden);
}

bool TEinstellungsspeicher::Speichern(const TEinstellungen& AWerte, const THistoryList& AHistory,
                                      bool AFensterlageS) {
    try {
        // Keys this version does not write (HintColor, or the window's size while minimized) stay.
        TMemIniFile Ini(EinstellungsDateiname(), FDateisystem);
        Ini.LoadFromFile();
        WerteSchreiben(Ini, AWerte, AHistory, AFensterlageS);
        OrdnerAnlegen(Ini.FileName());
        Ini.UpdateFile();
        Bereinigen(Ini);
        return true;
    } catch (const std::exception& e) {
        Melde(FehlerLadenSpeichern, e);
        return false;
    }
}

TMemIniFile TEinstellungsspeicher::Vorbereiten() {
    TMemIniFile Ini(EinstellungsDateiname(), FDateisystem);
    if (FDateisystem.Existiert(Ini.FileName())) {
        Ini.LoadFromFile();
    } else {
        FMigration.Migrieren(Ini);
        Ini.AddSection(Section);
        OrdnerAnlegen(Ini.FileName());
        Ini.UpdateFile();
    }
    Bereinigen(Ini);
    return Ini;
}

void TEinstellungsspeicher::OrdnerAnlegen(const std::string& ADateiname) const {
    std::error_code Fehler;
    const std::filesystem::path Ordner = PfadAusUtf8(ADateiname).parent_path();
    std::filesystem::create_directories(Ordner, Fehler);
    if (Fehler || !std::filesystem::is_directory(Ordner, Fehler))
        throw EFehler(FehlerOrdnerAnlegen);
}

// Failing to remove old registry values loses nothing: the file holds them. So the error is
// shown and loading or saving goes on.
void TEinstellungsspeicher::Bereinigen(const TMemIniFile& AIni) {
    try {
        FMigration.Bereinigen(AIni);
    } catch (const std::exception& e) {
        Melde(FehlerBereinigen, e);
    }
}

void TEinstellungsspeicher::WerteLesen(const TMemIniFile& AIni, TEinstellungen& AWerte,
                                       THistoryList& AHistory, const TEinstellungsOrte& AOrte) const {
    const auto Zahl = [&](const char* AKey, std::int32_t ADefault) {
        return AIni.ReadInteger(Section, AKey, ADefault);
    };
    const auto Text = [&](const char* AKey, const std::string& ADefault) {
        return AIni.ReadString(Section, AKey, ADefault);
    };

    AWerte.ShowSplashScreenS = AIni.ReadBool(Section, "ShowSplashScreen", true);
    AHistory.LoadFromStream(AIni, Section);

    AWerte.WindowState = Zahl("WindowState", fzNormal) == fzMaximiert ? fzMaximiert : fzNormal;
    if (const std::int32_t Hoehe = Zahl("Height", 0); Hoehe > 100)
        AWerte.Height = Hoehe;
    if (const std::int32_t Breite = Zahl("Width", 0); Breite > 100)
        AWerte.Width = Breite;

    AWerte.Vorschautage = std::clamp(Zahl("Vorschautage", 3), 1, 9);
    AWerte.SikDateiAnlegenS = Zahl("SikDateiAnlegen", 0) == 1;
    AWerte.FeiertagS = Zahl("FeiertagS", 1) == 1;
    AWerte.KomprimiertS = Zahl("KomprimiertS", 0) == 1;
    AWerte.SonderS = Zahl("SonderS", 0) == 1;

    const std::string StandardFeiertage = AOrte.KalenderProgPath + FeiertagsdateiName;
    AWerte.FeiertagsFilename = Text("FeiertagsFilename", StandardFeiertage);
    if (!FDateisystem.Existiert(AWerte.FeiertagsFilename))
        AWerte.FeiertagsFilename = StandardFeiertage;
    AWerte.SonderFilename = Text("SonderFilename", AOrte.KalenderProgPath);
    if (!FDateisystem.Existiert(AWerte.SonderFilename))
        AWerte.SonderFilename = AOrte.KalenderProgPath;
    AWerte.FeiertagS = AWerte.FeiertagS && FDateisystem.Existiert(AWerte.FeiertagsFilename);
    AWerte.SonderS = AWerte.SonderS && FDateisystem.Existiert(AWerte.SonderFilename);

    if (!AOrte.ErsterParameter.empty() && FDateisystem.Existiert(AOrte.ErsterParameter)) {
        AWerte.KalFilename = FDateisystem.VollerPfad(AOrte.ErsterParameter);
    } else if (AIni.ValueExists(Section, "KalFilename")) {
        const std::string Kalender = Text("KalFilename", "");
        const std::string Ordner = OrdnerVon(Kalender);
        if (FDateisystem.Existiert(Kalender))
            AWerte.KalFilename = Kalender;
        else
            AWerte.KalFilename = OrdnerExistiert(Ordner) ? Ordner : AOrte.KalenderUserPath;
    } else {
        AWerte.KalFilename = AOrte.KalenderUserPath;
    }

    AWerte.KwocheS = Zahl("KwocheS", 1) == 1;

    // Whatever the file holds, the window gets a font it can draw.
    AWerte.Font.Name = Text("FontName", "");
    if (!SchriftnameZulaessig(AWerte.Font.Name) ||
        (FSchriftVorhanden && !FSchriftVorhanden(AWerte.Font.Name)))
        AWerte.Font.Name = TSchrift().Name;
    AWerte.Font.Groesse =
        std::clamp(Zahl("FontSize", TSchrift().Groesse), MinSchriftgroesse, MaxSchriftgroesse);
    AWerte.Font.Farbe = Farbe(Zahl("FontColor", Farbzahl(clWindowText)));
    AWerte.Font.CharSet = Zahl("FontCharSet", 0) & 0xFF;
    const std::int32_t Stil = Zahl("FontStyle", KeinStil);
    AWerte.Font.Stil = Stil == KeinStil ? 0 : Stil & AlleStile;

    // A damaged BackColor falls back to the old colour number as a missing one does.
    const std::int32_t Hint = Farbzahl(HintFarbe(AIni));
    AWerte.BackColor = Farbe(AIni.ValueExists(Section, "BackColor") ? Zahl("BackColor", Hint) : Hint);
}

void TEinstellungsspeicher::WerteSchreiben(TMemIniFile& AIni, const TEinstellungen& AWerte,
                                           const THistoryList& AHistory, bool AFensterlageS) const {
    const auto Zahl = [&](const char* AKey, std::int32_t AWert) { AIni.WriteInteger(Section, AKey, AWert); };
    const auto Schalter = [&](const char* AKey, bool AWert) { AIni.WriteBool(Section, AKey, AWert); };
    const auto Text = [&](const char* AKey, const std::string& AWert) {
        AIni.WriteString(Section, AKey, AWert);
    };

    AHistory.SaveToStream(AIni, Section, true);
    if (AFensterlageS) {
        Zahl("WindowState", AWerte.WindowState == fzMaximiert ? fzMaximiert : fzNormal);
        Zahl("Height", AWerte.Height);
        Zahl("Width", AWerte.Width);
    }
    Schalter("ShowSplashScreen", AWerte.ShowSplashScreenS);
    Schalter("KomprimiertS", AWerte.KomprimiertS);
    Schalter("FeiertagS", AWerte.FeiertagS);
    Text("FeiertagsFilename", AWerte.FeiertagsFilename);
    Schalter("SonderS", AWerte.SonderS);
    Text("SonderFilename", AWerte.SonderFilename);
    Schalter("SikDateiAnlegen", AWerte.SikDateiAnlegenS);
    Zahl("Vorschautage", AWerte.Vorschautage);
    Text("KalFilename", AWerte.KalFilename);
    Schalter("KwocheS", AWerte.KwocheS);
    Zahl("BackColor", Farbzahl(AWerte.BackColor));
    Text("FontName", AWerte.Font.Name);
    Zahl("FontSize", AWerte.Font.Groesse);
    Zahl("FontColor", Farbzahl(AWerte.Font.Farbe));
    Zahl("FontCharSet", AWerte.Font.CharSet);
    Zahl("FontStyle", AWerte.Font.Stil & AlleStile);
}
