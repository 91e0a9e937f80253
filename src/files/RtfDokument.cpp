#include "files/RtfDokument.h"

#include "files/Utf8.h"

#include <algorithm>

namespace {

// The largest font size RTF can hold: \fs counts half points in a signed 16-bit number.
constexpr int MaxPunkte = 16383;

// One UTF-16 code unit as \uN: N is the unit as a signed 16-bit number.
void UnicodeEinheit(std::string& ADokument, char32_t AEinheit) {
    const int Wert = AEinheit > 0x7FFF ? static_cast<int>(AEinheit) - 0x10000 : static_cast<int>(AEinheit);
    ADokument += "\\u" + std::to_string(Wert) + "?";
}

void Zeichen(std::string& ADokument, char32_t AZeichen) {
    if (AZeichen == U'\\' || AZeichen == U'{' || AZeichen == U'}') {
        ADokument += '\\';
        ADokument += static_cast<char>(AZeichen);
    } else if (AZeichen == U'\t') {
        ADokument += "\\tab ";
    } else if (AZeichen >= 0x20 && AZeichen < 0x7F) {
        ADokument += static_cast<char>(AZeichen);
    } else if (AZeichen >= 0x10000) {
        UnicodeEinheit(ADokument, 0xD800 + ((AZeichen - 0x10000) >> 10));
        UnicodeEinheit(ADokument, 0xDC00 + ((AZeichen - 0x10000) & 0x3FF));
    } else {
        UnicodeEinheit(ADokument, AZeichen);
    }
}

// A font name ends at ";" in the font table, so that character cannot be part of it.
void Schriftname(std::string& ADokument, std::string_view AName) {
    std::size_t Pos = 0;
    while (Pos < AName.size()) {
        const char32_t z = LiesUtf8Zeichen(AName, Pos).Wert;
        if (z != U';')
            Zeichen(ADokument, z);
    }
}

} // namespace

std::string RtfDokument(std::string_view AText, const std::optional<TRtfSchrift>& ASchrift) {
    std::string Dokument = "{\\rtf1\\ansi\\ansicpg1252\\uc1";
    std::string Absatzformat = "\\pard";
    if (ASchrift) {
        Dokument += "\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 ";
        Schriftname(Dokument, ASchrift->Name);
        Dokument += ";}}";
        Absatzformat += "\\f0";
        if (ASchrift->Groesse > 0)
            Absatzformat += "\\fs" + std::to_string(std::min(ASchrift->Groesse, MaxPunkte) * 2);
    }
    Dokument += "\r\n" + Absatzformat + " ";

    std::size_t Pos = 0;
    while (Pos < AText.size()) {
        const char32_t z = LiesUtf8Zeichen(AText, Pos).Wert;
        if (z == U'\r' || z == U'\n') {
            if (z == U'\r' && Pos < AText.size() && AText[Pos] == '\n')
                ++Pos;
            Dokument += "\\par\r\n";
        } else {
            Zeichen(Dokument, z);
        }
    }
    // Every paragraph, the last one too, ends with a paragraph mark.
    Dokument += "\\par\r\n}";
    return Dokument;
}
