#include "speech/linux/OrcaErkennung.h"

#include "platform/Umgebung.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct TProzess {
    std::string Nr;
    std::string Comm;
    std::string Cmdline; // arguments separated by '|', written with NUL bytes
};

void Anlegen(const std::string& AProc, const TProzess& P) {
    const auto Ordner = std::filesystem::path(AProc) / P.Nr;
    std::filesystem::create_directories(Ordner);
    std::ofstream(Ordner / "comm") << P.Comm << "\n";
    std::string Cmdline = P.Cmdline;
    for (char& c : Cmdline)
        if (c == '|')
            c = '\0';
    std::ofstream(Ordner / "cmdline", std::ios::binary) << Cmdline;
}

TEST(OrcaErkennungTest, FindsOrcaAmongTheUsersProcesses) {
    struct TFall {
        std::vector<TProzess> Prozesse;
        bool Gefunden;
    };
    const std::vector<TFall> Faelle = {
        {{{"1", "bash", "bash|"}, {"42", "orca", "/usr/bin/python3|/usr/bin/orca|--replace|"}}, true},
        {{{"7", "python3", "/usr/bin/python3|/usr/bin/orca|"}}, true},
        {{{"7", "python3", "python3|-m|orca_helper|"}, {"8", "orca-dbus", "orca-dbus|"}}, false},
        // Only process folders count.
        {{{"self", "orca", "orca|"}}, false},
        {{}, false},
    };
    for (const TFall& f : Faelle) {
        TTempOrdner Proc;
        for (const TProzess& p : f.Prozesse)
            Anlegen(Proc.Pfad(), p);
        EXPECT_EQ(OrcaProzessLaeuft(Proc.Pfad()), f.Gefunden) << f.Prozesse.size();
    }
}

TEST(OrcaErkennungTest, MissingProcessFolderMeansNoOrca) {
    EXPECT_FALSE(OrcaProzessLaeuft("/nonexistent/proc"));
}

TEST(OrcaErkennungTest, WithoutSessionBusTheStatusIsUnknown) {
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    EXPECT_EQ(ScreenReaderEnabled(), std::nullopt);
}

} // namespace
