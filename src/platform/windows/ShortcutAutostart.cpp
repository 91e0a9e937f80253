#include "platform/windows/ShortcutAutostart.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <filesystem>
#include <system_error>

#include "files/Utf8.h"
#include "speech/windows/Utf16.h"

namespace {

// COM for the calling thread for as long as the object lives, where the thread has none yet.
class TComBereich {
public:
    TComBereich() : FEigenes(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~TComBereich() {
        if (FEigenes)
            CoUninitialize();
    }
    TComBereich(const TComBereich&) = delete;
    TComBereich& operator=(const TComBereich&) = delete;

private:
    bool FEigenes;
};

// Releases a COM interface at the end of its scope.
template <typename T> class TSchnittstelle {
public:
    TSchnittstelle() = default;
    ~TSchnittstelle() {
        if (FZeiger != nullptr)
            FZeiger->Release();
    }
    TSchnittstelle(const TSchnittstelle&) = delete;
    TSchnittstelle& operator=(const TSchnittstelle&) = delete;
    void** Adresse() { return reinterpret_cast<void**>(&FZeiger); }
    T* operator->() const { return FZeiger; }

private:
    T* FZeiger = nullptr;
};

bool Vorhanden(const std::string& APfad) {
    return GetFileAttributesW(Utf8ZuUtf16(APfad).c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TShortcutAutostart::TShortcutAutostart(const std::string& AProgramm, const TSpezialOrdner& AOrdner)
    : FProgramm(AProgramm) {
    const std::string Ordner = AOrdner.GetSpecialFolder(ofAutostart);
    const std::string Name = PfadAlsUtf8(PfadAusUtf8(AProgramm).stem());
    if (!Ordner.empty() && !Name.empty())
        FPfad = Ordner + Name + ".lnk";
}

bool TShortcutAutostart::Vorhanden() const {
    return !FPfad.empty() && ::Vorhanden(FPfad);
}

// The shell writes the shortcut file as a whole. A missing Startup folder is made first, as the
// shell itself would make it for the user.
bool TShortcutAutostart::Anlegen() {
    if (FPfad.empty() || FProgramm.empty())
        return false;
    std::error_code Fehler;
    std::filesystem::create_directories(PfadAusUtf8(FPfad).parent_path(), Fehler);
    const TComBereich Com;
    TSchnittstelle<IShellLinkW> Verknuepfung;
    TSchnittstelle<IPersistFile> Datei;
    const std::wstring Programm = Utf8ZuUtf16(FProgramm);
    const std::wstring Ordner = Utf8ZuUtf16(PfadAlsUtf8(PfadAusUtf8(FProgramm).parent_path()));
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      Verknuepfung.Adresse())) &&
           SUCCEEDED(Verknuepfung->SetPath(Programm.c_str())) &&
           SUCCEEDED(Verknuepfung->SetArguments(L"/systemstartup")) &&
           SUCCEEDED(Verknuepfung->SetWorkingDirectory(Ordner.c_str())) &&
           SUCCEEDED(Verknuepfung->QueryInterface(IID_IPersistFile, Datei.Adresse())) &&
           SUCCEEDED(Datei->Save(Utf8ZuUtf16(FPfad).c_str(), TRUE));
}

bool TShortcutAutostart::Loeschen() {
    if (FPfad.empty())
        return true;
    DeleteFileW(Utf8ZuUtf16(FPfad).c_str());
    return !::Vorhanden(FPfad);
}

std::unique_ptr<TAutostart> SystemAutostart(const std::string& AProgramm, const TSpezialOrdner& AOrdner) {
    return std::make_unique<TShortcutAutostart>(AProgramm, AOrdner);
}
