#include "search/ui/TWxSucheNameForm.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "controls/ui/TWxAllesMarkieren.h"
#include "controls/ui/TextMenue.h"
#include "controls/ui/WxText.h"
#include "info/RemoveAmpersands.h"
#include "platform/SystemKlang.h"
#include "search/TSucheNameForm.h"

namespace {
constexpr int FokusNachCaretMs = 200;
} // namespace

TWxSucheNameForm::TWxSucheNameForm(wxWindow* AOwner, TTolkSRD& ATolk, const TSchrift& AAktFont,
                                   const TFarbe& AAktBackColor, TSystemKlang& AKlang)
    : TWxDialog(AOwner, TSucheNameForm::Caption, ATolk, AAktFont, AAktBackColor), FKlang(AKlang) {
    // Created in Tab order: GTK binds the label to the next control that takes the focus.
    Label1 = new wxStaticText(this, wxID_ANY, "");
    Edit1 = new wxTextCtrl(this, wxID_ANY, "");
    CheckBox1 = new wxCheckBox(this, wxID_ANY, "");
    RichEdit1 = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                               wxTE_MULTILINE | wxTE_READONLY | wxVSCROLL);
    Button1 = new wxButton(this, wxID_ANY, "");
    Button2 = new wxButton(this, wxID_CANCEL, "");
    Button1->SetDefault();
    CaptionZuweisen();
    FMarkieren = std::make_unique<TWxAllesMarkieren>(*Edit1);
    FeldAnsage(*Edit1, [] { return TSucheNameForm::EditAnsage(); });
    Edit1->Bind(wxEVT_TEXT, &TWxSucheNameForm::OnText, this);
    // The edit has no context menu; the pane has its own.
    Edit1->Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
    RichEdit1->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) {
        TextMenueZeigen(*RichEdit1, TSucheNameForm::AllesMarkierenCaption, TSucheNameForm::KopierenCaption);
    });
    Button1->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Suchen(); });
    FFokusUhr.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { RichEdit1->SetFocus(); });
}

TWxSucheNameForm::~TWxSucheNameForm() = default;

void TWxSucheNameForm::CaptionZuweisen() {
    Label1->SetLabel(Wx(TSucheNameForm::LabelCaption));
    CheckBox1->SetLabel(Wx(TSucheNameForm::GenauCaption));
    Button1->SetLabel(Wx(TSucheNameForm::SuchenCaption));
    Button2->SetLabel(Wx(TSucheNameForm::SchliessenCaption));
}

void TWxSucheNameForm::Ausfuehren(TSucheNameForm& AForm) {
    FForm = &AForm;
    ModalAusfuehren();
    FFokusUhr.Stop();
    FForm = nullptr;
}

void TWxSucheNameForm::SchalterEinrichten() {
    const wxSize Owner = GetParent() != nullptr ? GetParent()->GetSize() : wxSize(800, 600);
    // The width measured in the user font: GTK reports the size of the font the label was made with.
    const auto Lage = TSucheNameForm::Layout({Owner.x, Breite(RemoveAmpersands(TSucheNameForm::LabelCaption)),
                                              Label1->GetBestSize().y, Hoehe(*Edit1),
                                              CheckBox1->GetBestSize().y, FSchalter.x, FSchalter.y});
    Setze(*Label1, Lage.Label);
    Setze(*Edit1, Lage.Edit);
    Setze(*CheckBox1, Lage.Genau);
    Setze(*RichEdit1, Lage.Ergebnis);
    Setze(*Button1, Lage.Suchen);
    Setze(*Button2, Lage.Schliessen);
    ClientGroesse(Lage.ClientWidth, Lage.ClientHeight);
}

void TWxSucheNameForm::BeimZeigen() {
    Edit1->ChangeValue(Wx(FForm->SuchStr));
    Button1->Enable(TSucheNameForm::SuchenErlaubt(FForm->SuchStr));
    RichEdit1->ChangeValue(Wx(FForm->Ergebnis));
    RichEdit1->SetInsertionPoint(0);
    Edit1->SetFocus();
}

void TWxSucheNameForm::Suchen() {
    if (FForm->Suchen(Utf8(Edit1->GetValue()), CheckBox1->IsChecked())) {
        FKlang.PlayExclamation();
    }
    Edit1->ChangeValue(Wx(FForm->SuchStr));
    ErgebnisZeigen();
}

void TWxSucheNameForm::ErgebnisZeigen() {
    RichEdit1->ChangeValue(Wx(FForm->Ergebnis));
    // wx counts characters, the behaviour bytes of UTF-8.
    RichEdit1->SetInsertionPoint(
        static_cast<long>(Wx(FForm->Ergebnis.substr(0, FForm->ErgebnisCaret)).length()));
    // Orca's focus announcement reads the caret's line. The focus moves once Orca has handled
    // the caret's move: handled after the focus, the move takes the announcement's place and
    // nothing is spoken.
    FFokusUhr.StartOnce(FokusNachCaretMs);
}

void TWxSucheNameForm::OnText(wxCommandEvent&) {
    const std::string Text = Utf8(Edit1->GetValue());
    const std::string Klein = TSucheNameForm::Klein(Text);
    if (Klein != Text) {
        const long Stelle = Edit1->GetInsertionPoint();
        Edit1->ChangeValue(Wx(Klein));
        Edit1->SetInsertionPoint(Stelle);
    }
    Button1->Enable(TSucheNameForm::SuchenErlaubt(Klein));
}

bool TWxSucheNameForm::EigeneTaste(wxKeyEvent& AEvent) {
    // GTK makes no character events in a read-only pane (it has no input method there), so the
    // character is taken from the key; its letter case does not matter, the name is lower case.
    const wxChar Zeichen = AEvent.GetUnicodeKey();
    if (FindFocus() != RichEdit1 || Zeichen == WXK_NONE || AEvent.ControlDown() || AEvent.AltDown() ||
        !TSucheNameForm::StartetNeuenNamen(static_cast<char32_t>(Zeichen))) {
        return false;
    }
    // A new name starts with this character, the caret after it.
    FMarkieren->NaechstenFokusAuslassen();
    Edit1->SetFocus();
    Edit1->ChangeValue(Wx(TSucheNameForm::Klein(Utf8(wxString(Zeichen)))));
    Edit1->SetInsertionPointEnd();
    Button1->Enable(TSucheNameForm::SuchenErlaubt(Utf8(Edit1->GetValue())));
    return true;
}
