#include "text/TextZeilen.h"

void TextZeilenAusgeben(std::ostream& AAus, std::string_view AText) {
    for (std::size_t i = 0; i < AText.size(); ++i) {
        if (AText[i] == '\r') {
            AAus << '\n';
            if (i + 1 < AText.size() && AText[i + 1] == '\n') {
                ++i;
            }
        } else {
            AAus << AText[i];
        }
    }
    if (!AText.empty() && AText.back() != '\r' && AText.back() != '\n') {
        AAus << '\n';
    }
}
