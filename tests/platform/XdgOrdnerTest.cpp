#include "platform/linux/XdgOrdner.h"

#include "Umgebung.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct TFall {
    std::optional<std::string> Home;
    std::optional<std::string> ConfigHome;
    std::string UserDirs; // written to <config>/user-dirs.dirs when not empty
    std::string Anwendungsdaten;
    std::string Dokumente;
    std::string Autostart;
};

TEST(XdgOrdnerTest, FoldersFollowTheEnvironmentAndTheUserDirsFile) {
    TTempOrdner Temp;
    const std::string H = Temp.Pfad() + "/home";
    const std::string C = Temp.Pfad() + "/conf";
    const std::vector<TFall> Faelle = {
        {H, std::nullopt, "", H + "/.config/", H + "/Documents/", H + "/.config/autostart/"},
        {H + "/", "", "", H + "/.config/", H + "/Documents/", H + "/.config/autostart/"},
        {H, C, "", C + "/", H + "/Documents/", C + "/autostart/"},
        // A relative XDG_CONFIG_HOME is invalid and ignored.
        {H, "relativ/conf", "", H + "/.config/", H + "/Documents/", H + "/.config/autostart/"},
        {H, C, "# Kommentar\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", C + "/", H + "/Dokumente/",
         C + "/autostart/"},
        {H, C, "XDG_DOCUMENTS_DIR=\"/daten/Meine Dokumente\"\n", C + "/", "/daten/Meine Dokumente/",
         C + "/autostart/"},
        {H, C, "XDG_DOCUMENTS_DIR=\"kaputt\"\n", C + "/", H + "/Documents/", C + "/autostart/"},
        {std::nullopt, std::nullopt, "", "", "", ""},
        {std::nullopt, C, "", C + "/", "", C + "/autostart/"},
    };
    for (std::size_t i = 0; i < Faelle.size(); ++i) {
        const TFall& f = Faelle[i];
        TUmgebung Umgebung;
        Umgebung.Setzen("HOME", f.Home);
        Umgebung.Setzen("XDG_CONFIG_HOME", f.ConfigHome);
        std::filesystem::remove_all(C);
        if (!f.UserDirs.empty())
            DateiSchreiben(C + "/user-dirs.dirs", f.UserDirs);
        TXdgOrdner Ordner;
        EXPECT_EQ(Ordner.GetSpecialFolder(ofAnwendungsdaten), f.Anwendungsdaten) << i;
        EXPECT_EQ(Ordner.GetSpecialFolder(ofDokumente), f.Dokumente) << i;
        EXPECT_EQ(Ordner.GetSpecialFolder(ofAutostart), f.Autostart) << i;
    }
}

} // namespace
