#include "controls/TColors.h"

#include <utility>

#include "model/Textvergleich.h"
#include "model/Trim.h"

namespace {

constexpr TFarbe Rgb(unsigned ARot, unsigned AGruen, unsigned ABlau) {
    return ARot + 256 * AGruen + 65536 * ABlau;
}

constexpr std::array<TFarbe, 17> Werte = {
    Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(255, 255, 0), Rgb(0, 0, 255),     Rgb(0, 0, 128),
    Rgb(166, 202, 240), Rgb(0, 128, 128),   Rgb(0, 128, 0),   Rgb(192, 220, 192), Rgb(0, 255, 0),
    Rgb(128, 128, 0),   Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(128, 0, 128),   Rgb(255, 0, 255),
    Rgb(192, 192, 192), Rgb(128, 0, 0),
};

} // namespace

TColors::TColors() : TColors(StandardNamen(), " (Hintergrund)") {}

TColors::TColors(const TBackFontDlgColorNames& AColorNames, std::string ABackgroundSuffix)
    : FBackgroundSuffix(std::move(ABackgroundSuffix)) {
    for (int i = 0; i < static_cast<int>(Werte.size()); ++i) {
        FList.push_back({i, Werte[i], AColorNames[i]});
    }
}

const TBackFontDlgColorNames& TColors::StandardNamen() {
    static const TBackFontDlgColorNames Namen = {
        "Schwarz",  "Weiß",     "Gelb", "Blau", "Marineblau", "Himmelblau", "Blaugrün", "Grün",  "Minzgrün",
        "Gelbgrün", "Olivgrün", "Grau", "Rot",  "Violett",    "Lila",       "Silber",   "Braun",
    };
    return Namen;
}

const TColorName& TColors::Get(int AIndex) const {
    return AIndex >= 0 && AIndex < Count() ? FList[AIndex] : FList[0];
}

std::vector<std::string> TColors::FillStringList(bool AIsBackground) const {
    std::vector<std::string> Sl;
    for (const TColorName& Eintrag : FList) {
        Sl.push_back(AIsBackground ? Eintrag.Name + FBackgroundSuffix : Eintrag.Name);
    }
    return Sl;
}

bool TColors::FindColor(TFarbe AColor, TColorName& AColorName) const {
    for (const TColorName& Eintrag : FList) {
        if (Eintrag.Color == AColor) {
            AColorName = Eintrag;
            return true;
        }
    }
    return false;
}

bool TColors::FindName(const std::string& AName, TColorName& AColorName) const {
    if (Trim(AName).empty()) {
        return false;
    }
    for (const TColorName& Eintrag : FList) {
        if (GleichOhneGrossKlein(Eintrag.Name, AName)) {
            AColorName = Eintrag;
            return true;
        }
    }
    return false;
}
