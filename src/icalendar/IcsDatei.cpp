#include "icalendar/IcsDatei.h"

#include <new>

#include "files/DateiSicherErsetzen.h"
#include "icalendar/IcsLesen.h"
#include "icalendar/IcsSchreiben.h"
#include "icalendar/IcsZeit.h"
#include "model/Fehler.h"

bool IstIcsDatei(const std::string& AFilename, TDateisystem& ADateisystem) {
    try {
        if (AFilename.empty() || !ADateisystem.Existiert(AFilename)) {
            return false;
        }
        std::uint64_t Groesse = 0;
        const int Handle = ADateisystem.OeffneLesen(AFilename, Groesse);
        std::string Anfang(512, '\0');
        std::size_t n = 0;
        try {
            n = ADateisystem.Lies(Handle, Anfang.data(), Anfang.size());
        } catch (const EFehler&) {
            ADateisystem.Schliesse(Handle);
            return false;
        }
        ADateisystem.Schliesse(Handle);
        Anfang.resize(n);
        return IstIcalendar(Anfang);
    } catch (const EFehler&) {
        return false;
    }
}

TIcsBericht IcsDateiLesen(const std::string& AFilename, TDaten& ADaten, std::int32_t AIdDatei,
                          TDateisystem& ADateisystem, const TZeitzone& AZeitzone) {
    const std::string Vorspann = "iCalendar-Datei konnte nicht gelesen werden:\r\n" + AFilename + "\r\n";
    try {
        if (AFilename.empty() || !ADateisystem.Existiert(AFilename)) {
            throw ELeseFehler("Die Datei existiert nicht.");
        }
        return IcsLesen(ADateisystem.LiesDatei(AFilename), ADaten, AIdDatei, AZeitzone);
    } catch (const std::bad_alloc&) {
        throw ELeseFehler(Vorspann + "Die Datei ist zu groß für den verfügbaren Speicher.");
    } catch (const EFehler& Fehler) {
        throw ELeseFehler(Vorspann + Fehler.what());
    }
}

TIcsBericht IcsImportieren(const std::string& AFilename, TDaten& ADaten, TDateisystem& ADateisystem,
                           const TZeitzone& AZeitzone) {
    TDaten Gelesen;
    const TIcsBericht Bericht = IcsDateiLesen(AFilename, Gelesen, 1, ADateisystem, AZeitzone);
    ADaten.Import(Gelesen);
    return Bericht;
}

void IcsDateiSchreiben(const std::string& AFilename, const TDaten& ADaten, TDateisystem& ADateisystem,
                       const TZeitzone& AZeitzone) {
    if (AFilename.empty()) {
        throw ESchreibFehler("Kein Dateiname angegeben.");
    }
    DateiSicherErsetzen(ADateisystem.VollerPfad(AFilename),
                        IcsKodieren(ADaten, IcsZonenname(AZeitzone), AZeitzone), ADateisystem);
}
