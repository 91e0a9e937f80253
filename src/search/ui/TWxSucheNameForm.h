#pragma once

// The name-day search dialog: the name with its label, the exact-match switch, the result pane
// with its context menu, "&Suchen" (the default button; it does not close) and "S&chließen".
// Created once by the main window and run again for every use; the last name and result stay in
// the behaviour it runs with:
//
//     TWxSucheNameForm SucheName(Frame, Tolk, AktFont, AktBackColor, Klang);
//     SucheName.Ausfuehren(Namen); // a TSucheNameForm kept for the whole run

#include <memory>

#include <wx/timer.h>

#include "controls/ui/TWxDialog.h"

class TSucheNameForm;
class TSystemKlang;
class TWxAllesMarkieren;
class wxButton;
class wxCheckBox;
class wxStaticText;
class wxTextCtrl;

class TWxSucheNameForm : public TWxDialog {
public:
    // AKlang (the exclamation sound) outlives the dialog.
    TWxSucheNameForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont, const TFarbe& AAktBackColor,
                     TSystemKlang& AKlang);
    ~TWxSucheNameForm() override;

    // Until the user closes it.
    void Ausfuehren(TSucheNameForm& AForm);

private:
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void BeimZeigen() override;
    void Suchen();
    void ErgebnisZeigen();
    void OnText(wxCommandEvent& AEvent);
    bool EigeneTaste(wxKeyEvent& AEvent) override;

    wxStaticText* Label1 = nullptr;
    wxTextCtrl* Edit1 = nullptr;
    wxCheckBox* CheckBox1 = nullptr;
    wxTextCtrl* RichEdit1 = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
    // The behaviour of the current run.
    TSucheNameForm* FForm = nullptr;
    TSystemKlang& FKlang;
    std::unique_ptr<TWxAllesMarkieren> FMarkieren;
    // Moves the focus to the result pane after a search.
    wxTimer FFokusUhr;
};
