#include "platform/linux/TDateiSperre.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "Umgebung.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* Name = "Orvanto V1.03";

// A temporary folder with the user's runtime folder "run" (mode 0700) and home folder "home".
class DateiSperre : public ::testing::Test {
public:
    std::string Pfad(const std::string& ARelativ) const { return Temp.Pfad() + "/" + ARelativ; }

protected:
    TTempOrdner Temp;
    TUmgebung Umgebung;

    void SetUp() override {
        fs::create_directories(Pfad("run"));
        fs::permissions(Pfad("run"), fs::perms::owner_all);
        fs::create_directories(Pfad("home"));
        // Each value is a path below the temporary folder, or absent.
        Setzen("run", std::nullopt, "home");
    }

    void Setzen(std::optional<std::string> ALaufzeit, std::optional<std::string> ACache,
                std::optional<std::string> AHome) {
        const auto Wert = [this](const std::optional<std::string>& ARelativ) -> std::optional<std::string> {
            if (!ARelativ) {
                return std::nullopt;
            }
            // A relative setting stays relative.
            return ARelativ->front() == '.' ? *ARelativ : Pfad(*ARelativ);
        };
        Umgebung.Setzen("XDG_RUNTIME_DIR", Wert(ALaufzeit));
        Umgebung.Setzen("XDG_CACHE_HOME", Wert(ACache));
        Umgebung.Setzen("HOME", Wert(AHome));
    }
};

TEST_F(DateiSperre, WhereTheLockLiesAndWhenItCannotBeHad) {
    const bool Root = geteuid() == 0;
    struct TFall {
        const char* Name;
        std::optional<std::string> Laufzeit, Cache, Home;
        std::function<void(DateiSperre&)> Vorbereiten;
        TSperrZustand Zustand;
        std::string Datei; // below the temporary folder; "" without a lock
    };
    const auto Nichts = [](DateiSperre&) {};
    const std::string ImLaufzeitordner = std::string("run/") + Name;
    const std::string ImCache = std::string("cache/Orvanto/") + Name;
    const std::string ImHomeCache = std::string("home/.cache/Orvanto/") + Name;
    std::vector<TFall> Faelle = {
        {"runtime folder", "run", "cache", "home", Nichts, szGehalten, ImLaufzeitordner},
        {"no runtime folder: the cache folder", std::nullopt, "cache", "home", Nichts, szGehalten, ImCache},
        {"no runtime and no cache setting: ~/.cache", std::nullopt, std::nullopt, "home", Nichts, szGehalten,
         ImHomeCache},
        {"relative settings are ignored", "./run", "./cache", "home", Nichts, szGehalten, ImHomeCache},
        {"runtime folder missing", "fehlt", "cache", "home", Nichts, szGehalten, ImCache},
        {"runtime folder is a file", "datei", "cache", "home",
         [](DateiSperre& t) { DateiSchreiben(t.Pfad("datei"), "x"); }, szGehalten, ImCache},
        {"lock file is a link", "run", "cache", "home",
         [](DateiSperre& t) { fs::create_symlink(t.Pfad("ziel"), t.Pfad("run/") + Name); }, szGehalten,
         ImCache},
        {"lock file is a FIFO", "run", "cache", "home",
         [](DateiSperre& t) { ASSERT_EQ(mkfifo((t.Pfad("run/") + Name).c_str(), 0600), 0); }, szGehalten,
         ImCache},
        {"lock file is a folder", "run", "cache", "home",
         [](DateiSperre& t) { fs::create_directories(t.Pfad("run/") + Name); }, szGehalten, ImCache},
        {"lock file of a killed instance", "run", "cache", "home",
         [](DateiSperre& t) { DateiSchreiben(t.Pfad("run/") + Name, "4711\n"); }, szGehalten,
         ImLaufzeitordner},
        {"lock file readable by others", "run", "cache", "home",
         [](DateiSperre& t) {
             DateiSchreiben(t.Pfad("run/") + Name, "");
             fs::permissions(t.Pfad("run/") + Name, fs::perms::all);
         },
         szGehalten, ImLaufzeitordner},
        {"no folder usable", "datei", "datei", "home",
         [](DateiSperre& t) { DateiSchreiben(t.Pfad("datei"), "x"); }, szOhneSperre, ""},
        {"no folder known", std::nullopt, std::nullopt, std::nullopt, Nichts, szOhneSperre, ""},
    };
    if (Root) {
        // Only root can give a file to someone else.
        Faelle.push_back({"lock file of another user", "run", "cache", "home",
                          [](DateiSperre& t) {
                              DateiSchreiben(t.Pfad("run/") + Name, "");
                              ASSERT_EQ(chown((t.Pfad("run/") + Name).c_str(), 65534, 65534), 0);
                          },
                          szGehalten, ImCache});
    }
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        fs::remove_all(Pfad("run"));
        fs::create_directories(Pfad("run"));
        for (const char* Weg : {"cache", "home", "datei", "ziel"}) {
            fs::remove_all(Pfad(Weg));
        }
        fs::create_directories(Pfad("home"));
        f.Vorbereiten(*this);
        Setzen(f.Laufzeit, f.Cache, f.Home);

        const TDateiSperre Sperre(SperrOrte(), Name);
        EXPECT_EQ(Sperre.Zustand(), f.Zustand);
        EXPECT_EQ(Sperre.Datei(), f.Datei.empty() ? "" : Pfad(f.Datei));
        if (!f.Datei.empty()) {
            struct stat Info {};
            ASSERT_EQ(lstat(Sperre.Datei().c_str(), &Info), 0);
            EXPECT_TRUE(S_ISREG(Info.st_mode));
            EXPECT_EQ(Info.st_mode & 0777, 0600u);
        }
        // Never loose in the home folder, and a link is not followed.
        EXPECT_FALSE(fs::exists(Pfad("home/") + Name));
        EXPECT_FALSE(fs::exists(Pfad("ziel")));
        EXPECT_FALSE(fs::exists(Pfad("fehlt")));
    }
}

TEST_F(DateiSperre, ASecondInstanceFindsTheLockTakenUntilTheFirstEnds) {
    for (const std::optional<std::string>& Laufzeit :
         {std::optional<std::string>("run"), std::optional<std::string>()}) {
        SCOPED_TRACE(Laufzeit.value_or("no runtime folder"));
        Setzen(Laufzeit, "cache", "home");
        auto Erste = std::make_unique<TDateiSperre>(SperrOrte(), Name);
        ASSERT_EQ(Erste->Zustand(), szGehalten);
        const TDateiSperre Zweite(SperrOrte(), Name);
        EXPECT_EQ(Zweite.Zustand(), szBelegt);
        EXPECT_EQ(Zweite.Datei(), Erste->Datei());
        Erste.reset();
        EXPECT_EQ(TDateiSperre(SperrOrte(), Name).Zustand(), szGehalten);
    }
}

TEST_F(DateiSperre, AKilledInstanceNeverBlocksTheNextStart) {
    int Rohr[2];
    ASSERT_EQ(pipe(Rohr), 0);
    const pid_t Kind = fork();
    ASSERT_GE(Kind, 0);
    if (Kind == 0) {
        const TDateiSperre Sperre(SperrOrte(), Name);
        const char Zustand = static_cast<char>('0' + Sperre.Zustand());
        if (write(Rohr[1], &Zustand, 1) != 1) {
            _exit(1);
        }
        pause();
        _exit(0);
    }
    char Zustand = 0;
    ASSERT_EQ(read(Rohr[0], &Zustand, 1), 1);
    close(Rohr[0]);
    close(Rohr[1]);
    EXPECT_EQ(Zustand, '0' + szGehalten);
    EXPECT_EQ(TDateiSperre(SperrOrte(), Name).Zustand(), szBelegt);

    kill(Kind, SIGKILL);
    int Status = 0;
    waitpid(Kind, &Status, 0);
    EXPECT_TRUE(fs::exists(Pfad("run/") + Name));
    EXPECT_EQ(TDateiSperre(SperrOrte(), Name).Zustand(), szGehalten);
}

} // namespace
