#include "views/TTagesliste.h"

#include <algorithm>

#include "model/Trim.h"
#include "model/Uhr.h"
#include "views/OVAnzeige.h"

namespace {

// The record ASprung leads to from record ADatumNr of AEintrag; -1 when the jump is refused.
std::int32_t DatensatzZiel(const TDatenClass& AEintrag, std::int32_t ADatumNr, TDatensatzSprung ASprung) {
    const std::int32_t Anzahl = AEintrag.Count();
    // A record after the calendar limit has no line.
    const auto Sichtbar = [&](std::int32_t ANr) {
        return ANr >= 0 && ANr < Anzahl && AEintrag.DatumListe[ANr].Datum <= AEintrag.EndeDatum;
    };
    std::int32_t Ziel = -1;
    switch (ASprung) {
    case dsErster:
        Ziel = 0;
        break;
    case dsLetzter:
        Ziel = Anzahl - 1;
        while (Ziel > 0 && !Sichtbar(Ziel)) {
            --Ziel;
        }
        Ziel = std::max(Ziel, 0);
        break;
    case dsVoriger:
        Ziel = ADatumNr - 1;
        break;
    case dsNaechster:
        Ziel = Sichtbar(ADatumNr + 1) ? ADatumNr + 1 : -1;
        break;
    }
    return Ziel == ADatumNr || Ziel < 0 || Ziel >= Anzahl ? -1 : Ziel;
}

} // namespace

TTagesliste::TTagesliste(TDaten& ADaten, TTageslisteSteuerung& ASteuerung)
    : FDaten(ADaten), FSteuerung(ASteuerung) {
    const TTag Heute = TUhr::Heute();
    AltStrDatum = DatumText(Heute);
    AltPosDatum = Heute;
    StrDatum = AltStrDatum;
    PosDatum = AltPosDatum;
    PeriodenLaden();
    const std::int32_t Nr = Perioden().IndexOf(DatumInTagesansicht(Heute));
    if (Nr >= 0) {
        FSteuerung.PeriodeWaehlen(Nr);
    }
}

void TTagesliste::SetTagesansicht(TTagesansicht ATagesansicht) {
    MerkePos();
    FTagesansicht = ATagesansicht;
    if (FGeladeneAnsicht == ATagesansicht) {
        return;
    }
    PeriodenLaden();
    SpringeZuDatum(PosDatum, StrDatum);
}

void TTagesliste::PeriodenLaden() {
    FGeladeneAnsicht = FTagesansicht;
    FSteuerung.PeriodenLaden(Perioden());
}

bool TTagesliste::Filter(int AIndex) const {
    switch (AIndex) {
    case fiUnbelegt:
        return FUnbelegtS;
    case fiBelegt:
        return FBelegtS;
    case fiFeiertag:
        return FFeiertagS;
    case fiUrlaub:
        return FUrlaubS;
    case fiKwoche:
        return FKwocheS;
    case fiFrei:
        return FFreiS;
    default:
        return false;
    }
}

void TTagesliste::SetFilter(int AIndex, bool AWert) {
    switch (AIndex) {
    case fiUnbelegt:
        FUnbelegtS = AWert;
        break;
    case fiBelegt:
        FBelegtS = AWert;
        break;
    case fiFeiertag:
        FFeiertagS = AWert;
        break;
    case fiUrlaub:
        FUrlaubS = AWert;
        break;
    case fiKwoche:
        FKwocheS = AWert;
        break;
    case fiFrei:
        FFreiS = AWert;
        break;
    default:
        break;
    }
}

std::string TTagesliste::DatumInTagesansicht(TTag ADatum) const {
    return ::DatumInTagesansicht(FTagesansicht, ADatum);
}

bool TTagesliste::UpdateTage() {
    MerkePos();
    const std::int32_t Nr = Perioden().IndexOf(std::string(Trim(FSteuerung.PeriodenText())));
    if (Nr < 0) {
        FSteuerung.Piep();
        return false;
    }
    FSteuerung.PeriodeWaehlen(Nr);
    TZeilenliste Neu =
        FDaten.Items(&Perioden()[Nr].VonBis, FUnbelegtS, FBelegtS, FFeiertagS, FUrlaubS, FKwocheS, FFreiS);
    FSteuerung.ZeilenErsetzen(Neu);
    // The move keeps the lines where they are, so the controls may go on reading the ones handed
    // over.
    FDisplayItems = std::move(Neu);
    FPeriodenNr = Nr;
    FZeitraum = Perioden()[Nr].Name;
    if (!FDisplayItems.empty()) {
        FSteuerung.ZeileWaehlen(0);
    }
    return true;
}

void TTagesliste::MerkePos() {
    const std::int32_t Nr = FSteuerung.ZeilenIndex();
    if (Nr < 0 || Nr >= static_cast<std::int32_t>(FDisplayItems.size())) {
        StrDatum = AltStrDatum;
        PosDatum = AltPosDatum;
        return;
    }
    const std::string& Zeile = FDisplayItems[Nr].Text;
    StrDatum = AbZweitemWort(Zeile);
    PosDatum = DatumAusZeile(Zeile);
}

template <typename F> void TTagesliste::Springe(TTag ADatum, F AZeile) {
    const std::string Ziel = DatumInTagesansicht(ADatum);
    const std::int32_t PeriodenNr = Perioden().IndexOf(Ziel);
    if (PeriodenNr < 0) {
        // A date outside the calendar range has no period.
        FSteuerung.Piep();
        return;
    }
    if (FSteuerung.PeriodenIndex() != PeriodenNr || FSteuerung.PeriodenText() != Ziel) {
        FSteuerung.PeriodeWaehlen(PeriodenNr);
    }
    const std::string AlterZeitraum = FZeitraum;
    if (!UpdateTage()) {
        return;
    }
    if (!FStartingS) {
        FSteuerung.PeriodenFokus();
    }
    const std::int32_t Nr = AZeile();
    if (!FStartingS) {
        FSteuerung.ZeilenFokus();
    }
    if (Nr >= 0) {
        FSteuerung.ZeileWaehlen(Nr);
    }
    // The line alone does not tell that a view switch or a jump has left the period.
    if (FZeitraum != AlterZeitraum) {
        Ansagen(FZeitraum);
    }
}

void TTagesliste::SpringeZuDatum(TTag ADatum, std::string S) {
    Springe(ADatum, [&] { return FindeZeile(ADatum, S); });
}

void TTagesliste::SpringeZuEintrag(TTag ADatum, TTagClass AZiel) {
    Springe(ADatum, [&] { return FindeZeile(ADatum, AZiel); });
}

void TTagesliste::Ansagen(const std::string& AText) {
    if (Ansage && !FStartingS) {
        Ansage(AText);
    }
}

std::string TTagesliste::AktZeile() const {
    const std::int32_t Nr = FSteuerung.ZeilenIndex();
    return Nr >= 0 && Nr < static_cast<std::int32_t>(FDisplayItems.size()) ? FDisplayItems[Nr].Text : "";
}

void TTagesliste::ZustandAnsagen(const std::string& AZeileVorher, const std::string& AZustand) {
    // Screen readers skip the leading blanks that stand in for the calendar-week prefix.
    if (Trim(AktZeile()) == Trim(AZeileVorher)) {
        Ansagen(AZustand);
    }
}

// The lines run in date order, so the date's lines are found by halving, not by reading every date.
std::pair<std::int32_t, std::int32_t> TTagesliste::TagesZeilen(TTag ADatum) const {
    const auto Von = std::partition_point(FDisplayItems.begin(), FDisplayItems.end(),
                                          [&](const TZeile& z) { return DatumAusZeile(z.Text) < ADatum; });
    const auto Bis = std::partition_point(Von, FDisplayItems.end(),
                                          [&](const TZeile& z) { return DatumAusZeile(z.Text) == ADatum; });
    return {static_cast<std::int32_t>(Von - FDisplayItems.begin()),
            static_cast<std::int32_t>(Bis - FDisplayItems.begin())};
}

// The line of ADatum that ends with S's tail after its first word; else the last one that
// contains it; else the date's first line; -1 when the date has no line. The tail is the same
// with and without the calendar-week prefix, so a place is found again after switching it.
std::int32_t TTagesliste::FindeZeile(TTag ADatum, const std::string& S) const {
    const std::string_view T = AbZweitemWort(S);
    const auto [Von, Bis] = TagesZeilen(ADatum);
    std::int32_t Gefunden = Von < Bis ? Von : -1;
    for (std::int32_t i = Von; i < Bis && !T.empty(); ++i) {
        const std::string& Text = FDisplayItems[i].Text;
        const size_t Stelle = Text.find(T);
        if (Stelle != std::string::npos) {
            Gefunden = i;
            if (Text.size() - Stelle == T.size()) {
                break;
            }
        }
    }
    return Gefunden;
}

// The line of ADatum whose handle is AZiel; else the date's first line; -1 when the date has no line.
std::int32_t TTagesliste::FindeZeile(TTag ADatum, const TTagClass& AZiel) const {
    const auto [Von, Bis] = TagesZeilen(ADatum);
    for (std::int32_t i = Von; i < Bis; ++i) {
        const TTagClass* t = FDisplayItems[i].TagClass.get();
        if (t != nullptr && t->DatenClass == AZiel.DatenClass && t->DatumNr == AZiel.DatumNr) {
            return i;
        }
    }
    return Von < Bis ? Von : -1;
}

std::int32_t TTagesliste::NachbarPeriode(bool AVorS) const {
    const std::int32_t Nr = FSteuerung.PeriodenIndex();
    const std::int32_t Ziel = Nr < 0 ? (AVorS ? 0 : -1) : Nr + (AVorS ? 1 : -1);
    return Ziel < Perioden().Count() ? Ziel : -1;
}

void TTagesliste::Blaettern(bool AVorS) {
    const std::int32_t Ziel = NachbarPeriode(AVorS);
    if (Ziel < 0) {
        FSteuerung.Piep();
        return;
    }
    FSteuerung.PeriodeWaehlen(Ziel);
    FSteuerung.PeriodenFokus();
    const std::string AlterZeitraum = FZeitraum;
    if (!UpdateTage()) {
        return;
    }
    if (FDisplayItems.empty()) {
        AltStrDatum.clear();
        AltPosDatum = Perioden()[Ziel].VonBis.Von;
    }
    FSteuerung.ZeilenFokus();
    if (FZeitraum != AlterZeitraum) {
        Ansagen(FZeitraum);
    }
}

void TTagesliste::ZuDatensatzSpringen(TDatensatzSprung ASprung) {
    const TTagClass* Akt = AktTagClass();
    if (Akt == nullptr || Akt->DatenClass == nullptr) {
        return;
    }
    // The handle goes with the rebuild; the entry stays.
    const TDatenClass* Eintrag = Akt->DatenClass;
    const std::int32_t Ziel = DatensatzZiel(*Eintrag, Akt->DatumNr, ASprung);
    if (Ziel < 0) {
        FSteuerung.Piep();
        return;
    }
    SpringeZuDatum(Eintrag->DatumListe[Ziel].Datum, ZeilenText(Eintrag, Ziel));
}

void TTagesliste::PeriodeEingeben() {
    FSteuerung.PeriodenFokus();
    if (!UpdateTage()) {
        FSteuerung.PeriodenTextMarkieren();
        return;
    }
    if (FDisplayItems.empty()) {
        // An empty period is the place to return to.
        AltStrDatum.clear();
        AltPosDatum = Perioden()[FPeriodenNr].VonBis.Von;
    }
    FSteuerung.ZeilenFokus();
}

void TTagesliste::PeriodeGewaehlt() {
    UpdateTage();
}

void TTagesliste::PeriodeSchritt(bool AVorS) {
    const std::int32_t Ziel = NachbarPeriode(AVorS);
    if (Ziel < 0) {
        FSteuerung.Piep();
        return;
    }
    FSteuerung.PeriodeWaehlen(Ziel);
    PeriodeGewaehlt();
}

void TTagesliste::FreiNeuBerechnen() {
    FFreiS = !(FBelegtS || FUnbelegtS || FUrlaubS || FFeiertagS);
}

void TTagesliste::MenuAnsAusblenden(int AIndex) {
    if (AIndex < 0 || AIndex >= FilterAnzahl) {
        return;
    }
    static const char* const Namen[FilterAnzahl] = {"Unbelegte Tage", "Termintage",     "Feiertage",
                                                    "Urlaubstage",    "Kalenderwochen", "Freie Tage"};
    const std::string Vorher = AktZeile();
    MerkePos();
    if (AIndex == fiFrei) {
        const bool AltFreiS = FFreiS;
        for (int i : {fiUnbelegt, fiBelegt, fiFeiertag, fiUrlaub}) {
            SetFilter(i, AltFreiS);
        }
        SetFilter(fiFrei, !AltFreiS);
    } else {
        SetFilter(AIndex, !Filter(AIndex));
    }
    FreiNeuBerechnen();
    SpringeZuDatum(PosDatum, StrDatum);
    ZustandAnsagen(Vorher, std::string(Namen[AIndex]) + (Filter(AIndex) ? " ein" : " aus"));
}

void TTagesliste::MenuAnsAlleTageClick() {
    // Remember the place first: the remembered one may be from before the user moved on.
    MerkePos();
    for (int i : {fiUnbelegt, fiBelegt, fiFeiertag, fiUrlaub}) {
        SetFilter(i, true);
    }
    SetFilter(fiFrei, false);
    SpringeZuDatum(PosDatum, StrDatum);
}

void TTagesliste::MenuAnsLeereTageClick() {
    SetFilter(fiUnbelegt, true);
    for (int i : {fiBelegt, fiFeiertag, fiUrlaub, fiFrei}) {
        SetFilter(i, false);
    }
    // The rebuild remembers the place before the entry lines go.
    UpdateTage();
    SpringeZuDatum(PosDatum, StrDatum);
}

void TTagesliste::UnbelegteTageEinschalten() {
    if (!FUnbelegtS) {
        SetFilter(fiUnbelegt, true);
        SetFilter(fiFrei, false);
    }
}

TTagClass* TTagesliste::AktTagClass() const {
    const std::int32_t Nr = FSteuerung.ZeilenIndex();
    if (Nr < 0 || Nr >= static_cast<std::int32_t>(FDisplayItems.size())) {
        return nullptr;
    }
    return FDisplayItems[Nr].TagClass.get();
}

void TTagesliste::SetAktTagClass(const TTagClass* ATagClass) {
    const std::int32_t Nr = FSteuerung.ZeilenIndex();
    if (Nr < 0 || Nr >= static_cast<std::int32_t>(FDisplayItems.size())) {
        return;
    }
    FDisplayItems[Nr].TagClass = ATagClass ? std::make_unique<TTagClass>(*ATagClass) : nullptr;
}
