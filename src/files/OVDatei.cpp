// Reading and writing calendar files through the file system.

#include "files/OVDatei.h"

#include "files/DateiSicherErsetzen.h"
#include "model/Fehler.h"

void KalenderdateiLesen(const std::string& AFilename, TDaten& ADaten, std::int32_t AIdDatei,
                        TDateisystem& ADateisystem) {
    if (AFilename.empty() || !ADateisystem.Existiert(AFilename)) {
        throw ELeseFehler("Die Datei existiert nicht.");
    }
    KalenderdateiDekodieren(ADateisystem.LiesDatei(AFilename), ADaten, AIdDatei);
}

void KalenderdateiSchreiben(const std::string& AFilename, const TDaten& ADaten, TDateisystem& ADateisystem) {
    if (AFilename.empty()) {
        throw ESchreibFehler("Kein Dateiname angegeben.");
    }
    DateiSicherErsetzen(
        ADateisystem.VollerPfad(AFilename),
        [&ADaten](const TSchreibziel& AZiel) { KalenderdateiKodieren(ADaten, AZiel); }, ADateisystem);
}
