#include "instance/linux/TOrdnerKanal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/linux/TDateiSperre.h"

namespace {

constexpr const char* Vorspann = "Der Ordner für Befehle an das laufende Orvanto ";
constexpr const char* Genommen = ".genommen.";

// A file descriptor closed at the end of its scope.
class THandle {
public:
    explicit THandle(int AHandle) : FHandle(AHandle) {}
    ~THandle() {
        if (FHandle >= 0) {
            close(FHandle);
        }
    }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    int operator*() const { return FHandle; }

private:
    int FHandle;
};

// Opens the folder for the channel's work, or says in German why it may not be used.
int OrdnerOeffnen(const std::string& AOrdner, std::string* AFehler = nullptr) {
    const auto Fehler = [&](const std::string& AText) {
        if (AFehler != nullptr) {
            *AFehler = Vorspann + AText + ": " + AOrdner;
        }
        return -1;
    };
    if (mkdir(AOrdner.c_str(), 0700) != 0 && errno != EEXIST) {
        return Fehler("konnte nicht angelegt werden");
    }
    struct stat Info {};
    if (lstat(AOrdner.c_str(), &Info) != 0) {
        return Fehler("konnte nicht angelegt werden");
    }
    if (S_ISLNK(Info.st_mode)) {
        return Fehler("ist eine Verknüpfung und wird nicht benutzt");
    }
    if (!S_ISDIR(Info.st_mode)) {
        return Fehler("ist kein Ordner");
    }
    const int Handle = open(AOrdner.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (Handle < 0) {
        return Fehler("kann nicht geöffnet werden");
    }
    // Checked on the opened folder itself, so it cannot be swapped after the check.
    if (fstat(Handle, &Info) != 0 || Info.st_uid != geteuid()) {
        close(Handle);
        return Fehler("gehört einem anderen Benutzer und wird nicht benutzt");
    }
    if ((Info.st_mode & 077) != 0) {
        close(Handle);
        return Fehler("ist auch anderen Benutzern zugänglich und wird nicht benutzt");
    }
    return Handle;
}

// Reads the value file that was renamed to AName, then removes it. False when it may not be used
// (a link, not a regular file, someone else's, too large) or cannot be read.
bool GenommenLesen(int AOrdnerHandle, const std::string& AName, std::string& AWert) {
    const THandle Datei(openat(AOrdnerHandle, AName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (unlinkat(AOrdnerHandle, AName.c_str(), 0) != 0 && errno == EISDIR) {
        unlinkat(AOrdnerHandle, AName.c_str(), AT_REMOVEDIR);
    }
    struct stat Info {};
    if (*Datei < 0 || fstat(*Datei, &Info) != 0 || !S_ISREG(Info.st_mode) || Info.st_uid != geteuid() ||
        Info.st_size > TOrdnerKanal::MaxWertGroesse) {
        return false;
    }
    AWert.resize(static_cast<size_t>(Info.st_size));
    size_t Gelesen = 0;
    while (Gelesen < AWert.size()) {
        const ssize_t n = read(*Datei, AWert.data() + Gelesen, AWert.size() - Gelesen);
        if (n <= 0) {
            return false;
        }
        Gelesen += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

TKanalOeffnung TOrdnerKanal::Oeffnen(const std::string& AOrdner) {
    TKanalOeffnung Ergebnis;
    if (AOrdner.empty()) {
        Ergebnis.Fehler = "Es gibt keinen Ordner für Befehle an das laufende Orvanto: weder XDG_RUNTIME_DIR "
                          "noch ein Cache-Ordner ist bekannt.";
        return Ergebnis;
    }
    const int Handle = OrdnerOeffnen(AOrdner, &Ergebnis.Fehler);
    if (Handle >= 0) {
        close(Handle);
        Ergebnis.Kanal.reset(new TOrdnerKanal(AOrdner));
    }
    return Ergebnis;
}

bool TOrdnerKanal::WertSchreiben(int AOrdnerHandle, const char* AName, const std::string& AWert) {
    static std::atomic<unsigned> Zaehler{0};
    const std::string Temp =
        ".neu." + std::to_string(getpid()) + "." + std::to_string(Zaehler++) + "." + AName;
    const THandle Datei(
        openat(AOrdnerHandle, Temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (*Datei < 0) {
        return false;
    }
    size_t Geschrieben = 0;
    struct stat Info {};
    while (Geschrieben < AWert.size()) {
        const ssize_t n = write(*Datei, AWert.data() + Geschrieben, AWert.size() - Geschrieben);
        if (n <= 0) {
            break;
        }
        Geschrieben += static_cast<size_t>(n);
    }
    if (Geschrieben < AWert.size() || fstat(*Datei, &Info) != 0 ||
        renameat(AOrdnerHandle, Temp.c_str(), AOrdnerHandle, AName) != 0) {
        unlinkat(AOrdnerHandle, Temp.c_str(), 0);
        return false;
    }
    FGeschrieben.emplace_back(AName, Info.st_ino);
    return true;
}

bool TOrdnerKanal::Schreiben(const TRegistrySettings& ABefehl) {
    const std::pair<const char*, const std::string*> Werte[] = {
        {ProgramParameters, &ABefehl.Parameters},
        {ProgramSetFocus, &ABefehl.SetFocus},
        {ProgramClose, &ABefehl.Close},
    };
    if (ABefehl == TRegistrySettings{}) {
        return true;
    }
    const THandle Ordner(OrdnerOeffnen(FOrdner));
    if (*Ordner < 0) {
        return false;
    }
    for (const auto& [Name, Wert] : Werte) {
        if (!Wert->empty() && !WertSchreiben(*Ordner, Name, *Wert)) {
            return false;
        }
    }
    return true;
}

bool TOrdnerKanal::Abgeholt() {
    const THandle Ordner(OrdnerOeffnen(FOrdner));
    if (*Ordner < 0) {
        return false;
    }
    for (const auto& [Name, Inode] : FGeschrieben) {
        struct stat Info {};
        if (fstatat(*Ordner, Name.c_str(), &Info, AT_SYMLINK_NOFOLLOW) == 0 && Info.st_ino == Inode) {
            return false;
        }
    }
    return true;
}

bool TOrdnerKanal::Zuruecknehmen() {
    const THandle Ordner(OrdnerOeffnen(FOrdner));
    bool Genommen = false;
    for (const auto& [Name, Inode] : FGeschrieben) {
        struct stat Info {};
        if (*Ordner >= 0 && fstatat(*Ordner, Name.c_str(), &Info, AT_SYMLINK_NOFOLLOW) == 0 &&
            Info.st_ino == Inode && unlinkat(*Ordner, Name.c_str(), 0) == 0) {
            Genommen = true;
        }
    }
    FGeschrieben.clear();
    return Genommen;
}

std::optional<TRegistrySettings> TOrdnerKanal::Lesen() {
    const THandle Ordner(OrdnerOeffnen(FOrdner));
    if (*Ordner < 0) {
        return std::nullopt;
    }
    TRegistrySettings Befehl;
    const std::pair<const char*, std::string*> Werte[] = {
        {ProgramParameters, &Befehl.Parameters},
        {ProgramSetFocus, &Befehl.SetFocus},
        {ProgramClose, &Befehl.Close},
    };
    bool Gefunden = false;
    for (const auto& [Name, Wert] : Werte) {
        const std::string Weg = std::string(Genommen) + Name;
        if (renameat(*Ordner, Name, *Ordner, Weg.c_str()) != 0) {
            continue;
        }
        if (GenommenLesen(*Ordner, Weg, *Wert)) {
            Gefunden = true;
        } else {
            Wert->clear();
        }
    }
    return Gefunden ? std::optional<TRegistrySettings>(Befehl) : std::nullopt;
}

std::string KanalOrdner(const std::string& AAppName) {
    for (const TSperrOrt& Ort : SperrOrte()) {
        std::error_code Fehler;
        if (Ort.AnlegenS) {
            // The program's own folder in the cache folder, where the lock lies too.
            std::filesystem::create_directories(std::filesystem::path(Ort.Ordner).parent_path(), Fehler);
            return Ort.Ordner;
        }
        if (std::filesystem::is_directory(Ort.Ordner, Fehler)) {
            return Ort.Ordner + "/" + AAppName;
        }
    }
    return "";
}

TKanalOeffnung SystemBefehlsKanal(const std::string& AAppName) {
    return TOrdnerKanal::Oeffnen(KanalOrdner(AAppName));
}
