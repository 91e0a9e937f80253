#pragma once

// The time entry field on wx: TWxFeldPicker over TTimePicker, with the time and the seconds switch.

#include "controls/TTimePicker.h"
#include "controls/ui/TWxFeldPicker.h"

class TWxTimePicker : public TWxFeldPicker<TTimePicker> {
public:
    explicit TWxTimePicker(wxWindow* AParent, wxWindowID AId = wxID_ANY);

    // The properties of the behaviour class; each shows the result.
    TDateTime Zeit();
    void SetZeit(TDateTime AZeit);
    bool SekundenAnzeigen() const { return FPicker.SekundenAnzeigenS(); }
    void SetSekundenAnzeigen(bool ASekundenAnzeigenS);
};
