#include "instance/linux/TOrdnerKanal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "instance/TWatchRegistrySettings.h"
#include "instance/ZweiterStart.h"
#include "platform/Umgebung.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string Vorspann = "Der Ordner für Befehle an das laufende Orvanto ";

class OrdnerKanal : public ::testing::Test {
protected:
    TTempOrdner Temp;
    std::string Ordner;

    void SetUp() override { Ordner = Temp.Pfad() + "/Orvanto"; }

    std::unique_ptr<TBefehlsKanal> Kanal() {
        TKanalOeffnung k = TOrdnerKanal::Oeffnen(Ordner);
        EXPECT_EQ(k.Fehler, "");
        return std::move(k.Kanal);
    }
    std::vector<std::string> Dateien() const {
        std::vector<std::string> Namen;
        for (const auto& e : fs::directory_iterator(Ordner)) {
            Namen.push_back(e.path().filename().string());
        }
        std::sort(Namen.begin(), Namen.end());
        return Namen;
    }
};

TEST_F(OrdnerKanal, OnlyAFolderOfTheUsersOwnClosedToOthersIsUsed) {
    struct TFall {
        const char* Name;
        std::function<void(const std::string&)> Vorbereiten;
        std::string Fehler; // after the lead; "" when the channel opens
    };
    const auto Anlegen = [](const std::string& o, fs::perms p) {
        fs::create_directory(o);
        fs::permissions(o, p);
    };
    std::vector<TFall> Faelle = {
        {"missing: created", [](const std::string&) {}, ""},
        {"mode 0700", [&](const std::string& o) { Anlegen(o, fs::perms::owner_all); }, ""},
        {"world-writable", [&](const std::string& o) { Anlegen(o, fs::perms::all); },
         "ist auch anderen Benutzern zugänglich und wird nicht benutzt"},
        {"readable by the group",
         [&](const std::string& o) {
             Anlegen(o, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
         },
         "ist auch anderen Benutzern zugänglich und wird nicht benutzt"},
        {"a link to a good folder",
         [&](const std::string& o) {
             Anlegen(o + "-Ziel", fs::perms::owner_all);
             fs::create_directory_symlink(o + "-Ziel", o);
         },
         "ist eine Verknüpfung und wird nicht benutzt"},
        {"a file", [](const std::string& o) { DateiSchreiben(o, "x"); }, "ist kein Ordner"},
        {"its parent missing", [](const std::string& o) { fs::remove_all(fs::path(o).parent_path()); },
         "konnte nicht angelegt werden"},
    };
    if (geteuid() == 0) {
        // Only root can give a folder to someone else.
        Faelle.push_back({"someone else's",
                          [&](const std::string& o) {
                              Anlegen(o, fs::perms::owner_all);
                              ASSERT_EQ(chown(o.c_str(), 65534, 65534), 0);
                          },
                          "gehört einem anderen Benutzer und wird nicht benutzt"});
    }
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        TTempOrdner Eigen;
        const std::string o = Eigen.Pfad() + "/Orvanto";
        f.Vorbereiten(o);
        const TKanalOeffnung k = TOrdnerKanal::Oeffnen(o);
        EXPECT_EQ(k.Fehler, f.Fehler.empty() ? "" : Vorspann + f.Fehler + ": " + o);
        EXPECT_EQ(k.Kanal != nullptr, f.Fehler.empty());
        if (f.Fehler.empty()) {
            struct stat Info {};
            ASSERT_EQ(lstat(o.c_str(), &Info), 0);
            EXPECT_EQ(Info.st_mode & 0777, 0700u);
        }
    }
    EXPECT_EQ(TOrdnerKanal::Oeffnen("").Fehler, "Es gibt keinen Ordner für Befehle an das laufende Orvanto: "
                                                "weder XDG_RUNTIME_DIR noch ein Cache-Ordner ist bekannt.");
}

TEST_F(OrdnerKanal, AFolderMadeUnsafeLaterIsNoLongerUsed) {
    auto Schreiber = Kanal();
    auto Leser = Kanal();
    fs::permissions(Ordner, fs::perms::all);
    EXPECT_FALSE(Schreiber->Schreiben({"x.ovk", "", ""}));
    fs::permissions(Ordner, fs::perms::owner_all);
    ASSERT_TRUE(Schreiber->Schreiben({"x.ovk", "", ""}));
    fs::permissions(Ordner, fs::perms::all);
    EXPECT_EQ(Leser->Lesen(), std::nullopt);
}

TEST_F(OrdnerKanal, ValuesAreTakenOutOnceAndAllTogether) {
    auto Schreiber = Kanal();
    auto Leser = Kanal();
    EXPECT_EQ(Leser->Lesen(), std::nullopt);
    EXPECT_TRUE(Schreiber->Schreiben({}));
    EXPECT_TRUE(Dateien().empty());

    ASSERT_TRUE(Schreiber->Schreiben({"Jänner.ovk|/systemstartup", "", "1"}));
    EXPECT_EQ(Dateien(), (std::vector<std::string>{ProgramClose, ProgramParameters}));
    EXPECT_FALSE(Schreiber->Abgeholt());
    EXPECT_EQ(Leser->Lesen(), (TRegistrySettings{"Jänner.ovk|/systemstartup", "", "1"}));
    EXPECT_TRUE(Schreiber->Abgeholt());
    EXPECT_TRUE(Dateien().empty());
    EXPECT_EQ(Leser->Lesen(), std::nullopt);
    // Nothing left to take back.
    EXPECT_FALSE(Schreiber->Zuruecknehmen());

    // Written by hand, as another program may do it.
    DateiSchreiben(Ordner + "/" + ProgramSetFocus, "1\n");
    EXPECT_EQ(Leser->Lesen(), (TRegistrySettings{"", "1\n", ""}));
}

TEST_F(OrdnerKanal, AWriterTakesBackOnlyItsOwnValue) {
    auto Erster = Kanal();
    auto Zweiter = Kanal();
    ASSERT_TRUE(Erster->Schreiben({"", "1", ""}));
    ASSERT_TRUE(Zweiter->Schreiben({"", "1", ""}));
    // The newer value replaced the first writer's.
    EXPECT_TRUE(Erster->Abgeholt());
    EXPECT_FALSE(Erster->Zuruecknehmen());
    EXPECT_EQ(Dateien(), std::vector<std::string>{ProgramSetFocus});
    EXPECT_TRUE(Zweiter->Zuruecknehmen());
    EXPECT_TRUE(Dateien().empty());
}

TEST_F(OrdnerKanal, ValuesThatAreNoPlainFilesOfTheUsersAreDropped) {
    auto Leser = Kanal();
    const std::string Ziel = Temp.Pfad() + "/Geheim";
    DateiSchreiben(Ziel, "geheim");
    struct TFall {
        const char* Name;
        std::function<void(const std::string&)> Anlegen;
    };
    std::vector<TFall> Faelle = {
        {"a link", [&](const std::string& w) { fs::create_symlink(Ziel, w); }},
        {"a folder", [](const std::string& w) { fs::create_directory(w); }},
        {"too large",
         [](const std::string& w) { DateiSchreiben(w, std::string(TOrdnerKanal::MaxWertGroesse + 1, 'x')); }},
    };
    if (geteuid() == 0) {
        Faelle.push_back({"someone else's", [](const std::string& w) {
                              DateiSchreiben(w, "fremd.ovk");
                              ASSERT_EQ(chown(w.c_str(), 65534, 65534), 0);
                          }});
    }
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        f.Anlegen(Ordner + "/" + ProgramParameters);
        DateiSchreiben(Ordner + "/" + ProgramSetFocus, "1");
        EXPECT_EQ(Leser->Lesen(), (TRegistrySettings{"", "1", ""}));
        EXPECT_EQ(DateiLesen(Ziel), "geheim");
        // A folder cannot be removed as a file; what remains never acts as a value.
        for (const std::string& Name : Dateien()) {
            EXPECT_NE(Name, ProgramParameters);
            fs::remove_all(Ordner + "/" + Name);
        }
    }
}

TEST_F(OrdnerKanal, TheReaderNeverSeesHalfAValue) {
    auto Leser = Kanal();
    const std::string Lang(512 * 1024, 'a');
    const std::string Kurz = "b.ovk";
    std::atomic<bool> Fertig{false};
    std::thread Schreiber([&] {
        auto k = Kanal();
        for (int i = 0; i < 200; ++i) {
            k->Schreiben({i % 2 == 0 ? Lang : Kurz, "", ""});
        }
        Fertig = true;
    });
    int Gelesen = 0;
    for (;;) {
        const bool WarFertig = Fertig;
        if (const auto Befehl = Leser->Lesen()) {
            ++Gelesen;
            EXPECT_TRUE(Befehl->Parameters == Lang || Befehl->Parameters == Kurz)
                << Befehl->Parameters.size();
        } else if (WarFertig) {
            break;
        }
    }
    Schreiber.join();
    EXPECT_GT(Gelesen, 0);
    // No temporary file of the writer is left.
    EXPECT_TRUE(Dateien().empty()) << Dateien().front();
}

// The folder channel, counting the watcher's looks.
class TZaehlKanal : public TBefehlsKanal {
public:
    explicit TZaehlKanal(std::unique_ptr<TBefehlsKanal> AKanal) : FKanal(std::move(AKanal)) {}
    std::atomic<int> Blicke{0};

    bool Schreiben(const TRegistrySettings& ABefehl) override { return FKanal->Schreiben(ABefehl); }
    bool Abgeholt() override { return FKanal->Abgeholt(); }
    bool Zuruecknehmen() override { return FKanal->Zuruecknehmen(); }
    std::optional<TRegistrySettings> Lesen() override {
        auto Befehl = FKanal->Lesen();
        ++Blicke;
        return Befehl;
    }

private:
    std::unique_ptr<TBefehlsKanal> FKanal;
};

TEST_F(OrdnerKanal, ASecondStartHandsOverToTheWatcherOrGivesUp) {
    TZaehlKanal Leser(Kanal());
    std::vector<TRegistrySettings> Empfangen;
    std::mutex Mutex;
    {
        TWatchRegistrySettings Watcher(Leser, [&](const TRegistrySettings& b) {
            const std::lock_guard<std::mutex> Sperre(Mutex);
            Empfangen.push_back(b);
        });
        // What arrives before the watcher's first look counts as left over from an earlier run.
        while (Leser.Blicke == 0) {
            std::this_thread::sleep_for(1ms);
        }
        EXPECT_EQ(ZweiterStart({"Termine.ovk"}, TOrdnerKanal::Oeffnen(Ordner)), "");
    }
    EXPECT_EQ(Empfangen, (std::vector<TRegistrySettings>{{"Termine.ovk", "", ""}}));
    // Nobody watches now: the command is taken back, so it cannot act when someone reads later.
    EXPECT_NE(ZweiterStart({"Termine.ovk"}, TOrdnerKanal::Oeffnen(Ordner), 200ms), "");
    EXPECT_TRUE(Dateien().empty());
    EXPECT_EQ(Leser.Lesen(), std::nullopt);
}

TEST(KanalOrdner, FollowsTheLockFolders) {
    TTempOrdner Temp;
    TUmgebung Umgebung;
    const std::string t = Temp.Pfad();
    fs::create_directory(t + "/run");
    DateiSchreiben(t + "/datei", "x");
    struct TFall {
        const char* Name;
        std::optional<std::string> Laufzeit, Cache, Home;
        std::string Ordner;
    };
    const TFall Faelle[] = {
        {"runtime folder", t + "/run", t + "/cache", t + "/home", t + "/run/Orvanto"},
        {"no runtime folder", std::nullopt, t + "/cache", t + "/home", t + "/cache/Orvanto"},
        {"runtime folder is a file", t + "/datei", std::nullopt, t + "/home", t + "/home/.cache/Orvanto"},
        {"nothing known", std::nullopt, std::nullopt, std::nullopt, ""},
    };
    for (const TFall& f : Faelle) {
        Umgebung.Setzen("XDG_RUNTIME_DIR", f.Laufzeit);
        Umgebung.Setzen("XDG_CACHE_HOME", f.Cache);
        Umgebung.Setzen("HOME", f.Home);
        EXPECT_EQ(KanalOrdner("Orvanto"), f.Ordner) << f.Name;
    }
}

} // namespace
