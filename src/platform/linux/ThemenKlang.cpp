#include "platform/linux/ThemenKlang.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "model/Fehler.h"
#include "platform/linux/GstMediaPlayer.h"

namespace {

namespace fs = std::filesystem;

std::string AliasZuEreignis(const std::string& AAlias) {
    if (AAlias == "SystemExclamation")
        return "dialog-warning";
    if (AAlias == "SystemHand" || AAlias == "SystemCriticalStop")
        return "dialog-error";
    if (AAlias == "SystemAsterisk")
        return "dialog-information";
    if (AAlias == "SystemQuestion")
        return "dialog-question";
    if (AAlias == "SystemDefault" || AAlias == ".Default")
        return "bell";
    return "";
}

std::vector<std::string> Datenordner() {
    std::vector<std::string> Ordner;
    const char* Home = std::getenv("HOME");
    const char* DataHome = std::getenv("XDG_DATA_HOME");
    if (DataHome && *DataHome == '/')
        Ordner.push_back(DataHome);
    else if (Home && *Home)
        Ordner.push_back(std::string(Home) + "/.local/share");
    const char* Dirs = std::getenv("XDG_DATA_DIRS");
    std::string Liste = Dirs && *Dirs ? Dirs : "/usr/local/share:/usr/share";
    std::size_t Anfang = 0;
    while (Anfang <= Liste.size()) {
        std::size_t Ende = Liste.find(':', Anfang);
        if (Ende == std::string::npos)
            Ende = Liste.size();
        if (Ende > Anfang && Liste[Anfang] == '/')
            Ordner.push_back(Liste.substr(Anfang, Ende - Anfang));
        Anfang = Ende + 1;
    }
    return Ordner;
}

} // namespace

TThemenKlang::TThemenKlang(std::unique_ptr<TMediaPlayer> APlayer) : FPlayer(std::move(APlayer)) {}

std::string TThemenKlang::EreignisDatei(const std::string& AEreignis) {
    if (AEreignis.empty())
        return "";
    std::error_code f;
    for (const std::string& Ordner : Datenordner())
        for (const char* Endung : {".oga", ".ogg", ".wav"}) {
            const fs::path Datei = fs::path(Ordner) / "sounds/freedesktop/stereo" / (AEreignis + Endung);
            if (fs::is_regular_file(Datei, f))
                return Datei.string();
        }
    return "";
}

bool TThemenKlang::PlaySystemSound(const std::string& AAlias) {
    return Spielen(AliasZuEreignis(AAlias));
}

// The theme's bell; a desktop without one stays silent, which a beep cannot report anyway.
bool TThemenKlang::SignalBeep() {
    Spielen("bell");
    return true;
}

bool TThemenKlang::Spielen(const std::string& AEreignis) {
    const std::string Datei = EreignisDatei(AEreignis);
    if (Datei.empty())
        return false;
    try {
        FPlayer->Open(Datei);
        FPlayer->Play();
        return true;
    } catch (const EFehler&) {
        return false;
    }
}

std::unique_ptr<TSystemKlang> SystemKlang() {
    return std::make_unique<TThemenKlang>(std::make_unique<TGstMediaPlayer>());
}
