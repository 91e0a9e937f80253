// The calendar file reader on arbitrary bytes: it may refuse a file only with its own read
// error, and whatever it accepts must be written, read again and written to the same bytes (the
// first write may drop what the format reads but never writes, such as seconds of a time).

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/OVDatei.h"
#include "model/Fehler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t AGroesse) {
    TDaten Daten;
    try {
        KalenderdateiDekodieren(std::string_view(reinterpret_cast<const char*>(AData), AGroesse), Daten, 0);
    } catch (const ELeseFehler&) {
        return 0;
    }
    const std::string Bytes = KalenderdateiKodieren(Daten);
    TDaten Wieder;
    KalenderdateiDekodieren(Bytes, Wieder, 0);
    if (Wieder.Count() != Daten.Count() || KalenderdateiKodieren(Wieder) != Bytes) {
        std::abort();
    }
    return 0;
}
