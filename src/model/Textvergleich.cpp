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

std::u32string Kleinbuchstaben(std::string_view AText) {
    std::u32string Ergebnis = Utf8ZuCodepunkten(AText);
    for (char32_t& c : Ergebnis) {
        c = Klein(c);
    }
    return Ergebnis;
}

void KleinUtf8In(std::string_view AText, std::string& AZiel) {
    // Lower-casing keeps every letter's UTF-8 length; only an invalid sequence grows (to U+FFFD),
    // so the buffer is sized to the text and grown when that happens.
    AZiel.resize(AText.size());
    std::size_t n = 0;
    std::string Zeichen;
    for (std::size_t i = 0; i < AText.size();) {
        const char c = AText[i];
        // Plain ASCII, most of every text, without the decoder.
        if (static_cast<unsigned char>(c) < 0x80) {
            AZiel[n++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
            ++i;
            continue;
        }
        Zeichen.clear();
        AppendUtf8(Zeichen, Klein(LiesUtf8Zeichen(AText, i).Wert));
        // Room for this character and, one byte each, for the rest of the text.
        if (n + Zeichen.size() + (AText.size() - i) > AZiel.size()) {
            AZiel.resize(n + Zeichen.size() + (AText.size() - i));
        }
        AZiel.replace(n, Zeichen.size(), Zeichen);
        n += Zeichen.size();
    }
    AZiel.resize(n);
}

bool GleichOhneGrossKlein(std::string_view A, std::string_view B) {
    return Kleinbuchstaben(A) == Kleinbuchstaben(B);
}
