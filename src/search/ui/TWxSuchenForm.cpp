#include "search/ui/TWxSuchenForm.h"

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "controls/ui/GtkZugang.h"
#include "controls/ui/TWxAllesMarkieren.h"
#include "controls/ui/WxText.h"
#include "info/RemoveAmpersands.h"
#include "search/TSuchenForm.h"

TWxSuchenForm::TWxSuchenForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont,
                             const TFarbe& AAktBackColor)
    : TWxDialog(AOwner, TSuchenForm::Caption, ATolk, AAktFont, AAktBackColor) {
    // Created in Tab order: GTK binds the label to the next control that takes the focus.
    Label1 = new wxStaticText(this, wxID_ANY, "");
    Edit1 = new wxTextCtrl(this, wxID_ANY, "");
    const wxString Bereiche[] = {Wx(TSuchenForm::KurztextCaption), Wx(TSuchenForm::LangtextCaption),
                                 Wx(TSuchenForm::BeideCaption)};
    RadioGroup1 = new wxRadioBox(this, wxID_ANY, Wx(TSuchenForm::GruppeCaption), wxDefaultPosition,
                                 wxDefaultSize, 3, Bereiche, 1, wxRA_SPECIFY_COLS);
    Button1 = new wxButton(this, wxID_OK, "");
    Button2 = new wxButton(this, wxID_CANCEL, "");
    Button1->SetDefault();
    CaptionZuweisen();
    RadioGruppeZugaenglich(*RadioGroup1);
    FMarkieren = std::make_unique<TWxAllesMarkieren>(*Edit1);
    FeldAnsage(*Edit1, [] { return TSuchenForm::EditAnsage(); });
    FeldAnsage(*RadioGroup1, [] { return TSuchenForm::GruppeAnsage(); });
    Edit1->Bind(wxEVT_TEXT, &TWxSuchenForm::OnText, this);
    // The edit has no context menu.
    Edit1->Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
}

TWxSuchenForm::~TWxSuchenForm() = default;

void TWxSuchenForm::CaptionZuweisen() {
    Label1->SetLabel(Wx(TSuchenForm::LabelCaption));
    Button1->SetLabel(Wx(TSuchenForm::OkCaption));
    Button2->SetLabel(Wx(TSuchenForm::CancelCaption));
}

bool TWxSuchenForm::Ausfuehren(TSuchenForm& AForm) {
    AForm.BeimZeigen();
    Edit1->ChangeValue(Wx(AForm.Suchbegriff));
    Button1->Enable(TSuchenForm::OkErlaubt(AForm.Suchbegriff));
    RadioGroup1->SetSelection(AForm.ItemIndex);
    const bool OkS = ModalAusfuehren() == wxID_OK;
    AForm.ItemIndex = RadioGroup1->GetSelection();
    if (OkS) {
        AForm.Suchbegriff = Utf8(Edit1->GetValue());
    }
    return OkS;
}

void TWxSuchenForm::SchalterEinrichten() {
    // Widths measured in the user font: GTK reports the sizes of the font the controls were made with.
    const int EditHoehe = Hoehe(*Edit1);
    const wxSize Gruppe = RadioGroup1->GetBestSize();
    const auto Lage = TSuchenForm::Layout(
        {Breite(RemoveAmpersands(TSuchenForm::LabelCaption)), Label1->GetBestSize().y, EditHoehe,
         std::max(Gruppe.x, Breite(RemoveAmpersands(TSuchenForm::BeideCaption)) + 2 * EditHoehe), Gruppe.y,
         FSchalter.x, FSchalter.y});
    Setze(*Label1, Lage.Label);
    Setze(*Edit1, Lage.Edit);
    Setze(*RadioGroup1, Lage.Gruppe);
    Setze(*Button1, Lage.Ok);
    Setze(*Button2, Lage.Abbrechen);
    ClientGroesse(Lage.ClientWidth, Lage.ClientHeight);
}

void TWxSuchenForm::BeimZeigen() {
    Edit1->SetFocus();
}

void TWxSuchenForm::OnText(wxCommandEvent&) {
    const std::string Text = Utf8(Edit1->GetValue());
    const std::string Klein = TSuchenForm::Klein(Text);
    if (Klein != Text) {
        const long Stelle = Edit1->GetInsertionPoint();
        Edit1->ChangeValue(Wx(Klein));
        Edit1->SetInsertionPoint(Stelle);
    }
    Button1->Enable(TSuchenForm::OkErlaubt(Klein));
}
