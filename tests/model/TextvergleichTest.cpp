#include "model/Textvergleich.h"

#include <gtest/gtest.h>

TEST(Textvergleich, IgnoresLetterCaseOfEuropeanLetters) {
    struct Fall {
        const char* A;
        const char* B;
        bool Gleich;
    } Faelle[] = {
        {"Ärzte", "äRZTE", true},   {"ÉCOLE", "école", true}, {"ŁÓDŹ", "łódź", true},
        {"Ÿ", "ÿ", true},           {"ΑΒΓ", "αβγ", true},     {"ЖЁЛТЫЙ", "жёлтый", true},
        {"Straße", "STRAßE", true}, {"Ärzte", "Ärzt", false}, {"I", "ı", false},
        {"a\xFF", "A\xFF", true},   {"ä", "a", false},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(GleichOhneGrossKlein(f.A, f.B), f.Gleich) << f.A << " / " << f.B;
    }
}
