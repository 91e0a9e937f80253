#pragma once

// The period box's list: the periods of the current view in a list of bounded height that
// scrolls, opened under the box with the current period selected. GTK's own drop-down list is
// one window as tall as all its items, and a view's ten thousand weeks are taller than X allows.

#include <wx/arrstr.h>
#include <wx/dialog.h>

class wxListBox;

class TPeriodenAuswahl : public wxDialog {
public:
    // Below AUnter, as wide as it; ANr (-1 for none) is selected.
    TPeriodenAuswahl(wxWindow* AUnter, const wxArrayString& APerioden, int ANr);
    ~TPeriodenAuswahl() override;

    // The period chosen with Return or a double click; -1 when the list was left with Escape.
    int Gewaehlt() const { return FGewaehlt; }

private:
    wxListBox* FListe = nullptr;
    int FGewaehlt = -1;

    void Uebernehmen();
};
