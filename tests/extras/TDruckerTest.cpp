#include "extras/TDrucker.h"

#include <gtest/gtest.h>

#include "model/Textvergleich.h"

namespace {

using TZeilen = std::vector<TDrucker::TDruckzeile>;

// A page of a fixed-pitch font: each character, an umlaut too, is one unit wide.
int Zeichenbreite(std::string_view AText) {
    return static_cast<int>(Utf8ZuCodepunkten(AText).size());
}

// The text without its spaces: what must reach the paper whatever the cuts.
std::string OhneLeerzeichen(const std::string& AText) {
    std::string Ergebnis;
    for (char c : AText) {
        if (c != ' ') {
            Ergebnis += c;
        }
    }
    return Ergebnis;
}

TEST(DruckerUmbruch, LongLinesGoOnIndentedAndNothingButTheSpacesAtACutIsLeftOut) {
    const struct {
        const char* Name;
        std::string Zeile;
        int Breite, Einzug;
        TZeilen Erwartet;
    } Faelle[] = {
        {"a line that fits stays whole", "Mo 06.01.2025: Arzt", 19, 2, {{"Mo 06.01.2025: Arzt", false}}},
        {"an empty line stays a line", "", 10, 2, {{"", false}}},
        {"cut after the last word that fits, continuations narrower by the indent",
         "W2  Mo 06.01.2025 09:30h: Zahnarzt Kontrolle",
         20,
         4,
         {{"W2  Mo 06.01.2025", false}, {"09:30h: Zahnarzt", true}, {"Kontrolle", true}}},
        {"the spaces at a cut are left out, those inside a piece kept",
         "Arzt  Di    Mittwoch",
         8,
         0,
         {{"Arzt  Di", false}, {"Mittwoch", true}}},
        {"a word wider than the line is cut after its last character that fits",
         "Breit" + std::string(17, 'x') + "Ende",
         10,
         2,
         {{"Breitxxxxx", false}, {"xxxxxxxx", true}, {"xxxxEnde", true}}},
        {"umlauts count as one character each, and none is split",
         "ÄÖÜäöüßÄÖÜ Grüße",
         4,
         0,
         {{"ÄÖÜä", false}, {"öüßÄ", true}, {"ÖÜ", true}, {"Grüß", true}, {"e", true}}},
        {"a page narrower than the indent still prints a character a line",
         "abc",
         1,
         3,
         {{"a", false}, {"b", true}, {"c", true}}},
        {"leading spaces of a line stay", "  Arzt Zahnarzt", 8, 0, {{"  Arzt", false}, {"Zahnarzt", true}}},
    };
    for (const auto& f : Faelle) {
        const TZeilen Gedruckt = TDrucker::Umbrechen({f.Zeile}, f.Breite, f.Einzug, Zeichenbreite);
        EXPECT_EQ(Gedruckt, f.Erwartet) << f.Name;
        std::string Zusammen;
        for (const auto& z : Gedruckt) {
            Zusammen += z.Text;
            const int Platz = z.FortsetzungS ? f.Breite - f.Einzug : f.Breite;
            EXPECT_TRUE(Zeichenbreite(z.Text) <= std::max(Platz, 1)) << f.Name << ": " << z.Text;
        }
        EXPECT_EQ(OhneLeerzeichen(Zusammen), OhneLeerzeichen(f.Zeile)) << f.Name;
    }
}

// A line cut near the bottom of a page goes on at the top of the next, and every line comes
// once, in its order.
TEST(DruckerUmbruch, ManyLinesGoOnOverPageBreaksInTheirOrder) {
    std::vector<std::string> Zeilen;
    for (int i = 1; i <= 4; ++i) {
        Zeilen.push_back("Zeile " + std::to_string(i));
    }
    Zeilen.push_back("Di 07.01.2025: Zahnarzt mit Kontrolle");
    for (int i = 5; i <= 11; ++i) {
        Zeilen.push_back("Zeile " + std::to_string(i));
    }
    const auto Seiten = TDrucker::Seitenweise(TDrucker::Umbrechen(Zeilen, 15, 2, Zeichenbreite), 5);
    ASSERT_EQ(Seiten.size(), 3u);
    EXPECT_EQ(Seiten[0].back(), (TDrucker::TDruckzeile{"Di 07.01.2025:", false}));
    EXPECT_EQ(Seiten[1].front(), (TDrucker::TDruckzeile{"Zahnarzt mit", true}));
    EXPECT_EQ(Seiten[1][1], (TDrucker::TDruckzeile{"Kontrolle", true}));
    EXPECT_EQ(Seiten[2].back().Text, "Zeile 11");
    std::vector<std::string> Gelesen;
    for (const auto& s : Seiten) {
        EXPECT_LE(s.size(), 5u);
        for (const auto& z : s) {
            Gelesen.push_back(z.Text);
        }
    }
    EXPECT_EQ(Gelesen.size(), 14u);
    EXPECT_EQ(Gelesen[2], "Zeile 3");
    EXPECT_EQ(Gelesen[7], "Zeile 5");
}

TEST(DruckerUmbruch, NothingToPrintIsOneEmptyPageAndAPageHoldsAtLeastOneLine) {
    EXPECT_EQ(TDrucker::Seitenweise({}, 40), std::vector<TDrucker::TDruckseite>(1));
    const TZeilen Zwei = {{"a", false}, {"b", false}};
    EXPECT_EQ(TDrucker::Seitenweise(Zwei, 0),
              (std::vector<TDrucker::TDruckseite>{{{"a", false}}, {{"b", false}}}));
}

} // namespace
