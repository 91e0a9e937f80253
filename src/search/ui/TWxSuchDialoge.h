#pragma once

// The three search dialogs of the main window, created once with it as their owner and shown by
// the search commands (TSuchBefehle) through TSuchDialoge:
//
//     TWxSuchDialoge Dialoge(Frame, Tolk, AktFont, AktBackColor, InfosTexte, Klang);
//     TSuchBefehle Suche(Daten, Tagesliste, Dialoge, Programmordner);

#include "search/TSuchBefehle.h"
#include "search/ui/TWxSuchKlassenForm.h"
#include "search/ui/TWxSucheNameForm.h"
#include "search/ui/TWxSuchenForm.h"

class TWxSuchDialoge : public TSuchDialoge {
public:
    // The owner (which destroys the dialogs with itself), the screen reader, font and colour, the
    // information texts and the sounds outlive the dialogs.
    TWxSuchDialoge(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont, const TFarbe& AAktBackColor,
                   TInfosTexte& AInfos, TSystemKlang& AKlang);
    ~TWxSuchDialoge() override;
    TWxSuchDialoge(const TWxSuchDialoge&) = delete;
    TWxSuchDialoge& operator=(const TWxSuchDialoge&) = delete;

    bool SuchenZeigen(TSuchenForm& AForm) override;
    bool GefundeneZeigen(TSuchKlassenForm& AForm) override;
    void NamenSucheZeigen(TSucheNameForm& AForm) override;

private:
    TWxSuchenForm* FSuchen;
    TWxSuchKlassenForm* FGefunden;
    TWxSucheNameForm* FNamen;
};
