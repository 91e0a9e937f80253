#include "search/TSucheNameForm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

// The folder of the shipped "Namenstage.dat".
std::string DatenOrdner() {
    return (std::filesystem::path(std::getenv("ORVANTO_TESTDATA")) / ".." / ".." / "data").string();
}

std::vector<std::string> Zeilen(const std::string& AText) {
    std::vector<std::string> Ergebnis;
    std::istringstream Strom(AText);
    for (std::string Zeile; std::getline(Strom, Zeile);) {
        Ergebnis.push_back(Zeile);
    }
    return Ergebnis;
}

// The day word of each result line ("1.1." of "1.1.: Wilhelm, Maria").
std::vector<std::string> Tage(const std::vector<std::string>& AZeilen) {
    std::vector<std::string> Ergebnis;
    for (std::size_t i = 1; i < AZeilen.size(); ++i) {
        Ergebnis.push_back(AZeilen[i].substr(0, AZeilen[i].find(": ")));
    }
    return Ergebnis;
}

TEST(SucheNameForm, MariaInTheShippedFile) {
    const std::vector<std::string> Maria = {"1.1.",  "2.2.",  "11.2.", "8.6.",  "2.7.",  "5.8.",
                                            "15.8.", "22.8.", "8.9.",  "12.9.", "7.10.", "8.12."};
    TSucheNameForm Form(DatenOrdner());
    ASSERT_FALSE(Form.FehlendeDatei().has_value());

    EXPECT_FALSE(Form.Suchen("MARIA", true));
    EXPECT_EQ(Form.SuchStr, "maria");
    std::vector<std::string> Genau = Zeilen(Form.Ergebnis);
    EXPECT_EQ(Genau.front(), "Namenstage:");
    EXPECT_EQ(Tage(Genau), Maria);
    // Every line names all persons of its day, the searched one among them.
    for (std::size_t i = 1; i < Genau.size(); ++i) {
        EXPECT_NE(Genau[i].find("Maria"), std::string::npos) << Genau[i];
    }
    // The caret stands at the first result.
    EXPECT_EQ(Form.Ergebnis.substr(Form.ErgebnisCaret, 5), "1.1.:");

    EXPECT_FALSE(Form.Suchen("maria", false));
    const std::vector<std::string> Teile = Tage(Zeilen(Form.Ergebnis));
    EXPECT_EQ(Teile.size(), Maria.size() + 2);
    for (const std::string& Tag : Maria) {
        EXPECT_NE(std::find(Teile.begin(), Teile.end(), Tag), Teile.end()) << Tag;
    }
    for (const char* Tag : {"26.5.", "9.6."}) {
        EXPECT_NE(std::find(Teile.begin(), Teile.end(), Tag), Teile.end()) << Tag;
    }

    // Exact: part of a name finds nothing, with the sound.
    EXPECT_TRUE(Form.Suchen("Mari", true));
    EXPECT_EQ(Zeilen(Form.Ergebnis),
              (std::vector<std::string>{"Namenstage:", "Der Name \"mari\" wurde nicht gefunden!"}));
}

TEST(SucheNameForm, MissingFile) {
    const std::filesystem::path Ordner = std::filesystem::temp_directory_path() / "orvanto-ohne-namenstage";
    std::filesystem::create_directories(Ordner);
    TSucheNameForm Form(Ordner.string());
    const std::string Datei = (Ordner / "Namenstage.dat").string();
    EXPECT_EQ(Form.FehlendeDatei(), "Die Namenstags-Datei \"" + Datei + "\" existiert nicht!");
    // Should the file vanish while the dialog is open: the file's fault in the pane, with the sound.
    EXPECT_TRUE(Form.Suchen("maria", false));
    EXPECT_EQ(Form.Ergebnis, "Fehler in der Namenstags-Datei!");
    EXPECT_EQ(Form.ErgebnisCaret, 0u);
    std::filesystem::remove_all(Ordner);
}

TEST(SucheNameForm, TypingRules) {
    EXPECT_FALSE(TSucheNameForm::SuchenErlaubt(""));
    EXPECT_FALSE(TSucheNameForm::SuchenErlaubt("  "));
    EXPECT_TRUE(TSucheNameForm::SuchenErlaubt(" a"));
    EXPECT_EQ(TSucheNameForm::Klein("ÖZGÜR"), "özgür");
    for (char32_t c : {U'a', U'Ä', U' ', U'ß', U'\u00A0'}) {
        EXPECT_TRUE(TSucheNameForm::StartetNeuenNamen(c)) << static_cast<int>(c);
    }
    for (char32_t c : {U'\t', U'\r', U'\x1B', U'\x7F', U'\u0085', U'\u009F'}) {
        EXPECT_FALSE(TSucheNameForm::StartetNeuenNamen(c)) << static_cast<int>(c);
    }
}

} // namespace
