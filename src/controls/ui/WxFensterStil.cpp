#include "controls/ui/WxFensterStil.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dcscreen.h>
#include <wx/radiobox.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/spinctrl.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "controls/ui/WxSchrift.h"
#include "controls/ui/WxText.h"

namespace {

wxFont Messschrift(const wxFont* AFont) {
    return AFont != nullptr ? *AFont : wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
}

TControlArt Art(const wxWindow& AControl) {
    if (dynamic_cast<const wxButton*>(&AControl) != nullptr) {
        return TControlArt::Button;
    }
    if (dynamic_cast<const wxTextCtrl*>(&AControl) != nullptr ||
        dynamic_cast<const wxSpinCtrl*>(&AControl) != nullptr ||
        dynamic_cast<const wxComboBox*>(&AControl) != nullptr) {
        return TControlArt::Edit;
    }
    if (dynamic_cast<const wxStatusBar*>(&AControl) != nullptr) {
        return TControlArt::Statusleiste;
    }
    if (dynamic_cast<const wxCheckBox*>(&AControl) != nullptr ||
        dynamic_cast<const wxRadioBox*>(&AControl) != nullptr ||
        dynamic_cast<const wxRadioButton*>(&AControl) != nullptr) {
        return TControlArt::Kontrollkaestchen;
    }
    return TControlArt::Sonstiges;
}

void Zuweisen(wxWindow& AControl, const wxFont& AFont, const wxColour& AText, const wxColour& AHintergrund) {
    AControl.SetFont(AFont);
    if (dynamic_cast<wxButton*>(&AControl) == nullptr) {
        AControl.SetForegroundColour(AText);
        AControl.SetBackgroundColour(AHintergrund);
    }
    for (wxWindow* Kind : AControl.GetChildren()) {
        // A dialog of its own (owned, not contained) styles itself when it is shown.
        if (!Kind->IsTopLevel()) {
            Zuweisen(*Kind, AFont, AText, AHintergrund);
        }
    }
}

void SchalterSammeln(wxWindow& AForm, std::vector<wxButton*>& ASchalter) {
    for (wxWindow* Kind : AForm.GetChildren()) {
        if (Kind->IsTopLevel()) {
            continue;
        }
        if (auto* Schalter = dynamic_cast<wxButton*>(Kind)) {
            ASchalter.push_back(Schalter);
        }
        SchalterSammeln(*Kind, ASchalter);
    }
}

} // namespace

int FontTextHeight(const wxFont* AFont) {
    const wxFont Schrift = Messschrift(AFont);
    if (!Schrift.IsOk()) {
        return 0;
    }
    wxScreenDC Dc;
    Dc.SetFont(Schrift);
    return Dc.GetCharHeight();
}

int FontTextWidth(const wxFont* AFont, const std::string& AText) {
    const wxFont Schrift = Messschrift(AFont);
    if (AText.empty() || !Schrift.IsOk()) {
        return 0;
    }
    wxScreenDC Dc;
    Dc.SetFont(Schrift);
    return Dc.GetTextExtent(Wx(AText)).x;
}

int CaptionWidth(const wxFont& AFont, const std::string& AText) {
    return FontTextWidth(&AFont, AText + " ");
}

int ControlHeight(const wxFont& AFont, const wxWindow& AControl) {
    return std::max(TFensterMasse::ControlHeight(FontTextHeight(&AFont), Art(AControl)),
                    AControl.GetBestSize().y);
}

void FormSchriftZuweisen(wxWindow& AForm, const TSchrift& AFont, TFarbe ABackColor) {
    Zuweisen(AForm, WxFont(AFont), WxFarbe(AFont.Farbe), WxFarbe(ABackColor));
    AForm.Refresh();
}

wxSize SchalterAngleichen(wxWindow& AForm, int AMindestens) {
    std::vector<wxButton*> Schalter;
    SchalterSammeln(AForm, Schalter);
    int Breite = AMindestens;
    int Hoehe = 0;
    for (wxButton* Knopf : Schalter) {
        const wxFont Schrift = Knopf->GetFont();
        Breite = std::max(Breite,
                          TFensterMasse::SchalterBreite(
                              {Utf8(Knopf->GetLabel())},
                              [&Schrift](const std::string& AText) { return CaptionWidth(Schrift, AText); },
                              AMindestens));
        Hoehe = std::max(Hoehe, ControlHeight(Schrift, *Knopf));
    }
    for (wxButton* Knopf : Schalter) {
        Knopf->SetSize(Breite, Hoehe);
    }
    return {Breite, Hoehe};
}
