// The iCalendar reader on arbitrary text: it may refuse a file only with its own read error, and
// whatever it accepts must be a calendar the calendar file takes: written, read again and
// written to the same bytes. Written as iCalendar and read again, it must still be accepted.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/OVDatei.h"
#include "icalendar/IcsLesen.h"
#include "icalendar/IcsSchreiben.h"
#include "model/Fehler.h"

namespace {

const TZeitzone& Zone() {
    static const std::unique_ptr<TZeitzone> z = SystemZeitzone();
    return *z;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A zone with summer time, so that the conversions around its changes are reached.
    setenv("TZ", "Europe/Vienna", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t AGroesse) {
    const std::string_view Text(reinterpret_cast<const char*>(AData), AGroesse);
    TDaten Daten;
    try {
        IcsLesen(Text, Daten, 0, Zone());
    } catch (const ELeseFehler&) {
        return 0;
    }
    const std::string Bytes = KalenderdateiKodieren(Daten);
    TDaten Wieder;
    KalenderdateiDekodieren(Bytes, Wieder, 0);
    if (KalenderdateiKodieren(Wieder) != Bytes) {
        std::abort();
    }
    TDaten Zurueck;
    IcsLesen(IcsKodieren(Daten, "Europe/Vienna", Zone()), Zurueck, 0, Zone());
    return 0;
}
