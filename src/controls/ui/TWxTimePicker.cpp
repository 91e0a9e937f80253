#include "controls/ui/TWxTimePicker.h"

TWxTimePicker::TWxTimePicker(wxWindow* AParent, wxWindowID AId)
    : TWxFeldPicker(AParent, AId, TTimePicker::FeldStunde) {}

TDateTime TWxTimePicker::Zeit() {
    const TDateTime Ergebnis = FPicker.Zeit();
    Zeigen();
    return Ergebnis;
}

void TWxTimePicker::SetZeit(TDateTime AZeit) {
    FPicker.SetZeit(AZeit);
    Zeigen();
}

void TWxTimePicker::SetSekundenAnzeigen(bool ASekundenAnzeigenS) {
    FPicker.SetSekundenAnzeigenS(ASekundenAnzeigenS);
    Zeigen();
}
