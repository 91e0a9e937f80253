#pragma once

// The font and colour dialog: the installed typefaces, the size 5..35, bold, the font colour and
// the background colour from the seventeen named colours, and a preview. Each choosing field
// speaks its label and value on focus. Created for each use; the caller applies and saves the
// result:
//
//     TWxBackFontDlg Dlg(Frame, Tolk, AktFont, AktBackColor);
//     if (Dlg.Ausfuehren()) {
//         AktFont = Dlg.GetNewFont();
//         AktBackColor = Dlg.ChosenBackColor();
//     }

#include <memory>
#include <string>
#include <vector>

#include <wx/timer.h>

#include "controls/TBackFontDlg.h"
#include "controls/ui/TWxDialog.h"
#include "controls/ui/TWxMeldungsPort.h"

class TWxAllesMarkieren;
class wxButton;
class wxCheckBox;
class wxComboBox;
class wxListBox;
class wxSpinCtrl;
class wxStaticText;
class wxTextCtrl;

class TWxBackFontDlg : public TWxDialog {
public:
    TWxBackFontDlg(wxWindow* AOwner, TTolkSRD& ATolk, TSchriftRef AAktFont, TFarbeRef AAktBackColor,
                   TBackFontDlgTexts ATexts = {});
    ~TWxBackFontDlg() override;

    // True after OK; the result is then read with GetNewFont and ChosenBackColor.
    bool Ausfuehren();
    TSchrift GetNewFont() const;
    TFarbe ChosenBackColor() const;

private:
    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void BeimZeigen() override;
    int MinSchalterBreite() const override { return 0; }
    std::string GroesseText() const;
    void UpdateEditTest();
    void FarbeGewaehlt(wxComboBox& AListe);
    void VorschauMenue();
    void OnOk(wxCommandEvent& AEvent);
    void OnGroesseText(wxCommandEvent& AEvent);
    void OnGroesseVerlassen(wxFocusEvent& AEvent);
    void OnGroesseTaste(wxKeyEvent& AEvent);

    TBackFontDlg FDlg;
    // The installed typefaces, in the font list's order.
    std::vector<std::string> FFamilien;
    wxListBox* LvFonts = nullptr;
    wxStaticText* LeSizeLabel = nullptr;
    wxSpinCtrl* LeSize = nullptr;
    wxCheckBox* CbBold = nullptr;
    wxComboBox* CoBoColors = nullptr;
    wxComboBox* CoBoBackColors = nullptr;
    wxTextCtrl* EditTest = nullptr;
    wxButton* Btn1OK = nullptr;
    wxButton* Btn2Cancel = nullptr;
    wxTimer TimerTolk;
    std::unique_ptr<TWxAllesMarkieren> FMarkieren;
    TWxMeldungsPort FMeldungen;
};
