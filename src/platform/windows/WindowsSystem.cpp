#include "platform/windows/WindowsSystem.h"

#include <windows.h>

#include "files/Utf8.h"
#include "model/Fehler.h"
#include "platform/Autostart.h"
#include "speech/windows/Utf16.h"

namespace {

constexpr const wchar_t* RunSchluessel = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);

} // namespace

// Looked up by name: systems without WOW64 do not export it and are never 64-bit hosts of us.
bool IsWindows64Bit() {
    HMODULE Kernel = GetModuleHandleW(L"kernel32.dll");
    const auto Funktion = Kernel ? reinterpret_cast<TIsWow64Process>(
                                       reinterpret_cast<void*>(GetProcAddress(Kernel, "IsWow64Process")))
                                 : nullptr;
    if (!Funktion)
        return false;
    BOOL Wow64 = FALSE;
    if (!Funktion(GetCurrentProcess(), &Wow64))
        throw EBetriebssystemFehler("IsWindows64Bit: bad process handle");
    return Wow64 != FALSE;
}

std::string ProgramFilesDir() {
    REGSAM Zugriff = KEY_READ;
    if (IsWindows64Bit())
        Zugriff |= KEY_WOW64_64KEY;
    HKEY Schluessel;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, Zugriff,
                      &Schluessel) != ERROR_SUCCESS)
        return "";
    wchar_t Puffer[MAX_PATH + 1] = {};
    DWORD Groesse = sizeof(Puffer) - sizeof(wchar_t);
    DWORD Typ = 0;
    const LONG Ergebnis = RegQueryValueExW(Schluessel, L"ProgramFilesDir", nullptr, &Typ,
                                           reinterpret_cast<BYTE*>(Puffer), &Groesse);
    RegCloseKey(Schluessel);
    if (Ergebnis != ERROR_SUCCESS || (Typ != REG_SZ && Typ != REG_EXPAND_SZ))
        return "";
    std::string Pfad = Utf16ZuUtf8(std::wstring(Puffer, wcsnlen(Puffer, MAX_PATH)));
    if (Pfad.empty())
        return "";
    if (Pfad.back() != '\\')
        Pfad += '\\';
    return Pfad;
}

bool RunKeyValueExists(const std::string& AName) {
    HKEY Schluessel;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, RunSchluessel, 0, KEY_READ, &Schluessel) != ERROR_SUCCESS)
        return false;
    const bool Vorhanden = RegQueryValueExW(Schluessel, Utf8ZuUtf16(AName).c_str(), nullptr, nullptr, nullptr,
                                            nullptr) == ERROR_SUCCESS;
    RegCloseKey(Schluessel);
    return Vorhanden;
}

void RunKeyValueDelete(const std::string& AName) {
    HKEY Schluessel;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, RunSchluessel, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_SET_VALUE, nullptr, &Schluessel, nullptr) != ERROR_SUCCESS)
        return;
    const std::wstring Name = Utf8ZuUtf16(AName);
    if (RegQueryValueExW(Schluessel, Name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        RegDeleteValueW(Schluessel, Name.c_str());
    RegCloseKey(Schluessel);
}

void AltenAutostartErsetzen(const std::string& AProgramm, TAutostart& AAutostart) {
    const std::string Name = PfadAlsUtf8(PfadAusUtf8(AProgramm).stem());
    if (Name.empty() || !RunKeyValueExists(Name))
        return;
    // Without the new entry the old value is kept: it still starts the program, and the next
    // start tries again.
    if (AAutostart.Anlegen())
        RunKeyValueDelete(Name);
}
