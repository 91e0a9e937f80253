#include "extras/TDrucker.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <sstream>

#include "files/Utf8.h"
#include "platform/TMeldungsPort.h"

namespace {

// One text line cut into printed lines. Positions count characters; the byte offset of each
// character (and of the end) is kept, so that a piece never splits a character.
class TZeilenUmbruch {
public:
    TZeilenUmbruch(std::string_view AZeile, const TDrucker::TBreitenmass& AMass)
        : FZeile(AZeile), FMass(AMass) {
        for (std::size_t p = 0; p < AZeile.size();) {
            FGrenzen.push_back(p);
            LiesUtf8Zeichen(AZeile, p);
        }
        FGrenzen.push_back(AZeile.size());
    }

    void Anhaengen(int ABreite, int AEinzug, std::vector<TDrucker::TDruckzeile>& AZiel) const {
        const std::size_t Ende = Anzahl();
        std::size_t Von = 0;
        bool FortsetzungS = false;
        while (true) {
            const int Platz = FortsetzungS ? ABreite - AEinzug : ABreite;
            if (Ende - Von <= 1 || Breite(Von, Ende) <= Platz) {
                AZiel.push_back({std::string(Teil(Von, Ende)), FortsetzungS});
                return;
            }
            const std::size_t Passt = Passend(Von, Platz);
            std::size_t Bis = Passt;
            std::size_t Weiter = Passt;
            if (const std::optional<std::size_t> Luecke = LetzteLuecke(Von, Passt)) {
                Bis = *Luecke;
                Weiter = *Luecke;
                while (Weiter < Ende && LeerS(Weiter)) {
                    ++Weiter;
                }
            }
            AZiel.push_back({std::string(Teil(Von, Bis)), FortsetzungS});
            if (Weiter == Ende) {
                return; // only the spaces at the cut were left
            }
            Von = Weiter;
            FortsetzungS = true;
        }
    }

private:
    std::string_view FZeile;
    const TDrucker::TBreitenmass& FMass;
    std::vector<std::size_t> FGrenzen;

    std::size_t Anzahl() const { return FGrenzen.size() - 1; }
    std::string_view Teil(std::size_t AVon, std::size_t ABis) const {
        return FZeile.substr(FGrenzen[AVon], FGrenzen[ABis] - FGrenzen[AVon]);
    }
    int Breite(std::size_t AVon, std::size_t ABis) const { return FMass(Teil(AVon, ABis)); }
    bool LeerS(std::size_t ANr) const { return FZeile[FGrenzen[ANr]] == ' '; }

    // The end of the longest piece from AVon that fits APlatz, at least one character, when the
    // rest of the line does not fit. The width grows with the piece, so halving finds it.
    std::size_t Passend(std::size_t AVon, int APlatz) const {
        std::size_t Passt = AVon + 1;
        std::size_t Zuviel = Anzahl();
        while (Zuviel - Passt > 1) {
            const std::size_t Mitte = Passt + (Zuviel - Passt) / 2;
            if (Breite(AVon, Mitte) <= APlatz) {
                Passt = Mitte;
            } else {
                Zuviel = Mitte;
            }
        }
        return Passt;
    }

    // The last space at or before ABis (a character of the line) that ends a word begun at
    // AVon or later: the piece up to it holds more than spaces.
    std::optional<std::size_t> LetzteLuecke(std::size_t AVon, std::size_t ABis) const {
        for (std::size_t i = ABis; i > AVon; --i) {
            if (LeerS(i) && !LeerS(i - 1)) {
                return i;
            }
        }
        return std::nullopt;
    }
};

} // namespace

bool TDrucker::TextDrucken(const std::string& ATitel, const std::vector<std::string>& AZeilen,
                           const TSchrift& AFont) {
    if (!DruckerVorhanden()) {
        Frage(maInformation, KeinDruckerMeldung, mkOK);
        return false;
    }
    return Drucken(ATitel, AZeilen, AFont);
}

bool TDrucker::TextDrucken(const std::string& ATitel, const std::string& AText, const TSchrift& AFont) {
    std::vector<std::string> Zeilen;
    std::istringstream Text(AText);
    for (std::string Zeile; std::getline(Text, Zeile);) {
        if (!Zeile.empty() && Zeile.back() == '\r') {
            Zeile.pop_back();
        }
        Zeilen.push_back(Zeile);
    }
    return TextDrucken(ATitel, Zeilen, AFont);
}

std::vector<TDrucker::TDruckzeile> TDrucker::Umbrechen(const std::vector<std::string>& AZeilen, int ABreite,
                                                       int AEinzug, const TBreitenmass& AMass) {
    std::vector<TDruckzeile> Gedruckt;
    Gedruckt.reserve(AZeilen.size());
    for (const std::string& Zeile : AZeilen) {
        TZeilenUmbruch(Zeile, AMass).Anhaengen(ABreite, AEinzug, Gedruckt);
    }
    return Gedruckt;
}

std::vector<TDrucker::TDruckseite> TDrucker::Seitenweise(const std::vector<TDruckzeile>& AZeilen,
                                                         int AZeilenJeSeite) {
    const auto JeSeite = static_cast<std::ptrdiff_t>(std::max(1, AZeilenJeSeite));
    std::vector<TDruckseite> Seiten;
    for (auto Von = AZeilen.begin(); Von != AZeilen.end();) {
        const auto Bis = Von + std::min(JeSeite, AZeilen.end() - Von);
        Seiten.emplace_back(Von, Bis);
        Von = Bis;
    }
    if (Seiten.empty()) {
        Seiten.emplace_back();
    }
    return Seiten;
}
