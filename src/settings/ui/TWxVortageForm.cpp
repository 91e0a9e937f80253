#include "settings/ui/TWxVortageForm.h"

#include <wx/button.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "controls/ui/TWxAllesMarkieren.h"
#include "controls/ui/WxText.h"
#include "settings/TVortageForm.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

TWxVortageForm::TWxVortageForm(wxWindow* AOwner, TTolkSRD& ATolk, TSchriftRef AAktFont,
                               TFarbeRef AAktBackColor)
    : TWxDialog(AOwner, TVortageForm::Caption, ATolk, AAktFont, AAktBackColor) {
    Label1 = new wxStaticText(this, wxID_ANY, "");
    SpinEdit1 = new wxSpinCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                               TVortageForm::MinTage, TVortageForm::MaxTage, TVortageForm::StartTage);
#ifdef __WXGTK__
    gtk_entry_set_max_length(GTK_ENTRY(SpinEdit1->GetHandle()), TVortageForm::MaxLaenge);
#endif
    Button1 = new wxButton(this, wxID_OK, "");
    Button2 = new wxButton(this, wxID_CANCEL, "");
    Button1->SetDefault();
    CaptionZuweisen();
    FMarkieren = std::make_unique<TWxAllesMarkieren>(*SpinEdit1);
    FeldAnsage(*SpinEdit1, [] { return TVortageForm::Ansage(); });
    SpinEdit1->Bind(wxEVT_TEXT, &TWxVortageForm::OnText, this);
    // The field's own menu holds only a hidden paste item that takes Ctrl+V and does nothing: no
    // menu is shown and nothing is pasted.
    SpinEdit1->Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
    SpinEdit1->Bind(wxEVT_KEY_DOWN, [](wxKeyEvent& AEvent) {
        AEvent.Skip(AEvent.GetKeyCode() != 'V' || AEvent.GetModifiers() != wxMOD_CONTROL);
    });
}

TWxVortageForm::~TWxVortageForm() = default;

void TWxVortageForm::CaptionZuweisen() {
    Label1->SetLabel(Wx(TVortageForm::LabelCaption));
    Button1->SetLabel(Wx(TVortageForm::OkCaption));
    Button2->SetLabel(Wx(TVortageForm::CancelCaption));
}

bool TWxVortageForm::Ausfuehren(int& ATage) {
    SpinEdit1->SetValue(Wx(TVortageForm::Text(ATage)));
    Button1->Enable(TVortageForm::OkErlaubt(Text()));
    if (ModalAusfuehren() != wxID_OK) {
        return false;
    }
    ATage = TVortageForm::Tage(Text());
    return true;
}

std::string TWxVortageForm::Text() const {
    return Utf8(SpinEdit1->GetTextValue());
}

void TWxVortageForm::SchalterEinrichten() {
    const wxSize Label = Label1->GetBestSize();
    const auto Lage = TVortageForm::Layout(
        {Label.x, Label.y, Hoehe(*SpinEdit1), SpinEdit1->GetBestSize().x, FSchalter.x, FSchalter.y});
    Setze(*Label1, Lage.Label);
    Setze(*SpinEdit1, Lage.Feld);
    Setze(*Button1, Lage.Ok);
    Setze(*Button2, Lage.Abbrechen);
    ClientGroesse(Lage.ClientWidth, Lage.ClientHeight);
}

void TWxVortageForm::BeimZeigen() {
    SpinEdit1->SetFocus();
}

void TWxVortageForm::OnText(wxCommandEvent& AEvent) {
    AEvent.Skip();
    Button1->Enable(TVortageForm::OkErlaubt(Text()));
}

bool TWxVortageForm::EigeneTaste(wxKeyEvent& AEvent) {
    const int Taste = AEvent.GetKeyCode();
    const bool EnterS = Taste == WXK_RETURN || Taste == WXK_NUMPAD_ENTER;
    if (FindFocus() != SpinEdit1 || (!EnterS && Taste != WXK_ESCAPE)) {
        return false;
    }
    using E = TVortageForm::TErgebnis;
    switch (TVortageForm::Taste(EnterS ? TVortageForm::TTaste::Enter : TVortageForm::TTaste::Escape,
                                AEvent.HasAnyModifiers(), Text())) {
    case E::Ok:
        EndModal(wxID_OK);
        return true;
    case E::Abbrechen:
        EndModal(wxID_CANCEL);
        return true;
    case E::Nichts:
        return true;
    case E::Weiter:
        break;
    }
    return false;
}
