#include "search/TNamenSuche.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

// A program folder of its own holding the given "Namenstage.dat".
class NamenSuche : public ::testing::Test {
protected:
    std::filesystem::path Ordner =
        std::filesystem::temp_directory_path() / ("orvanto-namensuche-" + std::to_string(::getpid()));

    void SetUp() override { std::filesystem::create_directories(Ordner); }
    void TearDown() override { std::filesystem::remove_all(Ordner); }

    void Datei(const std::string& AInhalt) {
        std::ofstream(Ordner / "Namenstage.dat", std::ios::binary) << AInhalt;
    }
    TNamenSuche Suche(const std::string& AName, bool AGenauS) {
        return NamenstagSuchen(Ordner.string(), AName, AGenauS);
    }
};

const std::string Beispiel = "Anna/Hanna\n26.7 9.12\n"
                             "Jakob/Christophorus\n25.7 26.7\n"
                             "Johanna\n30.5\n"
                             "Oswald\n29.2 5.8\n";

TEST_F(NamenSuche, FindetTeileUndGanzeNamen) {
    Datei(Beispiel);
    struct Fall {
        std::string Name;
        bool GenauS;
        std::vector<std::string> Zeilen;
    };
    const std::vector<Fall> Faelle = {
        // Part of a name matches anywhere, also inside other names; a day reached twice is listed once.
        {"ANN",
         false,
         {"Namenstage:", "26.7.: Anna/Hanna, Jakob/Christophorus", "9.12.: Anna/Hanna", "30.5.: Johanna"}},
        // Exact: only a whole name, ignoring case.
        {"HANNA", true, {"Namenstage:", "26.7.: Anna/Hanna, Jakob/Christophorus", "9.12.: Anna/Hanna"}},
        {"ann", true, {"Namenstage:", "Der Name \"ann\" wurde nicht gefunden!"}},
        // Text spanning the separator matches without exact match.
        {"a/h", false, {"Namenstage:", "26.7.: Anna/Hanna, Jakob/Christophorus", "9.12.: Anna/Hanna"}},
        {"oswald", true, {"Namenstage:", "29.2.: Oswald", "5.8.: Oswald"}},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        const TNamenSuche s = Suche(f.Name, f.GenauS);
        EXPECT_EQ(s.Zeilen, f.Zeilen);
        EXPECT_EQ(s.Ergebnis,
                  f.Zeilen.size() == 2 && f.Zeilen[1].starts_with("Der Name") ? nsNichtGefunden : nsGefunden);
    }
}

TEST_F(NamenSuche, UmlauteWerdenKleinGesuchtUndGezeigt) {
    Datei("Jürgen/Ägidius\n1.9\n");
    EXPECT_EQ(SuchStrAus("ÄGIDIUS"), "ägidius");
    EXPECT_EQ(Suche("ÄGID", false).Zeilen, (std::vector<std::string>{"Namenstage:", "1.9.: Jürgen/Ägidius"}));
    EXPECT_EQ(Suche("ÖTZI", false).Zeilen,
              (std::vector<std::string>{"Namenstage:", "Der Name \"ötzi\" wurde nicht gefunden!"}));
}

TEST_F(NamenSuche, FehlerhafteDateiGibtDieMeldung) {
    const std::vector<std::string> Fehler = {"Fehler in der Namenstags-Datei!"};
    // No file at all.
    EXPECT_EQ(Suche("anna", false).Ergebnis, nsDateiFehler);
    for (const std::string Inhalt : {"", "Anna\n26.7\nJakob\n", "Anna\n31.2\n", "Anna\n06.x\n"}) {
        SCOPED_TRACE(Inhalt);
        Datei(Inhalt);
        const TNamenSuche s = Suche("anna", false);
        EXPECT_EQ(s.Ergebnis, nsDateiFehler);
        EXPECT_EQ(s.Zeilen, Fehler);
    }
}

} // namespace
