#include "files/Utf8.h"

namespace {

bool IstFolgebyte(unsigned char AByte) {
    return (AByte & 0xC0) == 0x80;
}

} // namespace

TUtf8Zeichen LiesUtf8Zeichen(std::string_view AText, std::size_t& APos) {
    const auto Lead = static_cast<unsigned char>(AText[APos++]);
    if (Lead < 0x80)
        return {Lead, TUtf8Status::usGueltig};

    int Folgebytes = 0;
    char32_t Wert = 0;
    // The second byte's range also excludes overlong forms, surrogates and values above
    // U+10FFFF, so that a sequence is rejected at its first impossible byte.
    unsigned char Min2 = 0x80, Max2 = 0xBF;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
        Folgebytes = 1;
        Wert = Lead & 0x1F;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
        Folgebytes = 2;
        Wert = Lead & 0x0F;
        if (Lead == 0xE0)
            Min2 = 0xA0;
        else if (Lead == 0xED)
            Max2 = 0x9F;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
        Folgebytes = 3;
        Wert = Lead & 0x07;
        if (Lead == 0xF0)
            Min2 = 0x90;
        else if (Lead == 0xF4)
            Max2 = 0x8F;
    } else {
        return {Ersatzzeichen, TUtf8Status::usUngueltig};
    }

    for (int i = 0; i < Folgebytes; ++i) {
        if (APos >= AText.size())
            return {Ersatzzeichen, TUtf8Status::usAbgeschnitten};
        const auto Byte = static_cast<unsigned char>(AText[APos]);
        const bool PasstS = i == 0 ? Byte >= Min2 && Byte <= Max2 : IstFolgebyte(Byte);
        if (!PasstS)
            return {Ersatzzeichen, TUtf8Status::usUngueltig};
        Wert = (Wert << 6) | (Byte & 0x3F);
        ++APos;
    }
    return {Wert, TUtf8Status::usGueltig};
}

void AppendUtf8(std::string& AZiel, char32_t AZeichen) {
    if ((AZeichen >= 0xD800 && AZeichen <= 0xDFFF) || AZeichen > 0x10FFFF)
        AZeichen = Ersatzzeichen;
    auto Byte = [&AZiel](char32_t AWert) { AZiel.push_back(static_cast<char>(AWert)); };
    if (AZeichen < 0x80) {
        Byte(AZeichen);
    } else if (AZeichen < 0x800) {
        Byte(0xC0 | (AZeichen >> 6));
        Byte(0x80 | (AZeichen & 0x3F));
    } else if (AZeichen < 0x10000) {
        Byte(0xE0 | (AZeichen >> 12));
        Byte(0x80 | ((AZeichen >> 6) & 0x3F));
        Byte(0x80 | (AZeichen & 0x3F));
    } else {
        Byte(0xF0 | (AZeichen >> 18));
        Byte(0x80 | ((AZeichen >> 12) & 0x3F));
        Byte(0x80 | ((AZeichen >> 6) & 0x3F));
        Byte(0x80 | (AZeichen & 0x3F));
    }
}

bool IstGueltigesUtf8(std::string_view AText) {
    std::size_t Pos = 0;
    while (Pos < AText.size())
        if (LiesUtf8Zeichen(AText, Pos).Status != TUtf8Status::usGueltig)
            return false;
    return true;
}

std::string GueltigesUtf8(std::string_view AText) {
    if (IstGueltigesUtf8(AText))
        return std::string(AText);
    std::string Ergebnis;
    std::size_t Pos = 0;
    while (Pos < AText.size())
        AppendUtf8(Ergebnis, LiesUtf8Zeichen(AText, Pos).Wert);
    return Ergebnis;
}

std::filesystem::path PfadAusUtf8(std::string_view ADateiname) {
    return std::filesystem::path(std::u8string(ADateiname.begin(), ADateiname.end()));
}

std::string PfadAlsUtf8(const std::filesystem::path& APfad) {
    const std::u8string s = APfad.u8string();
    return std::string(s.begin(), s.end());
}
