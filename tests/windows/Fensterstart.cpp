// Starts the window program as a user's older installation meets it and closes it as the system
// does when the user closes its window:
//
//   fensterstart.exe ORVANTO.EXE
//
// Before the start an autostart value named like the program is left under the machine-wide Run
// key, as older versions had it. The program is started, its main window with the empty
// calendar's title awaited until it is shown and enabled, and then WM_CLOSE is sent to it, what
// Alt+F4 and the close button end in. The message is sent, not posted: the call returns only
// after the window's own thread has handled it, so the close neither depends on the keyboard
// focus nor on how far the program has come. The program must then end with exit code 0, the
// Run value must be gone and the shortcut in the Startup folder there.
//
// One line per step; exit code 0 when everything held, else 1.

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

constexpr const wchar_t* Titel = L"KeinName - Orvanto V1.03";
constexpr const wchar_t* RunSchluessel = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Bounds against a hanging program, far above what a start or close takes on a loaded machine.
constexpr DWORD StartGrenzeMs = 120000;
constexpr DWORD SchliessGrenzeMs = 60000;
constexpr DWORD PruefabstandMs = 100;

bool Fehler(const char* AText) {
    std::printf("FAILED: %s\n", AText);
    return false;
}

// The file name without folder and extension.
std::wstring Programmname(const std::wstring& APfad) {
    const size_t Anfang = APfad.find_last_of(L"\\/") + 1;
    const size_t Punkt = APfad.rfind(L'.');
    return APfad.substr(Anfang,
                        Punkt == std::wstring::npos || Punkt < Anfang ? std::wstring::npos : Punkt - Anfang);
}

std::wstring Startverknuepfung(const std::wstring& AName) {
    wchar_t Ordner[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, Ordner)))
        return L"";
    return std::wstring(Ordner) + L"\\" + AName + L".lnk";
}

bool Vorhanden(const std::wstring& APfad) {
    return GetFileAttributesW(APfad.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RunWertSchreiben(const std::wstring& AName, const std::wstring& AWert) {
    HKEY Schluessel;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, RunSchluessel, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &Schluessel, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG Ergebnis =
        RegSetValueExW(Schluessel, AName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(AWert.c_str()),
                       static_cast<DWORD>((AWert.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(Schluessel);
    return Ergebnis == ERROR_SUCCESS;
}

bool RunWertDa(const std::wstring& AName) {
    return RegGetValueW(HKEY_LOCAL_MACHINE, RunSchluessel, AName.c_str(), RRF_RT_ANY, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

struct TSuche {
    DWORD Prozess;
    HWND Fenster;
};

BOOL CALLBACK FensterPruefen(HWND AFenster, LPARAM ASuche) {
    auto& Suche = *reinterpret_cast<TSuche*>(ASuche);
    DWORD Prozess = 0;
    GetWindowThreadProcessId(AFenster, &Prozess);
    wchar_t Text[64] = {};
    GetWindowTextW(AFenster, Text, 64);
    if (Prozess == Suche.Prozess && std::wstring(Text) == Titel && IsWindowVisible(AFenster) &&
        IsWindowEnabled(AFenster)) {
        Suche.Fenster = AFenster;
        return FALSE;
    }
    return TRUE;
}

// The program's main window once it is shown and takes input; nullptr when the program ended
// before or the bound passed.
HWND Hauptfenster(const PROCESS_INFORMATION& AProzess) {
    for (DWORD Gewartet = 0; Gewartet < StartGrenzeMs; Gewartet += PruefabstandMs) {
        TSuche Suche{AProzess.dwProcessId, nullptr};
        EnumWindows(FensterPruefen, reinterpret_cast<LPARAM>(&Suche));
        if (Suche.Fenster != nullptr)
            return Suche.Fenster;
        if (WaitForSingleObject(AProzess.hProcess, PruefabstandMs) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

// Closes the window and waits for the program to end; true when it ended with exit code 0.
bool Schliessen(const PROCESS_INFORMATION& AProzess, HWND AFenster) {
    DWORD_PTR Antwort = 0;
    if (SendMessageTimeoutW(AFenster, WM_CLOSE, 0, 0, SMTO_NORMAL, SchliessGrenzeMs, &Antwort) == 0 &&
        WaitForSingleObject(AProzess.hProcess, 0) != WAIT_OBJECT_0)
        return Fehler("the window did not handle WM_CLOSE within 60 s");
    std::printf("WM_CLOSE handled\n");
    if (WaitForSingleObject(AProzess.hProcess, SchliessGrenzeMs) != WAIT_OBJECT_0) {
        TerminateProcess(AProzess.hProcess, 1);
        return Fehler("still running 60 s after it handled WM_CLOSE");
    }
    DWORD Code = 1;
    GetExitCodeProcess(AProzess.hProcess, &Code);
    if (Code != 0) {
        std::printf("FAILED: exit code %lu after WM_CLOSE\n", Code);
        return false;
    }
    std::printf("ended with exit code 0\n");
    return true;
}

bool StartenUndSchliessen(const std::wstring& AProgramm) {
    std::wstring Befehlszeile = L"\"" + AProgramm + L"\"";
    STARTUPINFOW Start{};
    Start.cb = sizeof Start;
    PROCESS_INFORMATION Prozess{};
    if (!CreateProcessW(AProgramm.c_str(), Befehlszeile.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &Start, &Prozess))
        return Fehler("the program could not be started");
    bool Gut = false;
    if (HWND Fenster = Hauptfenster(Prozess)) {
        std::printf("window \"KeinName - Orvanto V1.03\" is up\n");
        Gut = Schliessen(Prozess, Fenster);
    } else if (WaitForSingleObject(Prozess.hProcess, 0) == WAIT_OBJECT_0) {
        Fehler("the program ended before its window was shown");
    } else {
        TerminateProcess(Prozess.hProcess, 1);
        Fehler("no window \"KeinName - Orvanto V1.03\" within 120 s");
    }
    CloseHandle(Prozess.hThread);
    CloseHandle(Prozess.hProcess);
    return Gut;
}

bool Pruefen(const std::wstring& AProgramm) {
    const std::wstring Name = Programmname(AProgramm);
    const std::wstring Verknuepfung = Startverknuepfung(Name);
    if (Verknuepfung.empty())
        return Fehler("no Startup folder");
    DeleteFileW(Verknuepfung.c_str());
    if (Vorhanden(Verknuepfung))
        return Fehler("an earlier Startup shortcut cannot be removed");
    if (!RunWertSchreiben(Name, L"\"" + AProgramm + L"\" /systemstartup"))
        return Fehler("the old autostart value cannot be written");
    if (!StartenUndSchliessen(AProgramm))
        return false;
    if (RunWertDa(Name))
        return Fehler("the old autostart value under the Run key is still there");
    if (!Vorhanden(Verknuepfung))
        return Fehler("no Startup shortcut in place of the old autostart value");
    std::printf("the old autostart value became the Startup shortcut\n");
    return true;
}

} // namespace

int main() {
    // Each line as it happens, also when the run is cut short.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    int Anzahl = 0;
    wchar_t** Argumente = CommandLineToArgvW(GetCommandLineW(), &Anzahl);
    if (Argumente == nullptr || Anzahl != 2) {
        std::printf("usage: fensterstart.exe ORVANTO.EXE\n");
        return 2;
    }
    const std::wstring Programm = Argumente[1];
    LocalFree(Argumente);
    const bool Gut = Pruefen(Programm);
    std::printf(Gut ? "window program: started and closed\n" : "window program: FAILED\n");
    return Gut ? 0 : 1;
}
