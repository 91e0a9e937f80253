#include "model/Textvergleich.h"

#include "files/Utf8.h"

std::u32string Utf8ZuCodepunkten(std::string_view AText) {
    std::u32string Ergebnis;
    Ergebnis.reserve(AText.size());
    for (std::size_t i = 0; i < AText.size();) {
        Ergebnis.push_back(LiesUtf8Zeichen(AText, i).Wert);
    }
    return Ergebnis;
}

namespace {

char32_t Klein(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB) ||
        (c >= 0x410 && c <= 0x42F)) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    // Latin Extended-A pairs capital/small letters on even/odd code points, except in the ranges
    // 0x139..0x148 and 0x179..0x17E, where the capital is odd; 0x130, 0x138 and 0x149 stand alone.
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x178 &&
        c != 0x17F) {
        const bool GrossUngerade = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        const bool Ungerade = (c & 1) != 0;
        return GrossUngerade == Ungerade ? c + 1 : c;
    }
    if (c == 0x178) {
        return 0xFF;
    }
    return c;
}

} // namespace

void KleinbuchstabenIn(std::string_view AText, std::u32string& AZiel) {
    AZiel.clear();
    for (std::size_t i = 0; i < AText.size();) {
        const auto Byte = static_cast<unsigned char>(AText[i]);
        // Plain ASCII, most of every text, without the decoder.
        if (Byte < 0x80) {
            AZiel.push_back(Byte >= 'A' && Byte <= 'Z' ? Byte + 0x20 : Byte);
            ++i;
        } else {
            AZiel.push_back(Klein(LiesUtf8Zeichen(AText, i).Wert));
        }
    }
}

std::u32string Kleinbuchstaben(std::string_view AText) {
    std::u32string Ergebnis;
    Ergebnis.reserve(AText.size());
    KleinbuchstabenIn(AText, Ergebnis);
    return Ergebnis;
}

bool GleichOhneGrossKlein(std::string_view A, std::string_view B) {
    return Kleinbuchstaben(A) == Kleinbuchstaben(B);
}
