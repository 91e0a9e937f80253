#include "views/TPeriodenliste.h"

#include <cctype>

namespace {

// Labels hold only digits, "W", "/" and "-", so ASCII folding is all they need.
std::string Klein(std::string S) {
    for (char& c : S) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return S;
}

} // namespace

void TPeriodenliste::Clear() {
    FPerioden.clear();
    FIndex.clear();
}

void TPeriodenliste::Add(const std::string& AName, TTag AVon) {
    FIndex.emplace(Klein(AName), Count());
    FPerioden.push_back(TPeriode{AName, TVonBisClass{AVon, AVon}});
}

void TPeriodenliste::SchliesseLetzte(TTag ABis) {
    FPerioden.back().VonBis.Bis = ABis;
}

void TPeriodenliste::BenenneLetzte(const std::string& AName) {
    // A week starting on 31 December bears its first label only until 1 January renames it, so
    // an earlier week may hold the same label: that one keeps it.
    const auto Alt = FIndex.find(Klein(FPerioden.back().Name));
    if (Alt != FIndex.end() && Alt->second == Count() - 1) {
        FIndex.erase(Alt);
    }
    FIndex.emplace(Klein(AName), Count() - 1);
    FPerioden.back().Name = AName;
}

std::int32_t TPeriodenliste::IndexOf(const std::string& AName) const {
    const auto i = FIndex.find(Klein(AName));
    return i == FIndex.end() ? -1 : i->second;
}
