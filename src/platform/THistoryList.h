#pragma once

// A short most-recently-used list of texts (the program keeps calendar file names in it): newest
// first, no duplicates, at most MaxLen items. It is stored in an INI section as the keys
// "History1" (the newest) to "HistoryN".

#include <string>
#include <string_view>
#include <vector>

#include "platform/TMemIniFile.h"

class THistoryList {
public:
    static constexpr int StandardMaxLen = 5;

    int Count() const { return static_cast<int>(FItems.size()); }
    // Item AIndex (0 = the newest); AIndex must be below Count.
    const std::string& operator[](int AIndex) const { return FItems.at(static_cast<std::size_t>(AIndex)); }
    const std::vector<std::string>& Items() const { return FItems; }
    void Clear() { FItems.clear(); }

    int MaxLen() const { return FMaxLen; }
    // Values of 0 and below are ignored; otherwise the oldest items beyond the new length go.
    void SetMaxLen(int AValue);

    // Puts AString (without leading and trailing blanks) on top, removing an equal item first:
    // compared exactly, or without regard to letter case when AGrossS. Blank text changes nothing.
    void AddString(std::string_view AString, bool AGrossS);

    // Replaces the list by the keys "History1" to "History"MaxLen of the section; missing and
    // blank values are skipped, exact duplicates collapse to one item.
    void LoadFromStream(const TMemIniFile& AIni, std::string_view AIniSection);
    // Writes the items as "History1" onwards into the in-memory file (the caller writes the file
    // to disk). With AClearS the keys after the last item up to "History"MaxLen are deleted, and
    // any higher ones as long as they follow without a gap, so that no stale name comes back at
    // the next load.
    void SaveToStream(TMemIniFile& AIni, std::string_view AIniSection, bool AClearS) const;

    static std::string KeyName(int ANummer) { return "History" + std::to_string(ANummer); }

private:
    int FMaxLen = StandardMaxLen;
    std::vector<std::string> FItems;
};
