#include "info/RemoveAmpersands.h"

std::string RemoveAmpersands(std::string_view ACaption) {
    std::string Ergebnis;
    for (const char c : ACaption)
        if (c != '&')
            Ergebnis += c;
    return Ergebnis;
}
