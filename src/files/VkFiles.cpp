#include "files/VkFiles.h"

#include "files/Codepage1252.h"
#include "files/RtfDokument.h"
#include "files/RtfText.h"
#include "files/Utf8.h"
#include "model/Fehler.h"
#include "platform/Pfadteile.h"
#include "platform/Systemfehlertext.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

constexpr std::size_t BlockGroesse = 65536;

constexpr std::string_view MarkeUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view MarkeUtf16Le = "\xFF\xFE";
constexpr std::string_view MarkeUtf16Be = "\xFE\xFF";
constexpr std::string_view RtfAnfang = "{\\rt";

[[noreturn]] void SystemFehler(int AFehler) {
    throw EBetriebssystemFehler(Systemfehlertext(AFehler));
}

[[noreturn]] void SystemFehler() {
    SystemFehler(errno != 0 ? errno : EIO);
}

// Only regular files are read: a directory reads as nothing and a device or pipe may never end.
void PruefeDatei(const std::filesystem::path& APfad) {
    std::error_code Fehler;
    const std::filesystem::file_status Status = std::filesystem::status(APfad, Fehler);
    if (Fehler)
        SystemFehler(Fehler.value());
    if (std::filesystem::is_directory(Status))
        SystemFehler(EISDIR);
    if (!std::filesystem::is_regular_file(Status))
        SystemFehler(EINVAL);
}

// Reads up to ABytes bytes; false on a read error.
bool LiesBlock(std::ifstream& ADatei, std::string& ABlock, std::size_t ABytes) {
    ABlock.resize(ABytes);
    ADatei.read(ABlock.data(), static_cast<std::streamsize>(ABytes));
    ABlock.resize(static_cast<std::size_t>(ADatei.gcount()));
    return !ADatei.bad();
}

std::string DateiInhalt(const std::string& AFileName) {
    const std::filesystem::path Pfad = PfadAusUtf8(AFileName);
    PruefeDatei(Pfad);
    errno = 0;
    std::ifstream Datei(Pfad, std::ios::binary);
    if (!Datei)
        SystemFehler();
    std::string Inhalt, Block;
    do {
        if (!LiesBlock(Datei, Block, BlockGroesse))
            SystemFehler();
        Inhalt += Block;
    } while (!Block.empty());
    return Inhalt;
}

struct TNullbytes {
    std::size_t Gerade = 0;   // at even offsets: the high bytes of big-endian UTF-16
    std::size_t Ungerade = 0; // at odd offsets: the high bytes of little-endian UTF-16
};

TNullbytes ZaehleNullbytes(std::string_view AProbe) {
    TNullbytes Nullen;
    for (std::size_t i = 0; i < AProbe.size(); ++i)
        if (AProbe[i] == '\0')
            ++(i % 2 == 0 ? Nullen.Gerade : Nullen.Ungerade);
    return Nullen;
}

// UTF-16 mostly of Latin text: many zero bytes, nearly all at even or nearly all at odd offsets.
bool SiehtNachUtf16Aus(std::string_view AProbe) {
    const TNullbytes Nullen = ZaehleNullbytes(AProbe);
    const std::size_t Alle = Nullen.Gerade + Nullen.Ungerade;
    const std::size_t Schwelle = Alle * 7 / 10;
    return AProbe.size() > 31 && Alle > AProbe.size() / 10 &&
           (Schwelle < Nullen.Gerade || Schwelle < Nullen.Ungerade);
}

bool HatHohesByte(std::string_view AProbe) {
    for (const char c : AProbe)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

enum class TUtf8Befund { ubUngueltig, ubNurAscii, ubMehrbyte };

// Validates the rest of the file, starting with the block already read, one block at a time;
// a character may span two blocks. Throws nothing: a read error counts as invalid.
TUtf8Befund PruefeUtf8(std::ifstream& ADatei, std::string ABlock) {
    bool MehrbyteS = false;
    std::string Angefangen; // the start of a character cut off by the end of the last block
    while (!ABlock.empty()) {
        const std::string Daten = Angefangen + ABlock;
        Angefangen.clear();
        std::size_t Pos = 0;
        while (Pos < Daten.size()) {
            const std::size_t Anfang = Pos;
            const TUtf8Zeichen Zeichen = LiesUtf8Zeichen(Daten, Pos);
            if (Zeichen.Status == TUtf8Status::usUngueltig)
                return TUtf8Befund::ubUngueltig;
            if (Zeichen.Status == TUtf8Status::usAbgeschnitten)
                Angefangen = Daten.substr(Anfang);
            else if (Zeichen.Wert >= 0x80)
                MehrbyteS = true;
        }
        if (!LiesBlock(ADatei, ABlock, BlockGroesse))
            return TUtf8Befund::ubUngueltig;
    }
    if (!Angefangen.empty())
        return TUtf8Befund::ubUngueltig;
    return MehrbyteS ? TUtf8Befund::ubMehrbyte : TUtf8Befund::ubNurAscii;
}

std::string Utf16ZuUtf8(std::string_view ABytes, bool ABigEndianS) {
    std::string Text;
    char16_t HohesSurrogat = 0;
    for (std::size_t i = 0; i + 1 < ABytes.size(); i += 2) {
        const auto Erstes = static_cast<unsigned char>(ABytes[i]);
        const auto Zweites = static_cast<unsigned char>(ABytes[i + 1]);
        const char32_t Einheit = ABigEndianS ? (Erstes << 8) | Zweites : (Zweites << 8) | Erstes;
        if (HohesSurrogat != 0 && Einheit >= 0xDC00 && Einheit <= 0xDFFF) {
            AppendUtf8(Text, 0x10000 + ((HohesSurrogat - 0xD800) << 10) + (Einheit - 0xDC00));
            HohesSurrogat = 0;
            continue;
        }
        if (HohesSurrogat != 0)
            AppendUtf8(Text, Ersatzzeichen);
        HohesSurrogat = 0;
        if (Einheit >= 0xD800 && Einheit <= 0xDBFF)
            HohesSurrogat = static_cast<char16_t>(Einheit);
        else
            AppendUtf8(Text, Einheit); // a lone low surrogate becomes Ersatzzeichen
    }
    if (HohesSurrogat != 0 || ABytes.size() % 2 != 0)
        AppendUtf8(Text, Ersatzzeichen);
    return Text;
}

std::string Utf8ZuUtf16Le(std::string_view AText) {
    std::string Bytes;
    auto Einheit = [&Bytes](char32_t AWert) {
        Bytes.push_back(static_cast<char>(AWert & 0xFF));
        Bytes.push_back(static_cast<char>(AWert >> 8));
    };
    std::size_t Pos = 0;
    while (Pos < AText.size()) {
        const char32_t z = LiesUtf8Zeichen(AText, Pos).Wert;
        if (z >= 0x10000) {
            Einheit(0xD800 + ((z - 0x10000) >> 10));
            Einheit(0xDC00 + ((z - 0x10000) & 0x3FF));
        } else {
            Einheit(z);
        }
    }
    return Bytes;
}

enum class TKodierung { kAnsi, kUtf16 };

// A byte-order mark at the start decides the encoding and is dropped; without one the default
// applies.
std::string TextNachMarke(std::string_view ABytes, TKodierung AVorgabe) {
    if (ABytes.starts_with(MarkeUtf8))
        return GueltigesUtf8(ABytes.substr(MarkeUtf8.size()));
    if (ABytes.starts_with(MarkeUtf16Le))
        return Utf16ZuUtf8(ABytes.substr(MarkeUtf16Le.size()), false);
    if (ABytes.starts_with(MarkeUtf16Be))
        return Utf16ZuUtf8(ABytes.substr(MarkeUtf16Be.size()), true);
    if (AVorgabe == TKodierung::kAnsi)
        return Cp1252ToUtf8(ABytes);
    // Without a mark the zero bytes of the detection tell the byte order: little-endian unless
    // they stand mostly at even offsets, so that big-endian text is not read as garbage.
    const TNullbytes Nullen = ZaehleNullbytes(ABytes.substr(0, BlockGroesse));
    return Utf16ZuUtf8(ABytes, Nullen.Gerade > Nullen.Ungerade);
}

// Every byte sequence is valid code page 1252, so this always gives a text.
std::string Utf8OderAnsi(std::string_view ABytes) {
    if (ABytes.starts_with(MarkeUtf8))
        ABytes.remove_prefix(MarkeUtf8.size());
    return IstGueltigesUtf8(ABytes) ? std::string(ABytes) : Cp1252ToUtf8(ABytes);
}

std::string Utf8MitMarke(std::string_view ABytes) {
    if (ABytes.starts_with(MarkeUtf8)) {
        const std::string_view Text = ABytes.substr(MarkeUtf8.size());
        if (IstGueltigesUtf8(Text))
            return std::string(Text);
    }
    return Utf8OderAnsi(ABytes);
}

std::string DateiBytes(std::string_view AText, TFileTextType AType, const std::optional<TRtfSchrift>& AFont) {
    switch (AType) {
    case fttRtf:
        return RtfDokument(AText, AFont);
    case fttUnicode:
        return std::string(MarkeUtf16Le) + Utf8ZuUtf16Le(AText);
    case fttUtf8:
        return GueltigesUtf8(AText);
    case fttUtf8Bom:
        return std::string(MarkeUtf8) + GueltigesUtf8(AText);
    default: {
        std::string Bytes;
        Utf8ToCp1252(AText, Bytes);
        return Bytes;
    }
    }
}

} // namespace

TFileTextType FileTextType(const std::string& AFileName) {
    const std::filesystem::path Pfad = PfadAusUtf8(AFileName);
    if (!IstDatei(AFileName))
        return fttNone;
    std::ifstream Datei(Pfad, std::ios::binary);
    std::string Probe;
    if (!Datei || !LiesBlock(Datei, Probe, BlockGroesse))
        return fttNone;

    if (Probe.empty())
        return fttAnsi;
    if (Probe.starts_with(RtfAnfang))
        return fttRtf;
    if (Probe.starts_with(MarkeUtf8))
        return fttUtf8Bom;
    if (Probe.starts_with(MarkeUtf16Le) || Probe.starts_with(MarkeUtf16Be))
        return fttUnicode;
    if (SiehtNachUtf16Aus(Probe))
        return fttUnicode;
    if (HatHohesByte(Probe) && PruefeUtf8(Datei, std::move(Probe)) == TUtf8Befund::ubMehrbyte)
        return fttUtf8;
    return fttAnsi;
}

std::string LoadTextFile(const std::string& AFileName, TFileTextType& AType) {
    AType = FileTextType(AFileName);
    if (AType == fttNone)
        throw ELeseFehler("FileTextType konnte nicht ermittelt werden.");
    const std::string Bytes = DateiInhalt(AFileName);
    switch (AType) {
    case fttUnicode:
        return TextNachMarke(Bytes, TKodierung::kUtf16);
    case fttRtf:
        return RtfText(Bytes);
    case fttUtf8:
        return GueltigesUtf8(Bytes);
    case fttUtf8Bom:
        return Utf8MitMarke(Bytes);
    default:
        return TextNachMarke(Bytes, TKodierung::kAnsi);
    }
}

std::string LoadTextFile(const std::string& AFileName) {
    TFileTextType Typ = fttNone;
    return LoadTextFile(AFileName, Typ);
}

std::string LoadUtf8OrAnsi(const std::string& AFileName) {
    return Utf8OderAnsi(DateiInhalt(AFileName));
}

void SaveTextFile(const std::string& AFileName, std::string_view AText, TFileTextType AType,
                  const std::optional<TRtfSchrift>& AFont) {
    const std::string Bytes = DateiBytes(AText, AType, AFont);
    errno = 0;
    std::ofstream Datei(PfadAusUtf8(AFileName), std::ios::binary | std::ios::trunc);
    if (!Datei)
        SystemFehler();
    Datei.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    Datei.close();
    if (!Datei)
        SystemFehler();
}
