#include "platform/THistoryList.h"

#include <algorithm>

#include "model/Textvergleich.h"

namespace {

// Blanks and control characters count as blanks.
bool IstBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view OhneRandBlanks(std::string_view AText) {
    while (!AText.empty() && IstBlank(AText.front()))
        AText.remove_prefix(1);
    while (!AText.empty() && IstBlank(AText.back()))
        AText.remove_suffix(1);
    return AText;
}

} // namespace

void THistoryList::SetMaxLen(int AValue) {
    if (AValue <= 0)
        return;
    FMaxLen = AValue;
    if (Count() > FMaxLen)
        FItems.resize(static_cast<std::size_t>(FMaxLen));
}

void THistoryList::AddString(std::string_view AString, bool AGrossS) {
    const std::string_view s = OhneRandBlanks(AString);
    if (s.empty())
        return;
    const auto Gleich = std::find_if(FItems.begin(), FItems.end(), [&](const std::string& Item) {
        return AGrossS ? GleichOhneGrossKlein(Item, s) : Item == s;
    });
    if (Gleich != FItems.end())
        FItems.erase(Gleich);
    FItems.insert(FItems.begin(), std::string(s));
    if (Count() > FMaxLen)
        FItems.resize(static_cast<std::size_t>(FMaxLen));
}

void THistoryList::LoadFromStream(const TMemIniFile& AIni, std::string_view AIniSection) {
    Clear();
    // From the oldest to the newest, so that "History1" ends on top.
    for (int n = FMaxLen; n >= 1; --n)
        AddString(AIni.ReadString(AIniSection, KeyName(n), ""), false);
}

void THistoryList::SaveToStream(TMemIniFile& AIni, std::string_view AIniSection, bool AClearS) const {
    for (int i = 0; i < Count(); ++i)
        AIni.WriteString(AIniSection, KeyName(i + 1), FItems[static_cast<std::size_t>(i)]);
    if (!AClearS)
        return;
    for (int n = Count() + 1; n <= FMaxLen || AIni.ValueExists(AIniSection, KeyName(n)); ++n)
        AIni.DeleteKey(AIniSection, KeyName(n));
}
