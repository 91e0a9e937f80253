#pragma once

// Selects the whole text of a single-line field (a text field or a spin field) each time it
// receives the focus, so that typing replaces it, as in a one-character number field. GTK's own
// select-on-focus is off for the whole program: Orca then reads the selected text instead of the
// label. The selection is therefore made 400 ms after the focus, once Orca has read the label
// (it took up to 230 ms for a focus change), or at once when a key comes first.

#include <wx/timer.h>

class wxKeyEvent;
class wxFocusEvent;
class wxWindow;

class TWxAllesMarkieren {
public:
    explicit TWxAllesMarkieren(wxWindow& AFeld);
    TWxAllesMarkieren(const TWxAllesMarkieren&) = delete;
    TWxAllesMarkieren& operator=(const TWxAllesMarkieren&) = delete;

    // The next focus leaves the text as it is: the caller has placed the caret itself.
    void NaechstenFokusAuslassen() { FAuslassenS = true; }

private:
    void Markieren();
    void OnSetFocus(wxFocusEvent& AEvent);
    void OnKillFocus(wxFocusEvent& AEvent);
    void OnKeyDown(wxKeyEvent& AEvent);

    wxWindow& FFeld;
    wxTimer FNachFokus;
    bool FAuslassenS = false;
};
