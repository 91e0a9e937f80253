// Reading and writing calendar files through the file system.

#include "files/OVDatei.h"

#include <new>

#include "files/DateiSicherErsetzen.h"
#include "model/Fehler.h"

void KalenderdateiLesen(const std::string& AFilename, TDaten& ADaten, std::int32_t AIdDatei,
                        TDateisystem& ADateisystem) {
    if (AFilename.empty() || !ADateisystem.Existiert(AFilename)) {
        throw ELeseFehler("Die Datei existiert nicht.");
    }
    std::uint64_t Groesse = 0;
    const int Handle = ADateisystem.OeffneLesen(AFilename, Groesse);
    try {
        try {
            KalenderdateiDekodieren(
                [&](char* AZiel, std::size_t AAnzahl) { return ADateisystem.Lies(Handle, AZiel, AAnzahl); },
                Groesse, ADaten, AIdDatei);
        } catch (const std::bad_alloc&) {
            throw ELeseFehler("Die Kalenderdatei ist zu groß für den verfügbaren Speicher.");
        }
    } catch (...) {
        try {
            ADateisystem.Schliesse(Handle);
        } catch (...) {
            // The read already failed; that error is the one to report.
        }
        throw;
    }
    ADateisystem.Schliesse(Handle);
}

void KalenderdateiSchreiben(const std::string& AFilename, const TDaten& ADaten, TDateisystem& ADateisystem) {
    if (AFilename.empty()) {
        throw ESchreibFehler("Kein Dateiname angegeben.");
    }
    DateiSicherErsetzen(
        ADateisystem.VollerPfad(AFilename),
        [&ADaten](const TSchreibziel& AZiel) { KalenderdateiKodieren(ADaten, AZiel); }, ADateisystem);
}
