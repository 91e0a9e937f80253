// "Kurztasten.txt" as the build writes it: every shortcut of the main window's menu table stands
// there under its menu, in the German key names the screen reader and the keycaps use.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "info/RemoveAmpersands.h"
#include "tools/Kurztasten.h"
#include "window/TMenueBefehl.h"

namespace {

std::vector<std::string> Zeilen() {
    std::ifstream Datei(ORVANTO_KURZTASTEN);
    std::vector<std::string> Ergebnis;
    for (std::string Zeile; std::getline(Datei, Zeile);) {
        Ergebnis.push_back(Zeile);
    }
    return Ergebnis;
}

// The lines of one menu's group: after its heading, up to the next blank line.
std::vector<std::string> Gruppe(const std::vector<std::string>& AZeilen, TMenue AMenue) {
    const std::string Kopf = "Menü " + RemoveAmpersands(MenueCaption(AMenue));
    std::vector<std::string> Ergebnis;
    bool Drin = false;
    for (const std::string& Zeile : AZeilen) {
        if (Drin && Zeile.empty()) {
            break;
        }
        if (Drin) {
            Ergebnis.push_back(Zeile);
        }
        Drin = Drin || Zeile.starts_with(Kopf);
    }
    return Ergebnis;
}

TEST(Kurztasten, ListsEveryShortcutOfTheMenuTableUnderItsMenu) {
    const std::vector<std::string> Datei = Zeilen();
    ASSERT_FALSE(Datei.empty()) << ORVANTO_KURZTASTEN;
    for (std::int32_t b = 0; b < MenueBefehlAnzahl; ++b) {
        const auto Befehl = static_cast<TMenueBefehl>(b);
        const TMenueEintrag& e = MenueEintrag(Befehl);
        if (*e.Kurztaste == '\0') {
            continue;
        }
        std::string Name = RemoveAmpersands(e.Caption);
        if (Name.ends_with("...")) {
            Name.resize(Name.size() - 3);
        }
        const std::optional<std::string> Taste = TastenName(e.Kurztaste);
        ASSERT_TRUE(Taste) << e.Kurztaste;
        const std::vector<std::string> Menue = Gruppe(Datei, MenueVon(Befehl));
        EXPECT_NE(std::find(Menue.begin(), Menue.end(), Name + ": " + *Taste), Menue.end())
            << Name << " fehlt unter " << MenueCaption(MenueVon(Befehl));
    }
}

TEST(Kurztasten, NamesMenusWithTheirAccessKeyAndNoAmpersand) {
    const std::vector<std::string> Datei = Zeilen();
    EXPECT_NE(std::find(Datei.begin(), Datei.end(), "Menü Sprünge, Alt+P"), Datei.end());
    EXPECT_NE(std::find(Datei.begin(), Datei.end(), "Gehe zu Datum: Strg+G"), Datei.end());
    for (const std::string& Zeile : Datei) {
        EXPECT_EQ(Zeile.find('&'), std::string::npos) << Zeile;
    }
}

TEST(Kurztasten, TranslatesKeyNamesToGerman) {
    struct Fall {
        const char* Kurztaste;
        std::optional<std::string> Name;
    };
    const Fall Faelle[] = {
        {"Ctrl+G", "Strg+G"},
        {"Ctrl+0", "Strg+0"},
        {"Alt+Home", "Alt+Pos1"},
        {"Alt+End", "Alt+Ende"},
        {"Ctrl+PgDn", "Strg+Bild ab"},
        {"Ctrl+PgUp", "Strg+Bild auf"},
        {"Ctrl+Down", "Strg+Pfeil ab"},
        {"Alt+Up", "Alt+Pfeil auf"},
        {"Shift+Del", "Umschalt+Entf"},
        {"Ctrl+Shift+Left", "Strg+Umschalt+Pfeil links"},
        {"F3", "F3"},
        {"Shift+F12", "Umschalt+F12"},
        {"Ctrl+Enter", "Strg+Eingabetaste"},
        // Unknown names give none, so no English name reaches the text.
        {"Ctrl+PageDown", std::nullopt},
        {"Hyper+G", std::nullopt},
        {"Ctrl+g", std::nullopt},
        {"Ctrl+F", "Strg+F"},
        {"F1a", std::nullopt},
        {"Ctrl+", std::nullopt},
        {"", std::nullopt},
    };
    for (const Fall& f : Faelle) {
        EXPECT_EQ(TastenName(f.Kurztaste), f.Name) << f.Kurztaste;
    }
}

} // namespace
