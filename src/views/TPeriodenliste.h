#pragma once

// The periods one view offers in the period box: labels with their first and last day, in
// calendar order, found again by label without regard to letter case.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/TVonBisClass.h"

struct TPeriode {
    std::string Name;
    TVonBisClass VonBis;
};

class TPeriodenliste {
public:
    std::int32_t Count() const { return static_cast<std::int32_t>(FPerioden.size()); }
    const TPeriode& operator[](std::int32_t ANr) const { return FPerioden[ANr]; }
    const TPeriode& Last() const { return FPerioden.back(); }
    bool Empty() const { return FPerioden.empty(); }

    void Clear();
    // Appends a period starting on AVon; its end is set when the next one starts.
    void Add(const std::string& AName, TTag AVon);
    // Ends the last period on ABis.
    void SchliesseLetzte(TTag ABis);
    // Renames the last period (a week running over New Year gets the new year appended).
    void BenenneLetzte(const std::string& AName);

    // Index of the period labelled AName ignoring letter case, or -1.
    std::int32_t IndexOf(const std::string& AName) const;

private:
    std::vector<TPeriode> FPerioden;
    std::unordered_map<std::string, std::int32_t> FIndex; // lower-case label -> index
};
