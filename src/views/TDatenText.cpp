#include "model/TDaten.h"
#include "views/OVAnzeige.h"

std::string TDaten::Text(std::int32_t AListeNr, std::int32_t ADatumNr) const {
    return ZeilenText(Liste.at(AListeNr).get(), ADatumNr);
}
