#include "WavDatei.h"

#include <cstdint>
#include <fstream>

#include "files/Utf8.h"

namespace {

void Wert(std::ofstream& ADatei, std::uint32_t AWert, int ABytes) {
    for (int i = 0; i < ABytes; ++i)
        ADatei.put(static_cast<char>((AWert >> (8 * i)) & 0xFF));
}

} // namespace

void WavSchreiben(const std::string& APfad, int AMillisekunden) {
    const std::uint32_t Rate = 8000;
    const std::uint32_t Daten = Rate * 2 * static_cast<std::uint32_t>(AMillisekunden) / 1000;
    std::ofstream d(PfadAusUtf8(APfad), std::ios::binary);
    d << "RIFF";
    Wert(d, 36 + Daten, 4);
    d << "WAVEfmt ";
    Wert(d, 16, 4);
    Wert(d, 1, 2); // PCM
    Wert(d, 1, 2); // mono
    Wert(d, Rate, 4);
    Wert(d, Rate * 2, 4);
    Wert(d, 2, 2);
    Wert(d, 16, 2);
    d << "data";
    Wert(d, Daten, 4);
    for (std::uint32_t i = 0; i < Daten; ++i)
        d.put(0);
}
