#include "search/TNamenSuche.h"

#include <algorithm>

#include "info/Namenstage.h"
#include "model/Fehler.h"
#include "model/Textvergleich.h"
#include "model/Ziffernzahl.h"

namespace {

constexpr const char* Kopfzeile = "Namenstage:";
constexpr const char* DateiFehlerText = "Fehler in der Namenstags-Datei!";

// The runs of characters between the separators, empty runs included, nothing trimmed.
std::vector<std::string_view> Teile(std::string_view AText, char ATrenner) {
    std::vector<std::string_view> Ergebnis;
    std::size_t Anfang = 0;
    while (true) {
        const std::size_t Ende = AText.find(ATrenner, Anfang);
        Ergebnis.push_back(AText.substr(Anfang, Ende == std::string_view::npos ? Ende : Ende - Anfang));
        if (Ende == std::string_view::npos)
            return Ergebnis;
        Anfang = Ende + 1;
    }
}

bool PaarPasst(std::string_view ANamenszeile, const std::string& ASuchStr, bool AGenauS) {
    if (!AGenauS)
        return SuchStrAus(ANamenszeile).find(ASuchStr) != std::string::npos;
    const auto Namen = Teile(ANamenszeile, '/');
    return std::any_of(Namen.begin(), Namen.end(),
                       [&](std::string_view n) { return GleichOhneGrossKlein(n, ASuchStr); });
}

// A day token ("6.1") as a day of the leap year 2000, so that 29.2 is a day too.
bool TokenLesen(std::string_view AToken, TTag& ATag) {
    const std::size_t Punkt = AToken.find('.');
    if (Punkt == std::string_view::npos)
        return false;
    // Day and month have one or two digits.
    const std::optional<int> Tag = Ziffernzahl(AToken.substr(0, Punkt), 2);
    const std::optional<int> Monat = Ziffernzahl(AToken.substr(Punkt + 1), 2);
    if (!Tag || !Monat || !IstGueltigesDatum(2000, *Monat, *Tag))
        return false;
    ATag = EncodeDate(2000, *Monat, *Tag);
    return true;
}

TNamenSuche DateiFehler() {
    return {nsDateiFehler, {DateiFehlerText}};
}

} // namespace

std::string SuchStrAus(std::string_view AName) {
    std::string Ergebnis;
    KleinUtf8In(AName, Ergebnis);
    return Ergebnis;
}

TNamenSuche NamenstagSuchen(const std::string& AOrdner, std::string_view AName, bool AGenauS) {
    std::vector<std::string> Paare;
    try {
        Paare = NamenstageZeilen(NamenstageDatei(AOrdner));
    } catch (const EFehler&) {
        return DateiFehler();
    }
    if (!SindNamenstagPaare(Paare))
        return DateiFehler();

    const std::string SuchStr = SuchStrAus(AName);
    std::vector<std::string_view> Tage;
    for (std::size_t i = 0; i < Paare.size(); i += 2) {
        if (!PaarPasst(Paare[i], SuchStr, AGenauS))
            continue;
        for (std::string_view Wort : Teile(Paare[i + 1], ' '))
            if (!Wort.empty())
                Tage.push_back(Wort);
    }

    TNamenSuche Suche{nsGefunden, {Kopfzeile}};
    for (std::string_view Wort : Tage) {
        TTag Tag = 0;
        // A token that is no day makes the file faulty: the user gets the file's message.
        if (!TokenLesen(Wort, Tag))
            return DateiFehler();
        std::string Zeile = std::string(Wort) + ".: " + Namenstage(AOrdner, Tag);
        if (std::find(Suche.Zeilen.begin(), Suche.Zeilen.end(), Zeile) == Suche.Zeilen.end())
            Suche.Zeilen.push_back(std::move(Zeile));
    }
    if (Suche.Zeilen.size() == 1) {
        Suche.Ergebnis = nsNichtGefunden;
        Suche.Zeilen.push_back("Der Name \"" + SuchStr + "\" wurde nicht gefunden!");
    }
    return Suche;
}
