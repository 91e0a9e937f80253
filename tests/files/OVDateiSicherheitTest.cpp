// A save must never leave a damaged or half-written calendar, whatever fails and whenever the
// process dies.

#include "files/OVDatei.h"
#include "model/Fehler.h"
#include "platform/SystemDateisystem.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <random>
#include <set>
#include <string_view>

namespace fs = std::filesystem;

namespace {

std::string Lies(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// A calendar of ANr daily entries from AStart, each with AText as its short text.
void Kalender(TDaten& ADaten, int ANr, TTag AStart, const std::string& AText) {
    for (int i = 0; i < ANr; ++i) {
        TDatenClass Vorlage;
        Vorlage.Kurztext = AText + std::to_string(i);
        Vorlage.Id = i;
        Vorlage.AnzeigenTyp = at1Tag;
        Vorlage.EndeDatum = KalenderEnde;
        TDatumClass R;
        R.Datum = R.VonDatum = R.BisDatum = AStart;
        Vorlage.Add(R);
        ADaten.Add(TTagClass(0, &Vorlage));
    }
}

enum TSchritt { sErzeugen, sSchreiben, sSichern, sSchliessen, sUmbenennen, sOrdnerSichern, sKeiner };
const char* const SchrittNamen[] = {"create", "write", "flush", "close", "rename", "folder flush"};

// The system's file system with one step made to fail.
class TFehlerDateisystem : public TDateisystem {
public:
    explicit TFehlerDateisystem(TSchritt AFehler) : Fehler(AFehler) {}

    std::string LiesDatei(const std::string& p) override { return System.LiesDatei(p); }
    int OeffneLesen(const std::string& p, std::uint64_t& g) override { return System.OeffneLesen(p, g); }
    std::size_t Lies(int h, char* z, std::size_t n) override { return System.Lies(h, z, n); }
    bool Existiert(const std::string& p) override { return System.Existiert(p); }
    std::string VollerPfad(const std::string& p) override { return System.VollerPfad(p); }
    std::string Speicherziel(const std::string& p) override { return System.Speicherziel(p); }
    int ErzeugeNeu(const std::string& p) override {
        Pruefe(sErzeugen);
        return System.ErzeugeNeu(p);
    }
    void Schreibe(int h, const char* d, std::size_t n) override {
        if (Fehler == sSchreiben) {
            System.Schreibe(h, d, n / 2); // half of it reached the disk
        }
        Pruefe(sSchreiben);
        System.Schreibe(h, d, n);
    }
    void Sichere(int h) override {
        Pruefe(sSichern);
        System.Sichere(h);
    }
    void Schliesse(int h) override {
        if (Fehler == sSchliessen) {
            System.Schliesse(h); // the handle is gone all the same, as close() does
        }
        Pruefe(sSchliessen);
        System.Schliesse(h);
    }
    bool Verknuepfe(const std::string& a, const std::string& b) noexcept override {
        return System.Verknuepfe(a, b);
    }
    void Umbenennen(const std::string& a, const std::string& b) override {
        if (Fehler == sOrdnerSichern && ++Umbenennungen == 1) {
            System.Umbenennen(a, b); // the move happened, only making it durable fails
            return;
        }
        Pruefe(sUmbenennen);
        System.Umbenennen(a, b);
    }
    void OrdnerSichern(const std::string& p) override {
        Pruefe(sOrdnerSichern);
        System.OrdnerSichern(p);
    }
    void Entferne(const std::string& p) noexcept override { System.Entferne(p); }
    int Festhalten(const std::string& p) noexcept override { return System.Festhalten(p); }
    void Loslassen(int h) noexcept override { System.Loslassen(h); }
    void EntferneWennFrei(const std::string& p) noexcept override { System.EntferneWennFrei(p); }
    std::vector<std::string> Ordnerinhalt(const std::string& o) noexcept override {
        return System.Ordnerinhalt(o);
    }

private:
    void Pruefe(TSchritt ASchritt) {
        if (ASchritt == Fehler) {
            throw EBetriebssystemFehler("Eingeschleuster Fehler");
        }
    }
    TDateisystem& System = SystemDateisystem();
    TSchritt Fehler;
    int Umbenennungen = 0;
};

class KalenderdateiSicherheit : public ::testing::Test {
protected:
    fs::path Ordner;
    std::string Ziel;
    void SetUp() override {
        char Muster[] = "/tmp/orvanto-sicher-XXXXXX";
        Ordner = mkdtemp(Muster);
        Ziel = (Ordner / "Kalender.OVK").string();
    }
    void TearDown() override {
        fs::permissions(Ordner, fs::perms::owner_all);
        fs::remove_all(Ordner);
    }
    std::vector<std::string> Dateien() const {
        std::vector<std::string> Namen;
        for (const auto& e : fs::directory_iterator(Ordner)) {
            Namen.push_back(e.path().filename().string());
        }
        return Namen;
    }
};

} // namespace

TEST_F(KalenderdateiSicherheit, EveryFailingStepLeavesTheOldFile) {
    TDaten Alt, Neu;
    Kalender(Alt, 3, EncodeDate(2100, 1, 1), "Alt");
    Kalender(Neu, 4, EncodeDate(2100, 6, 1), "Neu");
    KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
    const std::string AltBytes = Lies(Ziel);
    for (TSchritt s : {sErzeugen, sSchreiben, sSichern, sSchliessen, sUmbenennen, sOrdnerSichern}) {
        TFehlerDateisystem Dateisystem(s);
        EXPECT_THROW(KalenderdateiSchreiben(Ziel, Neu, Dateisystem), EBetriebssystemFehler)
            << SchrittNamen[s];
        EXPECT_EQ(Lies(Ziel), AltBytes) << SchrittNamen[s];
        EXPECT_EQ(Dateien(), std::vector<std::string>{"Kalender.OVK"}) << SchrittNamen[s];
    }
    TFehlerDateisystem Heil(sKeiner);
    KalenderdateiSchreiben(Ziel, Neu, Heil);
    EXPECT_EQ(Lies(Ziel), KalenderdateiKodieren(Neu));
    EXPECT_EQ(Dateien(), std::vector<std::string>{"Kalender.OVK"});
}

TEST_F(KalenderdateiSicherheit, ATextThatCannotBeSavedLeavesTheOldFile) {
    TDaten Alt;
    Kalender(Alt, 1, EncodeDate(2100, 1, 1), "Alt");
    KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
    const std::string AltBytes = Lies(Ziel);
    Alt.Aendern(Alt[0], [](TDatenClass& e) { e.Kurztext = "Встреча"; });
    EXPECT_THROW(KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem()), ESchreibFehler);
    EXPECT_EQ(Lies(Ziel), AltBytes);
    EXPECT_EQ(Dateien(), std::vector<std::string>{"Kalender.OVK"});
}

TEST_F(KalenderdateiSicherheit, ReadOnlyTargetAndLockedFileGiveClearErrors) {
    TDaten Alt, Neu;
    Kalender(Alt, 1, EncodeDate(2100, 1, 1), "Alt");
    Kalender(Neu, 2, EncodeDate(2100, 1, 1), "Neu");
    KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
    const std::string AltBytes = Lies(Ziel);

    fs::permissions(Ziel, fs::perms::owner_read | fs::perms::group_read);
    try {
        KalenderdateiSchreiben(Ziel, Neu, SystemDateisystem());
        ADD_FAILURE() << "a read-only file must not be replaced";
    } catch (const EBetriebssystemFehler& f) {
        EXPECT_STREQ(f.what(), "Zugriff verweigert.");
    }
    EXPECT_EQ(Lies(Ziel), AltBytes);
    fs::permissions(Ziel, fs::perms::owner_read | fs::perms::owner_write);

    // Another process writing the file holds an exclusive lock on it.
    const int Sperre = open(Ziel.c_str(), O_RDWR);
    ASSERT_EQ(flock(Sperre, LOCK_EX), 0);
    const char* Belegt = "Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess "
                         "verwendet wird.";
    TDaten Gelesen;
    try {
        KalenderdateiLesen(Ziel, Gelesen, 0, SystemDateisystem());
        ADD_FAILURE() << "a file being written must not be read";
    } catch (const EBetriebssystemFehler& f) {
        EXPECT_STREQ(f.what(), Belegt);
    }
    try {
        KalenderdateiSchreiben(Ziel, Neu, SystemDateisystem());
        ADD_FAILURE() << "a file being written must not be replaced";
    } catch (const EBetriebssystemFehler& f) {
        EXPECT_STREQ(f.what(), Belegt);
    }
    close(Sperre);
    EXPECT_EQ(Lies(Ziel), AltBytes);
    EXPECT_EQ(Dateien(), std::vector<std::string>{"Kalender.OVK"});
}

TEST_F(KalenderdateiSicherheit, AFolderWithoutWritePermission) {
    TDaten Alt, Neu;
    Kalender(Alt, 1, EncodeDate(2100, 1, 1), "Alt");
    Kalender(Neu, 2, EncodeDate(2100, 1, 1), "Neu");
    KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
    const std::string AltBytes = Lies(Ziel);
    fs::permissions(Ordner, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    // Root may write anywhere: the save runs in a child process as an ordinary user then.
    int Rohr[2];
    ASSERT_EQ(pipe(Rohr), 0);
    const pid_t Kind = fork();
    ASSERT_GE(Kind, 0);
    if (Kind == 0) {
        close(Rohr[0]);
        std::string Ergebnis = "gespeichert";
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            Ergebnis = "setuid";
        } else {
            try {
                KalenderdateiSchreiben(Ziel, Neu, SystemDateisystem());
            } catch (const EFehler& f) {
                Ergebnis = f.what();
            }
        }
        (void)!write(Rohr[1], Ergebnis.data(), Ergebnis.size());
        _exit(0);
    }
    close(Rohr[1]);
    std::string Ergebnis;
    char Puffer[256];
    for (ssize_t n; (n = read(Rohr[0], Puffer, sizeof Puffer)) > 0;) {
        Ergebnis.append(Puffer, static_cast<std::size_t>(n));
    }
    close(Rohr[0]);
    waitpid(Kind, nullptr, 0);
    // The parent folder of mkdtemp is /tmp, which everyone may enter.
    EXPECT_EQ(Ergebnis, "Zugriff verweigert.");
    EXPECT_EQ(Lies(Ziel), AltBytes);
    EXPECT_EQ(Dateien(), std::vector<std::string>{"Kalender.OVK"});
}

TEST_F(KalenderdateiSicherheit, KilledWhileSavingTheTargetIsOldOrNew) {
    TDaten Alt, Neu;
    Kalender(Alt, 10, EncodeDate(2090, 1, 1), "Alt");
    Kalender(Neu, 30, EncodeDate(2080, 1, 1), "Neu"); // about 220,000 day records
    KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
    const std::string AltBytes = Lies(Ziel);
    const std::string NeuBytes = KalenderdateiKodieren(Neu);

    const auto Start = std::chrono::steady_clock::now();
    KalenderdateiSchreiben((Ordner / "Messung.OVK").string(), Neu, SystemDateisystem());
    const auto Dauer =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - Start);
    fs::remove(Ordner / "Messung.OVK");

    std::mt19937 Zufall(42);
    int Alte = 0, Neue = 0;
    for (int Versuch = 0; Versuch < 40; ++Versuch) {
        const pid_t Kind = fork();
        ASSERT_GE(Kind, 0);
        if (Kind == 0) {
            KalenderdateiSchreiben(Ziel, Neu, SystemDateisystem());
            _exit(0);
        }
        // Spread the kills over the whole save, a little past its usual end.
        std::uniform_int_distribution<long> Verzoegerung(0, Dauer.count() * 12 / 10 + 1000);
        usleep(static_cast<useconds_t>(Verzoegerung(Zufall)));
        kill(Kind, SIGKILL);
        waitpid(Kind, nullptr, 0);

        const std::string Jetzt = Lies(Ziel);
        ASSERT_TRUE(Jetzt == AltBytes || Jetzt == NeuBytes) << "attempt " << Versuch;
        TDaten Geladen;
        ASSERT_NO_THROW(KalenderdateiLesen(Ziel, Geladen, 0, SystemDateisystem()));
        ASSERT_TRUE(Geladen.Ident(Jetzt == AltBytes ? &Alt : &Neu, false));
        ++(Jetzt == NeuBytes ? Neue : Alte);
        // Leftovers of a killed save are the temporary file or the old file's second name; the
        // next save of the file removes them.
        for (const auto& Name : Dateien()) {
            EXPECT_TRUE(Name == "Kalender.OVK" || Name.ends_with(".tmp") || Name.ends_with(".alt")) << Name;
        }
        KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
        ASSERT_EQ(Dateien(), std::vector<std::string>{"Kalender.OVK"}) << "attempt " << Versuch;
    }
    EXPECT_GT(Alte + Neue, 0);
    std::cout << "killed saves: " << Alte << " left the old file, " << Neue << " the new one\n";
}

TEST_F(KalenderdateiSicherheit, ASaveRemovesWhatKilledSavesLeftButNotWhatARunningSaveHolds) {
    TDaten Alt, Neu;
    Kalender(Alt, 1, EncodeDate(2100, 1, 1), "Alt");
    Kalender(Neu, 2, EncodeDate(2100, 1, 1), "Neu");
    KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
    const std::string Guid = "{0123ABCD-4567-4ABC-89EF-0123456789AB}";
    const std::string Reste[] = {
        "Kalender.OVK." + Guid + ".tmp",                           // killed while writing
        "Kalender.OVK.{99999999-AAAA-4BBB-8CCC-DDDDDDDDDDDD}.alt", // killed while replacing
    };
    const std::string Gehalten = "Kalender.OVK.{11111111-2222-4333-8444-555555555555}.tmp";
    const std::string Fremde[] = {
        "Kalender.OVK.bak",
        "Kalender.OVK.{kein-guid}.tmp",
        "Anderer.OVK." + Guid + ".tmp",
        "Kalender.OVK." + Guid + ".txt",
    };
    std::ofstream(Ordner / Reste[0]) << std::string(100000, 'x');
    fs::create_hard_link(Ziel, Ordner / Reste[1]);
    std::ofstream(Ordner / Gehalten) << "in Arbeit";
    for (const std::string& Name : Fremde) {
        std::ofstream(Ordner / Name) << "fremd";
    }
    // A save in another process still writes the held one.
    int Bereit[2], Ende[2];
    ASSERT_EQ(pipe(Bereit), 0);
    ASSERT_EQ(pipe(Ende), 0);
    const pid_t Kind = fork();
    ASSERT_GE(Kind, 0);
    if (Kind == 0) {
        const int Halt = SystemDateisystem().Festhalten((Ordner / Gehalten).string());
        (void)!write(Bereit[1], Halt >= 0 ? "1" : "0", 1);
        char c;
        (void)!read(Ende[0], &c, 1);
        _exit(0);
    }
    char Gemeldet = '0';
    ASSERT_EQ(read(Bereit[0], &Gemeldet, 1), 1);
    ASSERT_EQ(Gemeldet, '1');

    KalenderdateiSchreiben(Ziel, Neu, SystemDateisystem());
    (void)!write(Ende[1], "x", 1);
    waitpid(Kind, nullptr, 0);
    for (int f : {Bereit[0], Bereit[1], Ende[0], Ende[1]}) {
        close(f);
    }
    EXPECT_EQ(Lies(Ziel), KalenderdateiKodieren(Neu));
    std::vector<std::string> Erwartet(std::begin(Fremde), std::end(Fremde));
    Erwartet.push_back("Kalender.OVK");
    Erwartet.push_back(Gehalten);
    std::vector<std::string> Jetzt = Dateien();
    std::sort(Erwartet.begin(), Erwartet.end());
    std::sort(Jetzt.begin(), Jetzt.end());
    EXPECT_EQ(Jetzt, Erwartet);

    // Once no save holds it, it goes with the next save.
    KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
    EXPECT_FALSE(fs::exists(Ordner / Gehalten));
}

TEST_F(KalenderdateiSicherheit, APipeUnderTheNameDoesNotHang) {
    const std::string Rohr = (Ordner / "Rohr.OVK").string();
    ASSERT_EQ(mkfifo(Rohr.c_str(), 0600), 0);
    TDaten Daten;
    try {
        KalenderdateiLesen(Rohr, Daten, 0, SystemDateisystem());
        ADD_FAILURE() << "a pipe is no calendar file";
    } catch (const EBetriebssystemFehler& f) {
        EXPECT_STREQ(f.what(), "Der Name bezeichnet keine gewöhnliche Datei.");
    }
}

namespace {

// Runs AArbeit in a child process and returns what it reports, so that a save that blocks or a
// signal that ends the process cannot take the test program with it. A child still busy after ten
// seconds is reported as "hängt", one ended by a signal as "Signal" and its number.
std::string ImKindprozess(const std::function<std::string()>& AArbeit) {
    int Rohr[2];
    if (pipe(Rohr) != 0) {
        return "pipe";
    }
    const pid_t Kind = fork();
    if (Kind == 0) {
        close(Rohr[0]);
        alarm(10);
        const std::string Ergebnis = AArbeit();
        (void)!write(Rohr[1], Ergebnis.data(), Ergebnis.size());
        _exit(0);
    }
    close(Rohr[1]);
    std::string Ergebnis;
    char Puffer[256];
    for (ssize_t n; (n = read(Rohr[0], Puffer, sizeof Puffer)) > 0;) {
        Ergebnis.append(Puffer, static_cast<std::size_t>(n));
    }
    close(Rohr[0]);
    int Status = 0;
    waitpid(Kind, &Status, 0);
    if (WIFSIGNALED(Status)) {
        return WTERMSIG(Status) == SIGALRM ? "hängt" : "Signal " + std::to_string(WTERMSIG(Status));
    }
    return Ergebnis;
}

// Saves ADaten to AZiel and returns "gespeichert" or the error's message.
std::string Speichern(const std::string& AZiel, const TDaten& ADaten) {
    try {
        KalenderdateiSchreiben(AZiel, ADaten, SystemDateisystem());
        return "gespeichert";
    } catch (const EFehler& f) {
        return f.what();
    }
}

// Every name under AOrdner, relative to it, with its kind ("l" link, "d" folder, "f" file, "s"
// anything else).
std::set<std::string> Bestand(const fs::path& AOrdner) {
    std::set<std::string> Namen;
    for (const auto& e : fs::recursive_directory_iterator(AOrdner)) {
        const char* Art = e.is_symlink() ? "l " : e.is_directory() ? "d " : e.is_regular_file() ? "f " : "s ";
        Namen.insert(Art + e.path().lexically_relative(AOrdner).string());
    }
    return Namen;
}

const char* const KeineDatei = "Der Name bezeichnet keine gewöhnliche Datei.";
const char* const EinOrdner = "Der angegebene Name ist ein Ordner, keine Datei.";
const char* const Schleife = "Die symbolischen Verknüpfungen im Namen bilden eine Schleife.";
const char* const Gespeichert = "gespeichert";

void Verweis(const fs::path& AZiel, const fs::path& ANach) {
    fs::create_symlink(ANach, AZiel);
}

// A hostile save target: what stands under the name, the outcome, and the file (relative to the
// folder) that holds the new calendar afterwards, if any.
struct TFeindlichesZiel {
    const char* Name;
    std::function<void(const fs::path& AOrdner, const fs::path& AZiel)> Anlegen;
    const char* Ergebnis;
    const char* NeueDatei;
};

void Socket(const fs::path& AZiel) {
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un Adresse{};
    Adresse.sun_family = AF_UNIX;
    std::snprintf(Adresse.sun_path, sizeof Adresse.sun_path, "%s", AZiel.c_str());
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&Adresse), sizeof Adresse), 0);
    close(s);
}

void Geraet(const fs::path& AZiel) {
    ASSERT_EQ(mknod(AZiel.c_str(), S_IFCHR | 0600, makedev(1, 3)), 0) << "the null device";
}

} // namespace

TEST_F(KalenderdateiSicherheit, HostileTargetsAreRefusedOrFollowedWithoutBlocking) {
    const TFeindlichesZiel Faelle[] = {
        {"pipe", [](const fs::path&, const fs::path& z) { ASSERT_EQ(mkfifo(z.c_str(), 0600), 0); },
         KeineDatei, nullptr},
        {"socket", [](const fs::path&, const fs::path& z) { Socket(z); }, KeineDatei, nullptr},
        {"device", [](const fs::path&, const fs::path& z) { Geraet(z); }, KeineDatei, nullptr},
        {"folder", [](const fs::path&, const fs::path& z) { fs::create_directory(z); }, EinOrdner, nullptr},
        {"link to a file", // the file is updated and the link stays
         [](const fs::path& o, const fs::path& z) {
             std::ofstream(o / "Echt.OVK") << "alt";
             Verweis(z, "Echt.OVK");
         },
         Gespeichert, "Echt.OVK"},
        {"link to a link to a file in another folder, by its full path",
         [](const fs::path& o, const fs::path& z) {
             fs::create_directory(o / "anders");
             std::ofstream(o / "anders" / "Echt.OVK") << "alt";
             Verweis(o / "anders" / "Zwischen.OVK", "Echt.OVK");
             Verweis(z, o / "anders" / "Zwischen.OVK");
         },
         Gespeichert, "anders/Echt.OVK"},
        {"dangling link: the file it names is created",
         [](const fs::path&, const fs::path& z) { Verweis(z, "Neu.OVK"); }, Gespeichert, "Neu.OVK"},
        {"dangling link into a missing folder",
         [](const fs::path&, const fs::path& z) { Verweis(z, "fehlt/Neu.OVK"); },
         "Die Datei oder der Ordner wurde nicht gefunden.", nullptr},
        {"link to a folder",
         [](const fs::path& o, const fs::path& z) {
             fs::create_directory(o / "Ordner");
             Verweis(z, "Ordner");
         },
         EinOrdner, nullptr},
        {"link to a device",
         [](const fs::path& o, const fs::path& z) {
             Geraet(o / "null");
             Verweis(z, "null");
         },
         KeineDatei, nullptr},
        {"link to a pipe",
         [](const fs::path& o, const fs::path& z) {
             ASSERT_EQ(mkfifo((o / "Rohr").c_str(), 0600), 0);
             Verweis(z, "Rohr");
         },
         KeineDatei, nullptr},
        {"link loop",
         [](const fs::path& o, const fs::path& z) {
             Verweis(z, "Zwei.OVK");
             Verweis(o / "Zwei.OVK", "Kalender.OVK");
         },
         Schleife, nullptr},
    };
    TDaten Neu;
    Kalender(Neu, 2, EncodeDate(2100, 1, 1), "Neu");
    for (const TFeindlichesZiel& Fall : Faelle) {
        // Only root may create a device node.
        if (geteuid() != 0 && std::string_view(Fall.Name).ends_with("device")) {
            continue;
        }
        const fs::path Fallordner = Ordner / Fall.Name;
        fs::create_directory(Fallordner);
        const fs::path Ziel = Fallordner / "Kalender.OVK";
        Fall.Anlegen(Fallordner, Ziel);
        std::set<std::string> Erwartet = Bestand(Fallordner);
        EXPECT_EQ(ImKindprozess([&] { return Speichern(Ziel.string(), Neu); }), Fall.Ergebnis) << Fall.Name;
        if (Fall.NeueDatei != nullptr) {
            Erwartet.insert(std::string("f ") + Fall.NeueDatei);
            EXPECT_TRUE(Lies(Fallordner / Fall.NeueDatei) == KalenderdateiKodieren(Neu)) << Fall.Name;
        }
        EXPECT_EQ(Bestand(Fallordner), Erwartet) << Fall.Name;
    }
}

TEST_F(KalenderdateiSicherheit, AFileSizeLimitFailsTheSaveLikeAFullDisk) {
    TDaten Alt, Neu;
    Kalender(Alt, 1, EncodeDate(2100, 1, 1), "Alt");
    Kalender(Neu, 3, EncodeDate(2090, 1, 1), "Neu"); // about 900 kB
    KalenderdateiSchreiben(Ziel, Alt, SystemDateisystem());
    const std::string AltBytes = Lies(Ziel);
    const std::string Ergebnis = ImKindprozess([&] {
        const rlimit Grenze{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &Grenze);
        return Speichern(Ziel, Neu);
    });
    EXPECT_EQ(Ergebnis, "Die Datei wird größer, als das System für eine Datei erlaubt.");
    EXPECT_EQ(Lies(Ziel), AltBytes);
    EXPECT_EQ(Dateien(), std::vector<std::string>{"Kalender.OVK"});
}

namespace {

// The system's file system, except that reading runs out of memory after the first piece.
class TSpeichermangel : public TFehlerDateisystem {
public:
    TSpeichermangel() : TFehlerDateisystem(sKeiner) {}
    std::size_t Lies(int h, char* z, std::size_t n) override {
        if (++Lesungen > 1) {
            throw std::bad_alloc();
        }
        return TFehlerDateisystem::Lies(h, z, n);
    }
    int Lesungen = 0;
};

} // namespace

TEST_F(KalenderdateiSicherheit, RunningOutOfMemoryWhileReadingIsAReadErrorAndKeepsTheCalendar) {
    TDaten Gross, Daten;
    Kalender(Gross, 10, EncodeDate(2050, 1, 1), "Gross"); // several megabytes: read in pieces
    KalenderdateiSchreiben(Ziel, Gross, SystemDateisystem());
    Kalender(Daten, 1, EncodeDate(2100, 1, 1), "Bleibt");
    TDaten Vorher(Daten);
    TSpeichermangel Dateisystem;
    try {
        KalenderdateiLesen(Ziel, Daten, 0, Dateisystem);
        ADD_FAILURE() << "reading must fail";
    } catch (const ELeseFehler& f) {
        EXPECT_STREQ(f.what(), "Die Kalenderdatei ist zu groß für den verfügbaren Speicher.");
    }
    EXPECT_GT(Dateisystem.Lesungen, 1);
    EXPECT_TRUE(Daten.Ident(&Vorher, false));
}
