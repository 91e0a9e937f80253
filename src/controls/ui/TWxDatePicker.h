#pragma once

// The date entry field on wx: TWxFeldPicker over TDatePicker, with the date and its range.

#include "controls/TDatePicker.h"
#include "controls/ui/TWxFeldPicker.h"

class TWxDatePicker : public TWxFeldPicker<TDatePicker> {
public:
    explicit TWxDatePicker(wxWindow* AParent, wxWindowID AId = wxID_ANY);

    // The properties of the behaviour class; each shows the result.
    TDateTime Datum();
    void SetDatum(TDateTime ADatum);
    TDateTime MinDatum() const { return FPicker.MinDatum(); }
    void SetMinDatum(TDateTime AWert);
    TDateTime MaxDatum() const { return FPicker.MaxDatum(); }
    void SetMaxDatum(TDateTime AWert);
};
