#include "controls/ui/WxText.h"

std::string Utf8(const wxString& AText) {
    const wxScopedCharBuffer Puffer = AText.utf8_str();
    return std::string(Puffer.data(), Puffer.length());
}

wxString WxZeilen(const std::string& AText) {
    std::string Zeilen;
    Zeilen.reserve(AText.size());
    for (std::size_t i = 0; i < AText.size(); ++i) {
        if (AText[i] != '\r' || i + 1 >= AText.size() || AText[i + 1] != '\n') {
            Zeilen += AText[i];
        }
    }
    return Wx(Zeilen);
}
