#include "platform/THistoryList.h"
#include "model/Trim.h"

#include <algorithm>

#include "model/Textvergleich.h"

void THistoryList::SetMaxLen(int AValue) {
    if (AValue <= 0)
        return;
    FMaxLen = AValue;
    if (Count() > FMaxLen)
        FItems.resize(static_cast<std::size_t>(FMaxLen));
}

void THistoryList::AddString(std::string_view AString, bool AGrossS) {
    const std::string_view s = Trim(AString);
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
