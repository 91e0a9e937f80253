// The user's special folders on Windows, as the shell knows them.

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "platform/SpezialOrdner.h"
#include "speech/windows/Utf16.h"

namespace {

// A path the shell hands out and that must be freed with CoTaskMemFree.
std::string Ordnerpfad(REFKNOWNFOLDERID AOrdner) {
    wchar_t* Pfad = nullptr;
    const HRESULT hr = SHGetKnownFolderPath(AOrdner, KF_FLAG_DEFAULT, nullptr, &Pfad);
    const std::string Ergebnis = SUCCEEDED(hr) && Pfad != nullptr ? Utf16ZuUtf8(Pfad) : "";
    CoTaskMemFree(Pfad);
    if (Ergebnis.empty() || Ergebnis.back() == '\\')
        return Ergebnis;
    return Ergebnis + '\\';
}

class TWindowsSpezialOrdner : public TSpezialOrdner {
public:
    std::string GetSpecialFolder(TOrdnerArt AOrdner) const override {
        switch (AOrdner) {
        case ofDokumente:
            return Ordnerpfad(FOLDERID_Documents);
        case ofAutostart:
            return Ordnerpfad(FOLDERID_Startup);
        case ofAnwendungsdaten:
            return Ordnerpfad(FOLDERID_RoamingAppData);
        }
        return "";
    }
};

} // namespace

std::unique_ptr<TSpezialOrdner> SystemSpezialOrdner() {
    return std::make_unique<TWindowsSpezialOrdner>();
}
