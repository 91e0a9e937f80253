#include "files/RtfText.h"

#include "files/Codepage1252.h"
#include "files/Utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace {

// Destinations whose content is not document text.
constexpr std::array<std::string_view, 27> UebersprungeneZiele = {
    "fonttbl",
    "colortbl",
    "stylesheet",
    "info",
    "pict",
    "object",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "footnote",
    "listtable",
    "listoverridetable",
    "revtbl",
    "rsidtbl",
    "themedata",
    "colorschememapping",
    "latentstyles",
    "datastore",
    "xmlnstbl",
    "fldinst",
    "nonshppict",
    "filetbl",
};

struct TTextWort {
    std::string_view Name;
    char32_t Zeichen;
};

// Control words that stand for one character.
constexpr std::array<TTextWort, 10> ZeichenWoerter = {{
    {"tab", U'\t'},
    {"cell", U'\t'},
    {"emdash", 0x2014},
    {"endash", 0x2013},
    {"lquote", 0x2018},
    {"rquote", 0x2019},
    {"ldblquote", 0x201C},
    {"rdblquote", 0x201D},
    {"bullet", 0x2022},
    {"emspace", 0x2003},
}};

// Deeper nesting than this is counted but not stored, so that a hostile file cannot make the
// group stack grow without bound.
constexpr std::size_t MaxTiefe = 4096;

// Numeric parameters are limited to this size; real documents stay far below it.
constexpr long long MaxParameter = 1'000'000'000LL;

int HexWert(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IstBuchstabe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

class TRtfLeser {
public:
    explicit TRtfLeser(std::string_view ADokument) : FDokument(ADokument) {}

    std::string Lesen();

private:
    struct TGruppe {
        bool UeberspringenS = false;
        long long Uc = 1; // fallback characters after \uN
    };

    void GruppeAuf();
    void GruppeZu();
    void Steuerung();
    void Steuerwort(std::string_view AName, bool AHatParameterS, long long AParameter);
    void Steuersymbol(char ASymbol);
    void Unicode(long long AParameter);
    void Absatz();
    bool Zeilenumbruch();
    bool Verschluckt();
    void Ausgabe(char32_t AZeichen);
    void Anhaengen(char32_t AZeichen);

    std::string_view FDokument;
    std::size_t FPos = 0;
    std::vector<TGruppe> FStapel;
    std::size_t FUeberlauf = 0; // groups opened beyond MaxTiefe
    TGruppe FGruppe;
    long long FErsatzRest = 0;   // fallback characters of the last \uN still to skip
    char16_t FHohesSurrogat = 0; // the first half of a pair written as two \uN
    std::size_t FAbsatzEnde = 0; // text length right after the last paragraph mark
    bool FAbsatzS = false;       // a paragraph mark has been read
    std::string FText;
};

std::string TRtfLeser::Lesen() {
    while (FPos < FDokument.size()) {
        const char c = FDokument[FPos++];
        switch (c) {
        case '{':
            GruppeAuf();
            break;
        case '}':
            GruppeZu();
            break;
        case '\\':
            Steuerung();
            break;
        case '\r':
        case '\n':
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                Ausgabe(Cp1252Zeichen(static_cast<unsigned char>(c)));
        }
    }
    if (FHohesSurrogat != 0)
        AppendUtf8(FText, Ersatzzeichen);
    // A rich-text document always ends with a paragraph mark that does not belong to its text.
    if (FAbsatzS && FAbsatzEnde == FText.size())
        FText.resize(FText.size() - 2);
    return FText;
}

void TRtfLeser::GruppeAuf() {
    FErsatzRest = 0;
    if (FStapel.size() >= MaxTiefe)
        ++FUeberlauf;
    else
        FStapel.push_back(FGruppe);
}

void TRtfLeser::GruppeZu() {
    FErsatzRest = 0;
    if (FUeberlauf > 0) {
        --FUeberlauf;
    } else if (!FStapel.empty()) {
        FGruppe = FStapel.back();
        FStapel.pop_back();
    }
}

void TRtfLeser::Steuerung() {
    if (FPos >= FDokument.size())
        return;
    if (!IstBuchstabe(FDokument[FPos])) {
        Steuersymbol(FDokument[FPos++]);
        return;
    }
    const std::size_t Anfang = FPos;
    while (FPos < FDokument.size() && IstBuchstabe(FDokument[FPos]))
        ++FPos;
    const std::string_view Name = FDokument.substr(Anfang, FPos - Anfang);

    bool NegativS = false;
    if (FPos + 1 < FDokument.size() && FDokument[FPos] == '-' && IstZiffer(FDokument[FPos + 1])) {
        NegativS = true;
        ++FPos;
    }
    bool HatParameterS = false;
    long long Parameter = 0;
    while (FPos < FDokument.size() && IstZiffer(FDokument[FPos])) {
        HatParameterS = true;
        Parameter = std::min(Parameter * 10 + (FDokument[FPos] - '0'), MaxParameter);
        ++FPos;
    }
    if (FPos < FDokument.size() && FDokument[FPos] == ' ')
        ++FPos;
    Steuerwort(Name, HatParameterS, NegativS ? -Parameter : Parameter);
}

void TRtfLeser::Steuerwort(std::string_view AName, bool AHatParameterS, long long AParameter) {
    if (AName == "bin") {
        // Binary data of the given length follows; it is never text.
        const auto Rest = static_cast<long long>(FDokument.size() - FPos);
        FPos += static_cast<std::size_t>(std::clamp(AParameter, 0LL, Rest));
        return;
    }
    if (std::find(UebersprungeneZiele.begin(), UebersprungeneZiele.end(), AName) !=
        UebersprungeneZiele.end()) {
        FGruppe.UeberspringenS = true;
        return;
    }
    if (AName == "u") {
        if (AHatParameterS)
            Unicode(AParameter);
        return;
    }
    if (AName == "uc") {
        FGruppe.Uc = AHatParameterS ? std::max(AParameter, 0LL) : 1;
        return;
    }
    if (AName == "par" || AName == "row") {
        Absatz();
        return;
    }
    if (AName == "line") {
        Zeilenumbruch();
        return;
    }
    for (const TTextWort& Wort : ZeichenWoerter)
        if (Wort.Name == AName) {
            Ausgabe(Wort.Zeichen);
            return;
        }
}

void TRtfLeser::Steuersymbol(char ASymbol) {
    switch (ASymbol) {
    case '\\':
    case '{':
    case '}':
        Ausgabe(static_cast<char32_t>(ASymbol));
        break;
    case '\'': {
        const int Hoch = FPos < FDokument.size() ? HexWert(FDokument[FPos]) : -1;
        const int Tief = FPos + 1 < FDokument.size() ? HexWert(FDokument[FPos + 1]) : -1;
        if (Hoch < 0 || Tief < 0)
            break;
        FPos += 2;
        Ausgabe(Cp1252Zeichen(static_cast<unsigned char>(Hoch * 16 + Tief)));
        break;
    }
    case '~':
        Ausgabe(0x00A0);
        break;
    case '_':
        Ausgabe(0x2011);
        break;
    case '*':
        // Marks a destination a reader may ignore; none of them holds document text.
        FGruppe.UeberspringenS = true;
        break;
    case '\r':
    case '\n':
        Absatz();
        break;
    default:
        break;
    }
}

void TRtfLeser::Unicode(long long AParameter) {
    if (FGruppe.UeberspringenS)
        return;
    // A code unit is written as a signed 16-bit number; larger values are not characters.
    char32_t Einheit = Ersatzzeichen;
    if (AParameter >= -32768 && AParameter < 0)
        Einheit = static_cast<char32_t>(AParameter + 65536);
    else if (AParameter >= 0 && AParameter <= 0xFFFF)
        Einheit = static_cast<char32_t>(AParameter);

    FErsatzRest = 0;
    if (Einheit >= 0xD800 && Einheit <= 0xDBFF) {
        if (FHohesSurrogat != 0)
            AppendUtf8(FText, Ersatzzeichen);
        FHohesSurrogat = static_cast<char16_t>(Einheit);
    } else if (Einheit >= 0xDC00 && Einheit <= 0xDFFF && FHohesSurrogat != 0) {
        const char32_t Zeichen = 0x10000 + ((FHohesSurrogat - 0xD800) << 10) + (Einheit - 0xDC00);
        FHohesSurrogat = 0;
        AppendUtf8(FText, Zeichen);
    } else {
        Anhaengen(Einheit);
    }
    FErsatzRest = FGruppe.Uc;
}

void TRtfLeser::Absatz() {
    if (!Zeilenumbruch())
        return;
    FAbsatzS = true;
    FAbsatzEnde = FText.size();
}

// Returns whether the break was written.
bool TRtfLeser::Zeilenumbruch() {
    if (Verschluckt())
        return false;
    Anhaengen(U'\r');
    Anhaengen(U'\n');
    return true;
}

// True when the next character of the document is not text: inside an ignored destination,
// or as one of the fallback characters of \uN (a control word that stands for text counts as
// one character).
bool TRtfLeser::Verschluckt() {
    if (FGruppe.UeberspringenS)
        return true;
    if (FErsatzRest > 0) {
        --FErsatzRest;
        return true;
    }
    return false;
}

void TRtfLeser::Ausgabe(char32_t AZeichen) {
    if (!Verschluckt())
        Anhaengen(AZeichen);
}

void TRtfLeser::Anhaengen(char32_t AZeichen) {
    if (FHohesSurrogat != 0) {
        AppendUtf8(FText, Ersatzzeichen);
        FHohesSurrogat = 0;
    }
    AppendUtf8(FText, AZeichen);
}

} // namespace

std::string RtfText(std::string_view ADokument) {
    return TRtfLeser(ADokument).Lesen();
}
