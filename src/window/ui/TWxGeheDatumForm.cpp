#include "window/ui/TWxGeheDatumForm.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include "controls/ui/TWxDatePicker.h"
#include "controls/ui/WxText.h"
#include "window/TGeheDatumForm.h"

TWxGeheDatumForm::TWxGeheDatumForm(wxWindow* AOwner, TTolkSRD& ATolk, TSchriftRef AAktFont,
                                   TFarbeRef AAktBackColor)
    : TWxDialog(AOwner, TGeheDatumForm::Caption, ATolk, AAktFont, AAktBackColor) {
    // Created in Tab order: GTK binds the label to the next control that takes the focus.
    Label1 = new wxStaticText(this, wxID_ANY, "");
    DatePicker = new TWxDatePicker(this);
    DatePicker->SetMinDatum(KalenderAnfang);
    DatePicker->SetMaxDatum(KalenderEnde);
    Button1 = new wxButton(this, wxID_OK, "");
    Button2 = new wxButton(this, wxID_CANCEL, "");
    Button1->SetDefault();
    CaptionZuweisen();
    FeldAnsage(*DatePicker, [] { return TGeheDatumForm::Ansage(); });
}

void TWxGeheDatumForm::CaptionZuweisen() {
    Label1->SetLabel(Wx(TGeheDatumForm::LabelCaption));
    Button1->SetLabel(Wx(TGeheDatumForm::OkCaption));
    Button2->SetLabel(Wx(TGeheDatumForm::CancelCaption));
}

bool TWxGeheDatumForm::Ausfuehren(TTag& ADatum) {
    DatePicker->SetDatum(ADatum);
    if (ModalAusfuehren() != wxID_OK) {
        return false;
    }
    ADatum = static_cast<TTag>(DatePicker->Datum());
    return true;
}

void TWxGeheDatumForm::SchalterEinrichten() {
    const wxSize Label = Label1->GetBestSize();
    const auto Lage =
        TGeheDatumForm::Layout({Label.x, Label.y, Hoehe(*DatePicker), FSchalter.x, FSchalter.y});
    Setze(*Label1, Lage.Label);
    DatePicker->SetSize(-1, -1, -1, Lage.Picker.Height, wxSIZE_USE_EXISTING);
    DatePicker->Bounds(Lage.Picker.Top, Lage.Picker.Left, Lage.Picker.Width);
    Setze(*Button1, Lage.Ok);
    Setze(*Button2, Lage.Abbrechen);
    ClientGroesse(Lage.ClientWidth, Lage.ClientHeight);
}

void TWxGeheDatumForm::BeimZeigen() {
    DatePicker->SetFocus();
}
