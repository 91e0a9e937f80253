#include "controls/ui/WxText.h"

std::string Utf8(const wxString& AText) {
    const wxScopedCharBuffer Puffer = AText.utf8_str();
    return std::string(Puffer.data(), Puffer.length());
}
