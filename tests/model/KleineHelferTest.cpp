#include "model/Fuellen.h"
#include "model/Importargument.h"
#include "model/Ziffernzahl.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

TEST(Ziffernzahl, ReadsOnlyARunOfDigitsWithinItsLength) {
    constexpr std::size_t Alle = std::string_view::npos;
    const struct {
        const char* Text;
        std::size_t MaxStellen;
        std::optional<int> Wert;
    } Faelle[] = {
        {"7", 2, 7},
        {"07", 2, 7},
        {"59", 2, 59},
        {"123", 2, std::nullopt}, // one digit too many
        {"2025", 4, 2025},
        {"", 4, std::nullopt},
        {" 5", 4, std::nullopt},
        {"5 ", 4, std::nullopt},
        {"-5", 4, std::nullopt},
        {"+5", 4, std::nullopt},
        {"1a", 4, std::nullopt},
        {"1.5", 4, std::nullopt},
        {"\xd9\xa3", 4, std::nullopt}, // an Arabic-Indic three is no digit here
        {"000000000000000000012", Alle, 12},
        {"2147483647", Alle, std::numeric_limits<int>::max()},
        {"2147483648", Alle, std::numeric_limits<int>::max()}, // beyond int: the largest
        {"99999999999999999999999", Alle, std::numeric_limits<int>::max()},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(Ziffernzahl(f.Text, f.MaxStellen), f.Wert) << '"' << f.Text << "\" " << f.MaxStellen;
    }
}

TEST(Fuellen, FillsTheBlanksInOrderAndNeverReadsAValueAsAPattern) {
    const struct {
        const char* Muster;
        std::initializer_list<std::string> Werte;
        const char* Ergebnis;
    } Faelle[] = {
        {"Schriftgröße (%d bis %d): %s", {"6", "72", "12"}, "Schriftgröße (6 bis 72): 12"},
        {"Soll der folgende %s erstellt werden?\r\n\"%s\"",
         {"Termin", "Arzt"},
         "Soll der folgende Termin erstellt werden?\r\n\"Arzt\""},
        {"100 %% sicher: %s", {"ja"}, "100 % sicher: ja"},
        {"%s und %s", {"eins"}, "eins und %s"},   // a blank beyond the values stays
        {"nur %s", {"eins", "zwei"}, "nur eins"}, // a value beyond the blanks is dropped
        {"\"%s\"", {"%s %d %%"}, "\"%s %d %%\""}, // a typed text is taken as it is
        {"%x%", {"a"}, "%x%"},
        {"%s", {""}, ""},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(Fuellen(f.Muster, f.Werte), f.Ergebnis) << f.Muster;
    }
}

TEST(Importdatei, IsWhatFollowsThePrefixInAnyLetterCase) {
    const struct {
        const char* Argument;
        std::optional<std::string> Datei;
    } Faelle[] = {
        {"/I:/home/anna/Neu.ovi", "/home/anna/Neu.ovi"},
        {"/i:Neu.ovi", "Neu.ovi"},
        {"/I:", ""},
        {"/I", std::nullopt},
        {"/I/Neu.ovi", std::nullopt},
        {" /I:Neu.ovi", std::nullopt},
        {"Neu.ovi", std::nullopt},
        {"", std::nullopt},
        {"/systemstartup", std::nullopt},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(Importdatei(f.Argument), f.Datei) << '"' << f.Argument << '"';
    }
}
