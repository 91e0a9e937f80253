#pragma once

// The main window's search commands without a window toolkit: "&Text in Einträgen..." (the search
// dialog, again and again until the user jumps or cancels), "Suche &weiter Text in Einträgen" (the
// same search from the new place), the menu's enable rules and the jump to the chosen entry's
// occurrence in the day list.
//
// It owns the behaviour of both search dialogs, so the scope and the last results stay between
// searches; the window shows them through TSuchDialoge.

#include <string>

#include "search/TSuchKlassenForm.h"
#include "search/TSucheNameForm.h"
#include "search/TSuchenForm.h"

class TDaten;
class TTagesliste;

// The two dialogs as the window shows them modally.
class TSuchDialoge {
public:
    virtual ~TSuchDialoge() = default;
    // The search dialog with AForm's term and scope; true when closed with OK, the typed term and
    // the chosen scope then in AForm.
    virtual bool SuchenZeigen(TSuchenForm& AForm) = 0;
    // The found-entries dialog with AForm's lines; true when closed with OK, the chosen line then
    // in AForm.ItemIndex.
    virtual bool GefundeneZeigen(TSuchKlassenForm& AForm) = 0;
    // The name-day dialog with AForm's last name and result, until the user closes it.
    virtual void NamenSucheZeigen(TSucheNameForm& AForm) = 0;
};

// SuchKlassenOk's results.
enum TSuchAusgang { saAbgebrochen = 0, saGesprungen = 1, saNichtGefunden = 2 };

class TSuchBefehle {
public:
    // The calendar, the day list and the dialogs outlive this object; AProgrammordner holds
    // "Namenstage.dat".
    TSuchBefehle(const TDaten& ADaten, TTagesliste& ATagesliste, TSuchDialoge& ADialoge,
                 std::string AProgrammordner);

    // The current term, in lower case; empty until the first search.
    std::string Suchbegriff;
    TSuchenForm Suchen;
    TSuchKlassenForm SuchKlassen;
    TSucheNameForm Namen;

    struct TMenue {
        bool SuchenS = false; // "&Text in Einträgen..."
        bool WeiterS = false; // "Suche &weiter Text in Einträgen"
    };
    // Search needs an entry; continuing needs one and a term.
    TMenue SuchenMenuUpdate() const;

    // "&Text in Einträgen...": the search dialog until the user jumps to an entry or cancels it;
    // nothing found or the found entries cancelled bring the search dialog back with the term.
    void MenuSuchenSuchenClick();
    // "Suche &weiter Text in Einträgen": the last search from the selected line; when nothing is
    // found, the search command follows.
    void MenuSuchenWeiterClick();
    // "&Namenstag...": the name-day dialog when its file is there, else the message naming it.
    void MenuSuchenNamenstagClick();
    // One search from the selected line's date (today without one): the found entries, the jump.
    TSuchAusgang SuchKlassenOk();

private:
    const TDaten& FDaten;
    TTagesliste& FTagesliste;
    TSuchDialoge& FDialoge;

    TTag StartDatum() const;
    void Springe(const TTagClass& ATagClass);
};
