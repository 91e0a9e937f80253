#include "platform/windows/WindowsProgrammStart.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/windows/WindowsSystem.h"
#include "speech/windows/Utf16.h"

namespace {

std::string Umgebungswert(const wchar_t* AName) {
    const DWORD n = GetEnvironmentVariableW(AName, nullptr, 0);
    if (n == 0)
        return "";
    std::wstring Wert(n, L'\0');
    const DWORD m = GetEnvironmentVariableW(AName, Wert.data(), n);
    Wert.resize(m < n ? m : 0);
    return Utf16ZuUtf8(Wert);
}

std::string MitTrenner(const std::string& AOrdner) {
    return AOrdner.empty() || AOrdner.back() == '\\' || AOrdner.back() == '/' ? AOrdner : AOrdner + '\\';
}

bool IstDatei(const std::string& APfad) {
    const DWORD Attribute = GetFileAttributesW(Utf8ZuUtf16(APfad).c_str());
    return Attribute != INVALID_FILE_ATTRIBUTES && (Attribute & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The first folder of the ";"-separated list that holds the file, with the file's name.
std::string Suchen(const std::string& AName, const std::string& AOrdnerListe) {
    std::size_t Anfang = 0;
    while (Anfang <= AOrdnerListe.size()) {
        std::size_t Ende = AOrdnerListe.find(';', Anfang);
        if (Ende == std::string::npos)
            Ende = AOrdnerListe.size();
        const std::string Ordner = AOrdnerListe.substr(Anfang, Ende - Anfang);
        if (!Ordner.empty() && IstDatei(MitTrenner(Ordner) + AName))
            return MitTrenner(Ordner) + AName;
        Anfang = Ende + 1;
    }
    return "";
}

std::string InAnfuehrung(const std::string& AText) {
    return AText.find(' ') != std::string::npos ? "\"" + AText + "\"" : AText;
}

const wchar_t* OderNichts(const std::wstring& AText) {
    return AText.empty() ? nullptr : AText.c_str();
}

// Brings the window to the front, past the system's foreground lock where it must.
bool ForceForegroundWindow(HWND AFenster) {
    if (IsIconic(AFenster))
        ShowWindow(AFenster, SW_RESTORE);
    const HWND Vorne = GetForegroundWindow();
    if (Vorne == AFenster)
        return true;
    const DWORD Eigener = GetWindowThreadProcessId(AFenster, nullptr);
    const DWORD Vordergrund = Vorne != nullptr ? GetWindowThreadProcessId(Vorne, nullptr) : 0;
    if (Vordergrund != 0 && Vordergrund != Eigener && AttachThreadInput(Eigener, Vordergrund, TRUE)) {
        BringWindowToTop(AFenster);
        SetForegroundWindow(AFenster);
        AttachThreadInput(Eigener, Vordergrund, FALSE);
    }
    if (GetForegroundWindow() == AFenster)
        return true;
    DWORD Sperrzeit = 0;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &Sperrzeit, 0);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
    BringWindowToTop(AFenster);
    SetForegroundWindow(AFenster);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<void*>(static_cast<UINT_PTR>(Sperrzeit)), SPIF_SENDCHANGE);
    return GetForegroundWindow() == AFenster;
}

// The title of an editor window that shows the file, "" for none: WordPad's, Notepad's,
// Notepad's with unsaved changes.
std::wstring EditorTitel(const std::string& AName) {
    for (const std::string& Titel : {AName + " - WordPad", AName + " - Editor", "*" + AName + " - Editor"}) {
        if (FindWindowW(nullptr, Utf8ZuUtf16(Titel).c_str()) != nullptr)
            return Utf8ZuUtf16(Titel);
    }
    return L"";
}

std::string NameOhneOrdner(const std::string& APfad) {
    const std::size_t Trenner = APfad.find_last_of("\\/:");
    return Trenner == std::string::npos ? APfad : APfad.substr(Trenner + 1);
}

} // namespace

std::string TWindowsProgrammStart::Notepad(const std::string& ASystemRoot, const std::string& APath) {
    if (!ASystemRoot.empty()) {
        const std::string Pfad = MitTrenner(ASystemRoot) + "System32\\notepad.exe";
        if (IstDatei(Pfad))
            return Pfad;
    }
    return Suchen("notepad.exe", APath);
}

std::string TWindowsProgrammStart::WordPad(const std::string& AProgramFiles, const std::string& APath,
                                           const std::string& AProgramFilesDir) {
    if (!AProgramFiles.empty()) {
        const std::string Pfad = MitTrenner(AProgramFiles) + "Windows NT\\Accessories\\wordpad.exe";
        if (IstDatei(Pfad))
            return Pfad;
    }
    std::string Ordner = "c:\\Program Files (x86)\\Windows Nt\\Accessories\\;" + APath;
    if (!AProgramFilesDir.empty()) {
        const std::string p = MitTrenner(AProgramFilesDir);
        Ordner += ";" + p + "Windows Nt\\Zubehör\\;" + p + "Windows Nt\\Accessories\\;" + p + "Zubehör\\";
    }
    return Suchen("WordPad.exe", Ordner);
}

std::string TWindowsProgrammStart::Befehlszeile(const std::string& AProgram, const std::string& AFile,
                                                const std::string& AParameters) {
    return InAnfuehrung(AProgram) + " " + InAnfuehrung(AFile) + " " + AParameters;
}

void TWindowsProgrammStart::ShellRun(const std::string& AFile, const std::string& AParameters,
                                     const std::string& AOperation, const std::string& AFolder) {
    const std::wstring Operation = Utf8ZuUtf16(AOperation);
    const std::wstring Parameter = Utf8ZuUtf16(AParameters);
    const std::wstring Ordner = Utf8ZuUtf16(AFolder);
    ShellExecuteW(nullptr, OderNichts(Operation), Utf8ZuUtf16(AFile).c_str(), OderNichts(Parameter),
                  OderNichts(Ordner), SW_SHOWNORMAL);
}

bool TWindowsProgrammStart::RunAndWait(const std::string& AFile, std::int64_t& AExitCode,
                                       const std::string& AProgram, std::int32_t ATimeoutMs, bool AHidden,
                                       const std::string& AFolder, const std::string& AParameters) {
    const std::wstring Ordner = Utf8ZuUtf16(AFolder);
    std::string Programm = AProgram;
    if (Programm.empty()) {
        wchar_t Gefunden[MAX_PATH] = {};
        const auto Ergebnis = reinterpret_cast<INT_PTR>(
            FindExecutableW(Utf8ZuUtf16(AFile).c_str(), OderNichts(Ordner), Gefunden));
        if (Ergebnis <= 32) {
            AExitCode = Ergebnis;
            return false;
        }
        Programm = Utf16ZuUtf8(Gefunden);
    }
    std::wstring Zeile = Utf8ZuUtf16(Befehlszeile(Programm, AFile, AParameters));
    STARTUPINFOW Start{};
    Start.cb = sizeof Start;
    Start.dwFlags = STARTF_USESHOWWINDOW;
    Start.wShowWindow = AHidden ? SW_HIDE : SW_SHOWNORMAL;
    PROCESS_INFORMATION Prozess{};
    if (!CreateProcessW(nullptr, Zeile.data(), nullptr, nullptr, FALSE, 0, nullptr, OderNichts(Ordner),
                        &Start, &Prozess)) {
        AExitCode = GetLastError();
        return false;
    }
    CloseHandle(Prozess.hThread);
    const ULONGLONG Anfang = GetTickCount64();
    const auto Grenze = static_cast<std::uint32_t>(ATimeoutMs);
    bool Beendet = WaitForSingleObject(Prozess.hProcess, 25) == WAIT_OBJECT_0;
    while (!Beendet && GetTickCount64() - Anfang <= Grenze)
        Beendet = WaitForSingleObject(Prozess.hProcess, 25) == WAIT_OBJECT_0;
    DWORD Code = 0;
    // Still running: it goes on without us; its exit code is not known.
    AExitCode = Beendet && GetExitCodeProcess(Prozess.hProcess, &Code) ? static_cast<std::int64_t>(Code) : -1;
    CloseHandle(Prozess.hProcess);
    return Beendet && AExitCode == 0;
}

bool TWindowsProgrammStart::OpenTextInEditor(const std::string& AFileName, bool AWait) {
    if (!IstDatei(AFileName))
        return false;
    const std::string Path = Umgebungswert(L"path");
    const std::string Notepad = TWindowsProgrammStart::Notepad(Umgebungswert(L"SystemRoot"), Path);
    const std::string WordPad =
        TWindowsProgrammStart::WordPad(Umgebungswert(L"ProgramFiles"), Path, ProgramFilesDir());
    if (const std::wstring Titel = EditorTitel(NameOhneOrdner(AFileName)); !Titel.empty()) {
        ForceForegroundWindow(FindWindowW(nullptr, Titel.c_str()));
        while (AWait && FindWindowW(nullptr, Titel.c_str()) != nullptr)
            Sleep(10);
        return true;
    }
    // Without an editor the file opens with its associated program.
    const std::string Editor = !WordPad.empty() ? WordPad : Notepad;
    std::int64_t ExitCode = 0;
    if (AWait)
        return RunAndWait(AFileName, ExitCode, Editor, -1, false, "", "");
    if (Editor.empty())
        ShellRun(AFileName, "", "open", "");
    else
        ShellRun(Editor, InAnfuehrung(AFileName), "open", "");
    return true;
}

std::unique_ptr<TProgrammStart> SystemProgrammStart() {
    return std::make_unique<TWindowsProgrammStart>();
}
