#include "search/TSuchBefehle.h"

#include <optional>

#include "model/TDaten.h"
#include "model/Uhr.h"
#include "platform/TMeldungsPort.h"
#include "views/OVAnzeige.h"
#include "views/TTagesliste.h"

namespace {

void Information(const std::string& AText) {
    Frage(maInformation, AText, mkOK);
}

} // namespace

TSuchBefehle::TSuchBefehle(const TDaten& ADaten, TTagesliste& ATagesliste, TSuchDialoge& ADialoge,
                           std::string AProgrammordner)
    : Namen(std::move(AProgrammordner)), FDaten(ADaten), FTagesliste(ATagesliste), FDialoge(ADialoge) {}

TSuchBefehle::TMenue TSuchBefehle::SuchenMenuUpdate() const {
    const bool EintraegeS = FDaten.Count() > 0;
    return {EintraegeS, EintraegeS && !Suchbegriff.empty()};
}

void TSuchBefehle::MenuSuchenSuchenClick() {
    while (true) {
        Suchen.Suchbegriff = Suchbegriff;
        if (!FDialoge.SuchenZeigen(Suchen)) {
            return;
        }
        Suchbegriff = TSuchenForm::Klein(Suchen.Suchbegriff);
        if (SuchKlassenOk() == saGesprungen) {
            return;
        }
    }
}

void TSuchBefehle::MenuSuchenWeiterClick() {
    if (SuchKlassenOk() == saNichtGefunden) {
        MenuSuchenSuchenClick();
    }
}

void TSuchBefehle::MenuSuchenNamenstagClick() {
    if (const std::optional<std::string> Meldung = Namen.FehlendeDatei()) {
        Information(*Meldung);
        return;
    }
    FDialoge.NamenSucheZeigen(Namen);
}

TSuchAusgang TSuchBefehle::SuchKlassenOk() {
    SuchKlassen.Suchbegriff = Suchbegriff;
    SuchKlassen.SuchNr = Suchen.SuchNr();
    SuchKlassen.DatenRef = &FDaten;
    if (!SuchKlassen.SucheKlassenOk(StartDatum())) {
        Information("Der Suchbegriff \"" + Suchbegriff + "\" wurde nicht gefunden!");
        return saNichtGefunden;
    }
    if (!FDialoge.GefundeneZeigen(SuchKlassen)) {
        return saAbgebrochen;
    }
    const TTagClass* TagClass = SuchKlassen.GetTagClass();
    if (TagClass == nullptr) {
        return saAbgebrochen;
    }
    Springe(*TagClass);
    return saGesprungen;
}

TTag TSuchBefehle::StartDatum() const {
    const std::string Zeile = FTagesliste.AktZeile();
    return Zeile.empty() ? TUhr::Heute() : DatumAusZeile(Zeile);
}

void TSuchBefehle::Springe(const TTagClass& ATagClass) {
    const TDatenClass& Eintrag = *ATagClass.DatenClass;
    switch (Eintrag.TagTyp) {
    case ttUrlaub:
        FTagesliste.SetFilter(fiUrlaub, true);
        break;
    case ttFeiertag:
        FTagesliste.SetFilter(fiFeiertag, true);
        break;
    case ttTermin:
        FTagesliste.SetFilter(fiBelegt, true);
        break;
    }
    FTagesliste.SetFilter(fiFrei, false);
    FTagesliste.SpringeZuDatum(Eintrag.DatumListe[ATagClass.DatumNr].Datum,
                               ZeilenText(&Eintrag, ATagClass.DatumNr));
}
