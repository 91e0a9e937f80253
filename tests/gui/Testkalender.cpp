// Writes the calendar file the window tests start on: an appointment "Zahnarzt" on Wednesday
// 8.1.2025 and a holiday "Dreikönig" on Monday 6.1.2025.

#include <cstdio>
#include <exception>
#include <string>

#include "model/TDaten.h"
#include "platform/SystemDateisystem.h"

namespace {

TDatenClass Eintrag(const std::string& AKurztext, TTag ATag, TTagTyp ATyp, std::int32_t AId) {
    TDatenClass e;
    e.Id = AId;
    e.Kurztext = AKurztext;
    e.TagTyp = ATyp;
    e.EndeDatum = KalenderEnde;
    TDatumClass r;
    r.Datum = r.VonDatum = r.BisDatum = ATag;
    r.GanzerTagS = true;
    TDatumListe l{r};
    e.AddDatumListe(l);
    return e;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    try {
        TDaten Daten;
        Daten.Add(Eintrag("Zahnarzt", EncodeDate(2025, 1, 8), ttTermin, 0));
        Daten.Add(Eintrag("Dreikönig", EncodeDate(2025, 1, 6), ttFeiertag, 1));
        Daten.SaveToFile(argv[1], SystemDateisystem());
    } catch (const std::exception& Fehler) {
        std::fprintf(stderr, "%s\n", Fehler.what());
        return 1;
    }
    return 0;
}
