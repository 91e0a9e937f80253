#pragma once

// The recent-file list as the file menu shows it: one entry per item in list order, captioned
// "&1 name" to "&5 name" so that the digit is the access key. An entry is always enabled; its
// tag is the item's position, which a click turns back into the file name.

#include <optional>
#include <string>

#include "platform/THistoryList.h"

struct THistoryMenuItem {
    std::string Caption;
    int Tag = 0;
};

class THistoryMenuList : public THistoryList {
public:
    bool ShowFullPath() const { return FShowFullPath; }
    // False: captions show only the file-name part (the whole text when that part is empty).
    void SetShowFullPath(bool AValue) { FShowFullPath = AValue; }
    bool EscapeAmpersand() const { return FEscapeAmpersand; }
    // True: every "&" of the text is doubled so that it is shown, not taken as an access key.
    void SetEscapeAmpersand(bool AValue) { FEscapeAmpersand = AValue; }

    // The menu entry of item AIndex; nothing when AIndex is not an item's position.
    std::optional<THistoryMenuItem> GetMenuItem(int AIndex) const;
    // The file name an entry with tag ATag stands for; nothing when the list has no such item.
    std::optional<std::string> FileNameOfTag(int ATag) const;

private:
    bool FShowFullPath = true;
    bool FEscapeAmpersand = false;
};
