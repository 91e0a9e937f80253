#include "files/Codepage1252.h"

#include "files/Utf8.h"

namespace {

// Bytes 0x80..0x9F; every other byte stands for the code point of its own value.
constexpr char16_t Bereich80bis9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// The byte of a character, or -1 when code page 1252 has none.
int ByteVonZeichen(char32_t AZeichen) {
    if (AZeichen < 0x80 || (AZeichen >= 0xA0 && AZeichen <= 0xFF))
        return static_cast<int>(AZeichen);
    for (int i = 0; i < 32; ++i)
        if (Bereich80bis9F[i] == AZeichen)
            return 0x80 + i;
    return -1;
}

} // namespace

char32_t Cp1252Zeichen(unsigned char AByte) {
    return AByte >= 0x80 && AByte <= 0x9F ? Bereich80bis9F[AByte - 0x80] : AByte;
}

std::string Cp1252ToUtf8(std::string_view ABytes) {
    std::string Text;
    Text.reserve(ABytes.size());
    for (const char Byte : ABytes)
        AppendUtf8(Text, Cp1252Zeichen(static_cast<unsigned char>(Byte)));
    return Text;
}

bool Utf8ToCp1252(std::string_view AText, std::string& ABytes) {
    ABytes.clear();
    ABytes.reserve(AText.size());
    bool VollstaendigS = true;
    std::size_t Pos = 0;
    while (Pos < AText.size()) {
        const TUtf8Zeichen Zeichen = LiesUtf8Zeichen(AText, Pos);
        const int Byte = Zeichen.Status == TUtf8Status::usGueltig ? ByteVonZeichen(Zeichen.Wert) : -1;
        if (Byte < 0) {
            ABytes.push_back('?');
            VollstaendigS = false;
        } else {
            ABytes.push_back(static_cast<char>(Byte));
        }
    }
    return VollstaendigS;
}
