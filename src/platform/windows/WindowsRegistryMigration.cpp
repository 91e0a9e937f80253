// The settings older versions kept under HKEY_CURRENT_USER: copied into a new settings file once,
// and removed value by value as soon as the file on disk holds the same text.

#include <windows.h>

#include <array>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"
#include "platform/TRegistryMigration.h"
#include "speech/windows/Utf16.h"

namespace {

constexpr const char* Section = "MainForm";
constexpr const wchar_t* EinstellungsSchluessel = L"Software\\Orvanto";
// A key literally named like this below HKEY_CURRENT_USER, left by the old recent-file list.
constexpr const wchar_t* VerlaufSchluessel = L"HKEY_CURRENT_USER\\Software\\Orvanto";

enum TWertArt { waBool, waZahl, waText };

struct TAlterWert {
    const char* Name;
    TWertArt Art;
};

// In the order the values are copied and removed.
constexpr std::array<TAlterWert, 20> AlteWerte = {{
    {"ShowSplashScreen", waBool},
    {"WindowState", waZahl},
    {"Height", waZahl},
    {"Width", waZahl},
    {"KomprimiertS", waZahl},
    {"FeiertagS", waZahl},
    {"FeiertagsFilename", waText},
    {"SonderS", waZahl},
    {"SonderFilename", waText},
    {"SikDateiAnlegen", waZahl},
    {"Vorschautage", waZahl},
    {"KalFilename", waText},
    {"KwocheS", waZahl},
    {"BackColor", waZahl},
    {"FontName", waText},
    {"FontSize", waZahl},
    {"FontColor", waZahl},
    {"FontCharSet", waZahl},
    {"FontStyle", waZahl},
    {"HintColor", waZahl},
}};

std::vector<TAlterWert> MitVerlauf(bool AEinstellungenS) {
    std::vector<TAlterWert> Werte;
    if (AEinstellungenS)
        Werte.assign(AlteWerte.begin(), AlteWerte.end());
    static const std::array<const char*, 5> Verlauf = {"History1", "History2", "History3", "History4",
                                                       "History5"};
    for (const char* Name : Verlauf)
        Werte.push_back({Name, waText});
    return Werte;
}

class TSchluessel {
public:
    TSchluessel(const wchar_t* APfad, REGSAM AZugriff)
        : FErgebnis(RegOpenKeyExW(HKEY_CURRENT_USER, APfad, 0, AZugriff, &FHandle)) {}
    ~TSchluessel() {
        if (FErgebnis == ERROR_SUCCESS)
            RegCloseKey(FHandle);
    }
    TSchluessel(const TSchluessel&) = delete;
    TSchluessel& operator=(const TSchluessel&) = delete;

    bool Offen() const { return FErgebnis == ERROR_SUCCESS; }
    bool Fehlt() const { return FErgebnis == ERROR_FILE_NOT_FOUND; }

    bool WertExistiert(const char* AName, DWORD* AArt = nullptr, DWORD* AGroesse = nullptr) const {
        return RegQueryValueExW(FHandle, Utf8ZuUtf16(AName).c_str(), nullptr, AArt, nullptr, AGroesse) ==
               ERROR_SUCCESS;
    }

    // Copies the value into AIni when it has the type its key expects.
    void Kopieren(const TAlterWert& AWert, TMemIniFile& AIni) const {
        DWORD Art = 0, Groesse = 0;
        if (!WertExistiert(AWert.Name, &Art, &Groesse))
            return;
        const std::wstring Name = Utf8ZuUtf16(AWert.Name);
        if (AWert.Art != waText) {
            DWORD Zahl = 0, ZahlGroesse = sizeof Zahl;
            if (Art != REG_DWORD ||
                RegQueryValueExW(FHandle, Name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&Zahl),
                                 &ZahlGroesse) != ERROR_SUCCESS)
                return;
            if (AWert.Art == waBool)
                AIni.WriteBool(Section, AWert.Name, Zahl != 0);
            else
                AIni.WriteInteger(Section, AWert.Name, static_cast<std::int32_t>(Zahl));
            return;
        }
        if (Art != REG_SZ && Art != REG_EXPAND_SZ)
            return;
        std::wstring Text(Groesse / sizeof(wchar_t) + 1, L'\0');
        DWORD TextGroesse = static_cast<DWORD>(Text.size() * sizeof(wchar_t));
        if (RegQueryValueExW(FHandle, Name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(Text.data()),
                             &TextGroesse) != ERROR_SUCCESS)
            return;
        Text.resize(wcsnlen(Text.c_str(), Text.size()));
        AIni.WriteString(Section, AWert.Name, Utf16ZuUtf8(Text));
    }

    void Entfernen(const char* AName) const {
        if (RegDeleteValueW(FHandle, Utf8ZuUtf16(AName).c_str()) != ERROR_SUCCESS)
            throw EFehler(std::string("Der alte Registry-Wert konnte nicht entfernt werden: ") + AName);
    }

private:
    HKEY FHandle = nullptr;
    LONG FErgebnis;
};

// Removes every value of AWerte that both INI objects hold with the same text.
void Bereinige(const wchar_t* APfad, bool AEinstellungenS, const TMemIniFile& AIni,
               const TMemIniFile& APlatte, const char* AFehler) {
    const TSchluessel Schluessel(APfad, KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!Schluessel.Offen()) {
        if (!Schluessel.Fehlt())
            throw EFehler(AFehler);
        return;
    }
    for (const TAlterWert& Wert : MitVerlauf(AEinstellungenS)) {
        const bool Bestaetigt =
            AIni.ValueExists(Section, Wert.Name) && APlatte.ValueExists(Section, Wert.Name) &&
            AIni.ReadString(Section, Wert.Name, "") == APlatte.ReadString(Section, Wert.Name, "");
        if (Bestaetigt && Schluessel.WertExistiert(Wert.Name))
            Schluessel.Entfernen(Wert.Name);
    }
}

class TWindowsRegistryMigration : public TRegistryMigration {
public:
    void Migrieren(TMemIniFile& AIni) override {
        {
            const TSchluessel Schluessel(EinstellungsSchluessel, KEY_READ);
            if (Schluessel.Offen())
                for (const TAlterWert& Wert : MitVerlauf(true))
                    Schluessel.Kopieren(Wert, AIni);
        }
        const TSchluessel Verlauf(VerlaufSchluessel, KEY_READ);
        if (Verlauf.Offen())
            for (const TAlterWert& Wert : MitVerlauf(false))
                if (!AIni.ValueExists(Section, Wert.Name))
                    Verlauf.Kopieren(Wert, AIni);
    }

    void Bereinigen(const TMemIniFile& AIni) override {
        TMemIniFile Platte(AIni.FileName(), SystemDateisystem());
        Platte.LoadFromFile();
        Bereinige(EinstellungsSchluessel, true, AIni, Platte,
                  "Die alten Registry-Einstellungen konnten nicht bereinigt werden.");
        Bereinige(VerlaufSchluessel, false, AIni, Platte,
                  "Der alte Dateiverlauf konnte nicht bereinigt werden.");
    }
};

} // namespace

std::unique_ptr<TRegistryMigration> SystemRegistryMigration() {
    return std::make_unique<TWindowsRegistryMigration>();
}
