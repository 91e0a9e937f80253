#include "controls/TDatePicker.h"

#include <algorithm>
#include <cmath>

#include "model/Uhr.h"
#include "model/Ziffernzahl.h"

namespace {

constexpr int FeldStart[4] = {0, 4, 7, 10};
constexpr int FeldLaenge[4] = {2, 2, 2, 4};
constexpr int FeldHoechstwert[4] = {0, 31, 12, 0};

// The weekday's two letters; the German short names are always two letters long.
std::string WochentagText(TTag ATag) {
    return KurzeTagesnamen[Wochentag(ATag)];
}

std::string OhnePlatzhalter(std::string_view AText) {
    std::string Ergebnis;
    for (const char c : AText) {
        if (c != '_' && c != ' ') {
            Ergebnis += c;
        }
    }
    return Ergebnis;
}

// No field is longer.
constexpr std::size_t MaxStellen = 4;

} // namespace

TDatePicker::TDatePicker() {
    FMinDatum = TUhr::Heute();
    FMaxDatum = FMinDatum;
    SetDatum(FMinDatum);
}

TDateTime TDatePicker::Begrenzt(TDateTime ADatum) const {
    if (std::isnan(ADatum) || ADatum < FMinDatum) {
        return FMinDatum;
    }
    return ADatum > FMaxDatum ? FMaxDatum : ADatum;
}

TDateTime TDatePicker::Datum() {
    CheckEingabe();
    const std::string s = OhnePlatzhalter(std::string_view(FText).substr(FeldStart[FeldTag]));
    if (s.empty()) {
        return FMinDatum;
    }
    TTag Gelesen = 0;
    if (DatumLesen(s, Gelesen)) {
        return Begrenzt(Gelesen);
    }
    // A day the month does not have (each field is checked alone): the month's last day. It is
    // held in the range too, so that the control never hands out a date it does not allow.
    if (s.size() < 10) {
        return FMinDatum;
    }
    const int Jahr = Ziffernzahl(s.substr(6, 4), MaxStellen).value_or(0);
    const int Monat = Ziffernzahl(s.substr(3, 2), MaxStellen).value_or(0);
    if (Jahr >= 1 && Monat >= 1 && Monat <= 12) {
        return Begrenzt(EncodeDate(Jahr, Monat, DaysInMonth(Jahr, Monat)));
    }
    return FMinDatum;
}

void TDatePicker::SetDatum(TDateTime ADatum) {
    FDatum = TagVon(Begrenzt(ADatum));
    FText = WochentagText(FDatum) + ", " + DatumText(FDatum) + " ";
    Markiere(true);
}

void TDatePicker::SetMinDatum(TDateTime AWert) {
    if (std::isnan(AWert)) {
        return;
    }
    const TDateTime Aktuell = Datum();
    FMinDatum = AWert;
    if (AWert > Aktuell) {
        SetDatum(AWert);
    }
}

void TDatePicker::SetMaxDatum(TDateTime AWert) {
    if (std::isnan(AWert)) {
        return;
    }
    const TDateTime Aktuell = Datum();
    FMaxDatum = AWert;
    if (AWert < Aktuell) {
        SetDatum(AWert);
    }
}

void TDatePicker::SetMarkiereNr(int ANr) {
    ANr = std::clamp(ANr, FeldWochentag, FeldJahr);
    if (ANr == FMarkiereNr) {
        return;
    }
    CheckEingabe();
    FMarkiereNr = ANr;
    Markiere(true);
}

void TDatePicker::Markiere(bool AMerkeS) {
    Auswaehlen(FeldStart[FMarkiereNr], FeldLaenge[FMarkiereNr]);
    if (AMerkeS) {
        FGemerkt = AuswahlText();
    }
}

void TDatePicker::CheckEingabe() {
    if (FMarkiereNr == FeldWochentag) {
        return;
    }
    if (FSelLaenge == 0) {
        Markiere(false);
    }
    std::string t = OhnePlatzhalter(AuswahlText());
    const int Wert = Ziffernzahl(t, MaxStellen).value_or(0);
    if (Wert == 0) {
        t = FGemerkt;
    } else if (FMarkiereNr == FeldJahr) {
        const int MinJahr = DecodeDate(TagVon(FMinDatum)).Jahr;
        const int MaxJahr = DecodeDate(TagVon(FMaxDatum)).Jahr;
        if (Wert < MinJahr) {
            t = std::to_string(MinJahr);
        }
        if (Wert > MaxJahr) {
            t = std::to_string(MaxJahr);
        }
    } else if (Wert > FeldHoechstwert[FMarkiereNr]) {
        t = std::to_string(FeldHoechstwert[FMarkiereNr]);
    }
    if (FMarkiereNr == FeldJahr) {
        t.resize(std::max<size_t>(t.size(), 4), '0');
    } else if (t.size() == 1) {
        t = "0" + t;
    }
    AuswahlErsetzen(t);
    Auswaehlen(FSelStart - static_cast<int>(t.size()), static_cast<int>(t.size()));

    // The weekday follows the date, unless the day does not exist in its month.
    TTag Neu = 0;
    if (DatumLesen(std::string_view(FText).substr(FeldStart[FeldTag], 10), Neu)) {
        const std::string Tag = WochentagText(Neu);
        if (FText.compare(0, 2, Tag) != 0) {
            FText.replace(0, 2, Tag);
        }
    }
}

bool TDatePicker::KeyDown(TTaste ATaste) {
    switch (ATaste) {
    case TTaste::Links:
        SetMarkiereNr(FMarkiereNr - 1);
        break;
    case TTaste::Rechts:
        SetMarkiereNr(FMarkiereNr + 1);
        break;
    case TTaste::Pos1:
        SetMarkiereNr(FeldWochentag);
        break;
    case TTaste::Ende:
        SetMarkiereNr(FeldJahr);
        break;
    case TTaste::BildAuf:
    case TTaste::BildAb:
        if (FReadOnlyS) {
            return true;
        }
        StepBy(7, ATaste == TTaste::BildAuf ? TRichtung::Auf : TRichtung::Ab);
        break;
    case TTaste::Entf:
        // Deleting is not possible; a read-only field says so.
        return FReadOnlyS;
    }
    return false;
}

bool TDatePicker::UpDown(TRichtung ARichtung) {
    if (FReadOnlyS) {
        return true;
    }
    StepBy(1, ARichtung);
    return false;
}

bool TDatePicker::Char(char32_t AZeichen) {
    if (FReadOnlyS) {
        return true;
    }
    if (AZeichen == 8 && FMarkiereNr != FeldWochentag) {
        Markiere(false);
        AuswahlErsetzen(FMarkiereNr == FeldJahr ? "____" : "__");
        Markiere(false);
    } else if (AZeichen >= '0' && AZeichen <= '9' && FMarkiereNr != FeldWochentag) {
        return Tippen(static_cast<char>(AZeichen));
    }
    return false;
}

bool TDatePicker::Tippen(char AZiffer) {
    if (FSelLaenge > 0) {
        // The first digit of the field: the rest of it waits for digits.
        const int Start = FSelStart;
        AuswahlErsetzen(std::string(1, AZiffer) + "_");
        if (FMarkiereNr == FeldJahr) {
            AuswahlErsetzen("__");
        }
        Auswaehlen(Start + 1, 0);
        return false;
    }
    ZeichenNachCaretAuswaehlen();
    const bool GetipptS = AuswahlText() == "_";
    if (GetipptS) {
        AuswahlErsetzen(std::string(1, AZiffer));
    }
    // The trailing blank lets this look one character past the year.
    ZeichenNachCaretAuswaehlen();
    if (AuswahlText() == "_") {
        Auswaehlen(FSelStart, 0);
        return false;
    }
    Auswaehlen(FSelStart, 0);
    if (FMarkiereNr == FeldJahr) {
        return !GetipptS;
    }
    SetMarkiereNr(FMarkiereNr + 1);
    return false;
}

void TDatePicker::MausLos(int ACaret) {
    const int p = std::clamp(ACaret, 0, static_cast<int>(FText.size()));
    Auswaehlen(p, 0);
    SetMarkiereNr(p < 4 ? FeldWochentag : p <= 6 ? FeldTag : p <= 9 ? FeldMonat : FeldJahr);
}

void TDatePicker::StepBy(int AAnzahl, TRichtung ARichtung) {
    // Reading the date checks the selected field first.
    const TTag Aktuell = TagVon(Datum());
    const bool AufS = ARichtung == TRichtung::Auf;
    const int Delta = AufS ? AAnzahl : -AAnzahl;
    const TJMT d = DecodeDate(Aktuell);
    const TJMT d1 = DecodeDate(TagVon(FMinDatum));
    const TJMT d2 = DecodeDate(TagVon(FMaxDatum));
    switch (FMarkiereNr) {
    case FeldWochentag:
        SetDatum(Aktuell + Delta);
        break;
    case FeldTag: {
        const int Tiefster = d.Jahr == d1.Jahr && d.Monat == d1.Monat ? d1.Tag : 1;
        const int Hoechster =
            d.Jahr == d2.Jahr && d.Monat == d2.Monat ? d2.Tag : DaysInMonth(d.Jahr, d.Monat);
        if (AufS ? d.Tag < Hoechster : d.Tag > Tiefster) {
            SetDatum(Aktuell + Delta);
        }
        break;
    }
    case FeldMonat: {
        const int Tiefster = d.Jahr == d1.Jahr ? d1.Monat : 1;
        const int Hoechster = d.Jahr == d2.Jahr ? d2.Monat : 12;
        if (AufS ? d.Monat < Hoechster : d.Monat > Tiefster) {
            SetDatum(IncMonth(Aktuell, Delta));
        }
        break;
    }
    default:
        // The year always moves by one, whatever the key.
        if (!AufS && d.Jahr <= d1.Jahr) {
            SetDatum(FMinDatum);
        } else if (AufS && d.Jahr >= d2.Jahr) {
            SetDatum(FMaxDatum);
        } else {
            SetDatum(IncMonth(Aktuell, AufS ? 12 : -12));
        }
        break;
    }
}

void TDatePicker::Auswaehlen(int AStart, int ALaenge) {
    FSelStart = AStart;
    FSelLaenge = ALaenge;
}

void TDatePicker::ZeichenNachCaretAuswaehlen() {
    FSelLaenge = FSelStart < static_cast<int>(FText.size()) ? 1 : 0;
}

std::string TDatePicker::AuswahlText() const {
    return FText.substr(FSelStart, FSelLaenge);
}

void TDatePicker::AuswahlErsetzen(const std::string& AText) {
    FText.replace(FSelStart, FSelLaenge, AText);
    FSelStart += static_cast<int>(AText.size());
    FSelLaenge = 0;
}
