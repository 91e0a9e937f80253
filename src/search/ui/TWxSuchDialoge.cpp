#include "search/ui/TWxSuchDialoge.h"

TWxSuchDialoge::TWxSuchDialoge(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont,
                               const TFarbe& AAktBackColor, TInfosTexte& AInfos, TSystemKlang& AKlang)
    : FSuchen(new TWxSuchenForm(AOwner, ATolk, AAktFont, AAktBackColor)),
      FGefunden(new TWxSuchKlassenForm(AOwner, ATolk, AAktFont, AAktBackColor, AInfos)),
      FNamen(new TWxSucheNameForm(AOwner, ATolk, AAktFont, AAktBackColor, AKlang)) {}

// The dialogs are windows of their owner, which destroys them with itself.
TWxSuchDialoge::~TWxSuchDialoge() = default;

bool TWxSuchDialoge::SuchenZeigen(TSuchenForm& AForm) {
    return FSuchen->Ausfuehren(AForm);
}

bool TWxSuchDialoge::GefundeneZeigen(TSuchKlassenForm& AForm) {
    return FGefunden->Ausfuehren(AForm);
}

void TWxSuchDialoge::NamenSucheZeigen(TSucheNameForm& AForm) {
    FNamen->Ausfuehren(AForm);
}
