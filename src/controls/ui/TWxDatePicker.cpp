#include "controls/ui/TWxDatePicker.h"

TWxDatePicker::TWxDatePicker(wxWindow* AParent, wxWindowID AId)
    : TWxFeldPicker(AParent, AId, TDatePicker::FeldTag) {}

TDateTime TWxDatePicker::Datum() {
    const TDateTime Ergebnis = FPicker.Datum();
    Zeigen();
    return Ergebnis;
}

void TWxDatePicker::SetDatum(TDateTime ADatum) {
    FPicker.SetDatum(ADatum);
    Zeigen();
}

void TWxDatePicker::SetMinDatum(TDateTime AWert) {
    FPicker.SetMinDatum(AWert);
    Zeigen();
}

void TWxDatePicker::SetMaxDatum(TDateTime AWert) {
    FPicker.SetMaxDatum(AWert);
    Zeigen();
}
