#pragma once

// The behaviour of the time entry field: the text "hh:nn " (or "hh:nn:ss " with seconds) of
// which exactly one field is selected at a time, so that a screen reader reading the selection
// announces just that field. Keys step the selected field (wrapping at its ends, without carry)
// or overwrite it; a field is checked and silently corrected when it is left. Nothing here knows
// a window toolkit: the control forwards keys, characters, focus and mouse-up, then shows Text()
// and the selection.
//
// Invariants: the text always has the layout below (a field may hold the placeholder "_" while it
// is typed); the selection is either the whole selected field or a caret inside the text.
//
//   positions  0-1 hours | 2 ":" | 3-4 minutes | (5 ":" | 6-7 seconds) | one trailing blank

#include <string>

#include "model/Kalenderdatum.h"

class TTimePicker {
public:
    // The keys the field handles itself; every other key belongs to the window.
    enum class TTaste { Links, Rechts, Pos1, Ende, BildAuf, BildAb, Entf };
    enum class TRichtung { Auf, Ab };

    // Field numbers (MarkiereNr).
    static constexpr int FeldStunde = 1;
    static constexpr int FeldMinute = 2;
    static constexpr int FeldSekunde = 3;

    // 00:00:00 and 23:59:59.
    static const TDateTime MinZeit;
    static const TDateTime MaxZeit;

    // The current time of day, hours and minutes, the hours selected.
    TTimePicker();

    // Reading checks the selected field and reads the text (MinZeit when it cannot be read); it
    // does not render. Writing keeps the time of day only, clamps it and renders.
    TDateTime Zeit();
    void SetZeit(TDateTime AZeit);
    int MarkiereNr() const { return FMarkiereNr; }
    // Checks the field being left and selects field ANr (clamped to the fields shown).
    void SetMarkiereNr(int ANr);
    bool SekundenAnzeigenS() const { return FSekundenAnzeigenS; }
    // Shows or hides the seconds, keeping the time read from the text.
    void SetSekundenAnzeigenS(bool ASekundenAnzeigenS);
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
    // Focus in (the hours are selected) and out (the field is checked).
    void Enter() { SetMarkiereNr(FeldStunde); }
    void Exit() { CheckEingabe(); }
    // After a change of position or width: the text is rendered again from the last time set.
    void NachGeometrie() { SetZeit(FZeit); }

    // What the control shows.
    const std::string& Text() const { return FText; }
    int SelStart() const { return FSelStart; }
    int SelLaenge() const { return FSelLaenge; }
    const std::string& Gemerkt() const { return FGemerkt; }

private:
    int LetztesFeld() const { return FSekundenAnzeigenS ? FeldSekunde : FeldMinute; }
    void StepBy(int AAnzahl, TRichtung ARichtung);
    bool Tippen(char AZiffer);

    // The edit's own operations on text and selection.
    void Auswaehlen(int AStart, int ALaenge);
    void ZeichenNachCaretAuswaehlen();
    std::string AuswahlText() const;
    void AuswahlErsetzen(const std::string& AText);

    TDateTime FZeit = 0;
    int FMarkiereNr = FeldStunde;
    bool FSekundenAnzeigenS = false;
    bool FReadOnlyS = false;
    std::string FGemerkt;
    std::string FText;
    int FSelStart = 0;
    int FSelLaenge = 0;
};
