#pragma once

// A single-selection list box for very many lines (the day list: a year holds tens of thousands).
// On GTK its lines live in one vector behind a read-only tree model of its own, swapped whole on
// each refill with other texts: wx's own store keeps one object per line and fills and empties it
// line by line, which took most of the time of a view change. Everything else of the list box
// (selection, events, focus, font, the accessibility mends) stays wx's and GTK's. Lines carry no
// client data. The day list's lines are shown where they are, not copied: a year's tens of
// thousands of texts are held once.

#include <span>
#include <string>
#include <vector>

#include <wx/listbox.h>

#include "views/TZeile.h"

class TZeilenListe : public wxListBox {
public:
    explicit TZeilenListe(wxWindow* AParent);
    ~TZeilenListe() override;

    // Replaces every line with nothing selected (see ListeErsetzen for what the screen reader hears).
    void ZeilenSetzen(std::vector<std::string> AZeilen);
    // The same with the texts of AZeilen, which are read where they are: they stay alive and
    // unchanged until the next ZeilenSetzen or ZeilenZeigen.
    void ZeilenZeigen(std::span<const TZeile> AZeilen);

    // Puts the keyboard's place, which the screen reader follows and reads, on line ANr and selects
    // it (see ListenCursorSetzen).
    void CursorSetzen(int ANr);

#ifdef __WXGTK__
    unsigned int GetCount() const override;
    wxString GetString(unsigned int ANr) const override;
    void SetString(unsigned int ANr, const wxString& AText) override;
    int FindString(const wxString& AText, bool AGrossKleinS = false) const override;
    bool IsSelected(int ANr) const override;
    int GetSelection() const override;
    int GetSelections(wxArrayInt& ANummern) const override;
    void EnsureVisible(int ANr) override;

protected:
    void DoClear() override;
    void DoDeleteOneItem(unsigned int ANr) override;
    int DoInsertItems(const wxArrayStringsAdapter& AZeilen, unsigned int APos, void** ADaten,
                      wxClientDataType ATyp) override;
    void DoSetSelection(int ANr, bool AWaehlenS) override;
    void DoSetFirstItem(int ANr) override;

private:
    // The lines as they are now, as a vector of their own.
    std::vector<std::string> Kopie() const;
    void ModellSetzen(struct _GtkTreeModel* AModell);
    void ModellTauschen(struct _GtkTreeModel* AModell);
    // The line of GTK's cursor, -1 for none.
    int CursorZeile() const;
    void Scrollen(int ANr, float AHoehe);

    // The model the tree view shows (our own reference).
    struct _GtkTreeModel* FModell = nullptr;
#endif
};
