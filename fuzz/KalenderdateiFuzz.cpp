// The calendar file reader on arbitrary bytes: it may refuse a file only with its own read
// error, reading piece by piece gives the same outcome as reading all at once, and whatever it
// accepts must be written, read again and written to the same bytes (the first write may drop
// what the format reads but never writes, such as seconds of a time).

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string_view>

#include "files/OVDatei.h"
#include "model/Fehler.h"

namespace {

// The outcome of reading: the error message, or the bytes the calendar writes back to.
std::string Ergebnis(const std::function<void(TDaten&)>& ALesen) {
    TDaten Daten;
    try {
        ALesen(Daten);
    } catch (const ELeseFehler& f) {
        return std::string("Fehler: ") + f.what();
    }
    return KalenderdateiKodieren(Daten);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t AGroesse) {
    const std::string_view Bytes(reinterpret_cast<const char*>(AData), AGroesse);
    // Read in one piece and piece by piece through a tiny buffer: the outcome must be the same.
    const std::string Ganz = Ergebnis([&](TDaten& d) { KalenderdateiDekodieren(Bytes, d, 0); });
    std::size_t Pos = 0;
    const TLesequelle Quelle = [&](char* AZiel, std::size_t AAnzahl) {
        const std::size_t n = std::min(AAnzahl, Bytes.size() - Pos);
        std::memcpy(AZiel, Bytes.data() + Pos, n);
        Pos += n;
        return n;
    };
    if (Ergebnis([&](TDaten& d) { KalenderdateiDekodieren(Quelle, Bytes.size(), d, 0, 7); }) != Ganz) {
        std::abort();
    }
    if (Ganz.starts_with("Fehler: ")) {
        return 0;
    }
    TDaten Wieder;
    KalenderdateiDekodieren(Ganz, Wieder, 0);
    if (KalenderdateiKodieren(Wieder) != Ganz) {
        std::abort();
    }
    return 0;
}
