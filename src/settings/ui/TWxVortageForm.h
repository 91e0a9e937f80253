#pragma once

// The preview-days dialog: a number field 2..9 with its label, OK and Cancel. Created once by the
// main window and run again for every use:
//
//     TWxVortageForm Vortage(Frame, Tolk, AktFont, AktBackColor);
//     int Tage = ...;                     // the days set now
//     if (Vortage.Ausfuehren(Tage)) { /* store Tage */ }

#include <memory>

#include "controls/ui/TWxDialog.h"

class TWxAllesMarkieren;
class wxButton;
class wxSpinCtrl;
class wxStaticText;

class TWxVortageForm : public TWxDialog {
public:
    TWxVortageForm(wxWindow* AOwner, TTolkSRD& ATolk, TSchriftRef AAktFont, TFarbeRef AAktBackColor);
    ~TWxVortageForm() override;

    // Shows ATage (held within 2..9); after OK ATage is the number chosen (2..9) and the result is
    // true; after Cancel ATage is unchanged.
    bool Ausfuehren(int& ATage);

private:
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void BeimZeigen() override;
    std::string Text() const;
    void OnText(wxCommandEvent& AEvent);
    bool EigeneTaste(wxKeyEvent& AEvent) override;

    wxStaticText* Label1 = nullptr;
    wxSpinCtrl* SpinEdit1 = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
    std::unique_ptr<TWxAllesMarkieren> FMarkieren;
};
