// The calendar's file operations on Windows: the file is read while other writers are denied,
// and the finished temporary file replaces the target with a write-through move, so that the
// rename itself is on the disk when the move returns (no folder flush is needed).

#include <windows.h>

#include <vector>

#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"
#include "speech/windows/Utf16.h"

namespace {

[[noreturn]] void Fehlschlag(DWORD AFehler) {
    wchar_t* Text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, AFehler, 0, reinterpret_cast<wchar_t*>(&Text), 0, nullptr);
    std::wstring Meldung = Text != nullptr ? Text : L"";
    LocalFree(Text);
    while (!Meldung.empty() && (Meldung.back() == L'\r' || Meldung.back() == L'\n')) {
        Meldung.pop_back();
    }
    throw EBetriebssystemFehler(Utf16ZuUtf8(Meldung));
}

// A read-only file is not replaced behind the user's back (a move replaces it where the file
// system does not check the attribute).
void NichtSchreibgeschuetzt(const std::string& APfad) {
    const DWORD Attribute = GetFileAttributesW(Utf8ZuUtf16(APfad).c_str());
    if (Attribute != INVALID_FILE_ATTRIBUTES && (Attribute & FILE_ATTRIBUTE_READONLY) != 0) {
        Fehlschlag(ERROR_ACCESS_DENIED);
    }
}

class TWindowsDateisystem : public TDateisystem {
public:
    std::string LiesDatei(const std::string& APfad) override {
        std::uint64_t Groesse = 0;
        const int Handle = OeffneLesen(APfad, Groesse);
        std::string Inhalt;
        char Puffer[1 << 16];
        try {
            for (std::size_t n; (n = Lies(Handle, Puffer, sizeof Puffer)) > 0;) {
                Inhalt.append(Puffer, n);
            }
        } catch (...) {
            Schliesse(Handle);
            throw;
        }
        Schliesse(Handle);
        return Inhalt;
    }

    int OeffneLesen(const std::string& APfad, std::uint64_t& AGroesse) override {
        const HANDLE h =
            CreateFileW(Utf8ZuUtf16(APfad).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            Fehlschlag(GetLastError());
        }
        LARGE_INTEGER Groesse{};
        if (!GetFileSizeEx(h, &Groesse)) {
            const DWORD Fehler = GetLastError();
            CloseHandle(h);
            Fehlschlag(Fehler);
        }
        AGroesse = static_cast<std::uint64_t>(Groesse.QuadPart);
        Handles.push_back(h);
        return static_cast<int>(Handles.size() - 1);
    }

    std::size_t Lies(int AHandle, char* AZiel, std::size_t AAnzahl) override {
        std::size_t Gesamt = 0;
        while (Gesamt < AAnzahl) {
            const DWORD Teil =
                AAnzahl - Gesamt > (1u << 30) ? (1u << 30) : static_cast<DWORD>(AAnzahl - Gesamt);
            DWORD Gelesen = 0;
            if (!ReadFile(Handles[AHandle], AZiel + Gesamt, Teil, &Gelesen, nullptr)) {
                Fehlschlag(GetLastError());
            }
            if (Gelesen == 0) {
                break;
            }
            Gesamt += Gelesen;
        }
        return Gesamt;
    }

    bool Existiert(const std::string& APfad) override {
        const DWORD Attribute = GetFileAttributesW(Utf8ZuUtf16(APfad).c_str());
        return Attribute != INVALID_FILE_ATTRIBUTES && (Attribute & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    std::string VollerPfad(const std::string& APfad) override {
        const std::wstring Name = Utf8ZuUtf16(APfad);
        const DWORD n = GetFullPathNameW(Name.c_str(), 0, nullptr, nullptr);
        if (n == 0) {
            return APfad;
        }
        std::wstring Voll(n, L'\0');
        const DWORD m = GetFullPathNameW(Name.c_str(), n, Voll.data(), nullptr);
        Voll.resize(m);
        return Utf16ZuUtf8(Voll);
    }

    std::string Speicherziel(const std::string& APfad) override {
        const DWORD Attribute = GetFileAttributesW(Utf8ZuUtf16(APfad).c_str());
        if (Attribute != INVALID_FILE_ATTRIBUTES && (Attribute & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            throw EBetriebssystemFehler("Der angegebene Name ist ein Ordner, keine Datei.");
        }
        // Refused before the save makes anything: the old file's second name would share the
        // attribute, and a read-only file cannot be deleted.
        NichtSchreibgeschuetzt(APfad);
        return APfad;
    }

    int ErzeugeNeu(const std::string& APfad) override {
        const HANDLE h = CreateFileW(Utf8ZuUtf16(APfad).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            Fehlschlag(GetLastError());
        }
        Handles.push_back(h);
        return static_cast<int>(Handles.size() - 1);
    }

    void Schreibe(int AHandle, const char* ADaten, std::size_t AAnzahl) override {
        while (AAnzahl > 0) {
            const DWORD Teil = AAnzahl > (1u << 30) ? (1u << 30) : static_cast<DWORD>(AAnzahl);
            DWORD Geschrieben = 0;
            if (!WriteFile(Handles[AHandle], ADaten, Teil, &Geschrieben, nullptr)) {
                Fehlschlag(GetLastError());
            }
            ADaten += Geschrieben;
            AAnzahl -= Geschrieben;
        }
    }

    void Sichere(int AHandle) override {
        if (!FlushFileBuffers(Handles[AHandle])) {
            Fehlschlag(GetLastError());
        }
    }

    void Schliesse(int AHandle) override {
        const HANDLE h = Handles[AHandle];
        Handles[AHandle] = INVALID_HANDLE_VALUE;
        if (h != INVALID_HANDLE_VALUE && !CloseHandle(h)) {
            Fehlschlag(GetLastError());
        }
    }

    bool Verknuepfe(const std::string& AVorhanden, const std::string& ANeu) noexcept override {
        return CreateHardLinkW(Utf8ZuUtf16(ANeu).c_str(), Utf8ZuUtf16(AVorhanden).c_str(), nullptr) != 0;
    }

    void Umbenennen(const std::string& AQuelle, const std::string& AZiel) override {
        NichtSchreibgeschuetzt(AZiel);
        if (!MoveFileExW(Utf8ZuUtf16(AQuelle).c_str(), Utf8ZuUtf16(AZiel).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            Fehlschlag(GetLastError());
        }
    }

    // The write-through move is durable by itself.
    void OrdnerSichern(const std::string&) override {}

    void Entferne(const std::string& APfad) noexcept override { DeleteFileW(Utf8ZuUtf16(APfad).c_str()); }

    // A file that a running save has open cannot be removed on Windows, so no hold is needed.
    int Festhalten(const std::string&) noexcept override { return -1; }
    void Loslassen(int) noexcept override {}
    void EntferneWennFrei(const std::string& APfad) noexcept override { Entferne(APfad); }

    std::vector<std::string> Ordnerinhalt(const std::string& AOrdner) noexcept override {
        std::vector<std::string> Namen;
        WIN32_FIND_DATAW Daten{};
        const HANDLE h = FindFirstFileW(Utf8ZuUtf16(AOrdner + "\\*").c_str(), &Daten);
        if (h == INVALID_HANDLE_VALUE) {
            return Namen;
        }
        do {
            const std::wstring Name = Daten.cFileName;
            if (Name != L"." && Name != L"..") {
                Namen.push_back(Utf16ZuUtf8(Name));
            }
        } while (FindNextFileW(h, &Daten));
        FindClose(h);
        return Namen;
    }

private:
    std::vector<HANDLE> Handles;
};

} // namespace

TDateisystem& SystemDateisystem() {
    static TWindowsDateisystem Dateisystem;
    return Dateisystem;
}
