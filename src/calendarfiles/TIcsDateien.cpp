#include "calendarfiles/TIcsDateien.h"

#include "model/Fehler.h"

#ifdef ORVANTO_ICALENDAR

#include "icalendar/IcsDatei.h"

TIcsDateien::TIcsDateien(TDateisystem& ADateisystem) : FDateisystem(ADateisystem) {}

bool TIcsDateien::Bereit() const {
    return FZeitzone != nullptr;
}

bool TIcsDateien::Erkannt(const std::string& AFilename) const {
    return Bereit() && IstIcsDatei(AFilename, FDateisystem);
}

std::string TIcsDateien::Importieren(const std::string& AFilename, TDaten& ADaten) const {
    return IcsImportieren(AFilename, ADaten, FDateisystem, *FZeitzone).Text();
}

void TIcsDateien::Lesen(const std::string& AFilename, TDaten& ADaten, std::int32_t AIdDatei) const {
    IcsDateiLesen(AFilename, ADaten, AIdDatei, FDateisystem, *FZeitzone);
}

void TIcsDateien::Schreiben(const std::string& AFilename, const TDaten& ADaten) const {
    IcsDateiSchreiben(AFilename, ADaten, FDateisystem, *FZeitzone);
}

#else

// Without libical nothing is recognised and the commands that write are off; should one run all
// the same, it raises the reason.

namespace {

[[noreturn]] void NichtGebaut() {
    throw EFehler("Dieses Orvanto ist ohne iCalendar-Unterstützung (libical) gebaut.");
}

} // namespace

TIcsDateien::TIcsDateien(TDateisystem& ADateisystem) : FDateisystem(ADateisystem) {}

bool TIcsDateien::Bereit() const {
    return false;
}

bool TIcsDateien::Erkannt(const std::string&) const {
    return false;
}

std::string TIcsDateien::Importieren(const std::string&, TDaten&) const {
    NichtGebaut();
}

void TIcsDateien::Lesen(const std::string&, TDaten&, std::int32_t) const {
    NichtGebaut();
}

void TIcsDateien::Schreiben(const std::string&, const TDaten&) const {
    NichtGebaut();
}

#endif
