#include "model/ResConst.h"

const char* const IntervallKuerzel[AnzeigenTypAnzahl] = {"1E", "1T", "1W", "2W", "3W", "4W",
                                                         "1M", "2M", "3M", "4M", "6M", "1J"};
const char* const IntervallNamen[AnzeigenTypAnzahl] = {
    "Einmalig",  "Täglich",     "Wöchentlich",     "2-wöchentlich", "3-wöchentlich", "4-wöchentlich",
    "Monatlich", "2-monatlich", "Vierteljährlich", "4-monatlich",   "Halbjährlich",  "Jährlich"};
const char* const EintragstypNamen[TagTypAnzahl] = {"Termin", "Urlaubstag", "Feiertag"};
const char* const AktivZeichen[AktivTypAnzahl] = {"+", "-"};
