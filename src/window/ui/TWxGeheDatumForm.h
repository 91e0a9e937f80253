#pragma once

// The go-to-date dialog: a label, the date picker within the calendar range, OK and Cancel.
// Created once by the main window and run again for every use:
//
//     TWxGeheDatumForm GeheDatum(Frame, Tolk, AktFont, AktBackColor);
//     TTag Datum = ...;                   // the selected line's date, or today
//     if (GeheDatum.Ausfuehren(Datum)) { /* jump to Datum */ }

#include "controls/ui/TWxDialog.h"
#include "model/Kalenderdatum.h"

class TWxDatePicker;
class wxButton;
class wxStaticText;

class TWxGeheDatumForm : public TWxDialog {
public:
    TWxGeheDatumForm(wxWindow* AOwner, TTolkSRD& ATolk, TSchriftRef AAktFont, TFarbeRef AAktBackColor);

    // Shows ADatum (held within the calendar range); after OK ADatum is the date chosen and the
    // result is true; after Cancel ADatum is unchanged.
    bool Ausfuehren(TTag& ADatum);

private:
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void BeimZeigen() override;

    wxStaticText* Label1 = nullptr;
    TWxDatePicker* DatePicker = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
};
