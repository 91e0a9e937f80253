// The collection's file operations: loading, saving, importing and loading additional files.

#include "files/OVDatei.h"
#include "model/Fehler.h"
#include "model/TDaten.h"
#include "model/TGeladenClass.h"
#include "platform/TMeldungsPort.h"

bool TDaten::LoadFromFile(const std::string& AFilename, bool AFehlerMeldungS, std::int32_t AIdDatei,
                          TDateisystem& ADateisystem) {
    try {
        KalenderdateiLesen(AFilename, *this, AIdDatei, ADateisystem);
        return true;
    } catch (const EFehler& Fehler) {
        if (AFehlerMeldungS) {
            Frage(maFehler,
                  std::string("Kalenderdatei konnte nicht geladen werden:\r\n") + AFilename + "\r\n" +
                      Fehler.what(),
                  mkOK);
        }
        return false;
    }
}

void TDaten::SaveToFile(const std::string& AFilename, TDateisystem& ADateisystem) const {
    KalenderdateiSchreiben(AFilename, *this, ADateisystem);
}

void TDaten::Import(const std::string& AFilename, TDateisystem& ADateisystem) {
    TDaten Geladen;
    if (!Geladen.LoadFromFile(AFilename, true, 1, ADateisystem)) {
        return;
    }
    Import(Geladen);
}

bool TGeladenClass::LadeFilename(const std::string& AFilename, TDateisystem& ADateisystem) {
    return LadeFilename(AFilename, ADateisystem,
                        [&ADateisystem](const std::string& APfad, TDaten& ADaten, std::int32_t AId) {
                            return ADaten.LoadFromFile(APfad, true, AId, ADateisystem);
                        });
}
