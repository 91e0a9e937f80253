#include "files/Codepage1252.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <set>
#include <string>

namespace {

// The five bytes code page 1252 leaves undefined; Windows maps them to the C1 controls of the
// same value.
const std::set<int> Undefiniert = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

// The system's own code page 1252 table, independent of ours: the C library's on Linux, the
// Windows API's on Windows. Empty when it has no character for the byte.
std::string SystemZeichen(unsigned char AByte) {
    const char Ein[1] = {static_cast<char>(AByte)};
#ifdef _WIN32
    wchar_t Breit[2] = {};
    const int n = MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, Ein, 1, Breit, 2);
    char Aus[8] = {};
    const int m = n > 0 ? WideCharToMultiByte(CP_UTF8, 0, Breit, n, Aus, sizeof Aus, nullptr, nullptr) : 0;
    // Windows hands the five undefined bytes back as the C1 controls of the same value.
    if (m <= 0 || (n == 1 && Breit[0] == AByte && AByte >= 0x80 && AByte < 0xA0))
        return {};
    return std::string(Aus, static_cast<std::size_t>(m));
#else
    iconv_t Konverter = iconv_open("UTF-8", "CP1252");
    if (Konverter == reinterpret_cast<iconv_t>(-1))
        return "iconv fehlt";
    char* EinZeiger = const_cast<char*>(Ein);
    char Aus[8] = {};
    char* AusZeiger = Aus;
    std::size_t EinRest = 1, AusRest = sizeof Aus;
    const std::size_t Ergebnis = iconv(Konverter, &EinZeiger, &EinRest, &AusZeiger, &AusRest);
    iconv_close(Konverter);
    if (Ergebnis == static_cast<std::size_t>(-1))
        return {};
    return std::string(Aus, AusZeiger);
#endif
}

std::string Utf8Von(char32_t AZeichen) {
    std::string s;
    if (AZeichen < 0x80) {
        s.push_back(static_cast<char>(AZeichen));
    } else if (AZeichen < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (AZeichen >> 6)));
        s.push_back(static_cast<char>(0x80 | (AZeichen & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xE0 | (AZeichen >> 12)));
        s.push_back(static_cast<char>(0x80 | ((AZeichen >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (AZeichen & 0x3F)));
    }
    return s;
}

TEST(Codepage1252, EveryByteMatchesTheSystemTableAndTheUndefinedFiveAreC1Controls) {
    for (int b = 0; b < 256; ++b) {
        const std::string Byte(1, static_cast<char>(b));
        const std::string Text = Cp1252ToUtf8(Byte);
        if (Undefiniert.contains(b)) {
            EXPECT_EQ(SystemZeichen(static_cast<unsigned char>(b)), "") << "byte " << b;
            EXPECT_EQ(Text, Utf8Von(static_cast<char32_t>(b))) << "byte " << b;
        } else {
            EXPECT_EQ(Text, SystemZeichen(static_cast<unsigned char>(b))) << "byte " << b;
        }
    }
}

TEST(Codepage1252, AllBytesSurviveTheRoundTrip) {
    std::string Alle;
    for (int b = 0; b < 256; ++b)
        Alle.push_back(static_cast<char>(b));
    std::string Zurueck;
    EXPECT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(Alle), Zurueck));
    EXPECT_EQ(Zurueck, Alle);
}

TEST(Codepage1252, TypographicCharactersOfTheUpperRange) {
    struct Fall {
        const char* Text;
        const char* Bytes;
    };
    const Fall Faelle[] = {
        {"€", "\x80"},
        {"„Grüß“", "\x84Gr\xFC\xDF\x93"},
        {"‚x‘ ’", "\x82x\x91 \x92"},
        {"–—…", "\x96\x97\x85"},
        {"Œœ Šš Žž Ÿ ƒ ™", "\x8C\x9C \x8A\x9A \x8E\x9E \x9F \x83 \x99"},
        {"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
    };
    for (const Fall& f : Faelle) {
        std::string Bytes;
        EXPECT_TRUE(Utf8ToCp1252(f.Text, Bytes)) << f.Text;
        EXPECT_EQ(Bytes, f.Bytes) << f.Text;
        EXPECT_EQ(Cp1252ToUtf8(f.Bytes), f.Text);
    }
}

TEST(Codepage1252, UnrepresentableOrInvalidInputIsReportedAndMarked) {
    struct Fall {
        std::string Text;
        std::string Bytes;
    };
    const Fall Faelle[] = {
        {"Łódź", "?\xF3"
                 "d?"},
        {"日本", "??"},
        {"Привет", "??????"},
        {"\u0080 \u009F", "? ?"}, // C1 controls other than the undefined five
        {"😀", "?"},               // outside the basic plane
        {"a\xFF"
         "b",
         "a?b"},         // a byte that never occurs in UTF-8
        {"a\xC3", "a?"}, // cut off at the end
        {"\xE2\x82"
         "x",
         "?x"},                       // cut off inside
        {"\xC0\x80", "??"},           // overlong
        {"\xED\xA0\x80", "???"},      // a surrogate
        {"\xF4\x90\x80\x80", "????"}, // above U+10FFFF
    };
    for (const Fall& f : Faelle) {
        std::string Bytes = "alter Inhalt";
        EXPECT_FALSE(Utf8ToCp1252(f.Text, Bytes)) << f.Text;
        EXPECT_EQ(Bytes, f.Bytes) << f.Text;
    }
}

TEST(Codepage1252, EmptyTextIsRepresentable) {
    std::string Bytes = "x";
    EXPECT_TRUE(Utf8ToCp1252("", Bytes));
    EXPECT_EQ(Bytes, "");
    EXPECT_EQ(Cp1252ToUtf8(""), "");
}

} // namespace
