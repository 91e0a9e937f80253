// The command channel on Windows: the string values "ProgramParameters", "ProgramSetFocus" and
// "ProgramClose" under the key HKEY_CURRENT_USER\Orvanto, which exists only while commands wait.

#include <windows.h>

#include <cwchar>
#include <optional>
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
            FGeschrieben.emplace_back(Name, Text);
        }
        return true;
    }

    // A value counts as this object's while it holds the text it wrote: a newer writer's value
    // under the same name is not taken back.
    bool Abgeholt() override {
        TSchluessel Key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, FName.c_str(), 0, KEY_QUERY_VALUE, &Key) != ERROR_SUCCESS) {
            return true;
        }
        for (const auto& [Name, Text] : FGeschrieben) {
            if (WertLesen(*Key, Name.c_str()) == Text) {
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
            for (const auto& [Name, Text] : FGeschrieben) {
                if (WertLesen(*Key, Name.c_str()) == Text) {
                    Genommen = RegDeleteValueW(*Key, Name.c_str()) == ERROR_SUCCESS || Genommen;
                }
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
            const std::optional<std::wstring> Text = WertLesen(*Key, Name);
            if (!Text) {
                if (RegQueryValueExW(*Key, Name, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                    continue;
                }
                // A value of another type is no command: dropped.
                RegDeleteValueW(*Key, Name);
                return std::nullopt;
            }
            if (RegDeleteValueW(*Key, Name) != ERROR_SUCCESS) {
                return std::nullopt;
            }
            *Wert = Utf16ZuUtf8(*Text);
            Gefunden = true;
        }
        KeyLoeschenWennLeer(*Key);
        return Gefunden ? std::optional<TRegistrySettings>(Befehl) : std::nullopt;
    }

private:
    std::wstring FName;
    // The values this object wrote, with their texts.
    std::vector<std::pair<std::wstring, std::wstring>> FGeschrieben;

    // The text of a string value; nullopt when there is none or it is of another type.
    static std::optional<std::wstring> WertLesen(HKEY AKey, const wchar_t* AName) {
        DWORD Typ = 0;
        DWORD Bytes = 0;
        if (RegQueryValueExW(AKey, AName, nullptr, &Typ, nullptr, &Bytes) != ERROR_SUCCESS || Typ != REG_SZ) {
            return std::nullopt;
        }
        std::wstring Text(Bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(AKey, AName, nullptr, &Typ, reinterpret_cast<BYTE*>(Text.data()), &Bytes) !=
                ERROR_SUCCESS ||
            Typ != REG_SZ) {
            return std::nullopt;
        }
        // The stored text may or may not end with its zero.
        Text.resize(wcsnlen(Text.c_str(), Bytes / sizeof(wchar_t)));
        return Text;
    }

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
