#include "model/TGeladenClass.h"

#include <algorithm>

#include "model/Textvergleich.h"

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
