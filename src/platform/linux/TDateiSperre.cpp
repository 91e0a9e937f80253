#include "platform/linux/TDateiSperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// An absolute path from the environment, or "".
std::string AbsoluterPfad(const char* AName) {
    const char* Wert = std::getenv(AName);
    return Wert != nullptr && Wert[0] == '/' ? Wert : "";
}

bool OrdnerAnlegen(const std::string& AOrdner) {
    std::error_code Fehler;
    const std::filesystem::path Ordner(AOrdner);
    if (std::filesystem::create_directories(Ordner, Fehler)) {
        std::filesystem::permissions(Ordner, std::filesystem::perms::owner_all, Fehler);
    }
    return std::filesystem::is_directory(Ordner, Fehler);
}

} // namespace

std::vector<TSperrOrt> SperrOrte() {
    std::vector<TSperrOrt> Orte;
    if (const std::string Laufzeit = AbsoluterPfad("XDG_RUNTIME_DIR"); !Laufzeit.empty()) {
        Orte.push_back({Laufzeit, false});
    }
    std::string Cache = AbsoluterPfad("XDG_CACHE_HOME");
    if (Cache.empty()) {
        const std::string Home = AbsoluterPfad("HOME");
        Cache = Home.empty() ? "" : Home + "/.cache";
    }
    if (!Cache.empty()) {
        Orte.push_back({Cache + "/Orvanto", true});
    }
    return Orte;
}

TDateiSperre::TDateiSperre(const std::vector<TSperrOrt>& AOrte, const std::string& AName) {
    for (const TSperrOrt& Ort : AOrte) {
        if (Versuchen(Ort, AName)) {
            return;
        }
    }
}

TDateiSperre::~TDateiSperre() {
    if (FHandle >= 0) {
        close(FHandle);
    }
}

bool TDateiSperre::Versuchen(const TSperrOrt& AOrt, const std::string& AName) {
    if (AOrt.AnlegenS && !OrdnerAnlegen(AOrt.Ordner)) {
        return false;
    }
    const std::string Datei = AOrt.Ordner + "/" + AName;
    // Never through a link, and never waiting on a FIFO someone put there.
    const int Handle = open(Datei.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (Handle < 0) {
        return false;
    }
    struct stat Info {};
    if (fstat(Handle, &Info) != 0 || !S_ISREG(Info.st_mode) || Info.st_uid != geteuid()) {
        close(Handle);
        return false;
    }
    // Nobody else may take our lock file from us.
    if ((Info.st_mode & 077) != 0) {
        fchmod(Handle, 0600);
    }
    if (flock(Handle, LOCK_EX | LOCK_NB) != 0) {
        const bool BelegtS = errno == EWOULDBLOCK;
        close(Handle);
        if (!BelegtS) {
            return false;
        }
        FZustand = szBelegt;
        FDatei = Datei;
        return true;
    }
    FHandle = Handle;
    FZustand = szGehalten;
    FDatei = Datei;
    return true;
}

std::unique_ptr<TInstanzSperre> SystemInstanzSperre(const std::string& AName) {
    return std::make_unique<TDateiSperre>(SperrOrte(), AName);
}
