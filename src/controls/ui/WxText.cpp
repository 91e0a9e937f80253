#include "controls/ui/WxText.h"

std::string Utf8(const wxString& AText) {
    const wxScopedCharBuffer Puffer = AText.utf8_str();
    return std::string(Puffer.data(), Puffer.length());
}

wxString WxZeilen(const std::string& AText) {
    std::string Zeilen;
    Zeilen.reserve(AText.size());
    std::size_t Anfang = 0;
    for (std::size_t Cr = AText.find("\r\n"); Cr != std::string::npos; Cr = AText.find("\r\n", Anfang)) {
        Zeilen.append(AText, Anfang, Cr - Anfang);
        Anfang = Cr + 1;
    }
    Zeilen.append(AText, Anfang, std::string::npos);
    return Wx(Zeilen);
}
