// The command channel on Windows: the string values "ProgramParameters", "ProgramSetFocus" and
// "ProgramClose" under the key HKEY_CURRENT_USER\Orvanto, which exists only while commands wait.

#include <windows.h>

#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "instance/TBefehlsKanal.h"
#include "speech/windows/Utf16.h"

namespace {

// A registry key closed at the end of its scope.
class TSchluessel {
public:
    TSchluessel() = default;
    ~TSchluessel() {
        if (FKey != nullptr) {
            RegCloseKey(FKey);
        }
    }
    TSchluessel(const TSchluessel&) = delete;
    TSchluessel& operator=(const TSchluessel&) = delete;
    HKEY* operator&() { return &FKey; }
    HKEY operator*() const { return FKey; }

private:
    HKEY FKey = nullptr;
};

class TRegistryKanal : public TBefehlsKanal {
public:
    explicit TRegistryKanal(const std::string& AAppName) {
        std::string Name = AAppName;
        if (!Name.empty() && Name.front() == '\\') {
            Name.erase(0, 1);
        }
        FName = Utf8ZuUtf16(Name);
    }

    bool Schreiben(const TRegistrySettings& ABefehl) override {
        if (ABefehl == TRegistrySettings{}) {
            return true;
        }
        TSchluessel Key;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, FName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &Key, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const std::pair<const wchar_t*, const std::string*> Werte[] = {
            {L"ProgramParameters", &ABefehl.Parameters},
            {L"ProgramSetFocus", &ABefehl.SetFocus},
            {L"ProgramClose", &ABefehl.Close},
        };
        for (const auto& [Name, Wert] : Werte) {
            if (Wert->empty()) {
                continue;
            }
            const std::wstring Text = Utf8ZuUtf16(*Wert);
            const DWORD Bytes = static_cast<DWORD>((Text.size() + 1) * sizeof(wchar_t));
            if (RegSetValueExW(*Key, Name, 0, REG_SZ, reinterpret_cast<const BYTE*>(Text.c_str()), Bytes) !=
                ERROR_SUCCESS) {
                return false;
            }
            FGeschrieben.push_back(Name);
        }
        return true;
    }

    bool Abgeholt() override {
        TSchluessel Key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, FName.c_str(), 0, KEY_QUERY_VALUE, &Key) != ERROR_SUCCESS) {
            return true;
        }
        for (const std::wstring& Name : FGeschrieben) {
            if (RegQueryValueExW(*Key, Name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
                return false;
            }
        }
        return true;
    }

    bool Zuruecknehmen() override {
        bool Genommen = false;
        TSchluessel Key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, FName.c_str(), 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &Key) ==
            ERROR_SUCCESS) {
            for (const std::wstring& Name : FGeschrieben) {
                Genommen = RegDeleteValueW(*Key, Name.c_str()) == ERROR_SUCCESS || Genommen;
            }
            KeyLoeschenWennLeer(*Key);
        }
        FGeschrieben.clear();
        return Genommen;
    }

    std::optional<TRegistrySettings> Lesen() override {
        TSchluessel Key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, FName.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &Key) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        TRegistrySettings Befehl;
        const std::pair<const wchar_t*, std::string*> Werte[] = {
            {L"ProgramParameters", &Befehl.Parameters},
            {L"ProgramSetFocus", &Befehl.SetFocus},
            {L"ProgramClose", &Befehl.Close},
        };
        bool Gefunden = false;
        for (const auto& [Name, Wert] : Werte) {
            DWORD Typ = 0;
            DWORD Bytes = 0;
            if (RegQueryValueExW(*Key, Name, nullptr, &Typ, nullptr, &Bytes) != ERROR_SUCCESS) {
                continue;
            }
            std::wstring Text(Bytes / sizeof(wchar_t) + 1, L'\0');
            const LSTATUS Status =
                RegQueryValueExW(*Key, Name, nullptr, &Typ, reinterpret_cast<BYTE*>(Text.data()), &Bytes);
            if (RegDeleteValueW(*Key, Name) != ERROR_SUCCESS || Status != ERROR_SUCCESS || Typ != REG_SZ) {
                return std::nullopt;
            }
            // The stored text may or may not end with its zero.
            Text.resize(wcsnlen(Text.c_str(), Bytes / sizeof(wchar_t)));
            *Wert = Utf16ZuUtf8(Text);
            Gefunden = true;
        }
        KeyLoeschenWennLeer(*Key);
        return Gefunden ? std::optional<TRegistrySettings>(Befehl) : std::nullopt;
    }

private:
    std::wstring FName;
    std::vector<std::wstring> FGeschrieben;

    // The key exists only while commands wait.
    void KeyLoeschenWennLeer(HKEY AKey) {
        DWORD Anzahl = 0;
        if (RegQueryInfoKeyW(AKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &Anzahl, nullptr,
                             nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
            Anzahl == 0) {
            RegDeleteKeyW(HKEY_CURRENT_USER, FName.c_str());
        }
    }
};

} // namespace

TKanalOeffnung SystemBefehlsKanal(const std::string& AAppName) {
    TKanalOeffnung Ergebnis;
    Ergebnis.Kanal = std::make_unique<TRegistryKanal>(AAppName);
    return Ergebnis;
}
