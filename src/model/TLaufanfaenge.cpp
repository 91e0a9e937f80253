#include "model/TLaufanfaenge.h"

#include <algorithm>

TLaufanfaenge::TLaufanfaenge(const TDatenClass& AHalter) : FHalter(AHalter) {
    FHalter.FuerJedenLauf([&](std::int32_t AStart, std::int32_t) {
        FAnfaenge.emplace_back(FHalter.DatumListe[AStart].VonDatum, AStart);
    });
    std::stable_sort(FAnfaenge.begin(), FAnfaenge.end(),
                     [](const auto& A, const auto& B) { return A.first < B.first; });
}

bool TLaufanfaenge::Haelt(const TDatumClass* ALauf, std::int32_t ALaenge) const {
    auto q = std::lower_bound(FAnfaenge.begin(), FAnfaenge.end(), ALauf->VonDatum,
                              [](const auto& A, TTag ATag) { return A.first < ATag; });
    for (; q != FAnfaenge.end() && q->first == ALauf->VonDatum; ++q) {
        if (FHalter.HaeltLauf(q->second, ALauf, ALaenge)) {
            return true;
        }
    }
    return false;
}
