#include "model/Ziffernzahl.h"

#include <algorithm>
#include <limits>

std::optional<int> Ziffernzahl(std::string_view AText, std::size_t AMaxStellen) {
    if (AText.empty() || AText.size() > AMaxStellen ||
        !std::all_of(AText.begin(), AText.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    constexpr int Groesste = std::numeric_limits<int>::max();
    int Wert = 0;
    for (const char c : AText) {
        const int Ziffer = c - '0';
        if (Wert > (Groesste - Ziffer) / 10) {
            return Groesste;
        }
        Wert = Wert * 10 + Ziffer;
    }
    return Wert;
}
