#pragma once

// Shows a picker's text and selected field in a single-line wx text field so that Orca speaks the
// field, and only the field, after every change. Measured with Orca 43 on GTK:
//  - Orca handles only the latest queued event of each kind per object, after the keys' changes
//    are all made, and speaks an inserted text when it equals the selection at that moment.
//    So every change is written as: the text around the selected field, then the field removed
//    and inserted last, then selected. Orca says "05" after Up and "03" after Right, and nothing
//    twice; setting the whole text and reselecting the same range says nothing at all.
//  - A caret (typing, or no focus) is set after a short selection behind it, so that the latest
//    selection event comes after the new text and Orca does not say "Text ist nicht mehr
//    ausgewählt" after a digit or when the focus leaves.
//  - Text or selection events that arrive before Orca has handled the focus change take the
//    focus announcement's place (the label is lost), and a selection present then is read as
//    "ausgewählt" after the whole text. Orca took 110 to 230 ms for a focus change here. On focus
//    the field is therefore written 400 ms later (a key pressed meanwhile writes it at once);
//    until then the field shows a caret only, so Orca reads the label and the text, then the
//    field while the label is still being spoken.
// The text is written only when it or the selection changes. Nothing else reaches the field: a
// paste or drop is put back at once, and there is no context menu.

#include <string>

#include <wx/timer.h>

class wxCommandEvent;
class wxTextCtrl;

class TWxFeldAnzeige {
public:
    explicit TWxFeldAnzeige(wxTextCtrl& AFeld);
    ~TWxFeldAnzeige();
    TWxFeldAnzeige(const TWxFeldAnzeige&) = delete;
    TWxFeldAnzeige& operator=(const TWxFeldAnzeige&) = delete;

    // The picker's text and selection after a change.
    void Zeigen(const std::string& AText, int ASelStart, int ASelLaenge);
    // The same on focus in (shown a moment later) and out (shown at once, with a caret only).
    void FokusErhalten(const std::string& AText, int ASelStart, int ASelLaenge);
    void FokusVerloren(const std::string& AText, int ASelStart, int ASelLaenge);

private:
    void Merken(const std::string& AText, int ASelStart, int ASelLaenge);
    void Schreiben();
    void OnText(wxCommandEvent& AEvent);

    wxTextCtrl& FFeld;
    // What the picker wants shown, and what the field shows.
    std::string FText;
    long FStart = 0;
    long FEnde = 0;
    std::string FGezeigt;
    long FGezeigtStart = -1;
    long FGezeigtEnde = -1;
    bool FFokusS = false;
    bool FEigeneS = false;
    wxTimer FNachFokus;
};
