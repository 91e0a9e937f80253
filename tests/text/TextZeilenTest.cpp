#include "text/TextZeilen.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(TextZeilen, JedeZeileEndetMitLf) {
    const std::pair<std::string, std::string> Faelle[] = {
        {"", ""},
        {"eins", "eins\n"},
        {"eins\r\nzwei\r\n", "eins\nzwei\n"},
        {"eins\r\n\r\nzwei", "eins\n\nzwei\n"},
        {"eins\rzwei\n", "eins\nzwei\n"},
    };
    for (const auto& [Text, Erwartet] : Faelle) {
        std::ostringstream Aus;
        TextZeilenAusgeben(Aus, Text);
        EXPECT_EQ(Aus.str(), Erwartet) << Text;
    }
}
