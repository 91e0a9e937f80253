#include "platform/linux/XdgOrdner.h"

#include <cstdlib>
#include <fstream>

namespace {

std::string Umgebung(const char* AName) {
    const char* Wert = std::getenv(AName);
    return Wert ? Wert : "";
}

std::string MitTrenner(std::string APfad) {
    if (!APfad.empty() && APfad.back() != '/')
        APfad += '/';
    return APfad;
}

// $XDG_CONFIG_HOME, or ~/.config; a relative setting is invalid and ignored.
std::string Konfiguration() {
    const std::string Xdg = Umgebung("XDG_CONFIG_HOME");
    if (!Xdg.empty() && Xdg.front() == '/')
        return MitTrenner(Xdg);
    const std::string Home = Umgebung("HOME");
    return Home.empty() ? "" : MitTrenner(Home) + ".config/";
}

// XDG_DOCUMENTS_DIR from user-dirs.dirs: a line XDG_DOCUMENTS_DIR="$HOME/Dokumente" or with an
// absolute path; "" when the file has none.
std::string DokumenteAusUserDirs(const std::string& AKonfiguration, const std::string& AHome) {
    std::ifstream Datei(AKonfiguration + "user-dirs.dirs");
    std::string Zeile;
    const std::string Schluessel = "XDG_DOCUMENTS_DIR=\"";
    while (std::getline(Datei, Zeile)) {
        if (Zeile.rfind(Schluessel, 0) != 0 || Zeile.size() < Schluessel.size() + 1 || Zeile.back() != '"')
            continue;
        std::string Wert = Zeile.substr(Schluessel.size(), Zeile.size() - Schluessel.size() - 1);
        if (Wert.rfind("$HOME", 0) == 0 && !AHome.empty())
            Wert = AHome + Wert.substr(5);
        if (!Wert.empty() && Wert.front() == '/')
            return MitTrenner(Wert);
    }
    return "";
}

} // namespace

std::string TXdgOrdner::GetSpecialFolder(TOrdnerArt AOrdner) const {
    const std::string Basis = Konfiguration();
    const std::string Home = Umgebung("HOME");
    switch (AOrdner) {
    case ofAnwendungsdaten:
        return Basis;
    case ofAutostart:
        return Basis.empty() ? "" : Basis + "autostart/";
    case ofDokumente: {
        const std::string Dokumente = Basis.empty() ? "" : DokumenteAusUserDirs(Basis, Home);
        if (!Dokumente.empty())
            return Dokumente;
        return Home.empty() ? "" : MitTrenner(Home) + "Documents/";
    }
    }
    return "";
}

std::unique_ptr<TSpezialOrdner> SystemSpezialOrdner() {
    return std::make_unique<TXdgOrdner>();
}
