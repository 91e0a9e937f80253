#include "instance/ZweiterStart.h"

#include <gtest/gtest.h>

#include "platform/Umgebung.h"

namespace {

using namespace std::chrono_literals;

// A channel whose reader behaves as the test says.
class TSkriptKanal : public TBefehlsKanal {
public:
    bool SchreibenOk = true;
    // How many looks it takes until the running program has taken the command; -1: never.
    int AbgeholtNach = 0;
    std::vector<TRegistrySettings> Geschrieben;
    int Zurueckgenommen = 0;

    bool Schreiben(const TRegistrySettings& ABefehl) override {
        Geschrieben.push_back(ABefehl);
        return SchreibenOk;
    }
    bool Abgeholt() override { return AbgeholtNach >= 0 && AbgeholtNach-- == 0; }
    bool Zuruecknehmen() override {
        ++Zurueckgenommen;
        return true;
    }
    std::optional<TRegistrySettings> Lesen() override { return std::nullopt; }
};

TEST(ZweiterStart, HandsOverOrSaysInOneLineWhyNot) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows allows no bar in file names";
#endif
    TTempOrdner Temp;
    const std::string MitStrich = Temp.Pfad() + "/a|b.ovk";
    DateiSchreiben(MitStrich, "OV_3");
    const std::string Vorspann = "Orvanto läuft bereits; ";
    struct TFall {
        const char* Name;
        std::vector<std::string> Argumente;
        bool KanalDa;
        bool SchreibenOk;
        int AbgeholtNach;
        std::string Meldung;
        std::vector<TRegistrySettings> Geschrieben;
        int Zurueckgenommen;
    };
    const TFall Faelle[] = {
        {"a calendar, taken at once", {"x.ovk"}, true, true, 0, "", {{"x.ovk", "", ""}}, 0},
        {"no arguments, taken after a while", {}, true, true, 3, "", {{"", "1", ""}}, 0},
        {"the running program never takes it",
         {"x.ovk"},
         true,
         true,
         -1,
         Vorspann + "es hat den Befehl nicht innerhalb von 0 Sekunden angenommen und antwortet wohl nicht.",
         {{"x.ovk", "", ""}},
         1},
        {"the channel cannot be written",
         {"x.ovk"},
         true,
         false,
         0,
         Vorspann + "der Befehl konnte ihm nicht übergeben werden.",
         {{"x.ovk", "", ""}},
         0},
        {"no channel",
         {"x.ovk"},
         false,
         true,
         0,
         Vorspann + "der Befehl kann ihm nicht übergeben werden. Grund.",
         {},
         0},
        {"a file name with a bar",
         {MitStrich},
         true,
         true,
         0,
         Vorspann + "ein Dateiname mit senkrechtem Strich (|) kann ihm nicht übergeben werden: " + MitStrich,
         {},
         0},
    };
    for (const TFall& f : Faelle) {
        auto Kanal = std::make_unique<TSkriptKanal>();
        Kanal->SchreibenOk = f.SchreibenOk;
        Kanal->AbgeholtNach = f.AbgeholtNach;
        TSkriptKanal& k = *Kanal;
        TKanalOeffnung Oeffnung;
        if (f.KanalDa) {
            Oeffnung.Kanal = std::move(Kanal);
        } else {
            Oeffnung.Fehler = "Grund.";
        }
        EXPECT_EQ(ZweiterStart(f.Argumente, Oeffnung, 300ms, 1ms), f.Meldung) << f.Name;
        if (f.KanalDa) {
            EXPECT_EQ(k.Geschrieben, f.Geschrieben) << f.Name;
            EXPECT_EQ(k.Zurueckgenommen, f.Zurueckgenommen) << f.Name;
        }
    }
}

} // namespace
