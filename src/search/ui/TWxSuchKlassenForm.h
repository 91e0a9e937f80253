#pragma once

// The found-entries dialog: the list of found entries, the selected entry's information beside
// it (with its context menu), OK and Cancel. Created once by the main window (its owner, whose
// size it takes) and run for every search that found something:
//
//     TWxSuchKlassenForm Gefunden(Frame, Tolk, AktFont, AktBackColor, InfosTexte);
//     if (Gefunden.Ausfuehren(Befehle.SuchKlassen)) { /* the chosen line in ItemIndex */ }

#include "controls/ui/TWxDialog.h"

class TInfosTexte;
class TSuchKlassenForm;
class wxButton;
class wxListBox;
class wxStaticText;
class wxTextCtrl;

class TWxSuchKlassenForm : public TWxDialog {
public:
    // AInfos makes the information texts; it outlives the dialog.
    TWxSuchKlassenForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont,
                       const TFarbe& AAktBackColor, TInfosTexte& AInfos);

    // Lists AForm's results with its selected line; true after OK, the chosen line then in
    // AForm.ItemIndex.
    bool Ausfuehren(TSuchKlassenForm& AForm);

private:
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void BeimZeigen() override;
    void InfosAnzeigen();

    wxStaticText* Label1 = nullptr;
    wxListBox* ListBox1 = nullptr;
    wxStaticText* Label2 = nullptr;
    wxTextCtrl* RichEdit1 = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
    TInfosTexte& FInfos;
    // The behaviour of the current run.
    TSuchKlassenForm* FForm = nullptr;
};
