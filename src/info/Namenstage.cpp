#include "info/Namenstage.h"
#include "model/Trim.h"

#include "files/Utf8.h"
#include "files/VkFiles.h"
#include "model/Fehler.h"
#include "platform/Pfadteile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// Lines end at CR LF, LF or CR.
std::vector<std::string> Zeilen(std::string_view AText) {
    std::vector<std::string> Ergebnis;
    if (AText.empty())
        return Ergebnis;
    std::size_t Anfang = 0;
    for (std::size_t i = 0; i < AText.size(); ++i) {
        if (AText[i] != '\r' && AText[i] != '\n')
            continue;
        Ergebnis.emplace_back(AText.substr(Anfang, i - Anfang));
        if (AText[i] == '\r' && i + 1 < AText.size() && AText[i + 1] == '\n')
            ++i;
        Anfang = i + 1;
    }
    Ergebnis.emplace_back(AText.substr(Anfang));
    return Ergebnis;
}

// How often the dates line holds the token; only the space character separates tokens.
int AnzahlToken(std::string_view ADatumszeile, std::string_view AToken) {
    int Anzahl = 0;
    std::size_t Pos = 0;
    while (Pos < ADatumszeile.size()) {
        const std::size_t Ende = std::min(ADatumszeile.find(' ', Pos), ADatumszeile.size());
        if (ADatumszeile.substr(Pos, Ende - Pos) == AToken)
            ++Anzahl;
        Pos = Ende + 1;
    }
    return Anzahl;
}

} // namespace

std::string NamenstageDatei(const std::string& AOrdner) {
    const std::u8string Pfad = (PfadAusUtf8(AOrdner) / NamenstageDateiname).u8string();
    return std::string(Pfad.begin(), Pfad.end());
}

std::vector<std::string> NamenstageZeilen(const std::string& ADateiname) {
    return Zeilen(Trim(LoadTextFile(ADateiname)));
}

bool SindNamenstagPaare(const std::vector<std::string>& AZeilen) {
    return !AZeilen.empty() && AZeilen.size() % 2 == 0;
}

std::string Namenstage(const std::string& AOrdner, TDateTime ADatum) {
    const std::string Datei = NamenstageDatei(AOrdner);
    if (!IstDatei(Datei))
        return "-";
    std::vector<std::string> Zeilen;
    try {
        Zeilen = NamenstageZeilen(Datei);
    } catch (const EFehler&) {
        return "-"; // the lookup reports nothing: an unreadable file has no names
    }
    if (!SindNamenstagPaare(Zeilen))
        return "-";

    const TJMT Datum = DecodeDate(TagVon(ADatum));
    const std::string Token = std::to_string(Datum.Tag) + "." + std::to_string(Datum.Monat);
    std::string Namen;
    for (std::size_t i = 0; i < Zeilen.size(); i += 2)
        for (int n = AnzahlToken(Zeilen[i + 1], Token); n > 0; --n)
            Namen += (Namen.empty() ? "" : ", ") + Zeilen[i];
    return Trim(Namen).empty() ? "-" : Namen;
}
