#include "info/InfoTextHilfen.h"
#include "model/Trim.h"

#include <filesystem>
#include <system_error>

#include "files/Utf8.h"

std::string ZeilenVerbinden(const std::vector<std::string>& AZeilen) {
    // Sized once: an overview can be megabytes long, and growing it step by step copies it again
    // and again.
    std::size_t Laenge = 2 * AZeilen.size();
    for (const std::string& z : AZeilen) {
        Laenge += z.size();
    }
    std::string Ergebnis;
    Ergebnis.reserve(Laenge);
    for (std::size_t i = 0; i < AZeilen.size(); ++i) {
        if (i > 0)
            Ergebnis += "\r\n";
        Ergebnis += AZeilen[i];
    }
    return Ergebnis;
}

std::string PfadIn(const std::string& AOrdner, const std::string& AName) {
    const std::u8string Pfad = (PfadAusUtf8(AOrdner) / PfadAusUtf8(AName)).u8string();
    return std::string(Pfad.begin(), Pfad.end());
}
