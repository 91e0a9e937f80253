#pragma once

// The behaviour of the date entry field: a fixed 15-character text "Mo, 04.03.2024 " of which
// exactly one field (weekday, day, month, year) is selected at a time, so that a screen reader
// reading the selection announces just that field. Keys step or overwrite the selected field; a
// field is checked and silently corrected when it is left. Nothing here knows a window toolkit:
// the control forwards keys, characters, focus and mouse-up, then shows Text() and the selection.
//
// Invariants: the text always has the layout below (a field may hold the placeholder "_" while it
// is typed); the selection is either the whole selected field or a caret inside the text.
//
//   positions  0-1 weekday | 2-3 ", " | 4-5 day | 6 "." | 7-8 month | 9 "." | 10-13 year | 14 " "

#include <string>

#include "model/Kalenderdatum.h"

class TDatePicker {
public:
    // The keys the field handles itself; every other key belongs to the window.
    enum class TTaste { Links, Rechts, Pos1, Ende, BildAuf, BildAb, Entf };
    enum class TRichtung { Auf, Ab };

    // Field numbers (MarkiereNr).
    static constexpr int FeldWochentag = 0;
    static constexpr int FeldTag = 1;
    static constexpr int FeldMonat = 2;
    static constexpr int FeldJahr = 3;

    // Today as the date and as the only allowed date, the day field selected.
    TDatePicker();

    // Reading checks the selected field and reads the text (an impossible day such as 31.02. gives
    // the month's last day); it does not render. Writing clamps to the range and renders.
    TDateTime Datum();
    void SetDatum(TDateTime ADatum);
    TDateTime MinDatum() const { return FMinDatum; }
    TDateTime MaxDatum() const { return FMaxDatum; }
    // Moves the shown date into the new range; a bound that is not a number is ignored.
    void SetMinDatum(TDateTime AWert);
    void SetMaxDatum(TDateTime AWert);
    int MarkiereNr() const { return FMarkiereNr; }
    // Checks the field being left and selects field ANr (clamped to 0..3).
    void SetMarkiereNr(int ANr);
    bool ReadOnlyS() const { return FReadOnlyS; }
    void SetReadOnlyS(bool AReadOnlyS) { FReadOnlyS = AReadOnlyS; }

    // Selects the field FMarkiereNr; with AMerkeS its text is remembered as the value to fall back to.
    void Markiere(bool AMerkeS);
    // Checks and corrects the selected field in place.
    void CheckEingabe();

    // Input from the control. Each returns true when the key is answered with the system beep.
    bool KeyDown(TTaste ATaste);
    // Up and Down arrow and the arrows of the up-down control.
    bool UpDown(TRichtung ARichtung);
    // Every character typed (Backspace is 8); characters other than digits and Backspace do nothing.
    bool Char(char32_t AZeichen);
    // The mouse was released with the caret at ACaret.
    void MausLos(int ACaret);
    // Focus in (the day field is selected) and out (the field is checked).
    void Enter() { SetMarkiereNr(FeldTag); }
    void Exit() { CheckEingabe(); }
    // After a change of position or width: the text is rendered again from the last date set.
    void NachGeometrie() { SetDatum(FDatum); }

    // What the control shows.
    const std::string& Text() const { return FText; }
    int SelStart() const { return FSelStart; }
    int SelLaenge() const { return FSelLaenge; }
    const std::string& Gemerkt() const { return FGemerkt; }

private:
    void StepBy(int AAnzahl, TRichtung ARichtung);
    bool Tippen(char AZiffer);
    TDateTime Begrenzt(TDateTime ADatum) const;

    // The edit's own operations on text and selection.
    void Auswaehlen(int AStart, int ALaenge);
    void ZeichenNachCaretAuswaehlen();
    std::string AuswahlText() const;
    void AuswahlErsetzen(const std::string& AText);

    TTag FDatum = 0;
    TDateTime FMinDatum = 0;
    TDateTime FMaxDatum = 0;
    int FMarkiereNr = FeldTag;
    bool FReadOnlyS = false;
    std::string FGemerkt;
    std::string FText;
    int FSelStart = 0;
    int FSelLaenge = 0;
};
