#include "info/Namenstage.h"

#include <filesystem>
#include <gtest/gtest.h>

#include <string>

namespace {

// A folder of name-day files under tests/info/Namenstage.
std::string Ordner(const std::string& AName) {
    return std::string(ORVANTO_INFO_TESTDATEN) + "/Namenstage/" + AName;
}

TDateTime Datum(int AJahr, int AMonat, int ATag) {
    return EncodeDate(AJahr, AMonat, ATag);
}

struct Fall {
    const char* Ordner;
    TDateTime Datum;
    const char* Namen;
};

TEST(Namenstage, NamesOfADay) {
    const Fall Faelle[] = {
        {"Beispiel", Datum(2025, 7, 26), "Anna/Hanna, Jakob/Christophorus"},
        {"Beispiel", Datum(2025, 12, 9), "Anna/Hanna"},
        {"Beispiel", Datum(1990, 7, 25), "Jakob/Christophorus"},
        {"Beispiel", Datum(2025, 7, 26) + 0.75, "Anna/Hanna, Jakob/Christophorus"}, // the time is ignored
        {"Beispiel", Datum(2025, 4, 23), "Jürgen/Dörte"},
        {"Beispiel", Datum(2024, 2, 29), "Schalttag"},
        {"Beispiel", Datum(2025, 3, 1), "-"},                // 29.2 is found only on 29 February
        {"Beispiel", Datum(2025, 1, 6), "-"},                // "06.01" and "6.1." are not the token 6.1
        {"Beispiel", Datum(2025, 6, 1), "-"},                // nor is "01.6" the token 1.6
        {"Beispiel", Datum(2025, 3, 3), "Doppelt, Doppelt"}, // listed twice, named twice
        {"Beispiel", Datum(2025, 4, 4), "Abstand"},          // several spaces separate as one
        {"Beispiel", Datum(2025, 5, 5), "Abstand"},
        {"Beispiel", Datum(2025, 7, 7), "-"}, // only the space separates: "7.7<tab>8.8" is one token
        {"Beispiel", Datum(2025, 8, 8), "-"},
        {"Beispiel", Datum(2025, 1, 1), "-"},
        {"Ansi", Datum(2025, 4, 23), "Jürgen/Dörte, Anna"},
        {"Utf16", Datum(2025, 4, 23), "Jürgen"},
    };
    for (const Fall& f : Faelle)
        EXPECT_EQ(Namenstage(Ordner(f.Ordner), f.Datum), f.Namen)
            << f.Ordner << " " << DatumText(TagVon(f.Datum));
}

TEST(Namenstage, BrokenOrMissingFilesGiveNoNames) {
    const Fall Faelle[] = {
        {"Ungerade", Datum(2025, 7, 26), "-"},     // odd line count: not even its complete pairs count
        {"Leer", Datum(2025, 7, 26), "-"},         // nothing but blanks and line breaks
        {"Fehlt", Datum(2025, 7, 26), "-"},        // no such folder
        {"Unlesbar", Datum(2025, 7, 26), "-"},     // "Namenstage.dat" is a folder
        {"Leerzeile", Datum(2025, 7, 26), "Anna"}, // an empty line shifts the pairs after it
        {"Leerzeile", Datum(2025, 3, 3), "26.7"},
    };
    for (const Fall& f : Faelle)
        EXPECT_EQ(Namenstage(Ordner(f.Ordner), f.Datum), f.Namen)
            << f.Ordner << " " << DatumText(TagVon(f.Datum));
}

TEST(Namenstage, LinesAreTrimmedAtBothEndsOnly) {
    const std::vector<std::string> Zeilen = NamenstageZeilen(NamenstageDatei(Ordner("Beispiel")));
    ASSERT_EQ(Zeilen.size(), 16u);
    EXPECT_EQ(Zeilen.front(), "Anna/Hanna");
    EXPECT_EQ(Zeilen[13], "  4.4    5.5  ");
    EXPECT_EQ(Zeilen.back(), "7.7\t8.8");
    EXPECT_TRUE(SindNamenstagPaare(Zeilen));
}

TEST(Namenstage, PairRule) {
    EXPECT_FALSE(SindNamenstagPaare({}));
    EXPECT_FALSE(SindNamenstagPaare(NamenstageZeilen(NamenstageDatei(Ordner("Leer")))));
    EXPECT_FALSE(SindNamenstagPaare(NamenstageZeilen(NamenstageDatei(Ordner("Ungerade")))));
    EXPECT_TRUE(SindNamenstagPaare({"Anna", "26.7"}));
}

TEST(Namenstage, FileNameInItsFolder) {
    // The system's own separator joins them; one that is there already stays alone.
    const std::string Trenner(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(NamenstageDatei("/opt/orvanto"), "/opt/orvanto" + Trenner + "Namenstage.dat");
    EXPECT_EQ(NamenstageDatei("/opt/örvanto/"), "/opt/örvanto/Namenstage.dat");
}

TEST(Namenstage, ShippedFileLoads) {
    const std::string Datei = NamenstageDatei(ORVANTO_DATENORDNER);
    const std::vector<std::string> Zeilen = NamenstageZeilen(Datei);
    EXPECT_TRUE(SindNamenstagPaare(Zeilen));
    EXPECT_EQ(Zeilen.size(), 1172u);
    EXPECT_EQ(Namenstage(ORVANTO_DATENORDNER, Datum(2026, 1, 4)),
              "Angelika, Christiane, Marius, Rüdiger, Titus, Angela");
    EXPECT_EQ(Namenstage(ORVANTO_DATENORDNER, Datum(2026, 12, 31)), "Melanie, Silvester");
    EXPECT_EQ(Namenstage(ORVANTO_DATENORDNER, Datum(2024, 2, 29)), "Hilarius, Oswald");
}

} // namespace
