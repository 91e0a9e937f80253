#include "views/TKalenderlisten.h"

#include <algorithm>

#include "views/OVAnzeige.h"

namespace {

std::string MonatName(const TJMT& d) {
    return std::to_string(d.Monat) + "/" + std::to_string(d.Jahr);
}

std::string WochenName(int AWoche, int AJahr) {
    return std::string("W") + std::to_string(AWoche) + "/" + std::to_string(AJahr);
}

void Neu(TPeriodenliste& L, const std::string& AName, TTag ADatum) {
    if (!L.Empty()) {
        L.SchliesseLetzte(ADatum - 1);
    }
    L.Add(AName, ADatum);
}

} // namespace

void TKalenderlisten::KalenderlisteErstellen() {
    Jahresliste.Clear();
    Monatsliste.Clear();
    Wochenliste.Clear();
    int LetztesJahr = 0;
    for (TTag d = KalenderAnfang; d <= KalenderEnde; ++d) {
        const TJMT j = DecodeDate(d);
        if (Jahresliste.Empty() || LetztesJahr < j.Jahr) {
            Neu(Jahresliste, std::to_string(j.Jahr), d);
            LetztesJahr = j.Jahr;
        }
        if (j.Tag == 1 || Monatsliste.Empty()) {
            Neu(Monatsliste, MonatName(j), d);
        }
        const int Woche = Kalenderwoche(d);
        if (Wochenliste.Empty()) {
            Wochenliste.Add(WochenName(Woche, j.Jahr), d);
        } else if (Woche != Kalenderwoche(d - 1)) {
            Neu(Wochenliste, WochenName(Woche, j.Jahr), d);
        } else if (j.Monat == 1 && j.Tag == 1) {
            // The week goes on over New Year: its label names both years.
            Wochenliste.BenenneLetzte(Wochenliste.Last().Name + "-" + std::to_string(j.Jahr));
        }
    }
    for (TPeriodenliste* L : {&Jahresliste, &Monatsliste, &Wochenliste}) {
        L->SchliesseLetzte(KalenderEnde);
    }
}

const TPeriodenliste& TKalenderlisten::Liste(TTagesansicht ATagesansicht) const {
    switch (ATagesansicht) {
    case taJahr:
        return Jahresliste;
    case taMonat:
        return Monatsliste;
    default:
        return Wochenliste;
    }
}

std::string DatumInTagesansicht(TTagesansicht ATagesansicht, TTag ADatum) {
    const TJMT d = DecodeDate(ADatum);
    if (ATagesansicht == taJahr) {
        return std::to_string(d.Jahr);
    }
    if (ATagesansicht == taMonat) {
        return MonatName(d);
    }
    const int Woche = Kalenderwoche(ADatum);
    const TTag Montag = ADatum - (IsoWochentag(ADatum) - 1);
    const TTag Sonntag = std::min(Montag + 6, KalenderEnde);
    const int JahrMontag = DecodeDate(Montag).Jahr;
    const int JahrSonntag = DecodeDate(Sonntag).Jahr;
    if (JahrMontag < d.Jahr) {
        return WochenName(Woche, JahrMontag) + "-" + std::to_string(d.Jahr);
    }
    if (JahrSonntag > d.Jahr) {
        return WochenName(Woche, d.Jahr) + "-" + std::to_string(JahrSonntag);
    }
    return WochenName(Woche, d.Jahr);
}
