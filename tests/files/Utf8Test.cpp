#include "files/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, ValidityFollowsTheStrictRules) {
    struct Fall {
        std::string Text;
        bool GueltigS;
    };
    const Fall Faelle[] = {
        {"", true},
        {"Grüße € 日本 😀", true},
        {"\xC2\x80", true},          // smallest two-byte value
        {"\xEF\xBF\xBF", true},      // U+FFFF
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"\x80", false},             // continuation byte where a character starts
        {"\xC1\xBF", false},         // overlong two-byte form
        {"\xE0\x9F\xBF", false},     // overlong three-byte form
        {"\xF0\x8F\xBF\xBF", false}, // overlong four-byte form
        {"\xED\xBF\xBF", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\xF5\x80\x80\x80", false}, // lead byte beyond F4
        {"\xE2\x82", false},         // cut off by the end
        {"\xE2\x82x", false},        // cut off by an ASCII byte
    };
    for (const Fall& f : Faelle)
        EXPECT_EQ(IstGueltigesUtf8(f.Text), f.GueltigS) << testing::PrintToString(f.Text);
}

TEST(Utf8, CutOffIsToldApartFromInvalid) {
    std::size_t Pos = 0;
    EXPECT_EQ(LiesUtf8Zeichen("\xF0\x9F\x98", Pos).Status, TUtf8Status::usAbgeschnitten);
    EXPECT_EQ(Pos, 3u);
    Pos = 0;
    EXPECT_EQ(LiesUtf8Zeichen("\xF0\x9F"
                              "a",
                              Pos)
                  .Status,
              TUtf8Status::usUngueltig);
    EXPECT_EQ(Pos, 2u);
}

TEST(Utf8, InvalidSequencesAreReplacedOncePerFault) {
    EXPECT_EQ(GueltigesUtf8("a\xFF"
                            "b\xE2\x82"
                            "c\xC3"),
              "a\uFFFD"
              "b\uFFFD"
              "c\uFFFD");
    EXPECT_EQ(GueltigesUtf8("ä"), "ä");
}

TEST(Utf8, EncodingCoversEveryLengthAndRejectsSurrogates) {
    std::string s;
    for (char32_t z : {U'A', U'ä', U'€', U'😀', char32_t{0xD800}, char32_t{0x110000}})
        AppendUtf8(s, z);
    EXPECT_EQ(s, "Aä€😀\uFFFD\uFFFD");
}

} // namespace
