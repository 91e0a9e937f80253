// The calendar's file operations on Linux. A replacing save is made durable by flushing the new
// file before the rename and the folder after it, which is what a write-through move does on
// Windows.

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <vector>

#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"
#include "platform/Systemfehlertext.h"

namespace {

[[noreturn]] void Fehlschlag(int AFehler) {
    throw EBetriebssystemFehler(Systemfehlertext(AFehler));
}

// A pipe, socket or device where a calendar or settings file is expected.
[[noreturn]] void KeineGewoehnlicheDatei() {
    throw EBetriebssystemFehler("Der Name bezeichnet keine gewöhnliche Datei.");
}

// Refuses what stat found when it is no regular file.
void GewoehnlicheDatei(const struct stat& AInfo) {
    if (S_ISDIR(AInfo.st_mode)) {
        Fehlschlag(EISDIR);
    }
    if (!S_ISREG(AInfo.st_mode)) {
        KeineGewoehnlicheDatei();
    }
}

// Another process holding an exclusive lock on the file is writing it.
void NichtGesperrt(int AHandle, int AArt) {
    if (flock(AHandle, AArt | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        Fehlschlag(EWOULDBLOCK);
    }
}

// Reads up to AAnzahl bytes; fewer only at the end of the file.
std::size_t Lesen(int AHandle, char* AZiel, std::size_t AAnzahl) {
    std::size_t Gelesen = 0;
    while (Gelesen < AAnzahl) {
        const ssize_t n = read(AHandle, AZiel + Gelesen, AAnzahl - Gelesen);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            Fehlschlag(errno);
        }
        if (n == 0) {
            break;
        }
        Gelesen += static_cast<std::size_t>(n);
    }
    return Gelesen;
}

// As many links in a row as the system itself follows before it reports a loop.
constexpr int MaxVerweise = 40;

class TLinuxDateisystem : public TDateisystem {
public:
    // A write beyond the file-size limit (ulimit -f) would end the process by a signal; ignored,
    // the write fails with EFBIG instead and the save reports it like a full disk.
    TLinuxDateisystem() { signal(SIGXFSZ, SIG_IGN); }

    std::string LiesDatei(const std::string& APfad) override {
        std::uint64_t Groesse = 0;
        const int fd = OeffneLesen(APfad, Groesse);
        try {
            std::string Inhalt(static_cast<std::size_t>(Groesse), '\0');
            std::size_t Gelesen = Lesen(fd, Inhalt.data(), Inhalt.size());
            // A file that grew since it was opened is read to its end as well.
            char Mehr[65536];
            for (std::size_t n; Gelesen == Inhalt.size() && (n = Lesen(fd, Mehr, sizeof Mehr)) > 0;) {
                Inhalt.append(Mehr, n);
                Gelesen += n;
            }
            Inhalt.resize(Gelesen);
            close(fd);
            return Inhalt;
        } catch (const std::bad_alloc&) {
            close(fd);
            Fehlschlag(ENOMEM);
        } catch (...) {
            close(fd);
            throw;
        }
    }

    int OeffneLesen(const std::string& APfad, std::uint64_t& AGroesse) override {
        // Without blocking: a pipe or device under the name must not hang the program.
        const int fd = open(APfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            Fehlschlag(errno);
        }
        try {
            NichtGesperrt(fd, LOCK_SH);
            struct stat Info {};
            if (fstat(fd, &Info) != 0) {
                Fehlschlag(errno);
            }
            GewoehnlicheDatei(Info);
            AGroesse = static_cast<std::uint64_t>(Info.st_size);
            return fd;
        } catch (...) {
            close(fd);
            throw;
        }
    }

    std::size_t Lies(int AHandle, char* AZiel, std::size_t AAnzahl) override {
        return Lesen(AHandle, AZiel, AAnzahl);
    }

    bool Existiert(const std::string& APfad) override {
        struct stat Info {};
        return stat(APfad.c_str(), &Info) == 0 && !S_ISDIR(Info.st_mode);
    }

    std::string VollerPfad(const std::string& APfad) override {
        std::error_code Fehler;
        const std::filesystem::path p = std::filesystem::absolute(APfad, Fehler);
        return Fehler ? APfad : p.lexically_normal().string();
    }

    // A symbolic link is followed to the file it names, link by link, so that the link stays and
    // the file it names is replaced in its own folder; a link to a file that does not exist yet
    // names a new file there.
    std::string Speicherziel(const std::string& APfad) override {
        std::filesystem::path Pfad = APfad;
        for (int Verweise = 0; Verweise <= MaxVerweise; ++Verweise) {
            struct stat Info {};
            if (lstat(Pfad.c_str(), &Info) != 0) {
                if (errno == ENOENT) {
                    return Pfad.string();
                }
                Fehlschlag(errno);
            }
            if (!S_ISLNK(Info.st_mode)) {
                GewoehnlicheDatei(Info);
                return Pfad.string();
            }
            std::error_code Fehler;
            const std::filesystem::path Verweis = std::filesystem::read_symlink(Pfad, Fehler);
            if (Fehler) {
                Fehlschlag(Fehler.value());
            }
            // A relative link counts from the folder it lies in; an absolute one replaces the path.
            Pfad = Pfad.parent_path() / Verweis;
        }
        Fehlschlag(ELOOP);
    }

    int ErzeugeNeu(const std::string& APfad) override {
        const int fd = open(APfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            Fehlschlag(errno);
        }
        return fd;
    }

    void Schreibe(int AHandle, const char* ADaten, std::size_t AAnzahl) override {
        while (AAnzahl > 0) {
            const ssize_t n = write(AHandle, ADaten, AAnzahl);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                Fehlschlag(errno);
            }
            ADaten += n;
            AAnzahl -= static_cast<std::size_t>(n);
        }
        // Start writing what is there to the disk now, without waiting, so that the flush at the
        // end of a large save finds little left to do.
        sync_file_range(AHandle, 0, 0, SYNC_FILE_RANGE_WRITE);
    }

    void Sichere(int AHandle) override {
        if (fsync(AHandle) != 0) {
            Fehlschlag(errno);
        }
    }

    void Schliesse(int AHandle) override {
        if (close(AHandle) != 0 && errno != EINTR) {
            Fehlschlag(errno);
        }
    }

    bool Verknuepfe(const std::string& AVorhanden, const std::string& ANeu) noexcept override {
        return link(AVorhanden.c_str(), ANeu.c_str()) == 0;
    }

    void Umbenennen(const std::string& AQuelle, const std::string& AZiel) override {
        ZielPruefen(AQuelle, AZiel);
        if (rename(AQuelle.c_str(), AZiel.c_str()) != 0) {
            Fehlschlag(errno);
        }
    }

    void OrdnerSichern(const std::string& APfad) override {
        const std::string Ordner = std::filesystem::path(APfad).parent_path().string();
        const int fd = open(Ordner.empty() ? "." : Ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            Fehlschlag(errno);
        }
        const int Ergebnis = fsync(fd);
        const int Fehler = errno;
        close(fd);
        // Some file systems cannot flush a folder and say so; their renames are as durable as they get.
        if (Ergebnis != 0 && Fehler != EINVAL) {
            Fehlschlag(Fehler);
        }
    }

    void Entferne(const std::string& APfad) noexcept override { unlink(APfad.c_str()); }

    // A shared lock of the open file description (not flock, which marks writers and readers of
    // the calendar): any number of holds, and a probe for an exclusive lock fails while one lasts.
    int Festhalten(const std::string& APfad) noexcept override {
        const int fd = open(APfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
        if (fd >= 0 && !Sperren(fd, F_OFD_SETLK, F_RDLCK)) {
            close(fd);
            return -1;
        }
        return fd;
    }

    void Loslassen(int AHandle) noexcept override { close(AHandle); }

    void EntferneWennFrei(const std::string& APfad) noexcept override {
        const int fd = open(APfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
        if (fd < 0) {
            return;
        }
        struct stat Info {};
        if (fstat(fd, &Info) == 0 && S_ISREG(Info.st_mode) && Sperren(fd, F_OFD_GETLK, F_WRLCK)) {
            unlink(APfad.c_str());
        }
        close(fd);
    }

    std::vector<std::string> Ordnerinhalt(const std::string& AOrdner) noexcept override {
        std::vector<std::string> Namen;
        std::error_code Fehler;
        for (std::filesystem::directory_iterator i(AOrdner, Fehler), Ende; !Fehler && i != Ende;
             i.increment(Fehler)) {
            Namen.push_back(i->path().filename().string());
        }
        return Namen;
    }

private:
    // With F_OFD_SETLK takes a lock of the whole file; with F_OFD_GETLK tells whether it could be
    // taken. False when another open file description holds a conflicting lock.
    static bool Sperren(int AHandle, int ABefehl, short AArt) noexcept {
        struct flock Sperre {};
        Sperre.l_type = AArt;
        Sperre.l_whence = SEEK_SET;
        if (fcntl(AHandle, ABefehl, &Sperre) != 0) {
            return false;
        }
        return ABefehl != F_OFD_GETLK || Sperre.l_type == F_UNLCK;
    }

    // A read-only target or one another process is writing is not replaced (rename would do it
    // silently). The new file takes over the old one's permissions.
    static void ZielPruefen(const std::string& AQuelle, const std::string& AZiel) {
        struct stat Info {};
        if (stat(AZiel.c_str(), &Info) != 0) {
            return;
        }
        if ((Info.st_mode & S_IWUSR) == 0) {
            Fehlschlag(EACCES);
        }
        const int fd = open(AZiel.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd >= 0) {
            const bool Frei = flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
            close(fd);
            if (!Frei) {
                Fehlschlag(EWOULDBLOCK);
            }
        }
        chmod(AQuelle.c_str(), Info.st_mode & 07777);
    }
};

} // namespace

TDateisystem& SystemDateisystem() {
    static TLinuxDateisystem Dateisystem;
    return Dateisystem;
}
