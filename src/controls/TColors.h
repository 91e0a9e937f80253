#pragma once

// The seventeen named colours the font dialog offers for text and background. The values are
// fixed; the names may be given (the dialog takes them from its texts).

#include <array>
#include <string>
#include <vector>

#include "settings/TSchrift.h"

struct TColorName {
    int Index = 0;
    TFarbe Color = 0; // red + 256 x green + 65536 x blue
    std::string Name;
};

using TBackFontDlgColorNames = std::array<std::string, 17>;

class TColors {
public:
    // The German names and " (Hintergrund)".
    TColors();
    TColors(const TBackFontDlgColorNames& AColorNames, std::string ABackgroundSuffix);

    static const TBackFontDlgColorNames& StandardNamen();

    int Count() const { return static_cast<int>(FList.size()); }
    // An index outside the table gives entry 0.
    const TColorName& Get(int AIndex) const;
    // The names in table order, each followed by the background suffix when AIsBackground.
    std::vector<std::string> FillStringList(bool AIsBackground) const;
    // The first entry with exactly that value.
    bool FindColor(TFarbe AColor, TColorName& AColorName) const;
    // The first entry of that name ignoring letter case; an empty or blank name finds nothing.
    bool FindName(const std::string& AName, TColorName& AColorName) const;

private:
    std::string FBackgroundSuffix;
    std::vector<TColorName> FList;
};
