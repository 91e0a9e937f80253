#include "model/TGeladenClass.h"

#include <algorithm>

#include "model/TDaten.h"
#include "model/Textvergleich.h"
#include "platform/TDateisystem.h"

TGeladenClass::TGeladenClass(TDaten* ADaten, const std::string& AFilename) : DatenRef(ADaten) {
    if (!AFilename.empty()) {
        Add(AFilename, NewIdDatei());
    }
}

void TGeladenClass::Add(const std::string& AFilename, std::int32_t AIdDatei) {
    GeladenListe.push_back({AFilename, AIdDatei});
}

void TGeladenClass::Delete(std::int32_t AIdDatei) {
    if (AIdDatei < 0) {
        return;
    }
    const auto Treffer = std::find_if(GeladenListe.begin(), GeladenListe.end(),
                                      [AIdDatei](const TGeladenRec& r) { return r.IdDatei == AIdDatei; });
    if (Treffer != GeladenListe.end()) {
        GeladenListe.erase(Treffer);
    }
}

void TGeladenClass::DeleteNr(std::int32_t ANr) {
    if (ANr >= 0 && ANr < Count()) {
        GeladenListe.erase(GeladenListe.begin() + ANr);
    }
}

std::int32_t TGeladenClass::Exists(const std::string& AFilename) const {
    for (const TGeladenRec& r : GeladenListe) {
        if (GleichOhneGrossKlein(r.Filename, AFilename)) {
            return r.IdDatei;
        }
    }
    return -1;
}

std::int32_t TGeladenClass::NewIdDatei() const {
    std::int32_t Id = 1;
    while (std::any_of(GeladenListe.begin(), GeladenListe.end(),
                       [&Id](const TGeladenRec& r) { return r.IdDatei == Id; })) {
        ++Id;
    }
    return Id;
}

bool TGeladenClass::LadeFilename(const std::string& AFilename, TDateisystem& ADateisystem,
                                 const TLeser& ALesen) {
    const std::string Pfad = ADateisystem.VollerPfad(AFilename);
    const std::int32_t Registriert = Exists(Pfad);
    const std::int32_t Id = Registriert >= 0 ? Registriert : NewIdDatei();
    TDaten Geladen;
    if (!ALesen(Pfad, Geladen, Id)) {
        return false;
    }
    if (Registriert < 0) {
        Add(Pfad, Id);
    }
    DatenRef->DateiErsetzen(Id, Geladen);
    return true;
}
