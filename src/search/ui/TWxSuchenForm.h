#pragma once

// The search dialog: the term with its label, the scope group, OK and Cancel. Created once by
// the main window and run for every search with the behaviour the search commands keep:
//
//     TWxSuchenForm Suchen(Frame, Tolk, AktFont, AktBackColor);
//     if (Suchen.Ausfuehren(Befehle.Suchen)) { /* term and scope in Befehle.Suchen */ }

#include <memory>

#include "controls/ui/TWxDialog.h"

class TSuchenForm;
class TWxAllesMarkieren;
class wxButton;
class wxRadioBox;
class wxStaticText;
class wxTextCtrl;

class TWxSuchenForm : public TWxDialog {
public:
    TWxSuchenForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont, const TFarbe& AAktBackColor);
    ~TWxSuchenForm() override;

    // Shows AForm's term and scope; true after OK, with the typed term in AForm. The scope chosen
    // stays in AForm either way.
    bool Ausfuehren(TSuchenForm& AForm);

private:
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void BeimZeigen() override;
    void OnText(wxCommandEvent& AEvent);

    wxStaticText* Label1 = nullptr;
    wxTextCtrl* Edit1 = nullptr;
    wxRadioBox* RadioGroup1 = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
    std::unique_ptr<TWxAllesMarkieren> FMarkieren;
};
