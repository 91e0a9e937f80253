#include "controls/TTimePicker.h"

#include <algorithm>
#include <cmath>

#include "model/Uhr.h"
#include "model/Ziffernzahl.h"

namespace {

constexpr double SekundenJeTag = 86400.0;

// This and the selection primitives at the end (Auswaehlen .. AuswahlErsetzen) read as the date
// picker's do. They stay twice on purpose: the two controls share no code, so that each stays
// complete in itself and a change to one cannot move the other's keys or announcements.
std::string OhnePlatzhalter(std::string_view AText) {
    std::string Ergebnis;
    for (const char c : AText) {
        if (c != '_' && c != ' ') {
            Ergebnis += c;
        }
    }
    return Ergebnis;
}

// Every field has two digits.
constexpr std::size_t MaxStellen = 2;

// "h:n" or "h:n:s" with valid hours, minutes and seconds.
bool ZeitLesen(std::string_view AText, TDateTime& AZeit) {
    int Teile[3] = {0, 0, 0};
    int Anzahl = 0;
    while (Anzahl < 3) {
        const size_t Ende = std::min(AText.find(':'), AText.size());
        const std::optional<int> Teil = Ziffernzahl(AText.substr(0, Ende), MaxStellen);
        if (!Teil) {
            return false;
        }
        Teile[Anzahl] = *Teil;
        ++Anzahl;
        if (Ende == AText.size()) {
            break;
        }
        AText.remove_prefix(Ende + 1);
        if (Anzahl == 3) {
            return false;
        }
    }
    if (Anzahl < 2 || Teile[0] > 23 || Teile[1] > 59 || Teile[2] > 59) {
        return false;
    }
    AZeit = (Teile[0] * 3600 + Teile[1] * 60 + Teile[2]) / SekundenJeTag;
    return true;
}

} // namespace

const TDateTime TTimePicker::MinZeit = 0.0;
const TDateTime TTimePicker::MaxZeit = 86399 / SekundenJeTag;

TTimePicker::TTimePicker() {
    SetZeit(TUhr::Jetzt());
}

TDateTime TTimePicker::Zeit() {
    CheckEingabe();
    const std::string s = OhnePlatzhalter(FText);
    TDateTime Gelesen = MinZeit;
    if (s.empty() || !ZeitLesen(s, Gelesen)) {
        return MinZeit;
    }
    return Gelesen;
}

void TTimePicker::SetZeit(TDateTime AZeit) {
    const TDateTime Tageszeit = AZeit - std::trunc(AZeit);
    if (std::isnan(Tageszeit) || Tageszeit < MinZeit) {
        FZeit = MinZeit;
    } else {
        FZeit = Tageszeit > MaxZeit ? MaxZeit : Tageszeit;
    }
    FText = FormatDateTime(FSekundenAnzeigenS ? "hh:nn:ss " : "hh:nn ", FZeit);
    Markiere(true);
}

void TTimePicker::SetMarkiereNr(int ANr) {
    ANr = std::clamp(ANr, FeldStunde, LetztesFeld());
    if (ANr == FMarkiereNr) {
        return;
    }
    CheckEingabe();
    FMarkiereNr = ANr;
    Markiere(true);
}

void TTimePicker::SetSekundenAnzeigenS(bool ASekundenAnzeigenS) {
    if (ASekundenAnzeigenS == FSekundenAnzeigenS) {
        return;
    }
    const TDateTime z = Zeit();
    FSekundenAnzeigenS = ASekundenAnzeigenS;
    FMarkiereNr = std::min(FMarkiereNr, LetztesFeld());
    SetZeit(z);
}

void TTimePicker::Markiere(bool AMerkeS) {
    Auswaehlen(FMarkiereNr == FeldMinute ? 3 : FMarkiereNr == FeldSekunde ? 6 : 0, 2);
    if (AMerkeS) {
        FGemerkt = AuswahlText();
    }
}

void TTimePicker::CheckEingabe() {
    if (FSelLaenge == 0) {
        Markiere(false);
    }
    std::string t = OhnePlatzhalter(AuswahlText());
    const std::optional<int> Wert = Ziffernzahl(t, MaxStellen);
    const int Hoechstwert = FMarkiereNr == FeldStunde ? 23 : 59;
    if (!Wert) {
        t = FGemerkt;
    } else if (*Wert > Hoechstwert) {
        t = std::to_string(Hoechstwert);
    }
    if (t.size() == 1) {
        t = "0" + t;
    }
    AuswahlErsetzen(t);
    Auswaehlen(FSelStart - static_cast<int>(t.size()), static_cast<int>(t.size()));
}

bool TTimePicker::KeyDown(TTaste ATaste) {
    switch (ATaste) {
    case TTaste::Links:
        SetMarkiereNr(FMarkiereNr - 1);
        break;
    case TTaste::Rechts:
        SetMarkiereNr(FMarkiereNr + 1);
        break;
    case TTaste::Pos1:
        SetMarkiereNr(FeldStunde);
        break;
    case TTaste::Ende:
        SetMarkiereNr(LetztesFeld());
        break;
    case TTaste::BildAuf:
    case TTaste::BildAb:
        if (FReadOnlyS) {
            return true;
        }
        StepBy(6, ATaste == TTaste::BildAuf ? TRichtung::Auf : TRichtung::Ab);
        break;
    case TTaste::Entf:
        // Deleting is not possible; a read-only field says so.
        return FReadOnlyS;
    }
    return false;
}

bool TTimePicker::UpDown(TRichtung ARichtung) {
    if (FReadOnlyS) {
        return true;
    }
    StepBy(1, ARichtung);
    return false;
}

bool TTimePicker::Char(char32_t AZeichen) {
    if (FReadOnlyS) {
        return true;
    }
    if (AZeichen == 8) {
        Markiere(false);
        AuswahlErsetzen("__");
        Markiere(false);
    } else if (AZeichen >= '0' && AZeichen <= '9') {
        return Tippen(static_cast<char>(AZeichen));
    }
    return false;
}

bool TTimePicker::Tippen(char AZiffer) {
    if (FSelLaenge > 0) {
        // The first digit of the field: the second waits.
        const int Start = FSelStart;
        AuswahlErsetzen(std::string(1, AZiffer) + "_");
        Auswaehlen(Start + 1, 0);
        return false;
    }
    ZeichenNachCaretAuswaehlen();
    const bool GetipptS = AuswahlText() == "_";
    if (GetipptS) {
        AuswahlErsetzen(std::string(1, AZiffer));
    }
    // The trailing blank lets this look one character past the last field.
    ZeichenNachCaretAuswaehlen();
    if (AuswahlText() == "_") {
        Auswaehlen(FSelStart, 0);
        return false;
    }
    Auswaehlen(FSelStart, 0);
    const bool PiepS = FMarkiereNr == LetztesFeld() && !GetipptS;
    SetMarkiereNr(FMarkiereNr + 1);
    return PiepS;
}

void TTimePicker::MausLos(int ACaret) {
    const int p = std::clamp(ACaret, 0, static_cast<int>(FText.size()));
    Auswaehlen(p, 0);
    SetMarkiereNr(p < 3 ? FeldStunde : p <= 5 ? FeldMinute : LetztesFeld());
}

void TTimePicker::StepBy(int AAnzahl, TRichtung ARichtung) {
    // Reading the time checks the selected field first.
    long Sekunden = std::lround(Zeit() * SekundenJeTag);
    int Teile[3] = {static_cast<int>(Sekunden / 3600), static_cast<int>(Sekunden / 60 % 60),
                    static_cast<int>(Sekunden % 60)};
    int& Wert = Teile[FMarkiereNr - 1];
    const int Grenze = FMarkiereNr == FeldStunde ? 23 : 59;
    // A step past either end lands on the other end; the other fields keep their values.
    Wert += ARichtung == TRichtung::Auf ? AAnzahl : -AAnzahl;
    if (Wert < 0) {
        Wert = Grenze;
    } else if (Wert > Grenze) {
        Wert = 0;
    }
    Sekunden = Teile[0] * 3600L + Teile[1] * 60L + Teile[2];
    SetZeit(Sekunden / SekundenJeTag);
}

void TTimePicker::Auswaehlen(int AStart, int ALaenge) {
    FSelStart = AStart;
    FSelLaenge = ALaenge;
}

void TTimePicker::ZeichenNachCaretAuswaehlen() {
    FSelLaenge = FSelStart < static_cast<int>(FText.size()) ? 1 : 0;
}

std::string TTimePicker::AuswahlText() const {
    return FText.substr(FSelStart, FSelLaenge);
}

void TTimePicker::AuswahlErsetzen(const std::string& AText) {
    FText.replace(FSelStart, FSelLaenge, AText);
    FSelStart += static_cast<int>(AText.size());
    FSelLaenge = 0;
}
